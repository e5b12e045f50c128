#include "panels.h"

#include <QFrame>

QFrame* borderedPanel(QWidget* parent, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

QWidget* clientarea(QFrame* panel) {
    auto* client = new QWidget(panel);
    const int border = panel->frameWidth();
    client->setGeometry(border, border, panel->width() - 2 * border,
                        panel->height() - 2 * border);
    return client;
}
