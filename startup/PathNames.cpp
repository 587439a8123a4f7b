// The path-name functions: system directories with their trailing backslash, and the long, properly
// cased form of a path.

#include "Commands.h"
#include "SkipOnFailure.h"

#include <functional>

namespace Commands {
namespace {

constexpr std::uint32_t kCapacity = Kernel32::kBufferCapacity;

using DirectoryService = std::function<Result<std::uint32_t>(char* buffer, std::uint32_t size)>;

// The one algorithm behind GetWindowsDir, GetSystemDir and GetTempDir.
Result<Text> ReadDirectory(Kernel32& kernel32, const DirectoryService& service) {
    std::string buffer(kCapacity, '\0');
    const auto count = service(buffer.data(), kCapacity);
    if (!count)
        return std::unexpected(count.error());
    // A directory that does not fit the buffer comes back as the size it would need; we have no text
    // for it and fail the call.
    if (*count >= kCapacity)
        return Fail(ErrorCode::InvalidArgument);
    Text directory = kernel32.FromNarrow(std::string_view(buffer).substr(0, *count));
    AddBackslash(directory);
    return directory;
}

// Only these five start a capitalised word in the fallback casing.
bool StartsWord(char16_t c) { return c == u' ' || c == u'-' || c == u'(' || c == u'_' || c == u'\\'; }

} // namespace

Result<Text> GetWindowsDir(Kernel32& kernel32) {
    return ReadDirectory(kernel32, [&](char* b, std::uint32_t n) { return kernel32.GetWindowsDirectoryA(b, n); });
}

Result<Text> GetSystemDir(Kernel32& kernel32) {
    return ReadDirectory(kernel32, [&](char* b, std::uint32_t n) { return kernel32.GetSystemDirectoryA(b, n); });
}

Result<Text> GetTempDir(Kernel32& kernel32) {
    return ReadDirectory(kernel32, [&](char* b, std::uint32_t n) { return kernel32.GetTempPathA(n, b); });
}

void AddBackslash(Text& path) {
    if (path.empty() || path.back() != u'\\')
        path.push_back(u'\\');
}

Text GetLongName(Kernel32& kernel32, Text path) {
    Text w = std::move(path);
    std::string buffer(kCapacity, '\0');

    // A path with a NUL in it names no file: the service would see only the part before the NUL, and
    // answer for another path.
    std::uint32_t r = 0;
    const std::string narrow = kernel32.ToNarrow(w);
    if (narrow.find('\0') == std::string::npos)
        SetOrSkip(r, [&] { return kernel32.GetLongPathNameA(narrow.c_str(), buffer.data(), kCapacity); });

    if (r != 0) {
        // The platform's answer, in the platform's letter case, up to its terminating NUL. A long form
        // that did not fit leaves the buffer all NUL, and so the empty text.
        Text answer = kernel32.FromNarrow(buffer);
        const auto nul = answer.find(u'\0');
        return nul == Text::npos ? answer : answer.substr(0, nul);
    }

    // Fallback: proper casing. Looking at the character before position i gives the same answer before
    // and after it was changed, since separators have no case.
    const std::size_t length = w.size();
    for (std::size_t i = 1; i < length; ++i)
        w[i] = StartsWord(w[i - 1]) ? ToUpperChar(w[i]) : ToLowerChar(w[i]);
    if (!w.empty())
        w[0] = ToUpperChar(w[0]);
    return w;
}

} // namespace Commands
