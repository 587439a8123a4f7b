#pragma once
// What a Wayland compositor tells of the output a window is on beyond what Qt passes on: the output's own
// scale, and whether the compositor is one that blends a window's buffer at a fractional scale even where
// the buffer was drawn at that scale's density.

#include <optional>

class QScreen;

namespace ChartWindow {

struct OutputScale {
    double scale = 1; // device pixels to a logical pixel
    bool blendsFractionalScale = false;
};

// Nothing outside Wayland, or where the compositor does not answer.
std::optional<OutputScale> WaylandOutputScale(const QScreen& screen);

} // namespace ChartWindow
