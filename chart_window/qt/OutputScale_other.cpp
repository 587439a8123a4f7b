#include "OutputScale.h"

namespace ChartWindow {

// Built without Wayland's client library, the program cannot ask a compositor, and takes every screen to
// show the window as it was drawn.
std::optional<OutputScale> WaylandOutputScale(const QScreen&) { return std::nullopt; }

} // namespace ChartWindow
