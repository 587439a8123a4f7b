#include "PictureBox.h"

#include "Bitmap.h"

#include <cctype>
#include <memory>
#include <string>

namespace ChartWindow {
namespace {

constexpr wchar_t kClassName[] = L"TonalyxPictureBox";

struct BoxData {
    COLORREF back = 0;
    HBRUSH brush = nullptr;
    std::string pictureName; // a resource; read when first drawn
    Bitmap picture;
    int dpi = 96;
    HBITMAP atDensity = nullptr; // the picture continued at the box's density
    int atDensityDpi = 0;
    std::wstring notice;
    COLORREF noticeColour = 0;
    HFONT font = nullptr; // the window's, for the notice

    ~BoxData() {
        DeleteObject(brush);
        DeleteObject(atDensity);
    }
};

BoxData* DataOf(HWND box) { return reinterpret_cast<BoxData*>(GetWindowLongPtrW(box, GWLP_USERDATA)); }

// The picture file's resource: "lines-227x267.pbm" is LINES_227X267.
Bitmap ReadPictureResource(std::string file) {
    file = file.substr(0, file.find('.'));
    for (char& c : file)
        c = c == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    HRSRC found = FindResourceA(nullptr, file.c_str(), MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return ReadBitmap({static_cast<const char*>(bytes), SizeofResource(nullptr, found)});
}

// A device-independent bitmap of the picture continued at `dpi`, white and black as they are.
HBITMAP BitmapAtDensity(const Bitmap& picture, int dpi) {
    const Bitmap device = AtDensity(picture, dpi / 96.0);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), device.width, -device.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < device.height; ++y)
        for (int x = 0; x < device.width; ++x)
            pixels[y * device.width + x] = device.Black(x, y) ? 0x000000u : 0xFFFFFFu;
    return bitmap;
}

void PaintNotice(HWND box, HDC dc, const BoxData& data) {
    RECT client;
    GetClientRect(box, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    // At the top of the field, clear of view 2's swatch.
    const int margin = MulDiv(TwipsToPixels(kNoticeMargin), data.dpi, 96);
    InflateRect(&client, -margin, -margin);
    HGDIOBJ previous = SelectObject(dc, data.font);
    SetTextColor(dc, data.noticeColour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, data.notice.c_str(), static_cast<int>(data.notice.size()), &client,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
}

void Paint(HWND box, BoxData& data) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    if (!data.notice.empty()) {
        PaintNotice(box, dc, data);
        EndPaint(box, &paint);
        return;
    }
    FillRect(dc, &paint.rcPaint, data.brush);
    if (data.picture.IsNull() && !data.pictureName.empty())
        data.picture = ReadPictureResource(data.pictureName);
    if (!data.picture.IsNull()) {
        if (data.atDensityDpi != data.dpi) {
            DeleteObject(data.atDensity);
            data.atDensity = BitmapAtDensity(data.picture, data.dpi);
            data.atDensityDpi = data.dpi;
        }
        BITMAP size{};
        GetObjectW(data.atDensity, sizeof size, &size);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, data.atDensity);
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    EndPaint(box, &paint);
}

LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    BoxData* data = DataOf(box);
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT, so nothing flickers
    case WM_SETFONT:
        if (data) {
            data->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam))
                InvalidateRect(box, nullptr, FALSE);
        }
        return 0;
    case WM_PAINT:
        if (data) {
            Paint(box, *data);
            return 0;
        }
        break;
    // What the controls inside report goes to the main window, which handles every control.
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
        return SendMessageW(GetAncestor(box, GA_ROOT), message, wParam, lParam);
    case WM_NCDESTROY:
        delete data;
        SetWindowLongPtrW(box, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = BoxProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace

HWND CreatePictureBox(const ControlSpec& row, HWND parent, const wchar_t* text, COLORREF back, int dpi,
                      const DeviceRect& place) {
    RegisterOnce();
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | (row.visible ? WS_VISIBLE : 0);
    DWORD extended = WS_EX_CONTROLPARENT;
    if (row.border == Border::Flat || row.border == Border::Single)
        style |= WS_BORDER; // a one-pixel line
    else if (row.border == Border::Sunken)
        extended |= WS_EX_CLIENTEDGE;
    auto data = std::make_unique<BoxData>();
    data->back = back;
    data->brush = CreateSolidBrush(back);
    data->pictureName = std::string(row.picture);
    data->noticeColour = RGB(row.fore.red, row.fore.green, row.fore.blue);
    data->dpi = dpi;
    HWND box = CreateWindowExW(extended, kClassName, text, style, place.left, place.top, place.width, place.height,
                               parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (box)
        SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data.release()));
    return box;
}

void SetPictureBoxColour(HWND box, COLORREF colour) {
    BoxData* data = DataOf(box);
    if (!data || data->back == colour)
        return;
    data->back = colour;
    DeleteObject(data->brush);
    data->brush = CreateSolidBrush(colour);
    // The box and whatever stands on it transparently. A hidden box is drawn whole when it is shown.
    if (IsWindowVisible(box))
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

COLORREF PictureBoxColour(HWND box) {
    const BoxData* data = DataOf(box);
    return data ? data->back : 0;
}

HBRUSH PictureBoxBrush(HWND box) {
    const BoxData* data = DataOf(box);
    return data ? data->brush : nullptr;
}

void SetPictureBoxNotice(HWND box, const std::wstring& notice) {
    if (BoxData* data = DataOf(box); data && data->notice != notice) {
        data->notice = notice;
        InvalidateRect(box, nullptr, FALSE);
    }
}

void SetPictureBoxDpi(HWND box, int dpi) {
    if (BoxData* data = DataOf(box)) {
        data->dpi = dpi;
        InvalidateRect(box, nullptr, FALSE);
    }
}

} // namespace ChartWindow
