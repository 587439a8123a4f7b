#pragma once
// The reference chart: sixteen patches for the gammas 1.0 to 4.0 in steps of 0.2. Each level is close to
// 255 x 0.5^(1/g), the gray that a display of gamma g shows at half of white's intensity, like the
// line field. No single rounding rule gives all sixteen, so they are kept as measured, not computed.

#include <array>
#include <cstdint>

namespace ChartWindow {

inline constexpr int kPatchCount = 16;

inline constexpr std::array<std::uint8_t, kPatchCount> kPatchLevels = {128, 143, 156, 165, 174, 181, 186, 191,
                                                                       195, 199, 203, 206, 208, 211, 213, 215};

// The slider's starting level, which the swatches show from the start.
inline constexpr int kStartLevel = 192;

} // namespace ChartWindow
