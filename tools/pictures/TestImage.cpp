#include "TestImage.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <array>

#include "Glyphs.h"
#include "Palette.h"

namespace {

constexpr int kWidth = 4060;
constexpr int kHeight = 1190;
constexpr int kPixelsPerPoint = 5;  // 360 pixels an inch

// Ink coverage of a colour made of cyan, magenta, yellow and black, as a plain RGB mix.
QColor Inks(double c, double m, double y, double k) {
    auto channel = [k](double ink) { return qRound(255 * (1 - ink) * (1 - k)); };
    return QColor(channel(c), channel(m), channel(y));
}

void Caption(QPainter& painter, QRect box, const QString& text, int points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(points * kPixelsPerPoint);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(Palette::kBlack);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

// Rows of patches, each ink and mix from 0 to 100 % in tenths.
void PatchRamps(QPainter& painter, QPoint origin) {
    const std::array<std::pair<const char*, std::array<double, 4>>, 7> rows{{
        {"C", {1, 0, 0, 0}},
        {"M", {0, 1, 0, 0}},
        {"Y", {0, 0, 1, 0}},
        {"K", {0, 0, 0, 1}},
        {"R", {0, 1, 1, 0}},
        {"G", {1, 0, 1, 0}},
        {"B", {1, 1, 0, 0}},
    }};
    constexpr int kPatch = 110;
    constexpr int kRowHeight = 120;
    painter.setPen(Qt::NoPen);
    for (size_t row = 0; row < rows.size(); ++row) {
        const int top = origin.y() + static_cast<int>(row) * kRowHeight;
        Caption(painter, QRect(origin.x(), top, 60, kPatch), rows[row].first, 14, true);
        for (int step = 0; step <= 10; ++step) {
            const auto& ink = rows[row].second;
            const double t = step / 10.0;
            painter.setPen(Qt::NoPen);
            painter.setBrush(Inks(ink[0] * t, ink[1] * t, ink[2] * t, ink[3] * t));
            painter.drawRect(origin.x() + 70 + step * kPatch, top, kPatch - 6, kPatch);
        }
    }
}

// Smooth ramps: each ink, the hue circle and a skin tone band.
void Gradients(QPainter& painter, QRect area) {
    const int band = area.height() / 6;
    auto ramp = [&](int index, const QGradientStops& stops) {
        QLinearGradient gradient(area.left(), 0, area.right(), 0);
        gradient.setStops(stops);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawRect(area.left(), area.top() + index * band, area.width(), band - 10);
    };
    ramp(0, {{0, Qt::white}, {1, Inks(0, 0, 0, 1)}});
    ramp(1, {{0, Qt::white}, {1, Inks(1, 0, 0, 0)}});
    ramp(2, {{0, Qt::white}, {1, Inks(0, 1, 0, 0)}});
    ramp(3, {{0, Qt::white}, {1, Inks(0, 0, 1, 0)}});
    QGradientStops hues;
    for (int i = 0; i <= 6; ++i)
        hues.push_back({i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 235)});
    ramp(4, hues);
    ramp(5, {{0, QColor(250, 226, 208)}, {0.5, QColor(214, 160, 124)}, {1, QColor(112, 70, 48)}});
}

// A star of 72 black spokes, for sharpness and banding.
void Star(QPainter& painter, QPointF centre, qreal radius) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::kBlack);
    constexpr int kSpokes = 72;
    for (int i = 0; i < kSpokes; ++i) {
        const qreal from = 2 * M_PI * i / kSpokes;
        const qreal to = 2 * M_PI * (i + 0.5) / kSpokes;
        QPainterPath spoke(centre);
        spoke.lineTo(centre + QPointF(radius * qCos(from), radius * qSin(from)));
        spoke.lineTo(centre + QPointF(radius * qCos(to), radius * qSin(to)));
        spoke.closeSubpath();
        painter.drawPath(spoke);
    }
}

// Groups of lines 1 to 4 pixels wide with gaps as wide, across and down.
void LinePairs(QPainter& painter, QPoint origin) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::kBlack);
    for (int width = 1; width <= 4; ++width) {
        const int left = origin.x() + (width - 1) * 150;
        for (int line = 0; line < 12; ++line) {
            painter.drawRect(left + line * 2 * width, origin.y(), width, 120);
            painter.drawRect(left, origin.y() + 150 + line * 2 * width, 120, width);
        }
    }
}

// A grey wedge of 21 steps across the whole width.
void GreyWedge(QPainter& painter, QRect area) {
    constexpr int kSteps = 21;
    painter.setPen(Qt::NoPen);
    for (int step = 0; step < kSteps; ++step) {
        const int left = area.left() + area.width() * step / kSteps;
        const int right = area.left() + area.width() * (step + 1) / kSteps;
        painter.setBrush(Inks(0, 0, 0, step / double(kSteps - 1)));
        painter.drawRect(left, area.top(), right - left, area.height());
    }
}

}  // namespace

QImage SampleTestImage() {
    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setPen(QPen(Palette::kNavy, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2, 2, kWidth - 4, kHeight - 4));
    for (int i = 0; i < 4; ++i) {
        const std::array<QColor, 4> inks{Palette::kCyan, Palette::kMagenta, Palette::kYellow,
                                         Palette::kBlack};
        DrawDrop(painter, QPointF(70 + i * 55, 70), 70, inks[static_cast<size_t>(i)]);
    }
    Caption(painter, QRect(300, 25, 2000, 90), QStringLiteral("Servato 2 sample image"), 16, true);
    Caption(painter, QRect(2300, 25, 1700, 90),
            QStringLiteral("4060 x 1190 pixels, 360 pixels an inch"), 10);

    PatchRamps(painter, QPoint(30, 140));
    Gradients(painter, QRect(1380, 140, 1300, 840));
    Star(painter, QPointF(3020, 430), 280);
    LinePairs(painter, QPoint(3360, 150));
    for (int points = 4, top = 480; points <= 12; points += 2, top += points * 9) {
        Caption(painter, QRect(3360, top, 680, points * 8),
                QStringLiteral("%1 pt Hamburg 0189").arg(points), points);
    }
    GreyWedge(painter, QRect(30, 1000, kWidth - 60, 150));
    return image;
}
