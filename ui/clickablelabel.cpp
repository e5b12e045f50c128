#include "ui/clickablelabel.h"

#include "ui/errorguard.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_pressedPrimary = event->button() == Qt::LeftButton;
    if (onPress)
        guarded(window(), onPress);
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressedPrimary && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressedPrimary = false;
    if (click && onClick)
        guarded(window(), onClick);
    event->accept();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    if (onMove)
        guarded(window(), onMove);
    // Taken here: a move over a picture is not also a move over what lies behind it.
    event->accept();
}

void ClickableLabel::leaveEvent(QEvent* event) {
    if (onLeave)
        guarded(window(), onLeave);
    QLabel::leaveEvent(event);
}
