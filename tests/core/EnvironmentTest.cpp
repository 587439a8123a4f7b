// Filling the environment record: which field comes from where, and what a failure leaves behind.

#include "Commands.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace Commands;

namespace {

struct Machine {
    Fakes::AppObject app;
    Fakes::Kernel32 kernel;
    Environment env;

    Environment& Start() {
        InitEnvironment(env, app, kernel);
        InitAppIdentity(env, kernel);
        return env;
    }
};

TEST(Environment, ProgramStartedThroughItsLongPath) {
    Machine m;
    m.kernel.longForms["C:\\Tools\\Viewer.exe"] = "C:\\Tools\\Viewer.exe";
    const Environment& env = m.Start();
    EXPECT_EQ(env.AppPath, u"C:\\Tools\\");
    EXPECT_EQ(env.AppExeName, u"Viewer");
    EXPECT_EQ(env.AppTitle, u"Quenbury Tonalyx");
    EXPECT_EQ(env.IniFile, u"C:\\Tools\\Viewer.ini");
    EXPECT_EQ(env.WinDir, u"C:\\WINDOWS\\");
    EXPECT_EQ(env.SysDir, u"C:\\WINDOWS\\system32\\");
    EXPECT_EQ(env.TempDir, u"C:\\TEMP\\");
    EXPECT_EQ(env.WinIniFile, u"C:\\WINDOWS\\Win.ini");
    ASSERT_EQ(env.CrLf.size(), 2u);
    EXPECT_EQ(env.CrLf[0], 13);
    EXPECT_EQ(env.CrLf[1], 10);
    EXPECT_EQ(env.CmdLine, u"");
}

TEST(Environment, FailuresLeaveTheirFieldAndTheRestGoesOn) {
    struct Case {
        const char* what;
        void (*set)(Machine&);
        Text Environment::*field;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"Windows directory service fails",
         [](Machine& m) {
             m.kernel.windows = {"", 0u};
         },
         &Environment::WinIniFile, u"\\Win.ini"},
        {"system directory missing", [](Machine& m) { m.kernel.system.missing = true; }, &Environment::SysDir, u""},
        {"long form too long for the buffer",
         [](Machine& m) { m.kernel.longForms["C:\\Tools\\Viewer.exe"] = std::string(300, 'x'); }, &Environment::IniFile,
         u""},
        {"long form of two characters", [](Machine& m) { m.kernel.longForms["C:\\Tools\\Viewer.exe"] = "C:"; },
         &Environment::IniFile, u""},
        {"long form of exactly three characters",
         [](Machine& m) { m.kernel.longForms["C:\\Tools\\Viewer.exe"] = "exe"; }, &Environment::IniFile, u"ini"},
    };
    for (const auto& c : cases) {
        Machine m;
        c.set(m);
        EXPECT_EQ(m.Start().*c.field, c.expected) << c.what;
        // The statements after the failing one still ran.
        EXPECT_EQ(m.env.TempDir, u"C:\\TEMP\\") << c.what;
        EXPECT_EQ(m.env.CrLf, u"\r\n") << c.what;
        EXPECT_EQ(m.env.AppTitle, u"Quenbury Tonalyx") << c.what;
    }
}

TEST(Environment, ExtensionIsAlwaysExe) {
    Machine m;
    m.app.exeName = Text(u"tonalyx"); // a program file without ".exe" still names the settings after ".exe"
    m.app.path = Text(u"/opt/tonalyx");
    EXPECT_EQ(m.Start().IniFile, u"/opt/tonalyx\\Tonalyx.ini");
    EXPECT_EQ(m.kernel.lastLongPathQuery, "/opt/tonalyx\\tonalyx.exe");
}

} // namespace
