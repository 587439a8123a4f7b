// The kernel services, each bound by library and function name at its first call and kept for later
// calls. A system that lacks one fails only the statement that calls it.

#include "NativePlatform.h"

#include <windows.h>

namespace Commands {
namespace {

using DirectoryFunction = UINT(WINAPI*)(LPSTR, UINT);
using TempPathFunction = DWORD(WINAPI*)(DWORD, LPSTR);
using LongPathFunction = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);

template <class Function> class Bound {
  public:
    explicit Bound(const char* name) : name_(name) {}

    Function Get() {
        if (!looked_up_) {
            looked_up_ = true;
            if (const HMODULE kernel = LoadLibraryA("kernel32"))
                address_ = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel, name_)));
        }
        return address_;
    }

  private:
    const char* name_;
    bool looked_up_ = false;
    Function address_ = nullptr;
};

// Calls a bound service, or fails when the system has none by that name.
template <class Function, class... Arguments>
Result<std::uint32_t> Call(Bound<Function>& service, Arguments... arguments) {
    const Function function = service.Get();
    if (!function)
        return Fail(ErrorCode::FunctionNotFound);
    return function(arguments...);
}

class Win32Kernel32 final : public Kernel32 {
  public:
    Result<std::uint32_t> GetWindowsDirectoryA(char* buffer, std::uint32_t size) override {
        return Call(windowsDirectory_, buffer, size);
    }
    Result<std::uint32_t> GetSystemDirectoryA(char* buffer, std::uint32_t size) override {
        return Call(systemDirectory_, buffer, size);
    }
    Result<std::uint32_t> GetTempPathA(std::uint32_t size, char* buffer) override {
        return Call(tempPath_, size, buffer);
    }
    Result<std::uint32_t> GetLongPathNameA(const char* path, char* buffer, std::uint32_t size) override {
        return Call(longPathName_, path, buffer, size);
    }
    std::string ToNarrow(const Text& text) override { return Commands::ToNarrow(text); }
    Text FromNarrow(std::string_view narrow) override { return Commands::FromNarrow(narrow); }

  private:
    Bound<DirectoryFunction> windowsDirectory_{"GetWindowsDirectoryA"};
    Bound<DirectoryFunction> systemDirectory_{"GetSystemDirectoryA"};
    Bound<TempPathFunction> tempPath_{"GetTempPathA"};
    Bound<LongPathFunction> longPathName_{"GetLongPathNameA"};
};

} // namespace

std::unique_ptr<Kernel32> MakeKernel32() { return std::make_unique<Win32Kernel32>(); }

} // namespace Commands
