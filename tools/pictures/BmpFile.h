#pragma once

#include <QImage>
#include <QString>

// Writes the image as an uncompressed, bottom-up, 24-bit BMP file; false when the file
// cannot be written.
bool WriteBmp24(const QImage& image, const QString& path);
