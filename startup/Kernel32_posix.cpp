// Stand-ins for the Windows kernel services on POSIX, which has no such notions:
//   Windows directory  -> /etc      (system-wide settings, where Win.ini would live)
//   system directory   -> /usr/lib  (the system's shared libraries)
//   temporary folder   -> $TMPDIR when set and not empty, else /tmp, as POSIX tools do
//   long path name     -> an existing path is its own long form; a missing one fails (0)
// They keep the services' buffer contract: the text and a NUL when it fits, else the size it needs.

#include "NativePlatform.h"

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace Commands {
namespace {

std::uint32_t Answer(std::string_view text, char* buffer, std::uint32_t size) {
    const auto needed = static_cast<std::uint32_t>(text.size() + 1);
    if (needed > size)
        return needed;
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return static_cast<std::uint32_t>(text.size());
}

class PosixKernel32 final : public Kernel32 {
  public:
    Result<std::uint32_t> GetWindowsDirectoryA(char* buffer, std::uint32_t size) override {
        return Answer("/etc", buffer, size);
    }
    Result<std::uint32_t> GetSystemDirectoryA(char* buffer, std::uint32_t size) override {
        return Answer("/usr/lib", buffer, size);
    }
    Result<std::uint32_t> GetTempPathA(std::uint32_t size, char* buffer) override {
        const char* tmpdir = std::getenv("TMPDIR");
        return Answer(tmpdir && *tmpdir ? tmpdir : "/tmp", buffer, size);
    }
    Result<std::uint32_t> GetLongPathNameA(const char* path, char* buffer, std::uint32_t size) override {
        struct stat info {};
        if (::stat(path, &info) != 0)
            return 0u;
        return Answer(path, buffer, size);
    }
    std::string ToNarrow(const Text& text) override { return Commands::ToNarrow(text); }
    Text FromNarrow(std::string_view narrow) override { return Commands::FromNarrow(narrow); }
};

} // namespace

std::unique_ptr<Kernel32> MakeKernel32() { return std::make_unique<PosixKernel32>(); }

} // namespace Commands
