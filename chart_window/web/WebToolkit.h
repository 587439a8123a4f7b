#pragma once
// The windowing toolkit for start-up: the web page, with the main window Form1 on it.

#include "Commands.h"

namespace ChartWindow {

class WebForm1;

// The page's one window. It lives as long as the page, not as long as the start-up procedure.
WebForm1* PageForm();

class WebToolkit final : public Commands::WindowToolkit {
  public:
    WebToolkit(char* argv0, const Commands::Environment& environment);

    Commands::Result<void> ShowMainWindow() override;

    // The page runs the event loop; start-up only returns.
    int Exec() { return 0; }

  private:
    const Commands::Environment& environment_;
};

} // namespace ChartWindow
