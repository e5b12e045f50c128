#pragma once

#include <functional>
#include <string>

class TForm1;

// What a measuring tool may add to start-up; the program itself adds nothing.
struct StartupHooks {
    std::function<void()> launcherShown;      // the launcher has been painted
    std::function<void(TForm1&)> mainBuilt;   // the main window has been built behind it
};

// What the windows open with: the launcher, a circuit started at once (the
// main window with the runner in front, no launcher), or the launcher with
// the training history. A copy already running on the data folder is asked
// to do it instead, and this one ends.
// Or the main window with a file imported into it.
struct StartRequest {
    enum class Open { Launcher, Circuit, History, ImportFile };
    Open open = Open::Launcher;
    std::string circuitName; // Circuit: as the command line named it
    std::string circuitPath; // Circuit: its file
    std::string importPath;  // ImportFile: absolute
};

// Names the application for the window system: the title of its windows,
// and the menu entry a desktop matches them with (for their icon).
void nameapplication();

// Program start: the application and its title, the launcher, the main window
// with its four frames built behind the launcher as soon as the launcher is on
// the screen (hidden until the start link), and the event loop. The desktop's
// services (desktop/) connect once the first window is on the screen.
// language: the translation to speak, as chosenlanguage() gives it ("" for English).
int runstridewell(int& argc, char** argv, const std::string& language = {},
                  const StartupHooks& hooks = {}, const StartRequest& request = {});
