#include "platform/PrintCanvas.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <cmath>

#include "platform/Spooler.h"

PrintCanvas::PrintCanvas(Spooler& spooler, std::string printerName, PrintSetup setup)
    : spooler_(spooler), printerName_(std::move(printerName)), setup_(std::move(setup)) {}

PrintCanvas::~PrintCanvas() {
    // A document that was not ended is dropped, not printed.
    if (painter_) painter_->end();
}

int PrintCanvas::HorzRes() const {
    return static_cast<int>(setup_.pageWidthPt * setup_.dpiX / 72.0);
}

double PrintCanvas::Aspect() const {
    return static_cast<double>(setup_.dpiX) / setup_.dpiY;
}

int PrintCanvas::StartDocument(const std::string& name) {
    if (writer_) return -1;
    title_ = name;
    buffer_.setData(QByteArray());
    if (!buffer_.open(QIODevice::WriteOnly)) return -1;
    writer_ = std::make_unique<QPdfWriter>(&buffer_);
    writer_->setTitle(QString::fromStdString(name));
    writer_->setCreator(QStringLiteral("Servato 2"));
    writer_->setResolution(setup_.dpiX);
    // The page keeps the paper's own width and height, whichever is larger.
    const QPageSize size(QSizeF(setup_.pageWidthPt, setup_.pageHeightPt), QPageSize::Point,
                         QString(), QPageSize::ExactMatch);
    writer_->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
    return 1;
}

int PrintCanvas::StartPage() {
    if (!writer_ || pageOpen_) return -1;
    if (pagesStarted_ == 0) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(writer_.get())) return -1;
        // Test pictures must print as they are: no lossy compression.
        painter_->setRenderHint(QPainter::LosslessImageRendering);
    } else if (!writer_->newPage()) {
        return -1;
    }
    ++pagesStarted_;
    pageOpen_ = true;
    return 1;
}

int PrintCanvas::EndPage() {
    if (!pageOpen_) return -1;
    pageOpen_ = false;
    return 1;
}

int PrintCanvas::EndDocument() {
    if (!writer_) return -1;
    pageOpen_ = false;
    const bool drawn = painter_ && painter_->end();
    painter_.reset();
    writer_.reset();
    buffer_.close();
    if (!drawn) return -1;
    const QByteArray& pdf = buffer_.data();
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(pdf.constData()),
                                         static_cast<size_t>(pdf.size()));
    return spooler_.WritePdfJob(printerName_, title_, bytes, setup_.options) == 0 ? 1 : -1;
}

QFont PrintCanvas::WriterFont(const QFont& font) const {
    QFont scaled(font);
    scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * Aspect()))));
    return scaled;
}

QRectF PrintCanvas::WriterRect(const QRect& box) const {
    return QRectF(box.x(), box.y() * Aspect(), box.width(), box.height() * Aspect());
}

int PrintCanvas::TextWidth(const QFont& font, const QString& text) {
    if (!writer_) return 0;
    return QFontMetrics(WriterFont(font), writer_.get()).horizontalAdvance(text);
}

bool PrintCanvas::DrawText(const QRect& box, const QString& text, const QFont& font) {
    if (!pageOpen_) return false;
    painter_->setFont(WriterFont(font));
    painter_->drawText(WriterRect(box),
                       Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine | Qt::TextDontClip,
                       text);
    return true;
}

bool PrintCanvas::DrawImage(const QRect& target, const QImage& image) {
    if (!pageOpen_ || image.isNull() || target.isEmpty()) return false;
    painter_->drawImage(WriterRect(target), image);
    return true;
}
