#pragma once
// The windowing toolkit for start-up: Win32, with the main window Form1.

#include "Commands.h"

#include <memory>

namespace ChartWindow {

class Win32Form1;

class Win32Toolkit final : public Commands::WindowToolkit {
  public:
    Win32Toolkit(char* argv0, const Commands::Environment& environment);
    ~Win32Toolkit() override;

    Commands::Result<void> ShowMainWindow() override;

    // Runs the message loop until the window is closed; the process's exit status.
    int Exec();

  private:
    const Commands::Environment& environment_;
    std::unique_ptr<Win32Form1> form_;
};

} // namespace ChartWindow
