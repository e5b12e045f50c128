#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QFont;
class QLabel;

// Pieces the fixed frame layouts repeat.

// A control named as in the design, at its place in the layout.
template <class Control>
Control* placeControl(QWidget* parent, const char* name, const QRect& geometry) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// A caption at (left, top), sized to its text in the parent's font.
QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, int left, int top);

// The light grey title strip across the top of a frame: "   Circuit Modifier".
QLabel* makeTitleStrip(QWidget* parent, const char* name, const QString& text, int height,
                       const QFont& font);

// Shows a label as a link: 9-pixel Verdana, underlined, blue, with a pointing hand.
void styleAsLink(QLabel* label);
