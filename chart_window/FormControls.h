#pragma once
// What the window's handlers do to its controls. Each front end implements it on its toolkit; the
// handlers themselves (Form1) know no toolkit.

#include "CenterForm.h"
#include "ControlTable.h"
#include "Failure.h"
#include "Text.h"

#include <cstdint>

namespace ChartWindow {

// A 24-bit colour, packed as red + 256 x green + 65536 x blue.
using RgbColour = std::uint32_t;
constexpr RgbColour GrayColour(int level) { return static_cast<RgbColour>(level) * 65793u; }

// What a front end answers when asked for a control the window does not have.
inline std::unexpected<Commands::Failure> NoSuchControl() {
    return Commands::Fail(Commands::ErrorCode::InvalidArgument);
}

class FormControls {
  public:
    virtual ~FormControls() = default;

    // A picture box's background colour: set shows it at once, read gives back the colour last set.
    virtual Commands::Result<void> SetBackColor(const ControlId& box, RgbColour colour) = 0;
    virtual Commands::Result<RgbColour> BackColor(const ControlId& box) = 0;
    // A label's text, shown at once with its alignment and font.
    virtual Commands::Result<void> SetCaption(const ControlId& label, const Commands::Text& caption) = 0;
    // Hiding a picture box hides everything in it.
    virtual Commands::Result<void> SetVisible(const ControlId& box, bool visible) = 0;
    // The gray-level slider's value, 81 to 237.
    virtual Commands::Result<std::int16_t> SliderValue() = 0;
    // What a screen reader says of the slider's value, and speaks when it changes.
    virtual Commands::Result<void> SetSliderValueText(const Commands::Text& text) = 0;
    // A line field shows this notice in place of its picture, or its picture again for the empty text.
    virtual Commands::Result<void> SetNotice(const ControlId& field, const Commands::Text& notice) = 0;
    virtual Commands::Result<void> SetTitle(const Commands::Text& title) = 0;

    // For centring: the window's outer frame and the screen it opens on, in twips.
    virtual Commands::FormGeometry& OuterFrame() = 0;
    virtual const Commands::Screen& PrimaryScreen() = 0;
};

} // namespace ChartWindow
