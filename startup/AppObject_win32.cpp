// The application object on Windows: the program file is the module that started the process.

#include "NativePlatform.h"
#include "SingleInstance.h"

#include <windows.h>

namespace Commands {
namespace {

constexpr DWORD kLongestModulePath = 32768;

Result<Text> ModulePath() {
    std::wstring path(kLongestModulePath, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), kLongestModulePath);
    if (n == 0 || n >= kLongestModulePath)
        return Fail(ErrorCode::InvalidArgument);
    return Text(reinterpret_cast<const char16_t*>(path.data()), n);
}

class Win32AppObject final : public AppObject {
  public:
    Result<bool> PrevInstance() override { return TakeSingleInstanceLock(); }

    Result<Text> Path() override {
        auto path = ModulePath();
        if (path)
            path->resize(path->find_last_of(u"\\/")); // the folder, without its last backslash
        return path;
    }

    Result<Text> EXEName() override {
        auto path = ModulePath();
        if (!path)
            return path;
        Text name = path->substr(path->find_last_of(u"\\/") + 1);
        if (const auto dot = name.rfind(u'.'); dot != Text::npos && dot > 0)
            name.resize(dot);
        return name;
    }
};

} // namespace

std::unique_ptr<AppObject> MakeAppObject() { return std::make_unique<Win32AppObject>(); }

} // namespace Commands
