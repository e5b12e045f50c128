#include "app/history/historyopen.h"

#include "app/history/historywindow.h"
#include "ui/errorguard.h"

#include <QCoreApplication>
#include <QPointer>
#include <QShortcut>

namespace {
QPointer<HistoryWindow> g_window;
}

void showtraininghistory() {
    // A closed window waits for its deletion; a new one takes its place.
    if (g_window && g_window->isHidden())
        g_window = nullptr;
    if (!g_window) {
        g_window = new HistoryWindow();
        g_window->setAttribute(Qt::WA_DeleteOnClose);
        // No parent keeps it alive: it goes when the event loop ends.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         g_window.data(), [] { delete g_window.data(); });
    }
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}

void addhistoryshortcut(QWidget* window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), window);
    shortcut->setObjectName(QStringLiteral("historyshortcut"));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window,
                     [window] { guarded(window, [] { showtraininghistory(); }); });
}
