#include "ui/fonts.h"

namespace {
QFont sized(const QString& family, int pixelHeight, bool bold, QFont::StyleHint hint) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}
} // namespace

QFont verdanafont(int pixelHeight, bool bold) {
    return sized(QStringLiteral("DejaVu Sans"), pixelHeight, bold, QFont::SansSerif);
}

QFont centurygothicfont(int pixelHeight, bool bold) {
    return sized(QStringLiteral("URW Gothic"), pixelHeight, bold, QFont::SansSerif);
}

QFont courierfont(int pixelHeight, bool bold) {
    return sized(QStringLiteral("DejaVu Sans Mono"), pixelHeight, bold, QFont::Monospace);
}
