// Skip-on-failure: a failed statement leaves its target as it was.

#include "SkipOnFailure.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

using namespace Commands;

namespace {

TEST(SkipOnFailure, SetsOnlyOnSuccess) {
    std::string target = "before";
    SetOrSkip(target, []() -> Result<std::string> { return Fail(ErrorCode::InvalidArgument); });
    EXPECT_EQ(target, "before");
    SetOrSkip(target, []() -> Result<std::string> { throw std::bad_alloc(); });
    EXPECT_EQ(target, "before");
    SetOrSkip(target, []() -> std::string { throw std::runtime_error("no"); });
    EXPECT_EQ(target, "before");
    SetOrSkip(target, []() -> Result<std::string> { return "after"; });
    EXPECT_EQ(target, "after");
    SetOrSkip(target, [] { return std::string("plain"); });
    EXPECT_EQ(target, "plain");
}

TEST(SkipOnFailure, RunGoesOnAfterAFailure) {
    int done = 0;
    RunOrSkip([&]() -> Result<void> { return Fail(ErrorCode::DivisionByZero); });
    RunOrSkip([&]() -> void { throw std::runtime_error("no"); });
    RunOrSkip([&] { ++done; });
    EXPECT_EQ(done, 1);
}

} // namespace
