#include "app/startup/startup.h"

#include "app/launcher/launcher.h"
#include "app/mainwindow/mainform.h"
#include "app/startup/instancelock.h"
#include "app/startup/quitonsignal.h"
#include "app/startup/translation.h"
#include "data/apppaths.h"
#include "editors/exerciseframe.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/textconv.h"

#include <QApplication>

#include <exception>
#include <memory>

void nameapplication() {
    QApplication::setApplicationName(QStringLiteral("Stridewell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Stridewell"));
    // The installed menu entry's name without ".desktop"; on Wayland it is
    // the window's app id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.stridewell.Stridewell"));
}

int runstridewell(int& argc, char** argv, const std::string& language,
                  const StartupHooks& hooks) {
    QApplication app(argc, argv);
    nameapplication();
    installtranslationfor(language);
    // The launcher leaves the screen after the start link; from then on only
    // the main window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Held until the program ends: no second copy writes into the same folder.
    const std::string folder = applicationfolder();
    const InstanceLock lock(folder);
    if (lock.heldElsewhere()) {
        Dialogs::message(nullptr, totext(alreadyrunningmessage(folder)));
        return 0;
    }
    removeleftovertemporaries(lock, folder);
    const QuitOnSignal quitOnSignal;

    try {
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
        launcher.onFirstShown = [&launcher, &hooks] {
            if (hooks.launcherShown)
                hooks.launcherShown();
            launcher.mainForm();
            if (hooks.mainBuilt)
                hooks.mainBuilt(launcher);
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
