#pragma once

#include "data/circuitplan.h"

#include <QColor>

// The phase colours, wherever a phase is shown in colour.
inline QColor exerciseColour() {
    return QColor(235, 87, 45);
}
inline QColor restColour() {
    return QColor(52, 168, 108);
}
// Warm-up and cool-down: a calm blue, apart from both.
inline QColor calmColour() {
    return QColor(74, 144, 217);
}
inline QColor phaseColour(PhaseKind kind) {
    const bool easy = kind == PhaseKind::WarmUp || kind == PhaseKind::CoolDown;
    return kind == PhaseKind::Rest ? restColour() : easy ? calmColour() : exerciseColour();
}
