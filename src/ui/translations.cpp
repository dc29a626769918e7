#include "ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace cubetimer {

namespace {

// Built into the program (see CMakeLists.txt), so the binary speaks them
// wherever it runs from.
constexpr const char* kOwnFolder = ":/i18n";

// The language of `locale` that the program has a translation for, or empty.
QString Spoken(const QLocale& locale) {
    for (const char* language : kLanguages) {
        const QLocale candidate(QString::fromLatin1(language));
        // A Brazilian translation is no Portuguese one for Portugal, nor Simplified Chinese for Taiwan.
        const bool territorial = QString::fromLatin1(language).contains(QLatin1Char('_'));
        if (candidate.language() == locale.language() && (!territorial || candidate.territory() == locale.territory()))
            return QString::fromLatin1(language);
    }
    return {};
}

// Qt's own texts (the buttons of message boxes, the file dialogs): where Qt
// keeps them, and a "translations" folder beside the program, where a
// program that brings its own Qt keeps them.
bool LoadQtTranslation(QTranslator& translator, const QString& language) {
    const QString name = QStringLiteral("qtbase_") + language;
    const QString folders[] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& folder : folders) {
        // qtbase_pt_BR, or for a language Qt has only in general, qtbase_zh_CN's sibling qtbase_zh.
        if (translator.load(name, folder) ||
            translator.load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0), folder))
            return true;
    }
    return false;
}

}  // namespace

QString ChosenLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) return {};
        if (const QString chosen = Spoken(locale); !chosen.isEmpty()) return chosen;
    }
    return {};
}

QString InstallTranslations(QCoreApplication& app) {
    const QString chosen = ChosenLanguage(QLocale::system().uiLanguages());
    if (chosen.isEmpty()) return {};
    auto* own = new QTranslator(&app);
    if (!own->load(QStringLiteral("quorvanta-timer_") + chosen, QString::fromLatin1(kOwnFolder))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (LoadQtTranslation(*qt, chosen))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return chosen;
}

}  // namespace cubetimer
