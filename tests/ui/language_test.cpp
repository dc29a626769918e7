// Which translation the user's languages choose, in the order the desktop
// lists them (LANGUAGE, then LANG, as QLocale::system().uiLanguages() gives them).
#include <QStringList>
#include <gtest/gtest.h>

#include "fake_services.h"
#include "ui/translations.h"

namespace cubetimer {
namespace {

TEST(LanguageTest, TheFirstLanguageSpokenIsChosenAndEnglishEndsTheSearch) {
    const std::pair<QStringList, QString> cases[] = {
        {{"de-DE", "de"}, "de"},
        {{"de-AT"}, "de"},                   // any German
        {{"fr-CA", "fr"}, "fr"},
        {{"nl-NL", "ru-RU"}, "ru"},          // a language it lacks is passed over
        {{"en-US", "de-DE"}, ""},            // English first: no translation at all
        {{"C"}, ""},
        {{"pt-BR"}, "pt_BR"},
        {{"pt-PT"}, ""},                     // Brazilian is not the Portuguese of Portugal
        {{"zh-CN"}, "zh_CN"},
        {{"zh-Hans-CN", "zh-CN", "zh"}, "zh_CN"},
        {{"zh-TW", "zh-Hant-TW"}, ""},       // nor Simplified Chinese the Traditional
        {{"pl-PL", "de-DE"}, "pl"},
        {{"es-MX"}, "es"},
        {{"ja-JP"}, "ja"},
        {{"uk-UA", "ru-RU"}, "uk"},
        {{"vi-VN"}, "vi"},
        {{"id-ID"}, "id"},
    };
    for (const auto& [languages, chosen] : cases) EXPECT_EQ(ChosenLanguage(languages), chosen) << languages.join(' ').toStdString();
}

}  // namespace
}  // namespace cubetimer
