#include <gtest/gtest.h>

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "PdfDocument.h"

namespace {

struct SamplePage {
    QSizeF millimetres;
    QStringList labels;
};

// Pages as the sample engine draws them: each label a text of its own, left to right, a label
// that does not fit starting a new line.
QByteArray Write(const std::vector<SamplePage>& pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle("Paper feed=-20,");
    writer.setResolution(360);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(pages.front().millimetres, QPageSize::Millimeter));
    QPainter painter(&writer);
    QFont font = painter.font();
    font.setPointSize(10);  // as the engine's plain labels
    painter.setFont(font);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            writer.setPageSize(QPageSize(pages[p].millimetres, QPageSize::Millimeter));
            writer.newPage();
        }
        const int width = writer.width();
        const int lineHeight = 55;
        int x = 0, top = 13;
        for (const QString& label : pages[p].labels) {
            const int w = QFontMetrics(painter.font(), &writer).horizontalAdvance(label);
            if (x + w >= width) {
                top += lineHeight + 13;
                x = 0;
            }
            painter.drawText(
                QRect(x, top, width - x, lineHeight),
                Qt::AlignBottom | Qt::AlignLeft | Qt::TextSingleLine | Qt::TextDontClip, label);
            x += w + 50;
        }
    }
    painter.end();
    return buffer.data();
}

}  // namespace

TEST(PdfWriter, SamplePagesReadBackWithTheirSizesAndLabelLines) {
    const QStringList labels = {"Media=Plain Paper,",        "Thickness=5,",
                                "Platen gap=Narrow,",        "Drying time=3,",
                                "Suction=Standard (100 %),", "Name=Café"};
    const QByteArray pdf = Write({{QSizeF(610, 297), labels}, {QSizeF(20, 150), labels.mid(0, 2)}});

    const PdfDocument document(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                               static_cast<std::size_t>(pdf.size()));
    EXPECT_EQ(document.Title(), "Paper feed=-20,");
    ASSERT_EQ(document.PageCount(), 2);
    const auto& pages = document.Pages();
    EXPECT_NEAR(pages[0].width, 610 * 72 / 25.4, 1);
    EXPECT_NEAR(pages[0].height, 297 * 72 / 25.4, 1);
    EXPECT_EQ(pages[0].text, labels.join(' ').toStdString()) << "one line across a wide page";
    EXPECT_NEAR(pages[1].width, 20 * 72 / 25.4, 1);
    EXPECT_EQ(pages[1].text, "Media=Plain Paper,\nThickness=5,") << "a narrow page wraps";
}
