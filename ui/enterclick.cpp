#include "ui/enterclick.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class EnterClicks final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !button->isEnabled())
            return false;
        // Taken here, so a dialog's default button does not also answer.
        auto* push = qobject_cast<QPushButton*>(button);
        if (push && push->menu())
            push->showMenu();
        else
            button->click();
        return true;
    }
};

EnterClicks& enterClicks() {
    static EnterClicks* clicks = [] {
        auto* filter = new EnterClicks;
        filter->setParent(qApp);
        return filter;
    }();
    return *clicks;
}

} // namespace

void clickonenter(QAbstractButton* button) {
    button->installEventFilter(&enterClicks());
}
