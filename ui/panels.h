#pragma once

class QFrame;
class QRect;
class QWidget;

// A panel with a plain one-pixel border at the given place in parent.
QFrame* borderedPanel(QWidget* parent, const QRect& geometry);

// The client area of a bordered panel: a widget filling the panel inside its
// border. The layouts give children's positions relative to it, as the
// toolkit of the design did.
QWidget* clientarea(QFrame* panel);
