#pragma once

#include <QFont>

// The design's faces are not on Linux; close free faces stand in, sized by
// pixel height as the layouts give them.
QFont verdanafont(int pixelHeight, bool bold = false);      // DejaVu Sans
QFont centurygothicfont(int pixelHeight, bool bold = false); // URW Gothic
QFont courierfont(int pixelHeight, bool bold = false);       // a monospace face
