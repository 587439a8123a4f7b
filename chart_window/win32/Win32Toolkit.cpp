#include "Win32Toolkit.h"

#include "Win32Form1.h"

namespace ChartWindow {
namespace {
constexpr int kNoWindowStatus = 2;
}

Win32Toolkit::Win32Toolkit(char*, const Commands::Environment& environment) : environment_(environment) {}

Win32Toolkit::~Win32Toolkit() = default;

Commands::Result<void> Win32Toolkit::ShowMainWindow() {
    if (!form_)
        form_ = std::make_unique<Win32Form1>(environment_);
    if (!form_->Created())
        return Commands::Fail(Commands::ErrorCode::InvalidArgument);
    form_->Show();
    return {};
}

int Win32Toolkit::Exec() {
    if (!form_ || !form_->Created())
        return kNoWindowStatus;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form_->PreTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace ChartWindow
