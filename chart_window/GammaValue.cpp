#include "GammaValue.h"

#include <charconv>
#include <cmath>

namespace ChartWindow {

using Commands::ErrorCode;
using Commands::Fail;

namespace {
constexpr double kWhite = 255.0;
constexpr int kSignificantDigits = 7; // what a single-precision value is written with
constexpr std::size_t kTextLength = 4;
} // namespace

Commands::Result<Commands::Text> GetGammaValue(std::int16_t iCol) {
    const double ratio = static_cast<double>(iCol) / kWhite;
    if (ratio <= 0.0)
        return Fail(ErrorCode::InvalidArgument);
    const double logRatio = std::log(ratio);
    if (logRatio == 0.0)
        return Fail(ErrorCode::DivisionByZero);
    const auto gamma = static_cast<float>(std::log(0.5) / logRatio);

    // Seven significant digits, trailing zeros dropped, "." whatever the locale. Every 16-bit level
    // gives a magnitude between 0.1 and 1000, which the general format writes without an exponent.
    char digits[32];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), static_cast<double>(gamma),
                                       std::chars_format::general, kSignificantDigits);
    const std::size_t length = std::min<std::size_t>(written.ptr - digits, kTextLength); // cut, not rounded
    return Commands::Text(digits, digits + length);
}

} // namespace ChartWindow
