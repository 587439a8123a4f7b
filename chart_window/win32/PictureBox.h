#pragma once
// The picture box as a window class of our own: a background colour, the flat or sunken border of its
// row, children clipped to its client area, and the line picture drawn unscaled, one picture pixel on
// one device pixel, from the top-left corner of the client area.

#include "ControlTable.h"
#include "FormControls.h"

#include <windows.h>

#include <string>

namespace ChartWindow {

// A control's place in its container, in device pixels.
struct DeviceRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Creates the box for `row` in `parent` at `place`, `dpi` dots per inch deciding the picture's density.
// Its window text is what a screen reader calls it.
HWND CreatePictureBox(const ControlSpec& row, HWND parent, const wchar_t* text, COLORREF back, int dpi,
                      const DeviceRect& place);

// Background colour: shown at once; read back as last set.
void SetPictureBoxColour(HWND box, COLORREF colour);
COLORREF PictureBoxColour(HWND box);
// A brush of the box's colour, for what stands on it with a transparent background.
HBRUSH PictureBoxBrush(HWND box);
// The density to draw the picture at after the window has moved to a screen of another density.
void SetPictureBoxDpi(HWND box, int dpi);
// A notice drawn in place of the picture, in the font the box was given (WM_SETFONT); none when empty.
void SetPictureBoxNotice(HWND box, const std::wstring& notice);

} // namespace ChartWindow
