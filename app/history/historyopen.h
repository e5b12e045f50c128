#pragma once

class QWidget;

// The one training history window: made when first asked for, shown and
// raised on every later call, gone when closed or when the program ends.
void showtraininghistory();

// Ctrl+H anywhere in `window` opens the training history.
void addhistoryshortcut(QWidget* window);
