// The POSIX stand-ins for the Windows services. (The narrow encoding and the argument text are fuzzed.)

#include "Commands.h"
#include "NativePlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Commands;

namespace {

TEST(PosixServices, StandIns) {
    auto kernel = MakeKernel32();
    char buffer[Kernel32::kBufferCapacity] = {};
    ::unsetenv("TMPDIR"); // a TMPDIR that is set, and the other folders, are fuzzed
    EXPECT_EQ(GetTempDir(*kernel), Text(u"/tmp\\"));
    // An existing path is its own long form; a missing one fails.
    EXPECT_EQ(kernel->GetLongPathNameA("/etc", buffer, sizeof buffer), 4u);
    EXPECT_STREQ(buffer, "/etc");
    EXPECT_EQ(kernel->GetLongPathNameA("/no/such/file", buffer, sizeof buffer), 0u);
    EXPECT_EQ(GetLongName(*kernel, u"/etc"), u"/etc");
}

} // namespace
