// The process in a browser: the argument text is the page address's query, exactly as the address has
// it, and ending the program leaves the page as it is.

#include "NativePlatform.h"
#include "Page_web.h"

namespace Commands {
namespace {

class WebProcess final : public Process {
  public:
    explicit WebProcess(std::string_view address) : address_(address) {}
    Result<Text> CommandLine() override { return FromNarrow(SplitAddress(address_).query); }
    void End() override { PageEnd(); }

  private:
    std::string_view address_;
};

} // namespace

std::unique_ptr<Process> MakeProcess(std::string_view address) { return std::make_unique<WebProcess>(address); }

std::unique_ptr<Process> MakeProcess(int, char**) { return MakeProcess(PageAddressText()); }

} // namespace Commands
