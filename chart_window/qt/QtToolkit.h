#pragma once
// The windowing toolkit for start-up: Qt, with the main window Form1.

#include "Commands.h"

#include <memory>

class QApplication;

namespace ChartWindow {

class QtForm1;

class QtToolkit final : public Commands::WindowToolkit {
  public:
    // `argv0` names the program to Qt; no argument is ever handed to Qt to act on.
    QtToolkit(char* argv0, const Commands::Environment& environment);
    ~QtToolkit() override;

    // Starts Qt on first use, so that a second copy ends before it touches the display.
    Commands::Result<void> ShowMainWindow() override;

    // Runs the event loop until the window is closed; the process's exit status.
    int Exec();

  private:
    int argc_ = 1;
    char* argv_[2];
    const Commands::Environment& environment_;
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QtForm1> form_;
};

} // namespace ChartWindow
