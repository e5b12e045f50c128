#pragma once

class QColor;
class QFrame;
class QRect;
class QWidget;

// The very light grey of the windows, the bars, the title strips and the lists.
QColor lightGrey();

// Fills the widget's background with the colour.
void fillBackground(QWidget* widget, const QColor& colour);

// A panel with a plain one-pixel border at the given place in parent.
QFrame* borderedPanel(QWidget* parent, const QRect& geometry);

// The same panel filled with the colour.
QFrame* borderedPanel(QWidget* parent, const QRect& geometry, const QColor& colour);

// The client area of a bordered panel: a widget filling the panel inside its
// border. The layouts give children's positions relative to it, as the
// toolkit of the design did.
QWidget* clientarea(QFrame* panel);
