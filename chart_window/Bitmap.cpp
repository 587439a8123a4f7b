#include "Bitmap.h"

#include <cctype>

namespace ChartWindow {
namespace {

constexpr int kLargestSide = 1 << 14;

// Skips blanks and comments, then reads one decimal number; -1 when there is none.
int ReadNumber(QByteArrayView data, qsizetype& at) {
    while (at < data.size()) {
        if (data[at] == '#') {
            while (at < data.size() && data[at] != '\n')
                ++at;
        } else if (std::isspace(static_cast<unsigned char>(data[at]))) {
            ++at;
        } else {
            break;
        }
    }
    int value = -1;
    while (at < data.size() && std::isdigit(static_cast<unsigned char>(data[at])) && value < kLargestSide)
        value = (value < 0 ? 0 : value * 10) + (data[at++] - '0');
    return value;
}

} // namespace

QImage ReadBitmap(QByteArrayView data) {
    if (!data.startsWith("P4"))
        return {};
    qsizetype at = 2;
    const int width = ReadNumber(data, at);
    const int height = ReadNumber(data, at);
    if (width <= 0 || height <= 0 || width >= kLargestSide || height >= kLargestSide || at >= data.size() ||
        !std::isspace(static_cast<unsigned char>(data[at])))
        return {};
    ++at; // the one blank that ends the header
    const qsizetype rowBytes = (width + 7) / 8;
    if (data.size() - at < rowBytes * height)
        return {};

    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto* bits = reinterpret_cast<const uchar*>(data.data() + at + rowBytes * y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = (bits[x / 8] >> (7 - x % 8)) & 1 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return image;
}

} // namespace ChartWindow
