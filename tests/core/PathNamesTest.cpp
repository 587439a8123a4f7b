// The path-name functions: directories with one trailing backslash, and the long or properly cased
// form of a path.

#include "Commands.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace Commands;

namespace {

constexpr auto kCapacity = Kernel32::kBufferCapacity;

struct DirectoryCase {
    const char* what;
    Fakes::DirectoryAnswer answer;
    Result<Text> expected;
};

const DirectoryCase kDirectoryCases[] = {
    {"no trailing backslash gets one", {"C:\\WINDOWS"}, Text(u"C:\\WINDOWS\\")},
    {"a trailing backslash stays single", {"C:\\TEMP\\"}, Text(u"C:\\TEMP\\")},
    {"a root stays as it is", {"C:\\"}, Text(u"C:\\")},
    {"a failing service gives one backslash", {"", 0u}, Text(u"\\")},
    {"the longest name that fits", {std::string(kCapacity - 2, 'a') + "\\"}, Text(kCapacity - 2, u'a') + u"\\"},
    {"a name that needs the whole buffer does not fit",
     {std::string(kCapacity, 'a')},
     Fail(ErrorCode::InvalidArgument)},
    {"a missing function fails the call", {"", std::nullopt, true}, Fail(ErrorCode::FunctionNotFound)},
};

// The three directory functions take the same rules, each from its own service.
TEST(DirectoryFunctions, TrailingBackslashAndBufferLimits) {
    using Function = Result<Text> (*)(Kernel32&);
    const std::pair<Fakes::DirectoryAnswer Fakes::Machine::*, Function> functions[] = {
        {&Fakes::Machine::windows, GetWindowsDir},
        {&Fakes::Machine::system, GetSystemDir},
        {&Fakes::Machine::temp, GetTempDir}};
    for (const auto& [service, function] : functions) {
        for (const auto& c : kDirectoryCases) {
            Fakes::Machine kernel;
            kernel.*service = c.answer;
            EXPECT_EQ(function(kernel), c.expected) << c.what;
        }
    }
}

TEST(GetLongName, FallbackCasing) {
    const std::pair<Text, Text> cases[] = {
        {u"c:\\my docs\\a-b_c(d).exe", u"C:\\My Docs\\A-B_C(D).exe"},
        {u"C:\\PROGRAM FILES\\CHART\\VIEWER.EXE", u"C:\\Program Files\\Chart\\Viewer.exe"},
        {u"C:\\A  B\\1ST-TRY.EXE", u"C:\\A  B\\1st-Try.exe"},
        {u"c:\\foo\\bar)baz.exe", u"C:\\Foo\\Bar)baz.exe"},
        {u"d:\\tools\\[old]\\o'neil.exe", u"D:\\Tools\\[old]\\O'neil.exe"},
        {u"x.y.z", u"X.y.z"},
        {u"a", u"A"},
        {u"", u""},
        {u"a:b.C", u"A:b.c"},
    };
    for (const auto& [path, expected] : cases) {
        Fakes::Machine kernel; // knows no path: every one is missing
        EXPECT_EQ(GetLongName(kernel, path), expected);
        kernel.longPathMissing = true; // a system without the service takes the same fallback
        EXPECT_EQ(GetLongName(kernel, path), expected);
    }
}

TEST(GetLongName, ExistingPathTakesThePlatformsLongForm) {
    Fakes::Machine kernel;
    kernel.longForms["C:\\PROGRA~1\\QUENBU~1\\TONALYX.EXE"] = "C:\\Program Files\\Quenbury tools\\TONALYX.exe";
    // The platform's letter case stands; nothing is proper-cased.
    EXPECT_EQ(GetLongName(kernel, u"C:\\PROGRA~1\\QUENBU~1\\TONALYX.EXE"),
              u"C:\\Program Files\\Quenbury tools\\TONALYX.exe");
}

} // namespace
