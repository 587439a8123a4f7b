// The floor for the Windows program: a bare Win32 window of the program's size with one line of text in
// the default font, its background the gray the probe waits for.

#include <windows.h>

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int main() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(128, 128, 128));
    windowClass.lpszClassName = L"TonalyxFloor";
    RegisterClassW(&windowClass);
    RECT outer{0, 0, 544, 432};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    AdjustWindowRect(&outer, style, FALSE);
    HWND window = CreateWindowW(L"TonalyxFloor", L"Floor", style, 100, 100, outer.right - outer.left,
                                outer.bottom - outer.top, nullptr, nullptr, windowClass.hInstance, nullptr);
    CreateWindowW(L"STATIC", L"Quenbury Tonalyx", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 200, 544, 20, window, nullptr,
                  windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
