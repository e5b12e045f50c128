#pragma once

#include <optional>
#include <string>

// The four frames that lie on top of each other in the main window's holder.
enum class MainFrame { Runner, CircuitEdit, CircuitInfo, ExerciseLibrary };

// The picture buttons of the main window's bar.
enum class BarButton { Info, Start, New, Remove, Exercise };

// What the main window's rules tell the user; the window words it.
enum class MainMessage {
    StopTheRunFirst, // an action other than start while a run is in progress
};

// Who asks the main window to close: the user through the window itself (its
// close button, Alt+F4, the desktop's window list), or the program on its own
// behalf (a signal from the session, the media controls' Quit).
enum class CloseRequest { User, Program };

// What the main window's rules need from the window and its frames. Paths are
// the bytes of the grid's hidden key.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    // The full path in the selected row of the grid ("" for an empty row),
    // read afresh at each call.
    virtual std::string selectedpath() const = 0;
    // The circuit name in the selected row ("" for an empty row).
    virtual std::string selectedname() const = 0;
    // A run is in progress while the runner's one-second timer is active.
    virtual bool runInProgress() const = 0;

    virtual void bringToFront(MainFrame frame) = 0;
    virtual void showButtonPicture(BarButton button, bool hover) = 0;
    virtual void showMessage(MainMessage message) = 0;
    // The removal's question with OK and Cancel, naming the circuit as the
    // grid shows it (nullopt for an empty row, which names nothing); true for OK.
    virtual bool confirmRemoval(const std::optional<std::string>& circuitname) = 0;
    // The question before the window closes on a running circuit, with Yes
    // and No; true for Yes: the run stops and the program ends.
    virtual bool confirmQuitDuringRun() = 0;

    // The frames' and the grid's parts of the actions. Each may raise IoError,
    // which ends the action at that step.
    virtual void intialisecircuit(const std::string& path) = 0;
    virtual void bringRunnerStartToFront() = 0;
    virtual void newcircuit() = 0;
    virtual void modifycircuit(const std::string& path) = 0;
    virtual void showcircuitinfo(const std::string& path) = 0;
    virtual void clearcells() = 0;
    // The circuit file at the path is about to be deleted: a frame that
    // edits it lets it go, so nothing writes it back.
    virtual void releasecircuit(const std::string& path) = 0;
    virtual void scancircuits() = 0;
};
