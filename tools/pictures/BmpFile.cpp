#include "BmpFile.h"

#include <QFile>
#include <QtEndian>
#include <array>
#include <vector>

namespace {

constexpr int kHeaderSize = 54;
constexpr int kPixelsPerMetre = 14173;  // 360 an inch

template <typename T>
void Put(std::array<uchar, kHeaderSize>& header, int at, T value) {
    qToLittleEndian(value, header.data() + at);
}

}  // namespace

bool WriteBmp24(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int rowSize = (rgb.width() * 3 + 3) / 4 * 4;
    const quint32 pixelBytes = static_cast<quint32>(rowSize) * static_cast<quint32>(rgb.height());
    std::array<uchar, kHeaderSize> header{'B', 'M'};
    Put<quint32>(header, 2, kHeaderSize + pixelBytes);
    Put<quint32>(header, 10, kHeaderSize);
    Put<quint32>(header, 14, 40);
    Put<qint32>(header, 18, rgb.width());
    Put<qint32>(header, 22, rgb.height());
    Put<quint16>(header, 26, 1);
    Put<quint16>(header, 28, 24);
    Put<quint32>(header, 34, pixelBytes);
    Put<qint32>(header, 38, kPixelsPerMetre);
    Put<qint32>(header, 42, kPixelsPerMetre);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    if (file.write(reinterpret_cast<const char*>(header.data()), kHeaderSize) != kHeaderSize)
        return false;
    std::vector<char> row(static_cast<size_t>(rowSize), 0);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* source = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            row[static_cast<size_t>(x) * 3] = static_cast<char>(source[x * 3 + 2]);
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<char>(source[x * 3 + 1]);
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<char>(source[x * 3]);
        }
        if (file.write(row.data(), rowSize) != rowSize) return false;
    }
    return file.flush();
}
