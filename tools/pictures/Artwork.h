#pragma once

#include <QImage>

#include "Glyphs.h"

// Every picture of the program, drawn at its final size.
QImage ButtonPicture(Glyph glyph);                           // 32 x 32, transparent
QImage PageIconStrip();                                      // 340 x 34, ten icons, magenta key
QImage Banner(bool mainMenu);                                // 600 x 60
QImage ProductPicture(int width, int height, int textBand);  // splash and version box
QImage WindowIcon(int size);                                 // square, transparent
QImage PrinterPicture();                                     // 39 x 36, magenta key
QImage ProgressFrames();                                     // 64 x 32, two frames, magenta key
QImage InkSlotStrip();                                       // 456 x 22, twelve images, transparent
