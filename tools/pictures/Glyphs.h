#pragma once

#include <QPainter>

// The function symbols, drawn white on a tile into a 32 x 32 design square; the painter's
// transform scales them to any size.
enum class Glyph {
    AutoAdjustment,
    BidirectionalAlignment,
    CustomPaperCall,
    CustomFile,
    HeadCleaning,
    Registration,
    Status,
    UnidirectionalAlignment,
    Firmware,
    CleaningButton,
    NozzleCheckButton,
    MainMenu,
};

void DrawTile(QPainter& painter);
void DrawGlyph(QPainter& painter, Glyph glyph);
// A falling ink drop with its tip up, centred on (x, y), height h.
void DrawDrop(QPainter& painter, QPointF centre, qreal height, const QColor& colour);
