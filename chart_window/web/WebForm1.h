#pragma once
// The main window on a web page: the controls are the page's elements, made from the control table, and
// the page's events reach the shared handlers through the module's exports (PageEvents.cpp).

#include "Bitmap.h"
#include "Form1.h"
#include "FormControls.h"

#include <cstdint>
#include <vector>

namespace ChartWindow {

// The viewport stands in for the screen.
class PageScreen final : public Commands::Screen {
  public:
    float Width() const override;
    float Height() const override;
};

// The form has no frame on a page: its outer frame is its client area, placed in the viewport.
class PageFrame final : public Commands::FormGeometry {
  public:
    float Left() const override { return left_; }
    float Top() const override { return top_; }
    float Width() const override { return kFormClientWidth; }
    float Height() const override { return kFormClientHeight; }
    void SetLeft(float left) override;
    void SetTop(float top) override;

  private:
    void Move() const;
    float left_ = 0, top_ = 0;
};

class WebForm1 final : public FormControls {
  public:
    explicit WebForm1(const Commands::Environment& environment);

    // Loads the window on first use, then shows it.
    void Show();
    Form1& Handlers() { return handlers_; }
    // The viewport changed: the form is centred in it again.
    void Recentre() { (void)Commands::CenterForm(frame_, screen_); }
    // The picture of row `row` at `width` x `height` device pixels, as RGBA rows; null without one.
    const std::uint8_t* LineField(int row, int width, int height);

    Commands::Result<void> SetBackColor(const ControlId& box, RgbColour colour) override;
    Commands::Result<RgbColour> BackColor(const ControlId& box) override;
    Commands::Result<void> SetCaption(const ControlId& label, const Commands::Text& caption) override;
    Commands::Result<void> SetVisible(const ControlId& box, bool visible) override;
    Commands::Result<std::int16_t> SliderValue() override;
    Commands::Result<void> SetSliderValueText(const Commands::Text& text) override;
    Commands::Result<void> SetNotice(const ControlId& field, const Commands::Text& notice) override;
    Commands::Result<void> SetTitle(const Commands::Text& title) override;
    Commands::FormGeometry& OuterFrame() override { return frame_; }
    const Commands::Screen& PrimaryScreen() override { return screen_; }

  private:
    Form1 handlers_;
    std::vector<RgbColour> colours_;
    std::vector<Bitmap> pictures_;
    std::vector<std::uint8_t> pixels_;
    PageFrame frame_;
    PageScreen screen_;
    bool loaded_ = false;
};

} // namespace ChartWindow
