#include "frontframe.h"

#include <QWidget>

void bringframetofront(QWidget* frame) {
    if (QWidget* holder = frame->parentWidget()) {
        // The frames of a holder share one place; anything else in it stays.
        for (QWidget* other : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != frame && !other->isWindow() && other->geometry() == frame->geometry())
                other->hide();
    }
    frame->show();
    frame->raise();
}
