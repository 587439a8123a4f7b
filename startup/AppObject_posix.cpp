// The application object on POSIX: the program file is the running executable.

#include "NativePlatform.h"
#include "SingleInstance.h"

#include <climits>
#include <string>
#include <unistd.h>

namespace Commands {
namespace {

Result<std::string> ExecutablePath() {
    std::string path(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= path.size())
        return Fail(ErrorCode::InvalidArgument);
    path.resize(static_cast<std::size_t>(n));
    return path;
}

class PosixAppObject final : public AppObject {
  public:
    Result<bool> PrevInstance() override { return TakeSingleInstanceLock(); }

    Result<Text> Path() override {
        const auto exe = ExecutablePath();
        if (!exe)
            return std::unexpected(exe.error());
        const auto slash = exe->rfind('/');
        return FromNarrow(slash == 0 ? std::string("/") : exe->substr(0, slash));
    }

    Result<Text> EXEName() override {
        const auto exe = ExecutablePath();
        if (!exe)
            return std::unexpected(exe.error());
        std::string name = exe->substr(exe->rfind('/') + 1);
        if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0)
            name.resize(dot);
        return FromNarrow(name);
    }
};

} // namespace

std::unique_ptr<AppObject> MakeAppObject() { return std::make_unique<PosixAppObject>(); }

} // namespace Commands
