// The gamma text: cut, not rounded, at every level, and the levels that fail.

#include "GammaValue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

using namespace Commands;
using ChartWindow::GetGammaValue;

namespace {

TEST(GetGammaValue, Levels) {
    const std::pair<int, Result<Text>> cases[] = {
        // 116 is the closest case: its gamma 0.879993 lies 7 millionths below 0.88.
        {81, Text(u"0.60")},
        {116, Text(u"0.87")},
        {128, Text(u"1.00")},
        {192, Text(u"2.44")},
        {237, Text(u"9.46")},
        {238, Text(u"10.0")},
        {254, Text(u"176.")},
        {256, Text(u"-177")},
        {32767, Text(u"-0.1")},
        {0, Fail(ErrorCode::InvalidArgument)},
        {-1, Fail(ErrorCode::InvalidArgument)},
        {255, Fail(ErrorCode::DivisionByZero)},
    };
    for (const auto& [level, expected] : cases)
        EXPECT_EQ(GetGammaValue(static_cast<std::int16_t>(level)), expected) << level;
}

// Every level's text is what the standard library writes, seven significant digits, cut to four.
TEST(GetGammaValue, EveryLevelAsTheStandardLibraryWritesIt) {
    for (int level = 1; level <= INT16_MAX; ++level) {
        if (level == 255)
            continue;
        const auto gamma = static_cast<float>(std::log(0.5) / std::log(level / 255.0));
        char text[32];
        const auto end = std::to_chars(text, std::end(text), double(gamma), std::chars_format::general, 7).ptr;
        EXPECT_EQ(GetGammaValue(static_cast<std::int16_t>(level)), Text(text, std::min(end, text + 4))) << level;
    }
}

} // namespace
