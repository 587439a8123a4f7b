#pragma once
// What a screen reader reads as a system control's value: a text laid over the control's own accessible
// object (Dynamic Annotation), which keeps everything else the control tells of itself.

#include <windows.h>

namespace ChartWindow {

// Only while a screen reader runs: the services behind it are loaded on first use, so a start without
// one costs nothing and the program imports no library it did not before.
void SetAccessibleValue(HWND control, const wchar_t* text);

} // namespace ChartWindow
