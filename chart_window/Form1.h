#pragma once
// The main window's behaviour: the load handler, the view switch and the slider update, acting on the
// controls through FormControls. Each front end builds the controls from the control table and
// forwards its toolkit's events here.

#include "Commands.h"
#include "FormControls.h"
#include "GammaValue.h"
#include "Presentation.h"

#include <cstdint>
#include <functional>

namespace ChartWindow {

class Form1 {
  public:
    using GammaFunction = std::function<Commands::Result<Commands::Text>(std::int16_t)>;

    // `gamma` computes the gamma readout; tests hand in one that fails.
    Form1(FormControls& controls, const Commands::Environment& environment,
          GammaFunction gamma = ChartWindow::GetGammaValue);

    // The gamma text of a gray level.
    Commands::Result<Commands::Text> GetGammaValue(std::int16_t iCol) const { return gamma_(iCol); }

    // Runs once before the window is first shown: centre it, title it, colour the swatches and patches,
    // and give the slider's level its spoken text. Stops at the first step that fails and passes the
    // failure up.
    Commands::Result<void> Form_Load();
    // An option button became selected: show the view with its index (0 or 1), hide the other.
    Commands::Result<void> Option1_Click(std::int16_t index);
    // The slider's value changed: both readouts, both swatches and the spoken level follow. A step that
    // fails is skipped.
    void HScroll1_Change();
    // The slider's thumb is being dragged: the same update, at every level it passes.
    void HScroll1_Scroll() { HScroll1_Change(); }
    // The front end's view of how the screen shows the window changed. While the line fields cannot be
    // shown one picture pixel on one device pixel, each shows a notice in place of its lines; once they
    // can, the lines are back. Fields are told only when their notice changes; stops at the first that
    // fails and passes the failure up.
    Commands::Result<void> Presentation_Change(const Presentation& now);
    // That notice: what resamples the fields and what to do about it; empty while they are exact.
    static Commands::Text NoticeText(const Presentation& now);

  private:
    // The readouts of a level and its gamma text as a screen reader says them: "RGB(193, 193, 193),
    // Gamma :  2.48", or the RGB text alone where the gamma failed.
    static Commands::Text LevelText(std::int16_t level, const Commands::Result<Commands::Text>& gamma);
    // The swatch of view 2 takes the colour of view 1's, so the two always agree.
    Commands::Result<void> CopySwatch();

    FormControls& controls_;
    const Commands::Environment& environment_;
    GammaFunction gamma_;
    Commands::Text notice_; // what the fields show in place of their lines, empty for none
};

} // namespace ChartWindow
