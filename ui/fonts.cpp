#include "ui/fonts.h"

#include <QApplication>
#include <QFontInfo>

#include <algorithm>

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

qreal textscale() {
    // The size every toolkit starts from when the desktop sets none.
    constexpr qreal kUsualPoints = 9.0;
    const qreal points = QFontInfo(QApplication::font()).pointSizeF();
    return std::max<qreal>(1.0, points / kUsualPoints);
}

int scaledpixels(int pixelHeight) {
    return qRound(pixelHeight * textscale());
}
