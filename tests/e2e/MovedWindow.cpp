// tonalyx.exe, moved to a screen of another density as soon as its window shows: Windows tells it so with
// WM_DPICHANGED, which Wine never sends. The density comes from TONALYX_MOVED_DPI; the suite then looks at
// the window as at the program's.

#define _WIN32_WINNT 0x0A00 // GetDpiForWindow, AdjustWindowRectExForDpi
#include <windows.h>

#include <cstdlib>

int ProgramMain(int argc, char* argv[]); // main.cpp, built under this name

namespace {

void CALLBACK MoveToOtherScreen(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND window = FindWindowW(L"TonalyxForm1", nullptr);
    const int dpi = std::atoi(std::getenv("TONALYX_MOVED_DPI"));
    // As Windows suggests it: the outer size that keeps the client at its logical size, at the new density.
    RECT size{0, 0, MulDiv(544, dpi, 96), MulDiv(432, dpi, 96)};
    AdjustWindowRectExForDpi(&size, GetWindowLongW(window, GWL_STYLE), FALSE, 0, GetDpiForWindow(window));
    RECT suggested;
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + size.right - size.left;
    suggested.bottom = suggested.top + size.bottom - size.top;
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

} // namespace

int main(int argc, char* argv[]) {
    SetTimer(nullptr, 0, 0, MoveToOtherScreen); // fires once the program's message loop runs
    return ProgramMain(argc, argv);
}
