#include "Glyphs.h"

#include <QPainterPath>
#include <QtMath>

#include "Palette.h"

namespace {

QPen Stroke(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width,
           bool bothEnds = false) {
    painter.setPen(Stroke(colour, width));
    painter.drawLine(from, to);
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF normal(-direction.y(), direction.x());
    const qreal head = width * 2.2;
    auto drawHead = [&](QPointF tip, QPointF along) {
        painter.drawLine(tip, tip - along * head + normal * head);
        painter.drawLine(tip, tip - along * head - normal * head);
    };
    drawHead(to, direction);
    if (bothEnds) drawHead(from, -direction);
}

void Sparkle(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
    QPainterPath star;
    const qreal waist = radius * 0.28;
    star.moveTo(centre.x(), centre.y() - radius);
    star.quadTo(centre.x() + waist, centre.y() - waist, centre.x() + radius, centre.y());
    star.quadTo(centre.x() + waist, centre.y() + waist, centre.x(), centre.y() + radius);
    star.quadTo(centre.x() - waist, centre.y() + waist, centre.x() - radius, centre.y());
    star.quadTo(centre.x() - waist, centre.y() - waist, centre.x(), centre.y() - radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(star);
}

void Sheet(QPainter& painter, QRectF rect) {
    const qreal fold = rect.width() * 0.32;
    QPainterPath sheet;
    sheet.moveTo(rect.topLeft());
    sheet.lineTo(rect.right() - fold, rect.top());
    sheet.lineTo(rect.right(), rect.top() + fold);
    sheet.lineTo(rect.bottomRight());
    sheet.lineTo(rect.bottomLeft());
    sheet.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::kGlyph);
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(rect.right() - fold, rect.top());
    corner.lineTo(rect.right() - fold, rect.top() + fold);
    corner.lineTo(rect.right(), rect.top() + fold);
    corner.closeSubpath();
    painter.setBrush(Palette::kLine);
    painter.drawPath(corner);
}

// Three memory slots of the printer, one of them lit.
void Slots(QPainter& painter, qreal left, int lit, const QColor& litColour) {
    for (int i = 0; i < 3; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(i == lit ? litColour : QColor(255, 255, 255, 110));
        painter.drawRoundedRect(QRectF(left, 8 + i * 6, 9, 4), 1.5, 1.5);
    }
}

void PrintHead(QPainter& painter, QRectF rect) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::kGlyph);
    painter.drawRoundedRect(rect, 2, 2);
    painter.setBrush(Palette::kNavy);
    for (int i = 0; i < 3; ++i) {
        painter.drawRect(
            QRectF(rect.left() + rect.width() * (0.22 + i * 0.25) - 1, rect.bottom() - 2, 2, 2));
    }
}

}  // namespace

void DrawDrop(QPainter& painter, QPointF centre, qreal height, const QColor& colour) {
    const qreal radius = height * 0.34;
    const qreal tipY = centre.y() - height / 2;
    const QPointF bulb(centre.x(), centre.y() + height / 2 - radius);
    QPainterPath drop;
    drop.moveTo(centre.x(), tipY);
    drop.cubicTo(centre.x() + radius * 0.3, tipY + height * 0.22, centre.x() + radius,
                 bulb.y() - radius * 0.55, centre.x() + radius, bulb.y());
    drop.arcTo(QRectF(bulb.x() - radius, bulb.y() - radius, 2 * radius, 2 * radius), 0, -180);
    drop.cubicTo(centre.x() - radius, bulb.y() - radius * 0.55, centre.x() - radius * 0.3,
                 tipY + height * 0.22, centre.x(), tipY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(drop);
}

void DrawTile(QPainter& painter) {
    QLinearGradient fill(0, 1, 0, 31);
    fill.setColorAt(0, Palette::kBlue);
    fill.setColorAt(1, Palette::kNavy);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6.5, 6.5);
}

void DrawGlyph(QPainter& painter, Glyph glyph) {
    using namespace Palette;
    switch (glyph) {
        case Glyph::AutoAdjustment:
            painter.setPen(Stroke(kGlyph, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(15, 17), 7.5, 7.5);
            painter.drawLine(QPointF(15, 6), QPointF(15, 11));
            painter.drawLine(QPointF(15, 23), QPointF(15, 28));
            painter.drawLine(QPointF(4, 17), QPointF(9, 17));
            painter.drawLine(QPointF(21, 17), QPointF(26, 17));
            painter.setPen(Qt::NoPen);
            painter.setBrush(kTeal.lighter(130));
            painter.drawEllipse(QPointF(15, 17), 2.5, 2.5);
            Sparkle(painter, QPointF(25, 7), 4.5, kYellow);
            break;
        case Glyph::BidirectionalAlignment:
        case Glyph::UnidirectionalAlignment: {
            painter.setPen(Stroke(kGlyph, 2.4));
            painter.drawLine(QPointF(10, 6), QPointF(10, 15));
            painter.drawLine(QPointF(16, 6), QPointF(16, 15));
            painter.drawLine(QPointF(22, 6), QPointF(22, 15));
            painter.setPen(Stroke(kLightCyan, 2.4));
            painter.drawLine(QPointF(13, 11), QPointF(13, 15));
            painter.drawLine(QPointF(19, 11), QPointF(19, 15));
            const bool both = glyph == Glyph::BidirectionalAlignment;
            Arrow(painter, QPointF(both ? 7 : 6, 23), QPointF(25, 23), kYellow, 2.2, both);
            break;
        }
        case Glyph::CustomPaperCall:
            Sheet(painter, QRectF(5, 8, 12, 17));
            Slots(painter, 20, 1, kYellow);
            Arrow(painter, QPointF(21, 23), QPointF(12, 23), kYellow, 2);
            break;
        case Glyph::Registration:
            Sheet(painter, QRectF(5, 8, 12, 17));
            Slots(painter, 20, 1, kTeal.lighter(140));
            Arrow(painter, QPointF(11, 23), QPointF(25, 23), kTeal.lighter(140), 2);
            break;
        case Glyph::CustomFile:
            Sheet(painter, QRectF(8, 5, 16, 22));
            painter.setPen(Stroke(kLine.darker(115), 1.6));
            for (int i = 0; i < 3; ++i)
                painter.drawLine(QPointF(11, 14 + i * 4), QPointF(21, 14 + i * 4));
            DrawDrop(painter, QPointF(23, 23), 9, kMagenta);
            break;
        case Glyph::HeadCleaning:
            PrintHead(painter, QRectF(6, 6, 20, 8));
            DrawDrop(painter, QPointF(10.5, 21), 8, kCyan);
            DrawDrop(painter, QPointF(16, 24), 8, kMagenta);
            DrawDrop(painter, QPointF(21.5, 21), 8, kYellow);
            break;
        case Glyph::CleaningButton:
            DrawDrop(painter, QPointF(14, 17), 20, kLightCyan);
            painter.setPen(Stroke(kGlyph, 1.6));
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(QRectF(9.5, 15, 6, 8), 180 * 16, 80 * 16);
            Sparkle(painter, QPointF(24, 9), 4.5, kGlyph);
            Sparkle(painter, QPointF(24, 21), 3, kYellow);
            break;
        case Glyph::NozzleCheckButton: {
            const QColor inks[4] = {kCyan, kMagenta, kYellow, kGlyph};
            for (int column = 0; column < 4; ++column) {
                painter.setPen(Stroke(inks[column], 2));
                const qreal x = 6 + column * 5.5;
                for (int step = 0; step < 4; ++step) {
                    const qreal y = 8 + step * 5 + (column % 2) * 2;
                    painter.drawLine(QPointF(x, y), QPointF(x + 3, y));
                }
            }
            break;
        }
        case Glyph::Status: {
            const QRectF dial(6, 8, 20, 20);
            const QColor segments[3] = {kTeal.lighter(130), kYellow, kMagenta};
            for (int i = 0; i < 3; ++i) {
                painter.setPen(QPen(segments[i], 3.2, Qt::SolidLine, Qt::FlatCap));
                painter.drawArc(dial, (180 - i * 60) * 16, -56 * 16);
            }
            painter.setPen(Stroke(kGlyph, 2.2));
            const qreal angle = qDegreesToRadians(50.0);
            painter.drawLine(QPointF(16, 18),
                             QPointF(16 + 8 * std::cos(angle), 18 - 8 * std::sin(angle)));
            painter.setPen(Qt::NoPen);
            painter.setBrush(kGlyph);
            painter.drawEllipse(QPointF(16, 18), 2.4, 2.4);
            painter.setBrush(QColor(255, 255, 255, 110));
            painter.drawRoundedRect(QRectF(9, 23, 14, 3), 1.5, 1.5);
            break;
        }
        case Glyph::Firmware:
            painter.setPen(Stroke(kGlyph, 1.6));
            for (int i = 0; i < 3; ++i) {
                const qreal p = 12 + i * 4;
                painter.drawLine(QPointF(p, 5), QPointF(p, 8));
                painter.drawLine(QPointF(p, 24), QPointF(p, 27));
                painter.drawLine(QPointF(5, p), QPointF(8, p));
                painter.drawLine(QPointF(24, p), QPointF(27, p));
            }
            painter.setPen(Qt::NoPen);
            painter.setBrush(kGlyph);
            painter.drawRoundedRect(QRectF(8.5, 8.5, 15, 15), 2.5, 2.5);
            Arrow(painter, QPointF(16, 20.5), QPointF(16, 11.5), kTeal, 2.2);
            break;
        case Glyph::MainMenu:
            painter.setPen(Qt::NoPen);
            for (int i = 0; i < 4; ++i) {
                painter.setBrush(i == 3 ? kTeal.lighter(140) : kGlyph);
                painter.drawRoundedRect(QRectF(8 + (i % 2) * 9, 8 + (i / 2) * 9, 7, 7), 1.8, 1.8);
            }
            break;
    }
}
