#include "GammaValue.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace ChartWindow {

using Commands::ErrorCode;
using Commands::Fail;

namespace {
constexpr double kWhite = 255.0;
constexpr std::uint64_t kSevenDigits = 10'000'000; // a single-precision value is written with seven
constexpr int kMostDecimals = 9;                   // for magnitudes down to 0.001
constexpr std::size_t kTextLength = 4;

// A value as printf's "%.7g" writes it, for magnitudes from 0.001 up to 10^7: correctly rounded to
// seven significant digits (half to even), no exponent, trailing zeros dropped, "." whatever the locale.
// The float's binary value m * 2^-shift is scaled by a power of ten in integers, so nothing is rounded
// on the way. (std::to_chars writes the same, but brings the tables of every floating type, most of
// the Windows program's size.)
std::string GeneralDigits(float value) {
    int exponent = 0;
    const auto m = static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(value), &exponent), 24));
    const int shift = 24 - exponent; // 0 to 33 in that range
    std::uint64_t digits = 0;
    int decimals = kMostDecimals + 1;
    do { // the most decimals that still leave seven digits
        --decimals;
        std::uint64_t scaled = m;
        for (int i = 0; i < decimals; ++i)
            scaled *= 10;
        const std::uint64_t rest = shift > 0 ? scaled & ((std::uint64_t{1} << shift) - 1) : 0;
        const std::uint64_t half = shift > 0 ? std::uint64_t{1} << (shift - 1) : 1;
        digits = (scaled >> shift) + (rest > half || (rest == half && ((scaled >> shift) & 1)));
    } while (digits >= kSevenDigits && decimals > 0);

    const std::string number = std::to_string(digits);
    std::string text = value < 0 ? "-" : "";
    if (decimals == 0)
        return text + number;
    const int whole = static_cast<int>(number.size()) - decimals; // 0 or less below 1
    text.append(whole > 0 ? number.substr(0, whole) : "0").append(".").append(std::max(0, -whole), '0');
    text.append(number.substr(std::max(0, whole)));
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}
} // namespace

Commands::Result<Commands::Text> GetGammaValue(std::int16_t iCol) {
    const double ratio = static_cast<double>(iCol) / kWhite;
    if (ratio <= 0.0)
        return Fail(ErrorCode::InvalidArgument);
    const double logRatio = std::log(ratio);
    if (logRatio == 0.0)
        return Fail(ErrorCode::DivisionByZero);
    const auto gamma = static_cast<float>(std::log(0.5) / logRatio);

    // Seven significant digits, cut (not rounded) to four characters. Every 16-bit level gives a magnitude
    // between 0.1 and 1000.
    const std::string digits = GeneralDigits(gamma);
    return Commands::Text(digits.begin(), digits.begin() + std::min(digits.size(), kTextLength));
}

} // namespace ChartWindow
