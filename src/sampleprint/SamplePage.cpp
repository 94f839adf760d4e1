#include "sampleprint/SamplePage.h"

#include <cmath>
#include <optional>
#include <vector>

#include "driversettings/DriverSettings.h"
#include "platform/PrintCanvas.h"
#include "platform/PrintSetup.h"
#include "sampleprint/SampleImageReader.h"

namespace {

// Device sizes of the page, in the printer's units.
constexpr int kLineGap = 13;
constexpr int kLabelGap = 50;
constexpr int kHighlightedPoints = 11;
constexpr int kLabelPoints = 10;
constexpr int kImageGapPoints = 5;
constexpr int kImageGapPixels = 5;
// One image pixel is 1/360 inch, kept in single precision like the sizes derived from it.
constexpr float kInchPerImagePixel = 0.0027777778f;

// a * b / c rounded to the nearest whole number.
int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

int Truncated(float value) {
    return static_cast<int>(value);
}

QFont LabelFont(const QFont& base, bool highlighted, int dpiY) {
    QFont font(base);
    font.setPixelSize(MulDiv(highlighted ? kHighlightedPoints : kLabelPoints, dpiY, 72));
    font.setWeight(highlighted ? QFont::Bold : QFont::Normal);
    return font;
}

// Draws the labels left to right, a label that does not fit starting a line of its own. The top
// of the last line, or none when a label could not be drawn.
std::optional<int> DrawLabels(PrintCanvas& canvas, const SampleLabels& labels,
                              const QFont& baseFont) {
    const int pageWidth = canvas.HorzRes();
    const int lineHeight = MulDiv(kHighlightedPoints, canvas.LogPixelsY(), 72);
    int x = 0;
    int top = kLineGap;
    for (size_t i = 0; i < labels.texts.size(); ++i) {
        const bool highlighted = static_cast<int>(i) == labels.highlighted;
        const QFont font = LabelFont(baseFont, highlighted, canvas.LogPixelsY());
        const QString text = QString::fromStdString(labels.texts[i]);
        const int width = canvas.TextWidth(font, text);
        if (x + width >= pageWidth) {
            top += lineHeight + kLineGap;
            x = 0;
        }
        if (!canvas.DrawText(QRect(x, top, pageWidth - x, lineHeight), text, font))
            return std::nullopt;
        x += width + kLabelGap;
    }
    return top;
}

// `band` rows of the image counted from its bottom row `done`.
QImage Band(const QImage& image, int done, int band) {
    if (band == image.height()) return image;
    return image.copy(0, image.height() - done - band, image.width(), band);
}

// A row of copies of the image from the left edge across the page, 5 image pixels apart, its
// top at `top`. Drawn whole; should the canvas refuse, in bands of half the rows, down to one.
bool DrawImageRow(PrintCanvas& canvas, const QImage& image, int top) {
    const float sx = static_cast<float>(canvas.LogPixelsX()) * kInchPerImagePixel;
    const float sy = static_cast<float>(canvas.LogPixelsY()) * kInchPerImagePixel;
    const int pageWidth = canvas.HorzRes();
    const int width = image.width();
    const int height = image.height();
    int band = height;
    int done = 0;
    while (done < height) {
        // One image object per band: every copy of it reuses the same picture in the document.
        QImage rows = Band(image, done, band);
        int x = 0;
        while (x <= pageWidth) {
            const QRect target(x, top + Truncated(static_cast<float>(height - done - band) * sy),
                               Truncated(static_cast<float>(width) * sx),
                               Truncated(static_cast<float>(band) * sy));
            if (canvas.DrawImage(target, rows)) {
                x += Truncated(static_cast<float>(width + kImageGapPixels) * sx);
            } else if (band < 2) {
                return false;
            } else {
                band /= 2;
                rows = Band(image, done, band);
            }
        }
        done += band;
        if (done + band > height) band = height - done;
    }
    return true;
}

// The page on the canvas, handed to the queue: 0, or -1 when anything failed (a page that could
// not be drawn whole is not handed over).
int32_t PrintPage(PrintCanvas& canvas, const std::string& imagePath, const SampleLabels& labels,
                  const QFont& baseFont) {
    if (canvas.StartDocument(labels.JobName()) < 1 || canvas.StartPage() < 1) return -1;
    const auto lastLine = DrawLabels(canvas, labels, baseFont);
    if (!lastLine) return -1;
    const int lineHeight = MulDiv(kHighlightedPoints, canvas.LogPixelsY(), 72);
    const int imageTop =
        *lastLine + lineHeight + kLineGap + MulDiv(kImageGapPoints, canvas.LogPixelsY(), 72);
    const QImage image = ReadSampleImage(imagePath);
    if (image.isNull() || !DrawImageRow(canvas, image, imageTop)) return -1;
    if (canvas.EndPage() < 1 || canvas.EndDocument() < 1) return -1;
    return 0;
}

}  // namespace

int32_t PrintSamplePage(DriverSettings& context, Spooler& spooler, const std::string& printerName,
                        const std::string& imagePath, const SampleLabels& labels,
                        const QFont& baseFont) {
    std::vector<uint8_t> record;
    const int32_t copied = context.GetDevMode(record);
    if (copied < 1) return copied;
    const auto setup = ReadPrintSetup(printerName, record);
    if (!setup) return copied;
    PrintCanvas canvas(spooler, printerName, *setup);
    return PrintPage(canvas, imagePath, labels, baseFont);
}
