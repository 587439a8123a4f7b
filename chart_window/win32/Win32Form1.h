#pragma once
// The main window in Win32: every control created from the control table with CreateWindowEx,
// FormControls implemented on them, and the window's messages dispatched to small handlers that call
// the window's behaviour (Form1).

#include "CenterForm.h"
#include "Commands.h"
#include "Form1.h"
#include "FormControls.h"
#include "PictureBox.h"

#include <windows.h>

#include <array>
#include <utility>
#include <vector>

namespace ChartWindow {

class Win32Form1 final : public FormControls {
  public:
    explicit Win32Form1(const Commands::Environment& environment);
    ~Win32Form1() override;
    Win32Form1(const Win32Form1&) = delete;
    Win32Form1& operator=(const Win32Form1&) = delete;

    // False when the window could not be created.
    bool Created() const { return window_ != nullptr; }
    // Loads the window once (its load handler runs first) and makes it visible, without waiting.
    void Show();
    // The keyboard of a dialog: Tab by tab index, arrows within the option group. True when handled.
    bool PreTranslate(MSG& message);

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
    struct Control {
        const ControlSpec* row;
        HWND handle;
    };

    // The screen and the outer frame in twips at the window's density.
    class Screen final : public Commands::Screen {
      public:
        explicit Screen(const Win32Form1& form) : form_(form) {}
        float Width() const override;
        float Height() const override;

      private:
        const Win32Form1& form_;
    };
    class Frame final : public Commands::FormGeometry {
      public:
        explicit Frame(const Win32Form1& form) : form_(form) {}
        float Left() const override;
        float Top() const override;
        float Width() const override;
        float Height() const override;
        void SetLeft(float left) override;
        void SetTop(float top) override;

      private:
        RECT Outer() const;
        const Win32Form1& form_;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, HWND control);
    void OnHScroll(WPARAM wParam, HWND slider);
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);
    void OnDpiChanged(int dpi, const RECT& suggested);

    void Build();
    // A control's place in its container, in device pixels.
    DeviceRect Place(const ControlSpec& row) const;
    void PlaceControls();
    void CreateFonts();
    void SetFont(const Control& control, BOOL redraw) const;
    const Control* FindControl(const ControlId& id) const;
    const Control* FindControl(HWND handle) const;
    HWND Find(const ControlId& id) const;
    HBRUSH Brush(COLORREF colour);
    void FocusNext(bool backwards);
    int ToDevice(int twips) const;
    float TwipsPerPixel() const { return 1440.0f / static_cast<float>(dpi_); }

    Form1 handlers_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    bool loaded_ = false;
    std::vector<Control> controls_;              // in table order
    std::array<HFONT, kFontStyleCount> fonts_{}; // by FontStyle
    std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
    Screen screen_{*this};
    Frame frame_{*this};
};

} // namespace ChartWindow
