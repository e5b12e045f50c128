#include "browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
bool g_testMode = false;
QStringList g_opened;
} // namespace

void openaddress(const std::string& address) {
    const QString text = QString::fromStdString(address);
    if (g_testMode) {
        g_opened << text;
        return;
    }
    // The browser's own failure is not reported: there is nothing the user could do.
    QDesktopServices::openUrl(QUrl(text, QUrl::StrictMode));
}

void setBrowserTestMode(bool on) {
    g_testMode = on;
    g_opened.clear();
}

QStringList takeOpenedAddresses() {
    QStringList opened;
    opened.swap(g_opened);
    return opened;
}
