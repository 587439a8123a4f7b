// The start-up procedure: its steps in order, the environment record field by field, and a start that goes
// on whatever fails. (A second copy's silent end is the end-to-end case "one copy only"; what holds of the
// record after any start is fuzzed.)

#include "Commands.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace Commands;

namespace {

const auto kFails = Fail(ErrorCode::InvalidArgument);

TEST(Main, StepsInTheirOrderAndTheRecordBeforeTheWindow) {
    Fakes::Machine m;
    m.longForms["C:\\Tools\\Viewer.exe"] = "C:\\Tools\\Viewer.exe";
    m.commandLine = Text(u" --help  chart.png"); // kept as it is: not trimmed or parsed
    Main(m.env, m.platform);
    const Fakes::Log steps = {"PrevInstance",        "Path",         "EXEName",          "GetWindowsDirectoryA",
                              "GetSystemDirectoryA", "GetTempPathA", "GetLongPathNameA", "CommandLine",
                              "ShowMainWindow"};
    EXPECT_EQ(m.log, steps);
    ASSERT_TRUE(m.shownWith);
    const Environment& env = *m.shownWith;
    EXPECT_EQ(env.AppPath, u"C:\\Tools\\");
    EXPECT_EQ(env.AppExeName, u"Viewer");
    EXPECT_EQ(env.IniFile, u"C:\\Tools\\Viewer.ini");
    EXPECT_EQ(env.WinDir, u"C:\\WINDOWS\\");
    EXPECT_EQ(env.SysDir, u"C:\\WINDOWS\\system32\\");
    EXPECT_EQ(env.TempDir, u"C:\\TEMP\\");
    EXPECT_EQ(env.CmdLine, u" --help  chart.png");
    EXPECT_FALSE(m.ended);
}

// A failing step leaves its field as the rule gives it; the steps after it still run.
TEST(Main, FailuresLeaveTheirFieldAndTheStartGoesOn) {
    struct Case {
        const char* what;
        void (*set)(Fakes::Machine&);
        Text Environment::*field;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {"uncheckable instance flag", [](Fakes::Machine& m) { m.prevInstance = kFails; }, &Environment::AppPath,
         u"C:\\Tools\\"},
        {"no program folder", [](Fakes::Machine& m) { m.path = kFails; }, &Environment::AppPath, u"\\"},
        {"no program name", [](Fakes::Machine& m) { m.exeName = kFails; }, &Environment::IniFile, u"C:\\Tools\\.ini"},
        {"Windows directory missing", [](Fakes::Machine& m) { m.windows.reset(); }, &Environment::WinIniFile,
         u"Win.ini"},
        {"long form too long", [](Fakes::Machine& m) { m.longForms["C:\\Tools\\Viewer.exe"] = std::string(300, 'x'); },
         &Environment::IniFile, u""},
        {"long form of two characters", [](Fakes::Machine& m) { m.longForms["C:\\Tools\\Viewer.exe"] = "C:"; },
         &Environment::IniFile, u""},
        {"long form of three characters", [](Fakes::Machine& m) { m.longForms["C:\\Tools\\Viewer.exe"] = "exe"; },
         &Environment::IniFile, u"ini"},
        {"no argument text", [](Fakes::Machine& m) { m.commandLine = kFails; }, &Environment::CmdLine, u""},
        // A program file without ".exe", as on POSIX, still names its settings file after ".exe".
        {"no extension", [](Fakes::Machine& m) { m.exeName = Text(u"tonalyx"); }, &Environment::IniFile,
         u"C:\\Tools\\Tonalyx.ini"},
        // A NUL ends the path the narrow service sees: the name names no file, not the one before the NUL.
        {"a NUL in the program's name",
         [](Fakes::Machine& m) { m.exeName = Text(u"Vie\0wer", 7), m.longForms["C:\\Tools\\Vie"] = "C:\\Tools\\Vie"; },
         &Environment::IniFile, std::u16string_view(u"C:\\Tools\\Vie\0wer.ini", 20)},
        {"the window fails", [](Fakes::Machine& m) { m.showAnswer = kFails; }, &Environment::AppTitle,
         u"Quenbury Tonalyx"},
    };
    for (const auto& c : cases) {
        Fakes::Machine m;
        c.set(m);
        Main(m.env, m.platform);
        EXPECT_EQ(m.env.*c.field, c.expected) << c.what;
        EXPECT_EQ(m.env.TempDir, u"C:\\TEMP\\") << c.what;
        EXPECT_TRUE(m.shownWith) << c.what;
        EXPECT_FALSE(m.ended) << c.what;
    }
}

} // namespace
