#include "ui/panels.h"

#include <QColor>
#include <QFrame>

QColor lightGrey() { return QColor(248, 248, 248); }

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame* borderedPanel(QWidget* parent, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

QFrame* borderedPanel(QWidget* parent, const QRect& geometry, const QColor& colour) {
    QFrame* panel = borderedPanel(parent, geometry);
    fillBackground(panel, colour);
    return panel;
}

QWidget* clientarea(QFrame* panel) {
    auto* client = new QWidget(panel);
    const int border = panel->frameWidth();
    client->setGeometry(border, border, panel->width() - 2 * border,
                        panel->height() - 2 * border);
    return client;
}
