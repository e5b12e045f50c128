#include "app/mainwindow/circuitgridview.h"

#include <QMouseEvent>
#include <QScrollBar>

CircuitGridView::CircuitGridView(QWidget* parent) : QTableView(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.row() == m_rowBeforePress)
            emit rowClicked();
    });
}

void CircuitGridView::updateGeometries() {
    QTableView::updateGeometries();
    // No sideways range: whatever asks to scroll sideways is held at the left edge.
    horizontalScrollBar()->setRange(0, 0);
}

void CircuitGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.row() != previous.row())
        emit rowClicked();
}

void CircuitGridView::mousePressEvent(QMouseEvent* event) {
    m_rowBeforePress = currentIndex().row();
    QTableView::mousePressEvent(event);
}

void CircuitGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QTableView::mouseDoubleClickEvent(event);
        return;
    }
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(),
                      event->modifiers(), event->pointingDevice());
    mousePressEvent(&press);
}
