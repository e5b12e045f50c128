#include "panels.h"

#include <QFrame>

QWidget* clientarea(QFrame* panel) {
    auto* client = new QWidget(panel);
    const int border = panel->frameWidth();
    client->setGeometry(border, border, panel->width() - 2 * border,
                        panel->height() - 2 * border);
    return client;
}
