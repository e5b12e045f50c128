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
QPixmap picture(const QString& name);

// The raw bytes of an embedded asset (the cue sound), empty when missing.
QByteArray assetbytes(const QString& name);
