// The POSIX services: the stand-ins for the Windows ones and the locale's narrow encoding.

#include "Commands.h"
#include "NativePlatform.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

using namespace Commands;

namespace {

TEST(NarrowText, Utf8Locale) {
    if (!std::setlocale(LC_ALL, "C.UTF-8"))
        GTEST_SKIP() << "no C.UTF-8 locale";
    const Text word = u"Gr\u00fc\u00dfe \u0416 \U0001F600";
    EXPECT_EQ(FromNarrow(ToNarrow(word)), word);
    EXPECT_EQ(ToNarrow(u"\u00e4"), "\xc3\xa4");
    // Bytes that are no character each become U+FFFD; an embedded NUL stays a character.
    EXPECT_EQ(FromNarrow(std::string_view("a\xff\xc3z\0b", 6)), Text(u"a\uFFFD\uFFFDz\0b", 6));
    std::setlocale(LC_ALL, "C");
}

TEST(PosixServices, ArgumentsJoinedByBlanks) {
    char program[] = "tonalyx", a[] = "--help", b[] = "two words", c[] = "";
    char* argv[] = {program, a, b, c, nullptr};
    EXPECT_EQ(MakeProcess(4, argv)->CommandLine(), Text(u"--help two words "));
    EXPECT_EQ(MakeProcess(1, argv)->CommandLine(), Text(u""));
}

TEST(PosixServices, StandIns) {
    auto kernel = MakeKernel32();
    char buffer[Kernel32::kBufferCapacity] = {};
    ::setenv("TMPDIR", "/no/such/folder", 1);
    EXPECT_EQ(GetTempDir(*kernel), Text(u"/no/such/folder\\"));
    ::unsetenv("TMPDIR");
    EXPECT_EQ(GetTempDir(*kernel), Text(u"/tmp\\"));
    EXPECT_EQ(GetWindowsDir(*kernel), Text(u"/etc\\"));
    // An existing path is its own long form; a missing one fails.
    EXPECT_EQ(kernel->GetLongPathNameA("/etc", buffer, sizeof buffer), 4u);
    EXPECT_STREQ(buffer, "/etc");
    EXPECT_EQ(kernel->GetLongPathNameA("/no/such/file", buffer, sizeof buffer), 0u);
    EXPECT_EQ(GetLongName(*kernel, u"/etc"), u"/etc");
}

} // namespace
