#pragma once

#include <QColor>

// The two phase colours, wherever a phase is shown in colour.
inline QColor exerciseColour() {
    return QColor(235, 87, 45);
}
inline QColor restColour() {
    return QColor(52, 168, 108);
}
inline QColor phaseColour(bool resting) {
    return resting ? restColour() : exerciseColour();
}
