// Program start: the application, its title, the launcher, then the hidden
// main window with its four frames, and the event loop.
#include "dialogs.h"
#include "launcher.h"
#include "mainform.h"
#include "startupprobe.h"

#include <QApplication>

#include <exception>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stridewell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Stridewell"));
    // The launcher leaves the screen after the start link; only the main
    // window's close ends the program then.
    QApplication::setQuitOnLastWindowClosed(false);

    try {
        TForm1 launcher;
        Tform_Main mainForm;
        launcher.setMainForm(&mainForm);
        launcher.show();
        if (startupprobewanted())
            installstartupprobe(launcher, mainForm);
        return QApplication::exec();
    } catch (const std::exception& error) {
        // Every reaction is guarded; this is the last resort.
        Dialogs::message(nullptr, QString::fromUtf8(error.what()));
    } catch (...) {
        Dialogs::message(nullptr, QStringLiteral("Unexpected error"));
    }
    return 1;
}
