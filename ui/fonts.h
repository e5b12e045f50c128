#pragma once

#include <QFont>

// The design's faces are not on Linux; close free faces stand in, sized by
// pixel height as the layouts give them.
QFont verdanafont(int pixelHeight, bool bold = false);      // DejaVu Sans
QFont centurygothicfont(int pixelHeight, bool bold = false); // URW Gothic
QFont courierfont(int pixelHeight, bool bold = false);       // a monospace face

// How much larger the desktop sets its text than the usual 9 points: 1 at 9
// points or less, 1.5 at 13.5 points. Windows that are not laid out in fixed
// pixels multiply their sizes by it, so a desktop with larger text gets larger
// text there too.
qreal textscale();

// A pixel height of the design, grown with the desktop's text: 9 -> 9 at the
// usual size, 9 -> 14 at 13.5 points.
int scaledpixels(int pixelHeight);
