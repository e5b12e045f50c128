#include "app/startup/startup.h"

#include "app/desktop/desktopbus.h"
#include "app/desktop/instancedoor.h"
#include "app/launcher/launcher.h"
#include "app/mainwindow/mainform.h"
#include "app/startup/fontwarmup.h"
#include "app/startup/instancelock.h"
#include "app/startup/quitonsignal.h"
#include "app/startup/translation.h"
#include "data/apppaths.h"
#include "editors/exerciseframe.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/textconv.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <memory>

void nameapplication() {
    QApplication::setApplicationName(QStringLiteral("Stridewell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Stridewell"));
    // The installed menu entry's name without ".desktop"; on Wayland it is
    // the window's app id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.stridewell.Stridewell"));
}

namespace {

// The launcher, or the main window once it is shown, to the front.
void raisefront(TForm1& launcher, Tform_Main* mainForm) {
    QWidget* front = mainForm && mainForm->isVisible() ? static_cast<QWidget*>(mainForm)
                                                        : static_cast<QWidget*>(&launcher);
    front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->show();
    front->raise();
    front->activateWindow();
}

// Starts the circuit in that file as the user would: the start link first
// when the main window is not shown yet, then Start. False when a run is
// under way or the file is not listed.
bool startcircuit(TForm1& launcher, const std::string& path) {
    Tform_Main* main = launcher.mainForm();
    if (!main)
        return false;
    if (!main->isVisible())
        launcher.lbl_startstridewellClick();
    raisefront(launcher, main);
    return main->startcircuitat(path) == Tform_Main::Started::Yes;
}

// Imports the file into the main window, shown in front as the start link
// shows it, and tells what was added.
void importintowindows(TForm1& launcher, const std::string& path) {
    Tform_Main* main = launcher.mainForm();
    if (!main)
        return;
    if (!main->isVisible())
        launcher.lbl_startstridewellClick();
    raisefront(launcher, main);
    main->importcircuits(path);
}

// A copy already runs on the folder: it is asked to do what this one was
// started for. Without a session bus, or without the running copy on it,
// the user is told as before.
int askrunningcopy(const std::string& folder, const StartRequest& request) {
    Knock knock;
    if (request.open == StartRequest::Open::Circuit)
        knock = {Knock::Ask::Run, request.circuitName, {}};
    else if (request.open == StartRequest::Open::History)
        knock = {Knock::Ask::History, {}, {}};
    else if (request.open == StartRequest::Open::ImportFile)
        knock = {Knock::Ask::Import, {}, request.importPath};
    switch (knockat(folder, knock)) {
    case KnockAnswer::Done:
        return 0;
    case KnockAnswer::UnknownCircuit:
        std::fprintf(stderr, "stridewell: the running copy has no circuit named '%s'\n",
                     request.circuitName.c_str());
        return 1;
    case KnockAnswer::RunUnderWay:
        std::fprintf(stderr, "stridewell: a run is under way in the running copy; stop it first\n");
        return 1;
    case KnockAnswer::NoAnswer:
        // It has the request, and a window of its own to tell the user.
        std::fprintf(stderr, "stridewell: the running copy did not answer in time\n");
        return 1;
    case KnockAnswer::NotReached:
        break;
    }
    Dialogs::message(nullptr, totext(alreadyrunningmessage(folder)));
    return 0;
}

} // namespace

int runstridewell(int& argc, char** argv, const std::string& language,
                  const StartupHooks& hooks, const StartRequest& request) {
    FontWarmup fonts;
    QApplication app(argc, argv);
    fonts.join();
    nameapplication();
    installtranslationfor(language);
    // The launcher leaves the screen after the start link; from then on only
    // the main window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Held until the program ends: no second copy writes into the same folder.
    const std::string folder = applicationfolder();
    const InstanceLock lock(folder);
    if (lock.heldElsewhere())
        return askrunningcopy(folder, request);
    removeleftovertemporaries(lock, folder);
    const QuitOnSignal quitOnSignal;

    try {
        // Outlives the windows, whose services use it.
        DesktopBus bus;
        TForm1 launcher;
        std::unique_ptr<Tform_Main> mainForm;
        launcher.setMainFormFactory([&launcher, &mainForm] {
            mainForm = std::make_unique<Tform_Main>();
            // From now on a check for news reads the library through the
            // library editor, so its list follows.
            Tfrm_ExerciseFrame* library = mainForm->exerciseFrame();
            launcher.setLibraryLoader([library] { library->loadexercises(); });
            return mainForm.get();
        });
        const DoorActions actions{
            .raise = [&launcher, &mainForm] { raisefront(launcher, mainForm.get()); },
            .startRefusal = [&mainForm]() -> std::string {
                return mainForm && mainForm->isVisible() && mainForm->runInProgress()
                           ? DoorRefusal::kRunUnderWay
                           : "";
            },
            .startCircuit = [&launcher](const std::string& path) { startcircuit(launcher, path); },
            .openHistory = [&launcher] { launcher.lbl_historyClick(); },
            .importFile = [&launcher](const std::string& path) { importintowindows(launcher, path); },
        };
        std::unique_ptr<InstanceDoor> door;
        const auto openDoor = [&] {
            bus.start();
            door = std::make_unique<InstanceDoor>(bus, folder, actions);
        };
        if (request.open == StartRequest::Open::Circuit) {
            // Straight to the runner: no launcher.
            guarded(nullptr, [&] {
                if (!startcircuit(launcher, request.circuitPath) && !launcher.mainForm())
                    launcher.show();
            });
            QTimer::singleShot(0, &launcher, openDoor);
            return QApplication::exec();
        }
        launcher.onFirstShown = [&launcher, &hooks, &openDoor, &request] {
            if (hooks.launcherShown)
                hooks.launcherShown();
            launcher.mainForm();
            if (hooks.mainBuilt)
                hooks.mainBuilt(launcher);
            openDoor();
            if (request.open == StartRequest::Open::History)
                launcher.lbl_historyClick();
            if (request.open == StartRequest::Open::ImportFile)
                guarded(&launcher, [&] { importintowindows(launcher, request.importPath); });
        };
        launcher.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        // Every reaction is guarded; this is the last resort.
        Dialogs::message(nullptr, errortext(error));
    } catch (...) {
        Dialogs::message(nullptr, unexpectederrortext());
    }
    return 1;
}
