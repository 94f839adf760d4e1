#include "Artwork.h"

#include <QFont>
#include <QPainterPath>
#include <array>

#include "Palette.h"

namespace {

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// An opaque picture with a key colour, as loaders that key out magenta expect: nearly transparent
// pixels take the key, edge pixels are blended over the ground the picture is shown on, so the
// shapes stay smooth without a magenta fringe.
QImage Keyed(const QImage& image, const QColor& ground) {
    QImage keyed(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = source[x];
            const int alpha = qAlpha(pixel);
            if (alpha < 40) {
                target[x] = Palette::kKey.rgb();
                continue;
            }
            auto blend = [alpha](int over, int under) {
                return (over * alpha + under * (255 - alpha)) / 255;
            };
            target[x] = qRgb(blend(qRed(pixel), ground.red()), blend(qGreen(pixel), ground.green()),
                             blend(qBlue(pixel), ground.blue()));
        }
    }
    return keyed;
}

// A cluster of ink drops, the program's emblem; origin is the centre of the first drop. On a dark
// ground a light halo keeps the black drop visible.
void InkCluster(QPainter& painter, QPointF origin, qreal scale, bool halo = false) {
    const std::array<std::pair<QPointF, QColor>, 4> drops{{
        {{0, 6}, Palette::kCyan},
        {{18, 0}, Palette::kMagenta},
        {{36, 8}, Palette::kYellow},
        {{52, 2}, Palette::kBlack},
    }};
    if (halo) {
        for (const auto& drop : drops) {
            DrawDrop(painter, origin + drop.first * scale, 30 * scale + 5,
                     QColor(255, 255, 255, 45));
        }
    }
    for (const auto& [offset, colour] : drops)
        DrawDrop(painter, origin + offset * scale, 30 * scale, colour);
}

}  // namespace

QImage ButtonPicture(Glyph glyph) {
    QImage image = Canvas(32, 32);
    QPainter painter(&image);
    Smooth(painter);
    DrawTile(painter);
    DrawGlyph(painter, glyph);
    return image;
}

QImage PageIconStrip() {
    // Pages 1 to 9 in page order, then the main menu.
    const std::array<Glyph, 10> glyphs{
        Glyph::AutoAdjustment,
        Glyph::HeadCleaning,
        Glyph::Registration,
        Glyph::CustomPaperCall,
        Glyph::CustomFile,
        Glyph::Status,
        Glyph::Firmware,
        Glyph::BidirectionalAlignment,
        Glyph::UnidirectionalAlignment,
        Glyph::MainMenu,
    };
    QImage image = Canvas(340, 34);
    QPainter painter(&image);
    Smooth(painter);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        painter.save();
        painter.translate(34.0 * i, 0);
        painter.scale(34.0 / 32.0, 34.0 / 32.0);
        DrawTile(painter);
        DrawGlyph(painter, glyphs[i]);
        painter.restore();
    }
    painter.end();
    return Keyed(image, Palette::kPaper);
}

QImage Banner(bool mainMenu) {
    QImage image = Canvas(600, 60);
    QPainter painter(&image);
    Smooth(painter);
    QLinearGradient sky(0, 0, 600, 0);
    sky.setColorAt(0, Palette::kPaper);
    sky.setColorAt(0.55, Palette::kPaper);
    sky.setColorAt(1, Palette::kSky);
    painter.fillRect(image.rect(), sky);

    // A soft wave that runs under the texts and rises at the right.
    QPainterPath wave;
    wave.moveTo(0, 60);
    wave.lineTo(0, 54);
    wave.cubicTo(200, 58, 380, 50, 600, mainMenu ? 16 : 30);
    wave.lineTo(600, 60);
    wave.closeSubpath();
    QColor waveColour = Palette::kTeal;
    waveColour.setAlpha(mainMenu ? 38 : 28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(waveColour);
    painter.drawPath(wave);

    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        painter.setPen(QPen(QColor(20, 163, 181, 30 + i * 12), 1.2));
        painter.drawEllipse(QPointF(mainMenu ? 530 : 566, 28), 62.0 - i * 16, 62.0 - i * 16);
    }
    if (mainMenu) {
        InkCluster(painter, QPointF(504, 24), 0.95);
    } else {
        // The page selector sits left of this; the emblem stays small at the edge.
        InkCluster(painter, QPointF(549, 24), 0.6);
    }
    QLinearGradient accent(0, 0, 600, 0);
    accent.setColorAt(0, Palette::kBlue);
    accent.setColorAt(1, Palette::kTeal);
    painter.fillRect(QRect(0, 58, 600, 2), accent);
    return image;
}

QImage ProductPicture(int width, int height, int textBand) {
    QImage image = Canvas(width, height);
    QPainter painter(&image);
    Smooth(painter);
    const int artHeight = height - textBand;
    QLinearGradient night(0, 0, width, artHeight);
    night.setColorAt(0, Palette::kNavy);
    night.setColorAt(1, Palette::kBlue);
    painter.fillRect(QRect(0, 0, width, artHeight), night);

    // Light rings behind the emblem.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        painter.setPen(QPen(QColor(255, 255, 255, 18 + i * 6), 1.5));
        const qreal r = 150 - i * 28;
        painter.drawEllipse(QPointF(width - 118, artHeight * 0.5 - 8), r, r);
    }
    QPainterPath swoosh;
    swoosh.moveTo(0, artHeight);
    swoosh.cubicTo(width * 0.35, artHeight - 10, width * 0.7, artHeight - 70, width,
                   artHeight - 58);
    swoosh.lineTo(width, artHeight);
    swoosh.closeSubpath();
    QColor teal = Palette::kTeal;
    teal.setAlpha(90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(teal);
    painter.drawPath(swoosh);

    InkCluster(painter, QPointF(width - 168, artHeight * 0.5 - 12), 1.9, true);

    QFont font("DejaVu Sans");
    font.setPixelSize(44);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    painter.setFont(font);
    painter.setPen(Palette::kGlyph);
    const QRect nameRect(30, artHeight / 2 - 44, width - 230, 60);
    painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Servato 2"));
    painter.fillRect(QRect(32, artHeight / 2 + 22, 64, 4), Palette::kTeal);
    painter.fillRect(QRect(100, artHeight / 2 + 22, 14, 4), Palette::kYellow);

    painter.fillRect(QRect(0, artHeight, width, textBand), Palette::kPaper);
    painter.fillRect(QRect(0, artHeight, width, 2), Palette::kTeal);
    return image;
}

QImage WindowIcon(int size) {
    QImage image = Canvas(size, size);
    QPainter painter(&image);
    Smooth(painter);
    painter.scale(size / 32.0, size / 32.0);
    QLinearGradient fill(0, 0, 32, 32);
    fill.setColorAt(0, Palette::kBlue);
    fill.setColorAt(1, Palette::kNavy);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 7, 7);
    if (size >= 32) {
        painter.setBrush(Palette::kGlyph);
        painter.drawRoundedRect(QRectF(6, 5, 20, 7), 2, 2);
        painter.fillRect(QRectF(4, 26, 24, 2), Palette::kTeal);
        DrawDrop(painter, QPointF(10, 19), 9, Palette::kCyan);
        DrawDrop(painter, QPointF(16, 21), 9, Palette::kMagenta);
        DrawDrop(painter, QPointF(22, 19), 9, Palette::kYellow);
    } else {
        // At 16 pixels only the drops read.
        DrawDrop(painter, QPointF(9, 15), 15, Palette::kCyan);
        DrawDrop(painter, QPointF(16, 18), 15, Palette::kMagenta);
        DrawDrop(painter, QPointF(23, 15), 15, Palette::kYellow);
    }
    return image;
}

QImage PrinterPicture() {
    QImage image = Canvas(39, 36);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(Qt::NoPen);
    // Stand and feet.
    painter.setBrush(Palette::kNavy);
    painter.drawRect(QRectF(7, 20, 3, 13));
    painter.drawRect(QRectF(29, 20, 3, 13));
    painter.drawRoundedRect(QRectF(3, 32, 11, 3), 1.5, 1.5);
    painter.drawRoundedRect(QRectF(25, 32, 11, 3), 1.5, 1.5);
    // Body with its cover and the paper coming out.
    QLinearGradient body(0, 6, 0, 21);
    body.setColorAt(0, Palette::kBlue);
    body.setColorAt(1, Palette::kNavy);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(1, 7, 37, 14), 3, 3);
    painter.setBrush(Palette::kSky);
    painter.drawRoundedRect(QRectF(4, 9, 24, 4), 1.5, 1.5);
    painter.setBrush(Palette::kTeal);
    painter.drawRoundedRect(QRectF(30, 9, 5, 3), 1, 1);
    painter.setBrush(Palette::kGlyph);
    painter.drawRect(QRectF(9, 17, 21, 11));
    painter.fillRect(QRectF(12, 20, 5, 2), Palette::kCyan);
    painter.fillRect(QRectF(17, 20, 5, 2), Palette::kMagenta);
    painter.fillRect(QRectF(22, 20, 5, 2), Palette::kYellow);
    painter.end();
    return Keyed(image, Palette::kWindow);
}

QImage ProgressFrames() {
    QImage image = Canvas(64, 32);
    QPainter painter(&image);
    Smooth(painter);
    for (int frame = 0; frame < 2; ++frame) {
        painter.save();
        painter.translate(32 * frame, 0);
        // Paper with the band printed so far.
        painter.setPen(QPen(Palette::kLine, 1));
        painter.setBrush(Palette::kPaper);
        painter.drawRoundedRect(QRectF(3.5, 17.5, 25, 12), 1.5, 1.5);
        const qreal printed = frame == 0 ? 9 : 19;
        painter.fillRect(QRectF(6, 20, printed, 2), Palette::kCyan);
        painter.fillRect(QRectF(6, 23, printed, 2), Palette::kMagenta);
        painter.fillRect(QRectF(6, 26, printed - 3, 2), Palette::kYellow);
        // Rail and print head.
        painter.setPen(QPen(Palette::kGray, 1.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(3, 5), QPointF(29, 5));
        const qreal headX = frame == 0 ? 6 : 16;
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::kNavy);
        painter.drawRoundedRect(QRectF(headX, 3, 10, 7), 1.5, 1.5);
        DrawDrop(painter, QPointF(headX + 3, 13.5), 5, Palette::kCyan);
        DrawDrop(painter, QPointF(headX + 7, 14.5), 5, Palette::kMagenta);
        painter.restore();
    }
    painter.end();
    return Keyed(image, Palette::kWindow);
}

QImage InkSlotStrip() {
    struct Ink {
        QColor colour;
        bool gloss;      // photo inks shine, matte black does not
        bool secondRow;  // the second nozzle row of a four-ink head
    };
    const std::array<Ink, 12> inks{{
        {Palette::kBlack, true, false},
        {Palette::kCyan, true, false},
        {Palette::kMagenta, true, false},
        {Palette::kYellow, true, false},
        {Palette::kLightCyan, true, false},
        {Palette::kLightMagenta, true, false},
        {Palette::kMatteBlack, false, false},
        {Palette::kGray, true, false},
        {Palette::kBlack, true, true},
        {Palette::kCyan, true, true},
        {Palette::kMagenta, true, true},
        {Palette::kYellow, true, true},
    }};
    QImage image = Canvas(456, 22);
    QPainter painter(&image);
    Smooth(painter);
    for (size_t i = 0; i < inks.size(); ++i) {
        const Ink& ink = inks[i];
        painter.save();
        painter.translate(38.0 * i, 0);
        painter.setPen(QPen(ink.colour.darker(125), 1));
        painter.setBrush(ink.colour);
        painter.drawRoundedRect(QRectF(3.5, 3.5, 31, 15), 4, 4);
        if (ink.gloss) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 255, 70));
            painter.drawRoundedRect(QRectF(5, 5, 28, 5), 2.5, 2.5);
        }
        const bool light = ink.colour.lightness() > 150;
        const QColor mark = light ? QColor(21, 47, 78, 170) : QColor(255, 255, 255, 220);
        if (ink.secondRow) {
            DrawDrop(painter, QPointF(15, 11.5), 9, mark);
            DrawDrop(painter, QPointF(23, 11.5), 9, mark);
        } else {
            DrawDrop(painter, QPointF(19, 11.5), 9, mark);
        }
        painter.restore();
    }
    return image;
}
