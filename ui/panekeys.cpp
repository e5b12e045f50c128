#include "ui/panekeys.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace {

bool takesTab(QWidget* pane, QWidget* candidate) {
    return (candidate == pane || pane->isAncestorOf(candidate)) && candidate->isVisible() &&
           candidate->isEnabled() && (candidate->focusPolicy() & Qt::TabFocus) &&
           !candidate->focusProxy();
}

// The first control of the pane in the focus chain; null when none takes Tab.
QWidget* firstcontrol(QWidget* pane) {
    QWidget* at = pane;
    do {
        if (takesTab(pane, at))
            return at;
        at = at->nextInFocusChain();
    } while (at && at != pane);
    return nullptr;
}

void move(const std::vector<std::function<QWidget*()>>& panes, bool forward) {
    const int count = static_cast<int>(panes.size());
    QWidget* focus = QApplication::focusWidget();
    int current = -1;
    for (int i = 0; i < count && current < 0; ++i) {
        QWidget* pane = panes[static_cast<size_t>(i)]();
        if (pane && focus && (pane == focus || pane->isAncestorOf(focus)))
            current = i;
    }
    for (int step = 1; step <= count; ++step) {
        const int next = ((current < 0 ? (forward ? -1 : 0) : current) +
                          (forward ? step : -step) + 2 * count) % count;
        QWidget* pane = panes[static_cast<size_t>(next)]();
        if (QWidget* control = pane ? firstcontrol(pane) : nullptr) {
            control->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace

void addpanekeys(QWidget* window, std::vector<std::function<QWidget*()>> panes) {
    auto* next = new QShortcut(QKeySequence(Qt::Key_F6), window);
    auto* back = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), window);
    QObject::connect(next, &QShortcut::activated, window, [panes] { move(panes, true); });
    QObject::connect(back, &QShortcut::activated, window, [panes] { move(panes, false); });
}
