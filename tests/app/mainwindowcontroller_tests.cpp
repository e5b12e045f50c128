// The main window's rules in plain C++: each action's steps and their order,
// the refusal during a run, the removal of a circuit and the hover pictures.
#include "app/mainwindow/mainwindowcontroller.h"

#include "data/apppaths.h"
#include "data/ioerror.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

using Steps = std::vector<std::string>;

const char* frameName(MainFrame frame) {
    switch (frame) {
    case MainFrame::Runner:
        return "runner";
    case MainFrame::CircuitEdit:
        return "editor";
    case MainFrame::CircuitInfo:
        return "info";
    case MainFrame::ExerciseLibrary:
        return "library";
    }
    return "?";
}

const char* buttonName(BarButton button) {
    switch (button) {
    case BarButton::Info:
        return "info";
    case BarButton::Start:
        return "start";
    case BarButton::New:
        return "new";
    case BarButton::Remove:
        return "remove";
    case BarButton::Exercise:
        return "exercise";
    }
    return "?";
}

// Records every step the rules take, in order.
class FakeMainView final : public MainWindowView {
public:
    std::string path;
    std::string name = "Legs";
    bool running = false;
    bool answer = false;     // the answer to the removal's question
    bool quitAnswer = false; // the answer to the question before closing on a run
    std::string failingStep; // this step raises IoError
    Steps steps;

    Steps take() {
        Steps taken;
        taken.swap(steps);
        return taken;
    }

    std::string selectedpath() const override { return path; }
    std::string selectedname() const override { return path.empty() ? std::string() : name; }
    bool runInProgress() const override { return running; }
    void bringToFront(MainFrame frame) override { step(std::string("front ") + frameName(frame)); }
    void showButtonPicture(BarButton button, bool hover) override {
        step(std::string(hover ? "hover " : "normal ") + buttonName(button));
    }
    void showMessage(MainMessage message) override {
        step(message == MainMessage::StopTheRunFirst ? "message stop the run first" : "message ?");
    }
    bool confirmRemoval(const std::optional<std::string>& circuitname) override {
        step(circuitname ? "confirm removal of " + *circuitname : "confirm removal");
        return answer;
    }
    bool confirmQuitDuringRun() override {
        step("ask quit during run");
        return quitAnswer;
    }
    void intialisecircuit(const std::string& path) override { step("intialisecircuit " + path); }
    void bringRunnerStartToFront() override { step("runner start in front"); }
    void newcircuit() override { step("newcircuit"); }
    void modifycircuit(const std::string& path) override { step("modifycircuit " + path); }
    void showcircuitinfo(const std::string& path) override { step("showcircuitinfo " + path); }
    void clearcells() override { step("clearcells"); }
    void releasecircuit(const std::string& path) override {
        // The file is still there for the frames to recognise it.
        step(std::string(fileexists(path) ? "release " : "release gone ") + path);
    }
    void scancircuits() override { step("scancircuits"); }

private:
    void step(const std::string& text) {
        steps.push_back(text);
        if (text.rfind(failingStep, 0) == 0 && !failingStep.empty())
            throw IoError("File not found");
    }
};

const std::string kRefusal = "message stop the run first";
const std::string kQuestion = "confirm removal";

class MainWindowControllerTest : public ::testing::Test {
protected:
    MainWindowControllerTest() {
        folder.makeApplicationFolder();
        folder.writeFile("Circuits/Legs.cir", "Legs\r\nLower Body\r\n30\r\n15\r\nSquat\r\n");
        view.path = circuitsfolder() + "Legs.cir";
    }

    TempFolder folder;
    FakeMainView view;
    MainWindowController rules{view};
};

TEST_F(MainWindowControllerTest, actions_takeTheirStepsInOrderWithTheSelectedPath) {
    const std::string& path = view.path;
    rules.btn_startMouseDown();
    EXPECT_EQ(view.take(),
              (Steps{"front runner", "intialisecircuit " + path, "runner start in front"}));
    rules.btn_newClick();
    EXPECT_EQ(view.take(), (Steps{"newcircuit", "front editor"}));
    rules.btn_infoMouseDown();
    EXPECT_EQ(view.take(), (Steps{"front info", "showcircuitinfo " + path}));
    rules.btn_exerciseMouseDown();
    EXPECT_EQ(view.take(), (Steps{"front library"}));
    rules.grd_circuitsDblClick();
    EXPECT_EQ(view.take(), (Steps{"front editor", "modifycircuit " + path}));
    // The single click describes the row but brings nothing forward.
    rules.grd_circuitsClick();
    EXPECT_EQ(view.take(), (Steps{"showcircuitinfo " + path}));

    // A file gone since the scan: the click is silent, the others hand the path on.
    std::remove(path.c_str());
    rules.grd_circuitsClick();
    EXPECT_EQ(view.take(), Steps{});
    rules.btn_infoMouseDown();
    EXPECT_EQ(view.take(), (Steps{"front info", "showcircuitinfo " + path}));

    // An empty row: double and single click do nothing, information shows the panel.
    view.path.clear();
    rules.grd_circuitsDblClick();
    rules.grd_circuitsClick();
    EXPECT_EQ(view.take(), Steps{});
    rules.btn_infoMouseDown();
    EXPECT_EQ(view.take(), (Steps{"front info", "showcircuitinfo "}));
}

TEST_F(MainWindowControllerTest,
       duringRun_startAndDoubleClickAreSilent_othersRefuse_clickDescribes) {
    view.running = true;
    rules.btn_startMouseDown();
    rules.grd_circuitsDblClick();
    EXPECT_EQ(view.take(), Steps{});
    rules.btn_newClick();
    rules.btn_infoMouseDown();
    rules.btn_removeMouseDown();
    rules.btn_exerciseMouseDown();
    EXPECT_EQ(view.take(), (Steps{kRefusal, kRefusal, kRefusal, kRefusal}));
    EXPECT_TRUE(fileexists(view.path));
    rules.grd_circuitsClick();
    EXPECT_EQ(view.take(), (Steps{"showcircuitinfo " + view.path}));

    // The run is asked at each action: once it has ended, every button acts again.
    view.running = false;
    rules.btn_exerciseMouseDown();
    EXPECT_EQ(view.take(), (Steps{"front library"}));
}

TEST_F(MainWindowControllerTest, failedStep_endsTheActionThere) {
    view.failingStep = "intialisecircuit";
    EXPECT_THROW(rules.btn_startMouseDown(), IoError);
    EXPECT_EQ(view.take(), (Steps{"front runner", "intialisecircuit " + view.path}));

    view.failingStep = "newcircuit";
    EXPECT_THROW(rules.btn_newClick(), IoError);
    EXPECT_EQ(view.take(), (Steps{"newcircuit"}));

    view.failingStep = "modifycircuit";
    EXPECT_THROW(rules.grd_circuitsDblClick(), IoError);
    EXPECT_EQ(view.take(), (Steps{"front editor", "modifycircuit " + view.path}));
}

TEST_F(MainWindowControllerTest, removal_namesTheCircuit_releasesItThenDeletesClearsAndRescans) {
    const std::string naming = kQuestion + " of Legs";
    view.answer = false;
    rules.btn_removeMouseDown();
    EXPECT_EQ(view.take(), (Steps{naming}));
    EXPECT_TRUE(fileexists(view.path));

    view.answer = true;
    rules.btn_removeMouseDown();
    EXPECT_EQ(view.take(),
              (Steps{naming, "release " + view.path, "clearcells", "scancircuits"}));
    EXPECT_FALSE(fileexists(view.path));

    // The file already gone, or an empty row: nothing to delete, no message,
    // the grid is still cleared and refilled; an empty row names nothing.
    rules.btn_removeMouseDown();
    EXPECT_EQ(view.take(),
              (Steps{naming, "release gone " + view.path, "clearcells", "scancircuits"}));
    view.path.clear();
    rules.btn_removeMouseDown();
    EXPECT_EQ(view.take(), (Steps{kQuestion, "clearcells", "scancircuits"}));
}

TEST_F(MainWindowControllerTest, close_asksOnlyTheUserAndOnlyDuringARun) {
    // Nothing running: the window closes at once, whoever asks.
    EXPECT_TRUE(rules.closeRequested(CloseRequest::User));
    EXPECT_TRUE(rules.closeRequested(CloseRequest::Program));
    EXPECT_EQ(view.take(), Steps{});

    view.running = true;
    view.quitAnswer = false;
    EXPECT_FALSE(rules.closeRequested(CloseRequest::User)) << "No keeps the window and the run";
    EXPECT_EQ(view.take(), (Steps{"ask quit during run"}));
    view.quitAnswer = true;
    EXPECT_TRUE(rules.closeRequested(CloseRequest::User));
    EXPECT_EQ(view.take(), (Steps{"ask quit during run"}));

    // A signal from the session or the media controls' Quit may find nobody
    // to answer: never held up, even with No as the answer ready.
    view.quitAnswer = false;
    EXPECT_TRUE(rules.closeRequested(CloseRequest::Program));
    EXPECT_EQ(view.take(), Steps{});
}

TEST_F(MainWindowControllerTest, hover_showsOnceAndGoesBackOnlyOverTheBarInItsOrder) {
    rules.pnl_buttonholderMouseMove(); // nothing hovered yet
    rules.buttonMouseMove(BarButton::Info);
    rules.buttonMouseMove(BarButton::Info); // further movement changes nothing
    rules.buttonMouseMove(BarButton::Exercise);
    rules.buttonMouseMove(BarButton::Remove);
    rules.buttonMouseMove(BarButton::Start);
    EXPECT_EQ(view.take(), (Steps{"hover info", "hover exercise", "hover remove", "hover start"}));

    rules.pnl_buttonholderMouseMove();
    EXPECT_EQ(view.take(),
              (Steps{"normal remove", "normal start", "normal info", "normal exercise"}));
    rules.pnl_buttonholderMouseMove();
    EXPECT_EQ(view.take(), Steps{});
    rules.buttonMouseMove(BarButton::Info);
    EXPECT_EQ(view.take(), (Steps{"hover info"}));
}

} // namespace
