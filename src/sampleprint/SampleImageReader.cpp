#include "sampleprint/SampleImageReader.h"

#include <QFile>
#include <QFileInfo>
#include <array>

#include "sampleprint/BmpHeaders.h"

namespace {

// Far above a test image (14.5 MB); a larger file is no test image to print.
constexpr uint64_t kMostPixelBytes = 256ull << 20;

}  // namespace

QImage ReadSampleImage(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (!QFileInfo(name).isFile()) return {};
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::array<char, BmpHeaders::kSize> start{};
    if (file.read(start.data(), start.size()) != static_cast<qint64>(start.size())) return {};
    const auto headers =
        ParseBmpHeaders(std::span(reinterpret_cast<const uint8_t*>(start.data()), start.size()));
    if (!headers || headers->bitCount != 24 || headers->compression != BmpHeaders::kUncompressed ||
        headers->height < 1 || headers->RowSize() == 0)
        return {};
    // The file must hold every row: a size the headers claim never leads to a larger allocation
    // than the file itself.
    if (static_cast<uint64_t>(file.size()) < headers->ExpectedFileSize()) return {};
    const uint64_t total64 = headers->RowSize() * static_cast<uint64_t>(headers->height);
    if (total64 > kMostPixelBytes || !file.seek(headers->dataOffset)) return {};
    const auto total = static_cast<qint64>(total64);
    const QByteArray pixels = file.read(total);
    if (pixels.size() != total) return {};
    // Rows are stored bottom first, in blue, green, red order.
    const QImage bottomUp(reinterpret_cast<const uchar*>(pixels.constData()), headers->width,
                          headers->height, static_cast<qsizetype>(headers->RowSize()),
                          QImage::Format_BGR888);
    // The form the PDF writer takes without converting again.
    QImage image = bottomUp.convertToFormat(QImage::Format_RGB32);
    image.mirror(false, true);
    return image;
}
