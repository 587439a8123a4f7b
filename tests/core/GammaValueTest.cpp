// The gamma text: cut, not rounded, and the levels that fail.

#include "GammaValue.h"

#include <gtest/gtest.h>

#include <string>

using namespace Commands;
using ChartWindow::GetGammaValue;

namespace {

Result<Text> Expected(const char* text) { return Text(text, text + std::char_traits<char>::length(text)); }

TEST(GetGammaValue, Levels) {
    const std::pair<int, Result<Text>> cases[] = {
        // 116 is the closest case: its gamma 0.879993 lies 7 millionths below 0.88.
        {1, Expected("0.12")},    {81, Expected("0.60")},   {116, Expected("0.87")},  {127, Expected("0.99")},
        {128, Expected("1.00")},  {185, Expected("2.15")},  {192, Expected("2.44")},  {193, Expected("2.48")},
        {227, Expected("5.95")},  {237, Expected("9.46")},  {238, Expected("10.0")},  {253, Expected("88.0")},
        {254, Expected("176.")},  {256, Expected("-177")},  {300, Expected("-4.2")},  {32767, Expected("-0.1")},
        {0, Fail(ErrorCode::InvalidArgument)},    {-1, Fail(ErrorCode::InvalidArgument)},
        {-32768, Fail(ErrorCode::InvalidArgument)}, {255, Fail(ErrorCode::DivisionByZero)},
    };
    for (const auto& [level, expected] : cases)
        EXPECT_EQ(GetGammaValue(static_cast<std::int16_t>(level)), expected) << level;
}

} // namespace
