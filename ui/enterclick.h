#pragma once

class QAbstractButton;

// Enter and Return press the button that has the focus, as Space does: outside
// a dialog a push button takes neither by itself. A button with a menu opens
// its menu.
void clickonenter(QAbstractButton* button);
