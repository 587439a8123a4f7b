// The start-up procedure: the order of its steps, the silent end of a second copy, and a start that
// goes on whatever fails.

#include "Commands.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace Commands;

namespace {

struct Start {
    Fakes::Log log;
    Fakes::AppObject app;
    Fakes::Process process;
    Fakes::Kernel32 kernel;
    Environment env;
    Fakes::Toolkit toolkit{env};
    Platform platform{app, process, kernel, toolkit};

    Start() { app.log = process.log = kernel.log = toolkit.log = &log; }
    void Run() { Main(env, platform); }
};

TEST(Main, StepsInTheirOrder) {
    Start s;
    s.process.commandLine = Text(u" --help  chart.png"); // kept as it is: not trimmed or parsed
    s.Run();
    const Fakes::Log expected = {"PrevInstance",        "Path",         "EXEName",          "GetWindowsDirectoryA",
                                 "GetSystemDirectoryA", "GetTempPathA", "GetLongPathNameA", "CommandLine",
                                 "ShowMainWindow"};
    EXPECT_EQ(s.log, expected);
    // The record is complete, title and arguments included, before the window exists.
    ASSERT_TRUE(s.toolkit.shownWith);
    EXPECT_EQ(s.toolkit.shownWith->AppTitle, u"Quenbury Tonalyx");
    EXPECT_EQ(s.toolkit.shownWith->CmdLine, u" --help  chart.png");
    EXPECT_FALSE(s.process.ended);
}

TEST(Main, SecondCopyEndsAtOnceAndSilently) {
    Start s;
    s.app.prevInstance = true;
    s.Run();
    EXPECT_EQ(s.log, (Fakes::Log{"PrevInstance", "End"}));
    EXPECT_TRUE(s.process.ended);
    EXPECT_FALSE(s.toolkit.shownWith);
    EXPECT_EQ(s.env.AppTitle, u"");
}

TEST(Main, UncheckableInstanceFlagStartsNormally) {
    Start s;
    s.app.prevInstance = Fail(ErrorCode::InvalidArgument);
    s.Run();
    EXPECT_FALSE(s.process.ended);
    EXPECT_TRUE(s.toolkit.shownWith);
}

TEST(Main, StartGoesOnWhateverFails) {
    Start s;
    s.app.path = Fail(ErrorCode::InvalidArgument);
    s.app.exeName = Fail(ErrorCode::InvalidArgument);
    s.kernel.windows.missing = s.kernel.system.missing = s.kernel.temp.missing = s.kernel.longPathMissing = true;
    s.process.commandLine = Fail(ErrorCode::InvalidArgument);
    s.toolkit.answer = Fail(ErrorCode::InvalidArgument);
    s.Run(); // returns, no exception, no end
    EXPECT_TRUE(s.toolkit.shownWith);
    EXPECT_EQ(s.env.AppTitle, u"Quenbury Tonalyx");
    EXPECT_EQ(s.env.AppPath, u"\\");
    EXPECT_EQ(s.env.IniFile, u"\\.ini");
    EXPECT_EQ(s.env.WinIniFile, u"Win.ini");
    EXPECT_EQ(s.env.CmdLine, u"");
}

} // namespace
