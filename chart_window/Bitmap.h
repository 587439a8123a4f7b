#pragma once
// Two-colour pictures stored as binary PBM (P4): a header "P4", width, height, then one bit a pixel,
// 1 for black, rows padded to whole bytes. Read here directly, the same for every front end: a
// toolkit's image readers cost more than the whole picture.

#include <cstdint>
#include <string_view>
#include <vector>

namespace ChartWindow {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> black; // one a pixel, row by row: 1 for black, 0 for white

    bool IsNull() const { return width == 0; }
    bool Black(int x, int y) const { return black[static_cast<std::size_t>(y) * width + x] != 0; }
};

// The picture, or a null bitmap when the data is no complete P4 bitmap.
Bitmap ReadBitmap(std::string_view data);

// The picture for a screen with `ratio` device pixels to a logical one: still one picture pixel on one
// device pixel, its repeating pattern continued over the area it covers at 96 dpi. So a line field
// stays single rows of white and black; scaled, it would turn into wider rows or a gray blur.
Bitmap AtDensity(const Bitmap& picture, double ratio);
// The same continued pattern over an area of `width` x `height` device pixels, as a browser measures it.
Bitmap AtDeviceSize(const Bitmap& picture, int width, int height);

} // namespace ChartWindow
