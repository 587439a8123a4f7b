// The Windows services for real (under Wine on the build machine): directories, the code page and the
// arguments.

#include "Commands.h"
#include "NativePlatform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using namespace Commands;

namespace {

template <class Service> Text SystemFolder(Service service) {
    wchar_t buffer[MAX_PATH] = {};
    Text folder(buffer, buffer + service(buffer));
    AddBackslash(folder);
    return folder;
}

TEST(Win32Platform, RecordMatchesTheSystem) {
    auto app = MakeAppObject();
    auto kernel = MakeKernel32();
    Environment env;
    InitEnvironment(env, *app, *kernel);
    InitAppIdentity(env, *kernel);
    EXPECT_EQ(env.AppPath.back(), u'\\');
    EXPECT_EQ(env.AppExeName, u"tonalyx_core_tests");
    EXPECT_EQ(env.WinDir, SystemFolder([](wchar_t* b) { return GetWindowsDirectoryW(b, MAX_PATH); }));
    EXPECT_EQ(env.SysDir, SystemFolder([](wchar_t* b) { return GetSystemDirectoryW(b, MAX_PATH); }));
    EXPECT_EQ(env.TempDir, SystemFolder([](wchar_t* b) { return GetTempPathW(MAX_PATH, b); }));
    EXPECT_EQ(env.WinIniFile, env.WinDir + u"Win.ini");
    // The program file is ".exe" already: its settings file sits beside it.
    EXPECT_EQ(env.IniFile.substr(env.IniFile.size() - 22), u"tonalyx_core_tests.ini");
    // A character the code page lacks goes to the narrow service as "?", which finds no file: the fallback.
    EXPECT_EQ(kernel->ToNarrow(u"\u0416"), "?");
    EXPECT_EQ(GetLongName(*kernel, u"c:\\\u0416urnal\\viewer.exe"), u"C:\\\u0416urnal\\Viewer.exe");
}

TEST(Win32Platform, ArgumentsWithoutTheProgramName) {
    const std::pair<Text, Text> cases[] = {
        {u"tonalyx.exe", u""},
        {u"tonalyx.exe --help  x", u"--help  x"},
        {u"\"C:\\Program Files\\tonalyx.exe\"   \"a b\" c", u"\"a b\" c"},
        {u"\"C:\\unclosed quote", u""},
        {u"", u""},
    };
    for (const auto& [line, arguments] : cases)
        EXPECT_EQ(ArgumentsOf(line), arguments);
}

} // namespace
