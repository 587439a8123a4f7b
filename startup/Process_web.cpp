// The process in a browser: the argument text is the page address's query, exactly as the address has
// it, and ending the program leaves the page as it is.

#include "NativePlatform.h"
#include "Page_web.h"

namespace Commands {
namespace {

class WebProcess final : public Process {
  public:
    Result<Text> CommandLine() override { return FromNarrow(SplitAddress(PageAddressText()).query); }
    void End() override { PageEnd(); }
};

} // namespace

std::unique_ptr<Process> MakeProcess(int, char**) { return std::make_unique<WebProcess>(); }

} // namespace Commands
