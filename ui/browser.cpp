#include "ui/browser.h"

#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

class DesktopBrowser final : public Browser {
public:
    bool open(const std::string& address) override {
        closedescriptorsonexec();
        return QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode));
    }
};

} // namespace

void closedescriptorsonexec() {
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
    // A kernel without that call: one descriptor at a time.
    DIR* folder = ::opendir("/proc/self/fd");
    if (!folder)
        return;
    const int own = ::dirfd(folder);
    while (const dirent* entry = ::readdir(folder)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || end == entry->d_name || fd < 3 || fd == own)
            continue;
        const int flags = ::fcntl(static_cast<int>(fd), F_GETFD);
        if (flags >= 0 && !(flags & FD_CLOEXEC))
            ::fcntl(static_cast<int>(fd), F_SETFD, flags | FD_CLOEXEC);
    }
    ::closedir(folder);
}

Browser& desktopBrowser() {
    static DesktopBrowser browser;
    return browser;
}

void openaddress(QWidget* parent, Browser& browser, const std::string& address) {
    if (browser.open(address))
        return;
    // A machine without a browser: the user can still copy the address.
    //: Followed by the page's address on a line of its own, for the user to copy.
    Dialogs::selectableMessage(parent, QCoreApplication::translate(
                                           "Browser", "No web browser could be started. The "
                                                      "page's address is:") +
                                           QStringLiteral("\n\n") +
                                           QString::fromStdString(address));
}
