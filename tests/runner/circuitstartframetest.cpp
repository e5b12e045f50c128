#include "runnerfixtures.h"
#include "testsupport/recordingbrowser.h"

#include "app/mainwindow/runnerassembly.h"
#include "data/contentaddress.h"
#include "runner/bigclock.h"
#include "runner/circuitstartframe.h"
#include "runner/cueplayer.h"
#include "runner/phasecolours.h"
#include "runner/runaidfactory.h"
#include "ui/frontframe.h"
#include "ui/pictures.h"
#include "stderrcapture.h"
#include "testsupport/testdialogs.h"
#include "ui/textconv.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace runnerfixtures;

namespace {

class RecordingCue final : public CueSound {
public:
    int plays = 0;
    void play() override { ++plays; }
};

class CircuitStartFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.makeApplicationFolder();
        setLibrary({"Squat", "Lunge", "Plank"}, {"Squat"});
        frame.setBrowser(browser);
    }

    template <class T = QLabel> T* control(const char* name) {
        T* found = frame.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Which picture a control shows: 0-9 a digit, 10 exercise, 11 rest, -1 another.
    int shown(const char* name) {
        const QImage image = control(name)->pixmap().toImage();
        for (int digit = 0; digit <= 9; ++digit)
            if (image == picture(QStringLiteral("digit%1.jpg").arg(digit)).toImage())
                return digit;
        if (image == picture(QStringLiteral("phase_exercise.jpg")).toImage())
            return 10;
        if (image == picture(QStringLiteral("phase_rest.jpg")).toImage())
            return 11;
        return -1;
    }

    // The digit the clock draws in the 30-pixel place whose left edge lies at
    // frameLeft, left of the tens of minutes; -1 for none.
    int drawnDigit(int frameLeft) {
        QWidget* clock = control<QWidget>("pnl_clock");
        const QPoint origin = clock->mapTo(&frame, QPoint(0, 0));
        const QImage drawn = clock->grab()
                                 .toImage()
                                 .copy(frameLeft - origin.x(), 173 - origin.y(), 30, 60)
                                 .convertToFormat(QImage::Format_RGB32);
        for (int digit = 0; digit <= 9; ++digit)
            if (drawn == picture(QStringLiteral("digit%1.jpg").arg(digit))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32))
                return digit;
        return -1;
    }

    std::string clock() {
        return std::to_string(shown("img_m10s")) + std::to_string(shown("img_ms")) + ":" +
               std::to_string(shown("img_s10s")) + std::to_string(shown("img_s"));
    }

    // The command button a user sees, and would hit, at the buttons' place.
    QWidget* frontButton() {
        QWidget* start = control<QWidget>("btn_start");
        return start->parentWidget()->childAt(start->geometry().center());
    }

    // A real click through the window, hitting whatever lies in front there.
    void clickAt(QWidget* target) {
        const QPoint centre = target->mapTo(&frame, target->rect().center());
        QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
    }

    void showFrame() {
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    void loadAsMainWindow(const std::string& path) {
        frame.intialisecircuit(path);
        frame.bringStartToFront();
    }

    TempFolder folder;
    RecordingBrowser browser;
    RecordingCue* cue = new RecordingCue;
    Tframe_ExerciseStart frame;
    // The runner as the program puts it together, with the cue above.
    RunnerAssembly* assembly = new RunnerAssembly(
        frame, folder.path(), RunAidParts{.cue = std::unique_ptr<CueSound>(cue)});
};

TEST_F(CircuitStartFrameTest, layout_placesEveryElementAsDesigned) {
    EXPECT_EQ(frame.size(), QSize(575, 335));
    const struct {
        const char* name;
        QRect rect;
    } design[] = {
        {"img_exhold", {56, 24, 500, 70}},      {"Image5", {55, 97, 200, 212}},
        {"lst_exercises", {62, 104, 185, 185}}, {"Image1", {307, 96, 250, 70}},
        {"img_status", {328, 120, 200, 20}},    {"Image2", {307, 168, 250, 70}},
        {"img_m10s", {368, 173, 30, 60}},       {"img_ms", {398, 173, 30, 60}},
        {"Image3", {428, 173, 30, 60}},         {"img_s10s", {450, 173, 30, 60}},
        {"img_s", {480, 173, 30, 60}},          {"Image6", {307, 240, 250, 70}},
        {"btn_start", {483, 256, 50, 40}},      {"btn_stop", {483, 256, 50, 40}},
        {"lbl_launch", {56, 320, 332, 12}},
    };
    for (const auto& element : design) {
        QWidget* widget = control<QWidget>(element.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(QRect(widget->mapTo(&frame, QPoint(0, 0)), widget->size()), element.rect)
            << element.name;
    }
    EXPECT_EQ(control("lbl_exercisename")->mapTo(&frame, QPoint(0, 0)), QPoint(64, 40));
    EXPECT_EQ(control("Panel2")->text(), QStringLiteral("   Your Circuit"));
    EXPECT_EQ(control("Panel2")->height(), 17);
    EXPECT_EQ(
        control("lbl_launch")->text(),
        QStringLiteral("Click here for instructions on the exercise (Will pause your circuit)"));
    EXPECT_EQ(control<QWidget>("btn_start")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(control<QWidget>("lbl_launch")->cursor().shape(), Qt::PointingHandCursor);

    auto* timer = frame.findChild<QTimer*>(QStringLiteral("exercisetimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
}

TEST_F(CircuitStartFrameTest, freshFrame_showsZeroClockExercisePictureAndStop) {
    EXPECT_EQ(clock(), "00:00");
    EXPECT_EQ(shown("img_status"), 10);
    EXPECT_EQ(control("lbl_exercisename")->text(), QString());
    EXPECT_EQ(control("img_exhold")->toolTip(), QStringLiteral("Description Of Exercise"));
    EXPECT_EQ(frontButton()->objectName(), QStringLiteral("btn_stop"));
    EXPECT_FALSE(control("lbl_launch")->isHidden());
    EXPECT_FALSE(frame.runInProgress());
    EXPECT_EQ(control("lbl_timeleft")->text(), QString());
}

TEST_F(CircuitStartFrameTest, load_showsRestIntervalListAndName) {
    loadAsMainWindow(
        writeCircuit(folder, "legs.cir", circuitText("Legs", 30, 15, {"Squat", "Lunge"})));
    EXPECT_EQ(clock(), "00:15");
    EXPECT_EQ(shown("img_status"), 11);
    EXPECT_EQ(control("lbl_exercisename")->text(), QStringLiteral("Legs"));
    EXPECT_EQ(control("img_exhold")->toolTip(), QStringLiteral("How to Squat"));
    EXPECT_EQ(frontButton()->objectName(), QStringLiteral("btn_start"));

    auto* list = control<QListWidget>("lst_exercises");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Squat"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Lunge"));
    showFrame();
    EXPECT_EQ(list->visualItemRect(list->item(1)).top() - list->visualItemRect(list->item(0)).top(),
              13);
}

TEST_F(CircuitStartFrameTest, longCircuit_linesFitTheListBesideItsScrollBar) {
    // More lines than the list shows: the vertical bar narrows the list.
    loadAsMainWindow(writeCircuit(folder, "long.cir",
                                  circuitText("Long", 30, 15, std::vector<std::string>(20, "Plank"))));
    showFrame();
    QCoreApplication::processEvents();
    auto* list = control<QListWidget>("lst_exercises");
    ASSERT_EQ(list->count(), 20);
    ASSERT_TRUE(list->verticalScrollBar()->isVisible());

    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    const QRect last = list->visualItemRect(list->item(19));
    EXPECT_EQ(last.left(), 0);
    EXPECT_EQ(last.width(), list->viewport()->width());
}

// A name longer than the name bar ends in "..." inside the bar; the pointer
// over it shows it whole and a screen reader hears it whole. A short one is
// shown as it is and leaves the bar's hint to the pointer.
TEST_F(CircuitStartFrameTest, circuitName_longOneCutInTheBarAndWholeInItsToolTip) {
    const std::string longName =
        "<b>Morning</b> routine for the whole family before the school run and the bus";
    loadAsMainWindow(writeCircuit(folder, "long.cir", circuitText(longName, 30, 15, {"Squat"})));
    showFrame();
    QLabel* name = control("lbl_exercisename");
    const QString whole = QString::fromStdString(longName);
    const QString shown = name->text();
    ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(whole.startsWith(shown.chopped(1))) << shown.toStdString();
    const QRect bar = control<QWidget>("img_exhold")->geometry();
    EXPECT_LE(name->geometry().right(), bar.right() - (name->x() - bar.x()));
    EXPECT_LE(name->fontMetrics().horizontalAdvance(shown), name->contentsRect().width());
    EXPECT_EQ(name->accessibleName(), whole);
    QTextDocument tip;
    tip.setHtml(name->toolTip());
    EXPECT_EQ(tip.toPlainText(), whole) << "shown as written, not as markup";
    const QPoint overName = name->geometry().center();
    EXPECT_EQ(name->parentWidget()->childAt(overName), name);

    loadAsMainWindow(writeCircuit(folder, "legs.cir", circuitText("Legs", 30, 15, {"Squat"})));
    EXPECT_EQ(name->text(), QStringLiteral("Legs"));
    EXPECT_EQ(name->toolTip(), QString());
    EXPECT_EQ(name->accessibleName(), QStringLiteral("Legs"));
    EXPECT_EQ(name->parentWidget()->childAt(name->geometry().center()),
              control<QWidget>("img_exhold"));
}

// The list marks the exercise due in a rest and under way at work, in every
// round, without the focus moving to it and without a focus frame on its rows.
TEST_F(CircuitStartFrameTest, exerciseList_marksTheRunsEntryAndLeavesTheFocus) {
    loadAsMainWindow(writeCircuit(folder, "two.cir",
                                  keyedCircuitText("Two", "20 rounds=2", 5, {"Squat", "Lunge"})));
    showFrame();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    auto* list = control<QListWidget>("lst_exercises");
    QLabel* status = control("lbl_exercisename");
    // The marked row, -1 for none; -2 for a selection that is not one row, or
    // is not the current one.
    const auto marked = [list] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (selected.isEmpty())
            return -1;
        if (selected.size() != 1 || selected.front() != list->currentItem())
            return -2;
        return list->currentRow();
    };
    const auto tickUntil = [&](const char* text) {
        for (int tick = 0; tick < 60 && status->text() != QLatin1String(text); ++tick)
            frame.exercisetimerTimer();
        return status->text() == QLatin1String(text);
    };
    EXPECT_EQ(marked(), -1) << "nothing under way yet";

    frame.btn_startClick();
    QWidget* stop = control<QWidget>("btn_stop");
    stop->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(marked(), 0) << "the lead-in: Squat is due";
    ASSERT_TRUE(tickUntil("Now: Squat"));
    EXPECT_EQ(marked(), 0);
    ASSERT_TRUE(tickUntil("Next: Lunge"));
    EXPECT_EQ(marked(), 1);
    ASSERT_TRUE(tickUntil("Now: Lunge"));
    EXPECT_EQ(marked(), 1);
    ASSERT_TRUE(tickUntil("Next: Squat"));
    EXPECT_TRUE(control("lbl_timeleft")->text().contains(QLatin1String("round 2 / 2")));
    EXPECT_EQ(marked(), 0);
    ASSERT_TRUE(tickUntil("Now: Squat"));
    EXPECT_EQ(marked(), 0);
    EXPECT_EQ(QApplication::focusWidget(), stop);

    // Keyboard focus on the list: the marked row looks as it does without it.
    QCoreApplication::processEvents();
    const QImage unfocused = list->grab().toImage();
    frame.setAttribute(Qt::WA_KeyboardFocusChange);
    list->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(list->hasFocus());
    EXPECT_EQ(list->grab().toImage(), unfocused);
    stop->setFocus(Qt::TabFocusReason);

    ASSERT_TRUE(tickUntil("Finished"));
    EXPECT_EQ(marked(), -1);
}

TEST_F(CircuitStartFrameTest, clockDigits_showLongIntervalsWhole) {
    loadAsMainWindow(writeCircuit(folder, "a.cir", circuitText("A", 30, 754, {"Squat"})));
    EXPECT_EQ(clock(), "12:34");
    EXPECT_EQ(drawnDigit(338), -1);

    // 100000 s is 1666 minutes 40 seconds: two more minute digits on the
    // left, inside the clock box.
    loadAsMainWindow(writeCircuit(folder, "b.cir", circuitText("B", 30, 100000, {"Squat"})));
    EXPECT_EQ(drawnDigit(308), 1);
    EXPECT_EQ(drawnDigit(338), 6);
    EXPECT_EQ(clock(), "66:40");

    loadAsMainWindow(writeCircuit(folder, "c.cir", circuitText("C", 30, 59, {"Squat"})));
    EXPECT_EQ(clock(), "00:59");
    EXPECT_EQ(drawnDigit(308), -1);
    EXPECT_EQ(drawnDigit(338), -1);
}

TEST_F(CircuitStartFrameTest, realClicks_startAndStopTheRun) {
    loadAsMainWindow(
        writeCircuit(folder, "legs.cir", circuitText("Legs", 30, 15, {"Squat", "Lunge"})));
    showFrame();

    clickAt(control<QWidget>("btn_start"));
    EXPECT_TRUE(frame.runInProgress());
    EXPECT_EQ(control("lbl_exercisename")->text(), QStringLiteral("Next: Squat"));
    EXPECT_EQ(frontButton()->objectName(), QStringLiteral("btn_stop"));
    EXPECT_FALSE(control("lbl_launch")->isHidden()); // Squat has a page

    QSignalSpy ticks(frame.findChild<QTimer*>(QStringLiteral("exercisetimer")), &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(1500));
    EXPECT_EQ(clock(), "00:14");

    clickAt(control<QWidget>("btn_start")); // the same place: Stop is in front now
    EXPECT_FALSE(frame.runInProgress());
    EXPECT_EQ(control("lbl_exercisename")->text(), QStringLiteral("Stopped"));
    EXPECT_EQ(frontButton()->objectName(), QStringLiteral("btn_start"));
    EXPECT_EQ(clock(), "00:14");
    EXPECT_EQ(cue->plays, 0);
}

TEST_F(CircuitStartFrameTest, linkClick_pausesAndOpensThePage) {
    loadAsMainWindow(writeCircuit(folder, "legs.cir", circuitText("Legs", 30, 15, {"Squat"})));
    showFrame();
    clickAt(control<QWidget>("btn_start"));
    clickAt(control<QWidget>("lbl_launch"));
    EXPECT_FALSE(frame.runInProgress());
    EXPECT_EQ(control("lbl_exercisename")->text(), QStringLiteral("Stopped"));
    EXPECT_EQ(browser.take(),
              QStringList{QString::fromStdString(kinoradexpageaddress("Squat"))});
}

TEST_F(CircuitStartFrameTest, phaseChange_drawsPictureAndSoundsCue) {
    loadAsMainWindow(writeCircuit(folder, "z.cir", circuitText("Z", 2, 0, {"Plank"})));
    frame.btn_startClick();
    frame.exercisetimerTimer();
    EXPECT_EQ(shown("img_status"), 10);
    EXPECT_EQ(clock(), "00:02");
    EXPECT_EQ(control("lbl_exercisename")->text(), QStringLiteral("Now: Plank"));
    EXPECT_TRUE(control("lbl_launch")->isHidden()); // Plank has no page
    EXPECT_EQ(cue->plays, 1);
}

// Pixels of exactly this colour in a widget as drawn.
int pixelsOf(QWidget* widget, const QColor& colour) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            count += image.pixel(x, y) == colour.rgb() ? 1 : 0;
    return count;
}

TEST_F(CircuitStartFrameTest, keysAndBigClock_bothViewsFollowTheOneRun) {
    loadAsMainWindow(
        writeCircuit(folder, "legs.cir", circuitText("Legs", 30, 15, {"Squat", "Lunge"})));
    showFrame();
    QLabel* line = control("lbl_timeleft");
    EXPECT_EQ(line->text(), totext("1:30 left \xC2\xB7 1 / 2"));
    EXPECT_EQ(line->geometry().right() < control<QWidget>("btn_start")->x(), true);

    QTest::keyClick(control<QWidget>("lst_exercises"), Qt::Key_Space);
    EXPECT_TRUE(frame.runInProgress());
    QTest::keyClick(&frame, Qt::Key_F11);
    BigClockWindow* big = assembly->bigClock();
    ASSERT_NE(big, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(big));
    EXPECT_TRUE(big->isFullScreen());
    EXPECT_EQ(big->moment().status, "Next: Squat");
    EXPECT_GT(pixelsOf(big, restColour()), 100);

    // A skip in the big clock: both views show the exercise under way.
    QTest::keyClick(big, Qt::Key_Right);
    EXPECT_EQ(clock(), "00:30");
    EXPECT_EQ(control("lbl_exercisename")->text(), QStringLiteral("Now: Squat"));
    EXPECT_EQ(shown("img_status"), 10);
    EXPECT_EQ(big->moment().intervalLeft, 30);
    EXPECT_FALSE(big->moment().resting);
    EXPECT_GT(pixelsOf(big, exerciseColour()), 100);
    EXPECT_EQ(pixelsOf(big, restColour()), 0);
    EXPECT_EQ(cue->plays, 1);

    // A tick: both count it, and the line follows.
    frame.exercisetimerTimer();
    EXPECT_EQ(clock(), "00:29");
    EXPECT_EQ(big->moment().intervalLeft, 29);
    EXPECT_EQ(BigClockWindow::digitsText(big->moment().intervalLeft), QStringLiteral("00:29"));
    EXPECT_EQ(line->text(), totext(big->moment().timeLeftLine));
    EXPECT_EQ(line->text(), totext("1:14 left \xC2\xB7 1 / 2"));

    QTest::keyClick(big, Qt::Key_Escape);
    EXPECT_FALSE(big->isVisible());
    // Keys go to the active window: the runner's again once the big clock has gone.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Left); // 1 s into Squat: back to the lead-in
    EXPECT_EQ(clock(), "00:15");
    EXPECT_EQ(big->moment().intervalLeft, 15);
    EXPECT_EQ(control("lbl_exercisename")->text(), QStringLiteral("Next: Squat"));
    QTest::keyClick(&frame, Qt::Key_Space);
    EXPECT_FALSE(frame.runInProgress());
    EXPECT_EQ(big->moment().status, "Stopped");

    // The clock opens it too; F11 in it closes it.
    // A double click as a desktop delivers it: both clicks, the second with
    // the double click.
    QWidget* clockWidget = control<QWidget>("pnl_clock");
    const QPoint at(100, 30);
    QTest::mouseClick(clockWidget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mousePress(clockWidget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(clockWidget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(clockWidget, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(big->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(big));
    QTest::keyClick(big, Qt::Key_F11);
    EXPECT_FALSE(big->isVisible());

    // A text field with the focus keeps its keys.
    auto* field = new QLineEdit(&frame);
    field->show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Space);
    QTest::keyClick(field, Qt::Key_Right);
    QTest::keyClick(field, Qt::Key_PageDown);
    QTest::keyClick(field, Qt::Key_F11);
    EXPECT_FALSE(frame.runInProgress());
    EXPECT_EQ(clock(), "00:15");
    EXPECT_FALSE(big->isVisible());
    EXPECT_EQ(field->text(), QStringLiteral(" "));
}

// A repetition phase ends by Return, the keypad's Enter or a click on the
// clock; a double click opens the big clock and leaves the repetitions going.
TEST_F(CircuitStartFrameTest, repetitions_endByEnterOrAClickOnTheClock) {
    loadAsMainWindow(
        writeCircuit(folder, "reps.cir",
                     keyedCircuitText("Reps", "30 warmup=120", 0,
                                      {"Squat\treps=12", "Lunge\treps=8", "Plank\treps=20"})));
    showFrame();
    QLabel* status = control("lbl_exercisename");
    QTest::keyClick(&frame, Qt::Key_Space);
    EXPECT_EQ(status->text(), QStringLiteral("Warm-up"));
    QTest::keyClick(&frame, Qt::Key_F11);
    BigClockWindow* big = assembly->bigClock();
    ASSERT_NE(big, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(big));
    EXPECT_GT(pixelsOf(big, calmColour()), 100) << "the warm-up's own colour";
    EXPECT_EQ(pixelsOf(big, restColour()), 0);
    EXPECT_EQ(pixelsOf(big, exerciseColour()), 0);
    QTest::keyClick(big, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));

    QTest::keyClick(&frame, Qt::Key_Return); // no repetitions under way: nothing
    EXPECT_EQ(status->text(), QStringLiteral("Warm-up"));
    QTest::keyClick(&frame, Qt::Key_Right);
    QTest::keyClick(&frame, Qt::Key_Right);
    EXPECT_EQ(status->text(), QStringLiteral("Now: 12 x Squat"));
    for (int tick = 0; tick < 3; ++tick)
        frame.exercisetimerTimer();
    EXPECT_EQ(clock(), "00:03");
    QTest::keyClick(&frame, Qt::Key_Return);
    EXPECT_EQ(status->text(), QStringLiteral("Next: Lunge"));
    QTest::keyClick(&frame, Qt::Key_Right);
    QTest::keyClick(&frame, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(status->text(), QStringLiteral("Next: Plank"));
    QTest::keyClick(&frame, Qt::Key_Right);
    ASSERT_EQ(status->text(), QStringLiteral("Now: 20 x Plank"));

    // A double click as a desktop delivers it: both clicks, the second with
    // the double click.
    QWidget* clockWidget = control<QWidget>("pnl_clock");
    const QPoint at(100, 30);
    QTest::mouseClick(clockWidget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mousePress(clockWidget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(clockWidget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(clockWidget, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(big->isVisible());
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    EXPECT_EQ(status->text(), QStringLiteral("Now: 20 x Plank"));
    QTest::mouseClick(clockWidget, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->text() == QStringLiteral("Finished"); }));
}

TEST(CircuitStartFrameKeys, runnerBehindAnotherFrame_leavesKeysAlone) {
    TempFolder folder;
    folder.makeApplicationFolder();
    setLibrary({"Plank"});
    QWidget holder;
    holder.resize(575, 335);
    auto* runner = new Tframe_ExerciseStart(&holder);
    new RunnerAssembly(*runner, folder.path(), RunAidParts{});
    runner->intialisecircuit(writeCircuit(folder, "z.cir", circuitText("Z", 5, 5, {"Plank"})));
    runner->bringStartToFront();
    auto* other = new QWidget(&holder);
    other->setGeometry(0, 0, 575, 335);
    auto* grid = new QListWidget(other);
    grid->setGeometry(0, 0, 200, 200);
    auto* field = new QLineEdit(other);
    field->setGeometry(300, 0, 200, 20);
    holder.show();
    holder.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&holder));
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_FALSE(runner->runInProgress());
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Space);
    EXPECT_FALSE(runner->runInProgress());
    EXPECT_EQ(field->text(), QStringLiteral(" "));

    // Brought to the front as the main window brings its frames, the runner
    // takes its keys from anywhere in its window; the field that had the
    // focus lies hidden behind it and types nothing unseen.
    bringframetofront(runner);
    QTest::keyClick(holder.windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(runner->runInProgress());
    EXPECT_EQ(field->text(), QStringLiteral(" "));
    QTest::keyClick(holder.windowHandle(), Qt::Key_Right);
    EXPECT_EQ(runner->run().isResting(), false);
}

// A history that cannot be written: told once, after the tick that finished
// the run; a run left part-way as the runner goes has no window left to tell.
TEST_F(CircuitStartFrameTest, historyNotWritten_toldAfterTheTick_orOnStderrAsTheRunnerGoes) {
    const char* const kNotSaved = "Your training history could not be saved";
    std::filesystem::create_directory(folder.path() + "history.csv");
    TestDialogs::takeShown();
    loadAsMainWindow(writeCircuit(folder, "z.cir", circuitText("Z", 1, 0, {"Plank"})));
    frame.btn_startClick();
    for (int tick = 0; tick < 4 && frame.runInProgress(); ++tick)
        frame.exercisetimerTimer();
    ASSERT_EQ(control("lbl_exercisename")->text(), QStringLiteral("Finished"));
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty()) << "not in the middle of the tick";
    QCoreApplication::processEvents();
    const QStringList shown = TestDialogs::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(QLatin1String(kNotSaved))) << shown[0].toStdString();

    StderrCapture stderrText;
    {
        Tframe_ExerciseStart going;
        new RunnerAssembly(going, folder.path(), RunAidParts{});
        going.intialisecircuit(writeCircuit(folder, "p.cir", circuitText("P", 1, 0, {"A", "B"})));
        going.btn_startClick();
        for (int tick = 0; tick < 3; ++tick) // the lead-in and A done, into B
            going.exercisetimerTimer();
        ASSERT_TRUE(going.runInProgress());
    }
    QCoreApplication::processEvents();
    const std::string printed = stderrText.finish();
    EXPECT_NE(printed.find(kNotSaved), std::string::npos) << printed;
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

// The real cue through SDL's dummy audio driver.
TEST(CuePlayerTest, playsOverlapOnTheirOwnChannels) {
    const QByteArray wave = assetbytes(QStringLiteral("cue.wav"));
    ASSERT_FALSE(wave.isEmpty());
    CuePlayer player(std::string(wave.constData(), static_cast<size_t>(wave.size())));
    ASSERT_TRUE(player.waitUntilOpened());
    player.play();
    player.play();
    EXPECT_EQ(player.soundingCount(), 2) << "a second cue does not cut off the first";
}

TEST(CuePlayerTest, unusableWave_staysSilent) {
    CuePlayer empty{std::string()};
    EXPECT_FALSE(empty.waitUntilOpened());
    empty.play();
    EXPECT_EQ(empty.soundingCount(), 0);

    CuePlayer garbage{std::string("RIFF not really a wave")};
    EXPECT_FALSE(garbage.waitUntilOpened());
    garbage.play();
    EXPECT_EQ(garbage.soundingCount(), 0);
}

TEST(CuePlayerTest, noSoundDevice_cueSilentAndRunGoesOn) {
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "nosuchdriver");
    const QByteArray wave = assetbytes(QStringLiteral("cue.wav"));
    {
        CuePlayer player(std::string(wave.constData(), static_cast<size_t>(wave.size())));
        EXPECT_FALSE(player.waitUntilOpened());
        player.play();
        EXPECT_EQ(player.soundingCount(), 0);
    }
    {
        TempFolder folder;
        folder.makeApplicationFolder();
        setLibrary({"Plank"});
        Tframe_ExerciseStart frame;
        new RunnerAssembly(frame, folder.path(), RunAidParts{.cue = makeCue()}); // cannot sound
        frame.intialisecircuit(writeCircuit(folder, "z.cir", circuitText("Z", 0, 0, {"Plank"})));
        frame.btn_startClick();
        frame.exercisetimerTimer();
        frame.exercisetimerTimer();
        EXPECT_EQ(frame.findChild<QLabel*>(QStringLiteral("lbl_exercisename"))->text(),
                  QStringLiteral("Finished"));
        EXPECT_FALSE(frame.runInProgress());
    }
    qputenv("SDL_AUDIODRIVER", driver);
}

} // namespace
