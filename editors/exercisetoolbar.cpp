#include "editors/exercisetoolbar.h"

#include "ui/errorguard.h"

#include <QMouseEvent>

ExerciseToolBar::ExerciseToolBar(QWidget* parent) : QFrame(parent) {
    setMouseTracking(true);
}

void ExerciseToolBar::mouseMoveEvent(QMouseEvent* event) {
    // Moves over an image may reach here when the image passes them on.
    if (onMove && !childAt(event->position().toPoint()))
        guarded(window(), onMove);
    QFrame::mouseMoveEvent(event);
}
