#include "WebToolkit.h"

#include "WebForm1.h"

#include <memory>

namespace ChartWindow {
namespace {
std::unique_ptr<WebForm1> pageForm;
}

WebForm1* PageForm() { return pageForm.get(); }

WebToolkit::WebToolkit(char*, const Commands::Environment& environment) : environment_(environment) {}

Commands::Result<void> WebToolkit::ShowMainWindow() {
    if (!pageForm)
        pageForm = std::make_unique<WebForm1>(environment_);
    pageForm->Show();
    return {};
}

} // namespace ChartWindow
