#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

// Decodes a JPEG held in memory with libjpeg. A corrupt or truncated picture
// raises IoError with a clear text; it never ends the program.
QImage decodejpeg(const QByteArray& jpeg);

// One picture of the program's artwork, by file name under assets/
// ("digit0.jpg"), decoded once and cached. Raises IoError when missing or bad.
// On a screen scaled above 100% the twice-size drawing ("digit0@2x.jpg") is
// used where there is one: its device pixel ratio is 2, so it takes the same
// room as the designed picture (deviceIndependentSize) but stays sharp.
QPixmap picture(const QString& name);

// The same for a given device pixel ratio: above 1 the @2x drawing, else (or
// when there is none) the designed picture.
QPixmap picture(const QString& name, qreal devicePixelRatio);

// The raw bytes of an embedded asset (the cue sound), empty when missing.
QByteArray assetbytes(const QString& name);
