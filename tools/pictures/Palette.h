#pragma once

#include <QColor>

// One palette for every picture of the program.
namespace Palette {
inline const QColor kNavy(0x15, 0x2F, 0x4E);
inline const QColor kBlue(0x1F, 0x5B, 0x92);
inline const QColor kTeal(0x14, 0xA3, 0xB5);
inline const QColor kSky(0xE4, 0xF0, 0xF8);
inline const QColor kPaper(0xFA, 0xFC, 0xFD);
inline const QColor kLine(0xC3, 0xD3, 0xE0);
inline const QColor kGlyph(0xFF, 0xFF, 0xFF);
inline const QColor kCyan(0x00, 0xA3, 0xE0);
inline const QColor kMagenta(0xE3, 0x00, 0x7D);
inline const QColor kYellow(0xFF, 0xCC, 0x00);
inline const QColor kBlack(0x2A, 0x2D, 0x34);
inline const QColor kLightCyan(0x7C, 0xD0, 0xF2);
inline const QColor kLightMagenta(0xF2, 0x8F, 0xC3);
inline const QColor kMatteBlack(0x4B, 0x4F, 0x57);
inline const QColor kGray(0x9A, 0xA3, 0xAD);
inline const QColor kWindow(0xEF, 0xEF, 0xEF);  // the usual ground of dialogs and pages
inline const QColor kKey(255, 0, 255);          // transparent in pictures that use a key colour
}  // namespace Palette
