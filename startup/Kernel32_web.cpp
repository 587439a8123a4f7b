// A browser has no Windows kernel services: each fails as it does where a system cannot bind it. Narrow
// texts are UTF-8.

#include "NativePlatform.h"

namespace Commands {
namespace {

class WebKernel32 final : public Kernel32 {
  public:
    Result<std::uint32_t> GetWindowsDirectoryA(char*, std::uint32_t) override { return Missing(); }
    Result<std::uint32_t> GetSystemDirectoryA(char*, std::uint32_t) override { return Missing(); }
    Result<std::uint32_t> GetTempPathA(std::uint32_t, char*) override { return Missing(); }
    Result<std::uint32_t> GetLongPathNameA(const char*, char*, std::uint32_t) override { return Missing(); }
    std::string ToNarrow(const Text& text) override { return Commands::ToNarrow(text); }
    Text FromNarrow(std::string_view narrow) override { return Commands::FromNarrow(narrow); }

  private:
    static Result<std::uint32_t> Missing() { return Fail(ErrorCode::FunctionNotFound); }
};

} // namespace

std::unique_ptr<Kernel32> MakeKernel32() { return std::make_unique<WebKernel32>(); }

} // namespace Commands
