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
    ASSERT_EQ(menu->actions().size(), 3);
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

} // namespace
