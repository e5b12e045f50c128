#include "ui/frontframe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

#include <vector>

namespace {

// Keeps Tab and Backtab inside the front frame: from its last control the
// focus goes round to its first, never on into the rest of the window.
class FrontFrameTabs final : public QObject {
public:
    void setFront(QWidget* frame) {
        std::erase_if(m_fronts, [frame](const QPointer<QWidget>& front) {
            return !front || front == frame || front->parentWidget() == frame->parentWidget();
        });
        m_fronts.emplace_back(frame);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (takesTab(widget))
            return false;
        for (const QPointer<QWidget>& front : m_fronts)
            if (front && front->isAncestorOf(widget))
                return moveWithin(front, widget,
                                  key->key() == Qt::Key_Tab &&
                                      !(key->modifiers() & Qt::ShiftModifier));
        return false;
    }

private:
    // A text field that types a Tab keeps it.
    static bool takesTab(QWidget* widget) {
        if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
            return !plain->tabChangesFocus() && !plain->isReadOnly();
        if (auto* rich = qobject_cast<QTextEdit*>(widget))
            return !rich->tabChangesFocus() && !rich->isReadOnly();
        return false;
    }

    static bool canTakeTab(QWidget* frame, QWidget* candidate) {
        return frame->isAncestorOf(candidate) && candidate->isVisibleTo(frame) &&
               candidate->isEnabled() && (candidate->focusPolicy() & Qt::TabFocus) &&
               !candidate->focusProxy();
    }

    static bool moveWithin(QWidget* frame, QWidget* from, bool forward) {
        QWidget* at = from;
        for (;;) {
            at = forward ? at->nextInFocusChain() : at->previousInFocusChain();
            if (!at || at == from)
                return true; // nothing else in the frame takes the focus: it stays
            if (canTakeTab(frame, at)) {
                at->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
    }

    std::vector<QPointer<QWidget>> m_fronts;
};

FrontFrameTabs& frontFrameTabs() {
    static FrontFrameTabs* tabs = [] {
        auto* filter = new FrontFrameTabs;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
        return filter;
    }();
    return *tabs;
}

} // namespace

void bringframetofront(QWidget* frame) {
    if (QWidget* holder = frame->parentWidget()) {
        // The frames of a holder share one place; anything else in it stays.
        for (QWidget* other : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != frame && !other->isWindow() && other->geometry() == frame->geometry())
                other->hide();
    }
    frame->show();
    frame->raise();
    frontFrameTabs().setFront(frame);
}
