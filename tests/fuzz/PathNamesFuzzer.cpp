// The path-name functions over arbitrary paths and arbitrary answers of the kernel's services. The first
// byte chooses the services: missing, knowing no path, or knowing the path; the rest is both the path,
// as 16-bit units, and what the services answer, as the C string they write.

#include "../core/Fakes.h"
#include "Properties.h"

#include <algorithm>

using namespace Commands;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string answer(rest.substr(0, rest.find('\0')));
    const Text path = Fuzz::Units(rest);
    enum { kMissing, kUnknown, kKnown } const services = static_cast<decltype(kMissing)>(data[0] % 3);
    Fakes::Machine kernel;
    kernel.windows = kernel.system = kernel.temp = services == kMissing ? std::nullopt : std::optional(answer);
    kernel.longPathMissing = services == kMissing;
    const std::string narrow = ToNarrow(path);
    if (services == kKnown) // the path, and the one its C string names: what comes before a NUL
        kernel.longForms[narrow] = kernel.longForms[narrow.substr(0, narrow.find('\0'))] = answer;

    // A directory that fits comes back whole with one trailing backslash; one that does not, fails.
    const Result<Text> directory = GetTempDir(kernel);
    FUZZ_CHECK(GetWindowsDir(kernel) == directory && GetSystemDir(kernel) == directory);
    if (services == kMissing)
        FUZZ_CHECK(directory == Fail(ErrorCode::FunctionNotFound));
    else if (answer.size() >= Kernel32::kBufferCapacity)
        FUZZ_CHECK(directory == Fail(ErrorCode::InvalidArgument));
    else
        FUZZ_CHECK(directory == FromNarrow(answer) + u"\\" ||
                   (answer.ends_with('\\') && directory == FromNarrow(answer)));

    // A known path is the service's long form, or nothing where that does not fit; an empty one is the
    // count 0, not found. A path with a NUL is never known.
    const Text longName = GetLongName(kernel, path);
    if (services == kKnown && !answer.empty() && !narrow.contains('\0')) {
        FUZZ_CHECK(longName == (answer.size() < Kernel32::kBufferCapacity ? FromNarrow(answer) : Text()));
        return 0;
    }
    // Else proper casing: every unit in its place, a capital at the start and after each separator, and
    // names that differ only in case alike.
    FUZZ_CHECK(longName.size() == path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const bool capital = i == 0 || std::u16string_view(u" -(_\\").contains(path[i - 1]);
        FUZZ_CHECK(longName[i] == (capital ? ToUpperChar(path[i]) : ToLowerChar(path[i])));
    }
    Text shouted = path;
    std::transform(path.begin(), path.end(), shouted.begin(), [](char16_t c) { return c < 128 ? ToUpperChar(c) : c; });
    FUZZ_CHECK(GetLongName(kernel, shouted) == longName);
    return 0;
}
