#pragma once

#include <QImage>
#include <string>

// The pixels of a 24-bit test image file, top row first; a null image when the file cannot be
// read, is no uncompressed 24-bit bitmap, or holds fewer pixel bytes than its headers say.
QImage ReadSampleImage(const std::string& path);
