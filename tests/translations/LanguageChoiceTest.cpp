// The interface language from the environment, as gettext would choose a catalogue.

#include "app/program/LanguageChoice.h"
#include "app/program/Translations.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    LanguageEnvironment environment; // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    const char* chosen;
};

} // namespace

TEST(LanguageChoice, FollowsTheMessagesLocaleAndLanguageList) {
    const Case cases[] = {
        {{"", "", "", "en_US.UTF-8"}, "en"},
        {{"", "", "", "ru_RU.UTF-8"}, "ru"},
        {{"", "", "", "de_DE.UTF-8"}, "ru"}, // no German translation: the program's own texts
        {{"", "", "", "C.UTF-8"}, "ru"},
        {{"", "", "", "POSIX"}, "ru"},
        {{"", "", "", ""}, "ru"},
        // LC_ALL before LC_MESSAGES before LANG
        {{"", "C", "", "en_US"}, "ru"},
        {{"", "en_GB.UTF-8", "ru_RU.UTF-8", "ru_RU.UTF-8"}, "en"},
        {{"", "", "en_GB.UTF-8", "ru_RU.UTF-8"}, "en"},
        {{"", "", "ru_RU.UTF-8", "en_US.UTF-8"}, "ru"},
        // LANGUAGE's list in its order, counted only beside a locale that is not C
        {{"de:en:ru", "", "", "de_DE.UTF-8"}, "en"},
        {{"ru:en", "", "", "en_US.UTF-8"}, "ru"},
        {{"en_GB:ru", "", "", "ru_RU.UTF-8"}, "en"},
        {{"de:fr", "", "", "en_US.UTF-8"}, "ru"}, // the list alone counts, and names no language we have
        {{"en", "C.UTF-8", "", ""}, "ru"},
        {{"en", "", "", ""}, "ru"},
        {{"C:en", "", "", "en_US.UTF-8"}, "ru"}, // C in the list keeps the program's own texts
        {{"::en@latin", "", "", "en_US.UTF-8"}, "en"},
    };
    for (const Case& c : cases) {
        const LanguageEnvironment& e = c.environment;
        EXPECT_EQ(ChooseLanguage(e, {QStringLiteral("en")}), QLatin1String(c.chosen))
            << "LANGUAGE=" << e.language.toStdString() << " LC_ALL=" << e.lcAll.toStdString()
            << " LC_MESSAGES=" << e.lcMessages.toStdString() << " LANG=" << e.lang.toStdString();
    }
}

TEST(LanguageChoice, TheProgramCarriesItsEnglishCatalogue) {
    EXPECT_EQ(TranslatedLanguages(), QStringList{QStringLiteral("en")});
    EXPECT_EQ(ChooseLanguage({{}, {}, {}, QStringLiteral("en_US.UTF-8")}, TranslatedLanguages()),
              QStringLiteral("en"));
}

TEST(LanguageChoice, TheTestsRunInRussian) {
    EXPECT_EQ(ChooseLanguage(ProcessLanguageEnvironment(), TranslatedLanguages()), QStringLiteral("ru"));
}
