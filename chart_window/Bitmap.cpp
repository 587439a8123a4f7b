#include "Bitmap.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace ChartWindow {
namespace {

constexpr int kLargestSide = 1 << 14;

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// Skips blanks and comments, then reads one decimal number; -1 when there is none.
int ReadNumber(std::string_view data, std::size_t& at) {
    while (at < data.size() && (data[at] == '#' || IsBlank(data[at]))) {
        if (data[at] == '#')
            at = std::min(data.find('\n', at), data.size());
        else
            ++at;
    }
    int value = -1;
    while (at < data.size() && std::isdigit(static_cast<unsigned char>(data[at])) && value < kLargestSide)
        value = (value < 0 ? 0 : value * 10) + (data[at++] - '0');
    return value;
}

// The smallest step after which the picture repeats itself down its rows (vertical) or along them.
int RepeatStep(const Bitmap& picture, bool vertical) {
    const int length = vertical ? picture.height : picture.width;
    const int across = vertical ? picture.width : picture.height;
    for (int step = 1; step < length; ++step) {
        bool repeats = true;
        for (int i = 0; repeats && i + step < length; ++i)
            for (int j = 0; repeats && j < across; ++j)
                repeats = vertical ? picture.Black(j, i) == picture.Black(j, i + step)
                                   : picture.Black(i, j) == picture.Black(i + step, j);
        if (repeats)
            return step;
    }
    return length;
}

} // namespace

Bitmap ReadBitmap(std::string_view data) {
    if (!data.starts_with("P4"))
        return {};
    std::size_t at = 2;
    const int width = ReadNumber(data, at);
    const int height = ReadNumber(data, at);
    if (width <= 0 || height <= 0 || width >= kLargestSide || height >= kLargestSide || at >= data.size() ||
        !IsBlank(data[at]))
        return {};
    ++at; // the one blank that ends the header
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
    if (data.size() - at < rowBytes * height)
        return {};

    Bitmap picture{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const auto* bits = reinterpret_cast<const unsigned char*>(data.data() + at + rowBytes * y);
        for (int x = 0; x < width; ++x)
            picture.black[static_cast<std::size_t>(y) * width + x] = (bits[x / 8] >> (7 - x % 8)) & 1;
    }
    return picture;
}

Bitmap AtDensity(const Bitmap& picture, double ratio) {
    if (ratio == 1.0 || picture.IsNull())
        return picture;
    return AtDeviceSize(picture, static_cast<int>(std::lround(picture.width * ratio)),
                        static_cast<int>(std::lround(picture.height * ratio)));
}

Bitmap AtDeviceSize(const Bitmap& picture, int width, int height) {
    if (picture.IsNull() || width <= 0 || height <= 0)
        return {};
    const int stepX = RepeatStep(picture, false), stepY = RepeatStep(picture, true);
    Bitmap device{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            device.black[static_cast<std::size_t>(y) * width + x] = picture.Black(x % stepX, y % stepY);
    return device;
}

} // namespace ChartWindow
