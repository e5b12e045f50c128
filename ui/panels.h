#pragma once

class QFrame;
class QWidget;

// The client area of a bordered panel: a widget filling the panel inside its
// border. The layouts give children's positions relative to it, as the
// toolkit of the design did.
QWidget* clientarea(QFrame* panel);
