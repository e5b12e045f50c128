#include "app/startup/languagechoice.h"
#include "data/generalsetting.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kTranslations{"de", "es", "fr", "it", "nl", "pl", "pt_BR"};

TEST(LanguageChoice, optionThenSettingsThenDesktop_unknownCodesCountAsNotGiven) {
    const struct {
        const char* option;
        const char* settings;
        std::vector<std::string> desktop;
        const char* chosen;
    } cases[] = {
        {"", "", {}, ""},                              // nothing said: English
        {"", "", {"de-DE", "en-US"}, "de"},            // the desktop, in its order
        {"", "", {"ja-JP", "fr-CA", "de"}, "fr"},      // no Japanese: the next one
        {"", "", {"en-GB", "de-DE"}, ""},              // English first is English
        {"", "nl", {"de-DE"}, "nl"},                   // the settings over the desktop
        {"pl", "nl", {"de-DE"}, "pl"},                 // --lang over everything
        {"xx", "nl", {"de-DE"}, "nl"},                 // an unknown code is not given
        {"xx", "yy", {"zz"}, ""},                      // none known: English
        {"en", "nl", {"de-DE"}, ""},                   // English asked for by name
        {"pt_BR", "", {}, "pt_BR"},
        {"pt-br", "", {}, "pt_BR"},                    // spelt as a browser does
        {"", "", {"pt-PT"}, "pt_BR"},                  // the language alone finds it
        {"", "", {"de_AT.UTF-8"}, "de"},               // as LANG spells it
        {"", "", {"C"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + "|" + c.settings);
        EXPECT_EQ(chooselanguage({c.option, c.settings, c.desktop, kTranslations}), c.chosen);
    }
    // Without translations installed, everything is English.
    EXPECT_EQ(chooselanguage({"de", "de", {"de"}, {}}), "");
}

TEST(LanguageChoice, settingsAndTranslationFiles_areReadAsWritten) {
    TempFolder folder;
    folder.writeFile("a.ini", "language = de\n[Runner]\nlanguage=fr\n");
    folder.writeFile("b.ini", "[Runner]\nlanguage=fr\n[General]\nlanguage=it\n");
    folder.writeFile("c.ini", "[Runner]\nSpeakExerciseNames=true\n");
    EXPECT_EQ(settingslanguage(folder.path() + "a.ini"), "de");
    EXPECT_EQ(settingslanguage(folder.path() + "b.ini"), "it"); // only outside other sections
    EXPECT_EQ(settingslanguage(folder.path() + "c.ini"), "");
    EXPECT_EQ(settingslanguage(folder.path() + "missing.ini"), "");

    // Another key of the same place is set beside the language, every other
    // line kept as it was, in its place.
    setgeneralsetting(folder.path() + "a.ini", kLastCircuitKey, "Leg Day");
    setgeneralsetting(folder.path() + "b.ini", kLastCircuitKey, "Core");
    setgeneralsetting(folder.path() + "b.ini", kLastCircuitKey, "Arms");
    setgeneralsetting(folder.path() + "new.ini", kLastCircuitKey, "Tabata");
    EXPECT_EQ(folder.readFile("a.ini"), "lastcircuit=Leg Day\nlanguage = de\n[Runner]\nlanguage=fr\n");
    EXPECT_EQ(folder.readFile("b.ini"),
              "lastcircuit=Arms\n[Runner]\nlanguage=fr\n[General]\nlanguage=it\n");
    EXPECT_EQ(generalsetting(folder.path() + "b.ini", kLastCircuitKey), "Arms");
    EXPECT_EQ(settingslanguage(folder.path() + "b.ini"), "it");
    EXPECT_EQ(folder.readFile("new.ini"), "lastcircuit=Tabata\n");
    // A file far larger than the program writes is not the program's.
    const std::string huge(70 * 1024, '#');
    folder.writeFile("huge.ini", huge);
    setgeneralsetting(folder.path() + "huge.ini", kLastCircuitKey, "Core");
    EXPECT_EQ(folder.readFile("huge.ini"), huge);

    folder.writeFile("translations/stridewell_pt_BR.qm", "");
    folder.writeFile("translations/stridewell_de.qm", "");
    folder.writeFile("translations/other.qm", "");
    EXPECT_EQ(translationsin(folder.path() + "translations"),
              (std::vector<std::string>{"de", "pt_BR"}));
}

} // namespace
