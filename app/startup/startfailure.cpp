#include "app/startup/startfailure.h"

#include "app/startup/startup.h"
#include "app/startup/translation.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/textconv.h"

#include <QApplication>

#include <sstream>

namespace {

bool reachable(const std::string& entry, const std::string& display,
               const std::string& waylandDisplay) {
    // A platform may carry options: "linuxfb:fb=/dev/fb1".
    const std::string platform = entry.substr(0, entry.find(':'));
    if (platform.rfind("xcb", 0) == 0)
        return !display.empty();
    if (platform.rfind("wayland", 0) == 0)
        return !waylandDisplay.empty();
    return platform != "offscreen" && platform != "minimal";
}

} // namespace

bool canshowwindows(const std::string& platform, const std::string& display,
                    const std::string& waylandDisplay) {
    if (platform.empty())
        return !display.empty() || !waylandDisplay.empty();
    // Qt tries a list such as "wayland;xcb" in turn.
    std::istringstream list(platform);
    std::string name;
    while (std::getline(list, name, ';'))
        if (reachable(name, display, waylandDisplay))
            return true;
    return false;
}

void showstartfailure(char* programName, const std::string& languageOption,
                      const std::string& folder, const std::string& reason) {
    int argc = 1;
    char* argv[] = {programName, nullptr};
    QApplication app(argc, argv);
    nameapplication();
    // Without a folder there is no stridewell.ini to ask.
    if (!folder.empty())
        installtranslation(languageOption, folder + "/");
    const QString text =
        folder.empty()
            //: %1 is the system's reason.
            ? QCoreApplication::translate("StartFailure", "Stridewell cannot use the data folder: %1")
                  .arg(errortext(reason))
            //: %1 is the folder's path, %2 the system's reason.
            : QCoreApplication::translate("StartFailure",
                                          "Stridewell cannot use the data folder %1: %2")
                  .arg(totext(folder), errortext(reason));
    Dialogs::message(nullptr, text);
}
