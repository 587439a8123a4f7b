#pragma once
// Every control of the main window as data: what it is, where it sits and how it looks when the window
// is created. The window is built from this table; nothing here depends on the toolkit.
//
// Positions and sizes are in twips (1/1440 inch; 15 twips make one pixel at 96 dpi), measured from the
// top-left corner of the container's client area. Where two controls of one container overlap, the one
// listed earlier lies above.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ChartWindow {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kFormClientWidth = 8160;  // 544 pixels
inline constexpr int kFormClientHeight = 6480; // 432 pixels

enum class ControlKind { PictureBox, Label, OptionButton, HScrollBar };

enum class Border {
    None,
    Flat,   // a flat one-pixel line
    Sunken, // a sunken 3-D frame
    Single, // a single line around a label
};

struct Colour {
    enum class Role { Rgb, ButtonFace, ButtonText, WindowBackground, Transparent };
    Role role = Role::Rgb;
    std::uint8_t red = 0, green = 0, blue = 0;

    static constexpr Colour Gray(int level) {
        const auto v = static_cast<std::uint8_t>(level);
        return {Role::Rgb, v, v, v};
    }
    static constexpr Colour System(Role role) { return {role, 0, 0, 0}; }
};

// What assistive technology takes a control for: a picture box is a group of controls or a graphic;
// the other kinds are what they are.
enum class AccessibleRole { ByKind, Grouping, Graphic };

enum class FontStyle {
    WindowDefault, // Arial 8 pt
    PatchCaption,  // Arial 6.75 pt bold
    GammaReadout,  // Arial 14.25 pt bold
    Notice,        // Arial 9 pt bold: a line field's notice in place of its lines
};
inline constexpr int kFontStyleCount = 4;

inline constexpr const char* kFontFace = "Arial";

struct FontSpec {
    double points;
    bool bold;
};

constexpr FontSpec FontOf(FontStyle style) {
    switch (style) {
    case FontStyle::PatchCaption:
        return {6.75, true};
    case FontStyle::GammaReadout:
        return {14.25, true};
    case FontStyle::Notice:
        return {9.0, true};
    case FontStyle::WindowDefault:
        break;
    }
    return {8.0, false};
}

// A control's name and, for a control array, its index (-1 otherwise); written "picGamma(3)".
struct ControlId {
    std::string_view name;
    int index = -1;

    std::string ToString() const;
    friend bool operator==(const ControlId&, const ControlId&) = default;
};

inline constexpr ControlId kForm{"Form1"};

struct ControlSpec {
    ControlId id;
    ControlKind kind;
    ControlId container;
    int left, top, width, height; // twips
    int tabIndex;
    Colour back;
    Colour fore; // a line field's: that of its notice
    Border border = Border::None;
    bool visible = true;
    std::string_view caption;                  // UTF-8
    FontStyle font = FontStyle::WindowDefault; // a line field's: that of its notice
    std::string_view picture;                  // resource name of an image drawn unscaled at the top-left corner
    int value = 0;                             // an option button: 1 when selected; the scroll bar: its level
    // What a screen reader calls a control that shows no caption of its own (UTF-8), and takes it for.
    std::string_view accessibleName;
    AccessibleRole role = AccessibleRole::ByKind;
};

// A line field's notice, in place of its lines: its fore colour and font on black, this far inside the box.
inline constexpr int kNoticeMargin = 90; // twips

// A patch or a swatch: a graphic without a picture, whose gray is what the user compares and what a
// screen reader is told of it.
constexpr bool ShowsGray(const ControlSpec& row) { return row.role == AccessibleRole::Graphic && row.picture.empty(); }

// The controls in stacking order within each container, topmost first.
const std::vector<ControlSpec>& ControlTable();

// The slider.
inline constexpr int kSliderMinimum = 81;
inline constexpr int kSliderMaximum = 237;
inline constexpr int kSliderSmallChange = 1;
inline constexpr int kSliderLargeChange = 10;

// Twips to whole pixels at 96 dpi, the nearest pixel (a 518-twip patch is 35 pixels wide).
constexpr int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

} // namespace ChartWindow
