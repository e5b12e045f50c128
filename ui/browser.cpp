#include "browser.h"

#include "dialogs.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace {

class DesktopBrowser final : public Browser {
public:
    bool open(const std::string& address) override {
        return QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode));
    }
};

} // namespace

Browser& desktopBrowser() {
    static DesktopBrowser browser;
    return browser;
}

void openaddress(QWidget* parent, Browser& browser, const std::string& address) {
    if (browser.open(address))
        return;
    // A machine without a browser: the user can still copy the address.
    Dialogs::selectableMessage(
        parent, QStringLiteral("No web browser could be started. The page's address is:\n\n") +
                    QString::fromStdString(address));
}
