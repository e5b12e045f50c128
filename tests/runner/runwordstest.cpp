// The run's texts worded for the user: English as it always was, and the
// user's language once a translation is installed.
#include "runnerfixtures.h"

#include "runner/circuitstartframe.h"
#include "runner/runwords.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTranslator>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace runnerfixtures;

namespace {

TEST(RunWords, everyTextId_wordedInEnglish_namesAsWritten) {
    struct Case {
        RunText text;
        const char* words;
    };
    // A name holding a place marker is inserted, not filled in again.
    const std::string name = "Push-Up %2";
    const std::vector<Case> cases{
        {{RunTextId::CircuitName, "Morning \xE9"}, "Morning \xE9"}, // Latin-1, byte for byte
        {{RunTextId::NoExercises}, "This circuit has no exercises"},
        {{RunTextId::Stopped}, "Stopped"},
        {{RunTextId::Finished}, "Finished"},
        {{RunTextId::WarmUp}, "Warm-up"},
        {{RunTextId::CoolDown}, "Cool-down"},
        {{RunTextId::Next, name}, "Next: Push-Up %2"},
        {{RunTextId::Now, name}, "Now: Push-Up %2"},
        {{RunTextId::NowReps, name, 15}, "Now: 15 x Push-Up %2"},
        {{RunTextId::LastExercise}, "Last exercise"},
        {{RunTextId::SayWarmUp}, "Warm-up"},
        {{RunTextId::SayCoolDown}, "Cool-down"},
        {{RunTextId::SayNext, name}, "Next: Push-Up %2"},
        {{RunTextId::SayNextReps, name, 15}, "Next: 15 Push-Up %2"},
        {{RunTextId::SayName, name}, "Push-Up %2"},
        {{RunTextId::SayReps, name, 15}, "15 Push-Up %2"},
        {{RunTextId::SaySwitchSides}, "Switch sides"},
        {{RunTextId::SayFinished}, "Circuit finished"},
    };
    std::map<RunTextId, int> seen;
    for (const Case& entry : cases) {
        EXPECT_EQ(RunWords::text(entry.text), entry.words);
        ++seen[entry.text.id];
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(RunTextId::SayFinished) + 1) << "every id";

    // Every text but a bare name, spoken ones too, is looked up in the
    // translation sources: a translator that marks what it is asked for marks it.
    class Marking final : public QTranslator {
    public:
        bool isEmpty() const override { return false; }
        QString translate(const char*, const char* source, const char*, int) const override {
            return QStringLiteral("\u2039") + QString::fromUtf8(source);
        }
    } marking;
    QCoreApplication::installTranslator(&marking);
    for (const Case& entry : cases) {
        if (entry.text.id != RunTextId::CircuitName && entry.text.id != RunTextId::SayName) {
            EXPECT_EQ(RunWords::text(entry.text).rfind("\u2039", 0), 0u) << entry.words;
        }
    }
    QCoreApplication::removeTranslator(&marking);

    RunText round{RunTextId::SayNext, "Squat"};
    round.round = 2;
    round.rounds = 3;
    EXPECT_EQ(RunWords::text(round), "Round 2 of 3. Next: Squat");
    EXPECT_EQ(RunWords::text({RunTextId::Next, "Caf\xE9"}), "Next: Caf\xC3\xA9") << "UTF-8 around";

    RunMoment moment;
    EXPECT_EQ(RunWords::timeLeftLine(moment), "") << "no plan";
    moment.planned = true;
    moment.circuitLeft = 754;
    moment.position = 3;
    moment.count = 8;
    moment.round = 2;
    EXPECT_EQ(RunWords::timeLeftLine(moment), "12:34 left \xC2\xB7 3 / 8");
    moment.rounds = 3;
    EXPECT_EQ(RunWords::timeLeftLine(moment), "12:34 left \xC2\xB7 3 / 8 \xC2\xB7 round 2 / 3");
    EXPECT_EQ(RunWords::historyNotSaved("Disk full"),
              QStringLiteral("Your training history could not be saved (Disk full). The run goes "
                             "on, but it will be missing from the history."));
    EXPECT_EQ(RunWords::spokenLanguage(), "en");
}

// A translation made in the test: German for a few of the run's texts.
class GermanRunWords final : public QTranslator {
public:
    std::string voice = "de";

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int) const override {
        const std::string key = std::string(context) + "|" + source + "|" +
                                (disambiguation ? disambiguation : "");
        if (key == "RunWords|Next: %1|status label")
            return QStringLiteral("Als N\u00e4chstes: %1");
        if (key == "RunWords|Now: %1|status label")
            return QStringLiteral("Jetzt: %1");
        if (key == "RunWords|%1 left \u00b7 %2 / %3|")
            return QStringLiteral("noch %1 \u00b7 %2 / %3");
        if (key == "RunWords|en|espeak-ng voice")
            return QString::fromStdString(voice);
        return {};
    }
    bool isEmpty() const override { return false; }
};

TEST(RunWords, installedTranslation_runnerSpeaksItsLanguage_namesStayAsWritten) {
    TempFolder folder;
    folder.makeApplicationFolder();
    setLibrary({"Kniebeuge", "Lunge"});
    const std::string path =
        writeCircuit(folder, "de.cir", circuitText("Morgen", 20, 5, {"Kniebeuge", "Lunge"}));

    GermanRunWords german;
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    Tframe_ExerciseStart frame;
    frame.intialisecircuit(path);
    frame.btn_startClick();
    auto* status = frame.findChild<QLabel*>(QStringLiteral("lbl_exercisename"));
    auto* line = frame.findChild<QLabel*>(QStringLiteral("lbl_timeleft"));
    ASSERT_TRUE(status && line);
    EXPECT_EQ(status->text(), QStringLiteral("Als N\u00e4chstes: Kniebeuge"));
    EXPECT_EQ(line->text(), QStringLiteral("noch 0:50 \u00b7 1 / 2"));
    for (int tick = 0; tick < 6; ++tick)
        frame.exercisetimerTimer();
    EXPECT_EQ(status->text(), QStringLiteral("Jetzt: Kniebeuge"));
    EXPECT_EQ(RunWords::text({RunTextId::Stopped}), "Stopped") << "untranslated: English";
    EXPECT_EQ(RunWords::spokenLanguage(), "de");
    german.voice = "de\"; rm"; // not a language code
    EXPECT_EQ(RunWords::spokenLanguage(), "en");

    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(RunWords::text({RunTextId::Now, "Kniebeuge"}), "Now: Kniebeuge");
}

} // namespace
