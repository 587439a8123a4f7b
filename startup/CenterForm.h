#pragma once
// Placing a window: centred across the screen's width and within the upper 85 % of its height, never
// above or left of the screen.

#include "Failure.h"

namespace Commands {

// The screen, in twips (1/1440 inch), including any task bar.
class Screen {
  public:
    virtual ~Screen() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
};

// A window's outer frame, title bar and border included, in twips.
class FormGeometry {
  public:
    virtual ~FormGeometry() = default;
    virtual float Left() const = 0;
    virtual float Top() const = 0;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual void SetLeft(float left) = 0;
    virtual void SetTop(float top) = 0;
};

// Changes only the window's Top and then its Left. Fails with Overflow when a size leaves the 32-bit
// range; the settings made before that stay.
Result<void> CenterForm(FormGeometry& form, const Screen& screen);

} // namespace Commands
