#pragma once

#include "editors/shareaction.h"

#include <QRect>

#include <functional>

class QPushButton;
class QWidget;

// The "Share" button of the circuit editor and the information panel: a menu
// of "Export circuit...", "Import..." and "Print circuit...", each handed to
// `chosen` inside the error guard.
QPushButton* makesharebutton(QWidget* parent, const char* name, const QRect& place,
                             std::function<void(ShareAction)> chosen);
