// The application object in a browser: the program file is the page, and one copy runs per browser
// profile (the page holds a Web Lock while it is open).

#include "NativePlatform.h"
#include "Page_web.h"

namespace Commands {
namespace {

class WebAppObject final : public AppObject {
  public:
    explicit WebAppObject(std::string_view address) : address_(address) {}

    Result<bool> PrevInstance() override {
        const std::int32_t answer = PagePrevInstance();
        if (answer < 0)
            return Fail(ErrorCode::FunctionNotFound);
        return answer != 0;
    }

    Result<Text> Path() override { return FromNarrow(SplitAddress(address_).folder); }

    Result<Text> EXEName() override {
        std::string_view name = SplitAddress(address_).file;
        if (const auto dot = name.rfind('.'); dot != std::string_view::npos && dot > 0)
            name = name.substr(0, dot);
        return FromNarrow(name);
    }

  private:
    std::string_view address_;
};

} // namespace

std::unique_ptr<AppObject> MakeAppObject(std::string_view address) { return std::make_unique<WebAppObject>(address); }

std::unique_ptr<AppObject> MakeAppObject() { return MakeAppObject(PageAddressText()); }

} // namespace Commands
