// The gamma text against an independent reference, over every 16-bit level.

#include "GammaValue.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

using namespace Commands;
using ChartWindow::GetGammaValue;

namespace {

std::string Narrow(const Text& text) { return std::string(text.begin(), text.end()); }

// ln 0.5 / ln(L / 255) in extended precision, written out (an exact -1 is "-1") and cut after four.
std::string Reference(int level) {
    const long double gamma = std::log(0.5L) / std::log(static_cast<long double>(level) / 255.0L);
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.12Lf", gamma);
    std::string text = digits;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text.substr(0, 4);
}

TEST(GetGammaValue, EveryLevelMatchesTheExactValueCut) {
    for (int level = std::numeric_limits<std::int16_t>::min(); level <= std::numeric_limits<std::int16_t>::max();
         ++level) {
        const auto text = GetGammaValue(static_cast<std::int16_t>(level));
        if (level <= 0) {
            ASSERT_EQ(text, Fail(ErrorCode::InvalidArgument)) << level;
        } else if (level == 255) {
            ASSERT_EQ(text, Fail(ErrorCode::DivisionByZero)) << level;
        } else {
            ASSERT_TRUE(text) << level;
            ASSERT_EQ(Narrow(*text), Reference(level)) << level;
        }
    }
}

TEST(GetGammaValue, KnownLevels) {
    const std::pair<int, const char*> cases[] = {
        {1, "0.12"},   {81, "0.60"},  {116, "0.87"}, {127, "0.99"}, {128, "1.00"}, {185, "2.15"},   {191, "2.39"},
        {192, "2.44"}, {193, "2.48"}, {202, "2.97"}, {227, "5.95"}, {237, "9.46"}, {238, "10.0"},   {239, "10.6"},
        {240, "11.4"}, {253, "88.0"}, {254, "176."}, {256, "-177"}, {300, "-4.2"}, {32767, "-0.1"},
    };
    for (const auto& [level, expected] : cases)
        EXPECT_EQ(GetGammaValue(static_cast<std::int16_t>(level)), Text(expected, expected + 4)) << level;
}

TEST(GetGammaValue, CommaLocaleStillWritesAPoint) {
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de-DE", "German_Germany.1252"}) // POSIX, then Windows names
        if (!german)
            german = std::setlocale(LC_ALL, name);
    if (!german)
        GTEST_SKIP() << "de_DE.UTF-8 is not generated on this machine";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5"); // the locale is really in force
    EXPECT_EQ(GetGammaValue(192), Text(u"2.44"));
    std::setlocale(LC_ALL, "C");
}

} // namespace
