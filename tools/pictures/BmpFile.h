#pragma once

#include <QImage>
#include <QString>

// Writes the image as an uncompressed, bottom-up, 24-bit Windows bitmap; false when the file
// cannot be written.
bool WriteBmp24(const QImage& image, const QString& path);
