// The run options: remembered in stridewell.ini, changed on the runner
// frame's context menu.
#include "app/mainwindow/runnerassembly.h"
#include "runner/circuitstartframe.h"
#include "runner/runaidfactory.h"
#include "runner/runoptionsmenu.h"
#include "runner/runsettings.h"
#include "testsupport/tempfolder.h"
#include "testsupport/testdialogs.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string describe(const RunOptions& options) {
    return std::string(options.speakNames ? "speak" : "-") + " " +
           (options.countdown ? "countdown" : "-") + " " + (options.keepAwake ? "awake" : "-");
}

const std::string kDefaults = "- - awake";

class SilentCue final : public CueSound {
public:
    void play() override {}
};

QAction* option(QMenu& menu, const char* text) {
    for (QAction* action : menu.actions())
        if (action->text() == QLatin1String(text))
            return action;
    return nullptr;
}

TEST(RunOptions, missingOrBrokenFileGivesDefaults_aChangeOnTheMenuIsAppliedAndRemembered) {
    TempFolder folder;
    folder.makeApplicationFolder();
    const RunSettings settings;
    EXPECT_EQ(settings.path(), folder.path() + "stridewell.ini");
    EXPECT_EQ(describe(settings.load()), kDefaults) << "no file";

    const std::vector<std::string> broken{
        std::string("\x00\xff\xfe garbage [[[ = \x01", 20),
        "[Runner]\nSpeakExerciseNames=maybe\nCountDown=\nKeepScreenAwake=perhaps\n",
        // Far larger than any settings file: not read at all.
        "[Runner]\nSpeakExerciseNames=true\n;" + std::string(200000, 'x') + "\n",
    };
    for (const std::string& bytes : broken) {
        folder.writeFile("stridewell.ini", bytes);
        EXPECT_EQ(describe(settings.load()), kDefaults) << bytes.substr(0, 60);
    }
    // A file edited by hand on another system.
    folder.writeFile("stridewell.ini",
                     "\xEF\xBB\xBF[Runner]\r\nSpeakExerciseNames = TRUE\r\nKeepScreenAwake=0\r\n");
    EXPECT_EQ(describe(settings.load()), "speak - -");
    std::filesystem::remove(folder.path() + "stridewell.ini");
    std::filesystem::create_directory(folder.path() + "stridewell.ini");
    EXPECT_EQ(describe(settings.load()), kDefaults) << "a folder in its place";
    std::filesystem::remove(folder.path() + "stridewell.ini");

    // The menu applies the remembered options at once, and each change.
    QWidget frame;
    auto* clockDigit = new QLabel(&frame);
    clockDigit->setObjectName(QStringLiteral("img_s"));
    std::vector<std::string> applied;
    new RunOptionsMenu(&frame,
                       [&](const RunOptions& options) { applied.push_back(describe(options)); });
    EXPECT_EQ(applied, std::vector<std::string>{kDefaults});
    EXPECT_EQ(clockDigit->toolTip(), QString::fromLatin1(RunOptionsMenu::kClockHint));

    // A right click on any control of the frame opens it.
    auto* menu = frame.findChild<QMenu*>(QStringLiteral("mnu_runoptions"));
    ASSERT_NE(menu, nullptr);
    frame.show();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                            clockDigit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(clockDigit, &click);
    EXPECT_TRUE(menu->isVisible());
    // The five check items, a separator and the Sound and Volume submenus.
    ASSERT_EQ(menu->actions().size(), 8);
    QAction* countdown = option(*menu, "Count down the last three seconds");
    ASSERT_NE(countdown, nullptr);
    ASSERT_NE(option(*menu, "Speak exercise names"), nullptr);
    ASSERT_NE(option(*menu, "Keep the screen awake during a run"), nullptr);
    EXPECT_FALSE(countdown->isChecked());
    EXPECT_TRUE(option(*menu, "Keep the screen awake during a run")->isChecked());
    countdown->trigger();
    menu->hide();
    EXPECT_EQ(applied.back(), "- countdown awake");
    EXPECT_EQ(describe(RunSettings().load()), "- countdown awake");
    // The language chosen in the file stays when the options are saved.
    folder.writeFile("stridewell.ini", "language=de\r\n[Runner]\r\nCountDown=true\r\n");
    countdown->trigger();
    EXPECT_EQ(folder.readFile("stridewell.ini"),
              "language=de\n[Runner]\nSpeakExerciseNames=false\nCountDown=false\n"
              "KeepScreenAwake=true\n");
    countdown->trigger();
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"Circuits", "stridewell.ini"}))
        << "no temporary left";

    // The runner as the program puts it together carries the menu on its
    // frame, with the remembered options checked.
    Tframe_ExerciseStart runner;
    new RunnerAssembly(runner, folder.path(), RunAidParts{.cue = std::make_unique<SilentCue>()});
    auto* runnerMenu = runner.findChild<QMenu*>(QStringLiteral("mnu_runoptions"));
    ASSERT_NE(runnerMenu, nullptr);
    EXPECT_TRUE(option(*runnerMenu, "Count down the last three seconds")->isChecked());
    runner.show();
    for (const char* name : {"lst_exercises", "img_exhold", "btn_stop", "Panel1"}) {
        auto* control = runner.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        QWidget* target = name == std::string("lst_exercises")
                              ? static_cast<QAbstractScrollArea*>(control)->viewport()
                              : control;
        QContextMenuEvent onControl(QContextMenuEvent::Mouse, QPoint(3, 3),
                                    target->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(target, &onControl);
        EXPECT_TRUE(runnerMenu->isVisible()) << name;
        runnerMenu->hide();
    }
    QWidget* clock = runner.findChild<QWidget*>(QStringLiteral("pnl_clock"));
    if (!clock) // the clock as separate digits
        clock = runner.findChild<QWidget*>(QStringLiteral("img_m10s"));
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->toolTip(), QString::fromLatin1(RunOptionsMenu::kClockHint));

    // Cannot be remembered: still applied, and the error is shown.
    TestDialogs::takeShown();
    QWidget elsewhere;
    applied.clear();
    new RunOptionsMenu(
        &elsewhere, [&](const RunOptions& options) { applied.push_back(describe(options)); },
        RunSettings(folder.path() + "no such folder/stridewell.ini"));
    option(*elsewhere.findChild<QMenu*>(QStringLiteral("mnu_runoptions")), "Speak exercise names")
        ->trigger();
    EXPECT_EQ(applied, (std::vector<std::string>{kDefaults, "speak - awake"}));
    EXPECT_EQ(TestDialogs::takeShown().size(), 1);
}

// The cue's sound, the volume and the big clock's screen, as remembered.
std::string describeSound(const RunOptions& options) {
    const char* const tones[] = {"chime", "bell", "doublebeep", "gong"};
    return std::string(tones[static_cast<int>(options.cueTone)]) + " " +
           std::to_string(options.volume) + "% " +
           (options.bigClockElsewhere ? "elsewhere" : "here");
}

const std::string kSoundDefaults = "chime 100% elsewhere";

TEST(RunOptions, soundVolumeAndBigClockScreen_roundTrip_badValuesGiveDefaults) {
    TempFolder folder;
    folder.makeApplicationFolder();
    const RunSettings settings;
    EXPECT_EQ(describeSound(settings.load()), kSoundDefaults) << "no file";
    for (const char* bad :
         {"Sound=trumpet\nVolume=55\nBigClockOnOtherScreen=maybe\n", "Sound=\nVolume=0\n",
          "Volume=110\n", "Volume=-10\n", "Volume=loud\n", "Volume=1e2\n"}) {
        folder.writeFile("stridewell.ini", std::string("[Runner]\n") + bad);
        EXPECT_EQ(describeSound(settings.load()), kSoundDefaults) << bad;
    }
    folder.writeFile("stridewell.ini",
                     "[Runner]\r\nSound = Gong\r\nVolume= 30\r\nBigClockOnOtherScreen=0\r\n");
    EXPECT_EQ(describeSound(settings.load()), "gong 30% here");

    // Every sound and volume reads back as saved; the other lines stay.
    folder.writeFile("stridewell.ini", "language=fr\n[Elsewhere]\nkey=value\n");
    for (const CueTone tone : {CueTone::Chime, CueTone::Bell, CueTone::DoubleBeep, CueTone::Gong})
        for (const int volume : {10, 40, 100}) {
            RunOptions options;
            options.cueTone = tone;
            options.volume = volume;
            options.bigClockElsewhere = volume != 40;
            settings.save(options);
            EXPECT_EQ(describeSound(settings.load()), describeSound(options));
        }
    RunOptions changed;
    changed.cueTone = CueTone::DoubleBeep;
    changed.volume = 70;
    changed.bigClockElsewhere = false;
    settings.save(changed);
    EXPECT_EQ(folder.readFile("stridewell.ini"),
              "language=fr\n[Elsewhere]\nkey=value\n[Runner]\nSpeakExerciseNames=false\n"
              "CountDown=false\nKeepScreenAwake=true\nSound=doublebeep\nVolume=70\n"
              "BigClockOnOtherScreen=false\n");
}

TEST(RunOptions, soundAndVolumeSubmenus_aChoiceIsAppliedHeardOnceAndRemembered) {
    TempFolder folder;
    folder.makeApplicationFolder();
    QWidget frame;
    std::vector<RunOptions> applied;
    auto* options =
        new RunOptionsMenu(&frame, [&](const RunOptions& chosen) { applied.push_back(chosen); });
    int previews = 0;
    QObject::connect(options, &RunOptionsMenu::soundChosen, [&] { ++previews; });
    auto* menu = frame.findChild<QMenu*>(QStringLiteral("mnu_runoptions"));
    auto* sounds = frame.findChild<QMenu*>(QStringLiteral("mnu_runsound"));
    auto* volumes = frame.findChild<QMenu*>(QStringLiteral("mnu_runvolume"));
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(sounds, nullptr);
    ASSERT_NE(volumes, nullptr);
    EXPECT_EQ(sounds->accessibleName(), QStringLiteral("Sound"));
    EXPECT_EQ(volumes->accessibleName(), QStringLiteral("Volume"));
    EXPECT_EQ(option(*menu, "Sound"), sounds->menuAction());
    EXPECT_EQ(option(*menu, "Volume"), volumes->menuAction());

    const auto texts = [](const QMenu& submenu) {
        std::vector<std::string> found;
        for (const QAction* action : submenu.actions())
            found.push_back(action->text().toStdString() + (action->isChecked() ? "*" : ""));
        return found;
    };
    EXPECT_EQ(texts(*sounds), (std::vector<std::string>{"Chime*", "Bell", "Double beep", "Gong"}));
    EXPECT_EQ(texts(*volumes), (std::vector<std::string>{"10%", "20%", "30%", "40%", "50%", "60%",
                                                         "70%", "80%", "90%", "100%*"}));
    QAction* elsewhere = option(*menu, "Big clock on the other screen");
    ASSERT_NE(elsewhere, nullptr);
    EXPECT_TRUE(elsewhere->isChecked());
    EXPECT_EQ(previews, 0) << "nothing is heard as the options are loaded";

    option(*sounds, "Bell")->trigger();
    EXPECT_EQ(describeSound(applied.back()), "bell 100% elsewhere");
    EXPECT_EQ(previews, 1);
    option(*volumes, "50%")->trigger();
    EXPECT_EQ(describeSound(applied.back()), "bell 50% elsewhere");
    EXPECT_EQ(previews, 2);
    EXPECT_EQ(texts(*sounds), (std::vector<std::string>{"Chime", "Bell*", "Double beep", "Gong"}));
    elsewhere->trigger();
    option(*menu, "Speak exercise names")->trigger();
    EXPECT_EQ(describeSound(applied.back()), "bell 50% here");
    EXPECT_EQ(describe(applied.back()), "speak - awake");
    EXPECT_EQ(previews, 2) << "the other options are not heard";
    EXPECT_EQ(describeSound(RunSettings().load()), "bell 50% here");

    // Another runner reads them back, checked.
    QWidget again;
    new RunOptionsMenu(&again, [](const RunOptions&) {});
    EXPECT_EQ(texts(*again.findChild<QMenu*>(QStringLiteral("mnu_runsound")))[1], "Bell*");
    EXPECT_EQ(texts(*again.findChild<QMenu*>(QStringLiteral("mnu_runvolume")))[4], "50%*");
}

TEST(RunOptions, exactIntervals_offByDefault_writtenOnlyWhenOn_checkedOnTheMenu) {
    TempFolder folder;
    folder.makeApplicationFolder();
    const RunSettings settings;
    EXPECT_FALSE(settings.load().exactIntervals) << "no file";
    for (const char* bad : {"ExactIntervals=maybe\n", "ExactIntervals=\n", "ExactIntervals=2\n"}) {
        folder.writeFile("stridewell.ini", std::string("[Runner]\n") + bad);
        EXPECT_FALSE(settings.load().exactIntervals) << bad;
    }
    folder.writeFile("stridewell.ini", "[Runner]\r\nExactIntervals = TRUE\r\n");
    EXPECT_TRUE(settings.load().exactIntervals);

    // A file of someone who never turned it on is written as before.
    const std::string designed = "language=de\n[Runner]\nSpeakExerciseNames=false\n"
                                 "CountDown=false\nKeepScreenAwake=true\n";
    folder.writeFile("stridewell.ini", designed);
    settings.save(settings.load());
    EXPECT_EQ(folder.readFile("stridewell.ini"), designed);

    QWidget frame;
    std::vector<RunOptions> applied;
    new RunOptionsMenu(&frame, [&](const RunOptions& chosen) { applied.push_back(chosen); });
    auto* menu = frame.findChild<QMenu*>(QStringLiteral("mnu_runoptions"));
    ASSERT_NE(menu, nullptr);
    QAction* exact = option(*menu, "Count each interval exactly");
    ASSERT_NE(exact, nullptr);
    EXPECT_TRUE(exact->isCheckable());
    EXPECT_FALSE(exact->isChecked());
    exact->trigger();
    EXPECT_TRUE(applied.back().exactIntervals);
    EXPECT_EQ(folder.readFile("stridewell.ini"), designed + "ExactIntervals=true\n");
    EXPECT_TRUE(settings.load().exactIntervals);
    exact->trigger();
    EXPECT_FALSE(applied.back().exactIntervals);
    EXPECT_EQ(folder.readFile("stridewell.ini"), designed) << "off again: the key goes";

    // Another runner finds it checked.
    exact->trigger();
    QWidget again;
    new RunOptionsMenu(&again, [](const RunOptions&) {});
    EXPECT_TRUE(option(*again.findChild<QMenu*>(QStringLiteral("mnu_runoptions")),
                       "Count each interval exactly")
                    ->isChecked());
}

// What the runner asks of its cue and its voice, in order, in one list.
class CueRecorder final : public CueSound {
public:
    explicit CueRecorder(std::vector<std::string>& calls) : m_calls(calls) {}
    void prepare() override { m_calls.emplace_back("prepare"); }
    void play() override { m_calls.emplace_back("play"); }
    void choose(CueTone tone) override {
        m_calls.push_back("choose " + std::to_string(static_cast<int>(tone)));
    }
    void setVolume(int percent) override { m_calls.push_back("cue " + std::to_string(percent)); }
    void preview() override { m_calls.emplace_back("preview"); }

private:
    std::vector<std::string>& m_calls;
};

class VoiceRecorder final : public RunAnnouncer {
public:
    explicit VoiceRecorder(std::vector<std::string>& calls) : m_calls(calls) {}
    void prepare(const std::string&) override {}
    void speak(const std::string&) override {}
    void countdownTick() override {}
    void setVolume(int percent) override { m_calls.push_back("voice " + std::to_string(percent)); }

private:
    std::vector<std::string>& m_calls;
};

TEST(RunOptions, runner_choiceReachesTheCueAndTheVoice_previewStartsNothingElse) {
    TempFolder folder;
    folder.makeApplicationFolder();
    folder.writeFile("stridewell.ini", "[Runner]\nSound=gong\nVolume=80\n");
    std::vector<std::string> calls;
    Tframe_ExerciseStart runner;
    new RunnerAssembly(runner, folder.path(),
                       RunAidParts{.cue = std::make_unique<CueRecorder>(calls),
                                   .announcer = std::make_unique<VoiceRecorder>(calls)});
    EXPECT_EQ(calls, (std::vector<std::string>{"choose 3", "cue 80", "voice 80", "prepare"}));
    calls.clear();
    auto* menu = runner.findChild<QMenu*>(QStringLiteral("mnu_runvolume"));
    ASSERT_NE(menu, nullptr);
    option(*menu, "30%")->trigger();
    EXPECT_EQ(calls, (std::vector<std::string>{"choose 3", "cue 30", "voice 30", "preview"}));
    EXPECT_FALSE(runner.runInProgress());
}

} // namespace
