// Program start: the application and its title, then the launcher. The main
// window with its four frames is built behind the launcher, as soon as the
// launcher is on the screen, and stays hidden until the start link.
#include "dialogs.h"
#include "launcher.h"
#include "mainform.h"
#include "startupprobe.h"

#include <QApplication>

#include <exception>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stridewell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Stridewell"));
    // The launcher leaves the screen after the start link; from then on only
    // the main window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    try {
        TForm1 launcher;
        std::unique_ptr<Tform_Main> mainForm;
        launcher.onFirstShown = [&launcher, &mainForm] {
            if (startupprobewanted())
                reportlaunchershown();
            mainForm = std::make_unique<Tform_Main>();
            launcher.setMainForm(mainForm.get());
            if (startupprobewanted())
                finishstartupprobe(launcher);
        };
        launcher.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        // Every reaction is guarded; this is the last resort.
        Dialogs::message(nullptr, QString::fromUtf8(error.what()));
    } catch (...) {
        Dialogs::message(nullptr, QStringLiteral("Unexpected error"));
    }
    return 1;
}
