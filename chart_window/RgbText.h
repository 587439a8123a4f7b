#pragma once
// A colour as the RGB readout writes it, "RGB(192, 192, 192)": the readout itself, and what a screen
// reader says of a swatch or a patch.

#include "FormControls.h"
#include "Text.h"

namespace ChartWindow {

// Each component in decimal: digits only, a minus sign for a negative one.
Commands::Text RgbText(int red, int green, int blue);
inline Commands::Text RgbText(RgbColour colour) {
    return RgbText(int(colour & 0xffu), int((colour >> 8) & 0xffu), int((colour >> 16) & 0xffu));
}

} // namespace ChartWindow
