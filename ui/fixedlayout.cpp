#include "ui/fixedlayout.h"

#include "ui/fonts.h"
#include "ui/panels.h"

#include <QLabel>

QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLabel* makeTitleStrip(QWidget* parent, const char* name, const QString& text, int height,
                       const QFont& font) {
    auto* strip = new QLabel(text, parent);
    strip->setObjectName(QString::fromLatin1(name));
    strip->setGeometry(0, 0, parent->width(), height);
    strip->setFont(font);
    strip->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fillBackground(strip, lightGrey());
    return strip;
}

void styleAsLink(QLabel* label) {
    QFont link = verdanafont(9);
    link.setUnderline(true);
    label->setFont(link);
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(blue);
    label->setCursor(Qt::PointingHandCursor);
}
