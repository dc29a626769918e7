#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace cubetimer {

// The languages the program speaks besides English, as its translation files name them.
inline constexpr const char* kLanguages[] = {"de", "es", "fr", "pt_BR", "pl", "ru", "zh_CN", "ja", "ko", "it", "uk", "vi", "id", "tr"};

// The first of `uiLanguages` ("de-DE", "pt-BR", as QLocale names them) that
// the program speaks; English, the language of the sources, ends the search.
// Returns the translation's name ("de", "pt_BR"), empty for English.
QString ChosenLanguage(const QStringList& uiLanguages);

// Installs on `app` the program's own translation and Qt's for the first of
// the user's languages (QLocale::system().uiLanguages(), so LANGUAGE and LANG
// count) that the program speaks; English, the language of the sources, ends
// the search. Returns the language chosen ("de", "pt_BR"), empty for English.
QString InstallTranslations(QCoreApplication& app);

}  // namespace cubetimer
