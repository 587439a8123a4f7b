#include "Win32Form1.h"

#include "AccessibleValue.h"
#include "PictureBox.h"
#include "RgbText.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace ChartWindow {
namespace {

constexpr wchar_t kClassName[] = L"TonalyxForm1";
constexpr int kIconId = 1;
constexpr UINT kDpiChanged = 0x02E0; // WM_DPICHANGED, newer than the headers' default target
// A fixed-size window with a title and a close box, and no minimise or maximise box.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

COLORREF Resolve(const Colour& colour) {
    switch (colour.role) {
    case Colour::Role::ButtonFace:
        return GetSysColor(COLOR_BTNFACE);
    case Colour::Role::ButtonText:
        return GetSysColor(COLOR_BTNTEXT);
    case Colour::Role::WindowBackground:
        return GetSysColor(COLOR_WINDOW);
    case Colour::Role::Rgb:
    case Colour::Role::Transparent:
        break;
    }
    return RGB(colour.red, colour.green, colour.blue);
}

std::wstring Wide(std::string_view utf8) {
    std::wstring wide(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(std::max(length, 0)));
    return wide;
}

const wchar_t* Wide(const Commands::Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// The window text of a control without a caption of its own, which a screen reader calls it by: its
// accessible name, and a patch's or a swatch's gray, or a field's notice.
std::wstring AccessibleText(const ControlSpec& row, COLORREF colour, const Commands::Text& notice = {}) {
    std::wstring text = Wide(row.accessibleName);
    if (ShowsGray(row))
        text.append(L", ").append(Wide(RgbText(colour)));
    if (!notice.empty())
        text.append(L", ").append(Wide(notice));
    return text;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

} // namespace

Win32Form1::Win32Form1(const Commands::Environment& environment) : handlers_(*this, environment), dpi_(ScreenDpi()) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered = [instance] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered)
        return;
    RECT outer{0, 0, ToDevice(kFormClientWidth), ToDevice(kFormClientHeight)};
    AdjustWindowRectEx(&outer, kFormStyle, FALSE, 0);
    window_ = CreateWindowExW(0, kClassName, L"", kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                              outer.bottom - outer.top, nullptr, nullptr, instance, this);
    if (window_)
        Build();
}

Win32Form1::~Win32Form1() {
    if (window_)
        DestroyWindow(window_);
    for (HFONT font : fonts_)
        DeleteObject(font);
    for (auto& [colour, brush] : brushes_)
        DeleteObject(brush);
}

int Win32Form1::ToDevice(int twips) const { return static_cast<int>(std::lround(TwipsToPixels(twips) * dpi_ / 96.0)); }

void Win32Form1::Build() {
    // Each control is made at its place, with its font, and in its stacking position: a new child goes
    // below its siblings, so earlier rows lie above later ones. Every call that changes a window is a
    // round trip to the window server under Wine, so nothing is moved or redrawn twice before the window
    // is first shown.
    CreateFonts();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    bool firstOption = true;
    for (const ControlSpec& row : ControlTable()) {
        HWND parent = row.container == kForm ? window_ : Find(row.container);
        const DWORD shown = WS_CHILD | WS_CLIPSIBLINGS | (row.visible ? WS_VISIBLE : 0);
        const std::wstring caption = row.caption.empty() ? AccessibleText(row, Resolve(row.back)) : Wide(row.caption);
        const DeviceRect place = Place(row);
        const auto create = [&](const wchar_t* windowClass, DWORD style) {
            return CreateWindowExW(0, windowClass, caption.c_str(), shown | style, place.left, place.top, place.width,
                                   place.height, parent, nullptr, instance, nullptr);
        };
        HWND handle = nullptr;
        switch (row.kind) {
        case ControlKind::PictureBox:
            handle = CreatePictureBox(row, parent, caption.c_str(), Resolve(row.back), dpi_, place);
            break;
        case ControlKind::Label:
            handle = create(L"STATIC", SS_CENTER | SS_NOPREFIX | (row.border == Border::Single ? WS_BORDER : 0));
            break;
        case ControlKind::OptionButton:
            // The option buttons form one group; the scroll bar after them starts the next.
            handle = create(L"BUTTON", BS_AUTORADIOBUTTON | (firstOption ? WS_GROUP | WS_TABSTOP : 0));
            firstOption = false;
            if (row.value != 0)
                SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
            break;
        case ControlKind::HScrollBar: {
            handle = create(L"SCROLLBAR", SBS_HORZ | WS_TABSTOP | WS_GROUP);
            SCROLLINFO range{sizeof range, SIF_RANGE | SIF_POS, kSliderMinimum, kSliderMaximum, 0, row.value, 0};
            SetScrollInfo(handle, SB_CTL, &range, FALSE);
            break;
        }
        }
        controls_.push_back({&row, handle});
        SetFont(controls_.back(), FALSE);
    }
}

DeviceRect Win32Form1::Place(const ControlSpec& row) const {
    return {ToDevice(row.left), ToDevice(row.top), ToDevice(row.width), ToDevice(row.height)};
}

void Win32Form1::SetFont(const Control& control, BOOL redraw) const {
    // Labels and option buttons, and a line field for its notice.
    const ControlKind kind = control.row->kind;
    if (kind == ControlKind::Label || kind == ControlKind::OptionButton || !control.row->picture.empty())
        SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[int(control.row->font)]), redraw);
}

void Win32Form1::CreateFonts() {
    const std::wstring face = Wide(kFontFace);
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        const FontSpec font = FontOf(static_cast<FontStyle>(i));
        DeleteObject(fonts_[i]);
        fonts_[i] =
            CreateFontW(-static_cast<int>(std::lround(font.points * dpi_ / 72.0)), 0, 0, 0,
                        font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
    }
}

void Win32Form1::PlaceControls() {
    for (const Control& control : controls_) {
        const DeviceRect place = Place(*control.row);
        SetWindowPos(control.handle, nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetFont(control, TRUE);
        if (control.row->kind == ControlKind::PictureBox)
            SetPictureBoxDpi(control.handle, dpi_);
    }
}

const Win32Form1::Control* Win32Form1::FindControl(const ControlId& id) const {
    for (const Control& control : controls_)
        if (control.row->id == id)
            return &control;
    return nullptr;
}

HWND Win32Form1::Find(const ControlId& id) const {
    const Control* control = FindControl(id);
    return control ? control->handle : nullptr;
}

const Win32Form1::Control* Win32Form1::FindControl(HWND handle) const {
    for (const Control& control : controls_)
        if (control.handle == handle)
            return &control;
    return nullptr;
}

HBRUSH Win32Form1::Brush(COLORREF colour) {
    for (auto& [known, brush] : brushes_)
        if (known == colour)
            return brush;
    return brushes_.emplace_back(colour, CreateSolidBrush(colour)).second;
}

void Win32Form1::Show() {
    if (!window_)
        return;
    if (!loaded_) {
        loaded_ = true;
        // Nothing in loading is expected to fail; if anything did, the window still opens.
        (void)handlers_.Form_Load();
    }
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    // The control with the lowest tab index has the focus when the window opens.
    SetFocus(nullptr);
    FocusNext(false);
}

void Win32Form1::FocusNext(bool backwards) {
    std::vector<const Control*> stops;
    for (const Control& control : controls_)
        if (control.row->kind != ControlKind::Label && IsWindowVisible(control.handle))
            stops.push_back(&control);
    if (stops.empty())
        return;
    std::sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->row->tabIndex < b->row->tabIndex; });
    const auto current =
        std::find_if(stops.begin(), stops.end(), [focus = GetFocus()](auto* c) { return c->handle == focus; });
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = 0;
    if (current != stops.end())
        next = ((current - stops.begin()) + (backwards ? count - 1 : 1)) % count;
    SetFocus(stops[static_cast<std::size_t>(next)]->handle);
}

bool Win32Form1::PreTranslate(MSG& message) {
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
        FocusNext(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

LRESULT CALLBACK Win32Form1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* form = reinterpret_cast<Win32Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form && form->window_ == window)
        return form->OnMessage(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_HSCROLL:
        OnHScroll(wParam, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case kDpiChanged:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        window_ = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32Form1::OnCommand(WPARAM wParam, HWND control) {
    const Control* option = FindControl(control);
    if (HIWORD(wParam) != BN_CLICKED || !option || option->row->kind != ControlKind::OptionButton)
        return;
    if (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
        (void)handlers_.Option1_Click(static_cast<std::int16_t>(option->row->id.index));
}

void Win32Form1::OnHScroll(WPARAM wParam, HWND slider) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(slider, SB_CTL, &info))
        return;
    int level = info.nPos;
    const int code = LOWORD(wParam);
    switch (code) {
    case SB_LINELEFT:
        level -= kSliderSmallChange;
        break;
    case SB_LINERIGHT:
        level += kSliderSmallChange;
        break;
    case SB_PAGELEFT:
        level -= kSliderLargeChange;
        break;
    case SB_PAGERIGHT:
        level += kSliderLargeChange;
        break;
    case SB_LEFT:
        level = info.nMin;
        break;
    case SB_RIGHT:
        level = info.nMax;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        level = info.nTrackPos;
        break;
    default:
        return;
    }
    level = std::clamp(level, info.nMin, info.nMax);
    // The end of a drag reports the value once more, as a change; otherwise only a new value does.
    if (level == info.nPos && code != SB_THUMBPOSITION)
        return;
    SetScrollPos(slider, SB_CTL, level, TRUE);
    if (code == SB_THUMBTRACK)
        handlers_.HScroll1_Scroll();
    else
        handlers_.HScroll1_Change();
}

LRESULT Win32Form1::OnControlColour(UINT message, HDC dc, HWND handle) {
    const Control* control = FindControl(handle);
    if (!control)
        return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(handle));
    SetTextColor(dc, Resolve(control->row->fore));
    if (control->row->back.role == Colour::Role::Transparent) {
        // On a solid box, its own colour is what shows through.
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(PictureBoxBrush(GetParent(handle)));
    }
    const COLORREF back = Resolve(control->row->back);
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(Brush(back));
}

void Win32Form1::OnDpiChanged(int dpi, const RECT& suggested) {
    // Moved to a screen of another density: lay out again there, so the chart stays one picture pixel
    // on one device pixel.
    dpi_ = dpi;
    CreateFonts();
    PlaceControls();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

Commands::Result<void> Win32Form1::SetBackColor(const ControlId& box, RgbColour colour) {
    const Control* control = FindControl(box);
    if (!control)
        return NoSuchControl();
    if (ShowsGray(*control->row) && PictureBoxColour(control->handle) != colour)
        SetWindowTextW(control->handle, AccessibleText(*control->row, colour).c_str());
    SetPictureBoxColour(control->handle, colour);
    return {};
}

Commands::Result<RgbColour> Win32Form1::BackColor(const ControlId& box) {
    HWND handle = Find(box);
    if (!handle)
        return NoSuchControl();
    return PictureBoxColour(handle);
}

Commands::Result<void> Win32Form1::SetCaption(const ControlId& label, const Commands::Text& caption) {
    HWND handle = Find(label);
    if (!handle || !SetWindowTextW(handle, Wide(caption)))
        return NoSuchControl();
    return {};
}

Commands::Result<void> Win32Form1::SetVisible(const ControlId& box, bool visible) {
    HWND handle = Find(box);
    if (!handle)
        return NoSuchControl();
    ShowWindow(handle, visible ? SW_SHOW : SW_HIDE);
    return {};
}

Commands::Result<std::int16_t> Win32Form1::SliderValue() {
    HWND handle = Find({"HScroll1"});
    if (!handle)
        return NoSuchControl();
    return static_cast<std::int16_t>(GetScrollPos(handle, SB_CTL));
}

Commands::Result<void> Win32Form1::SetSliderValueText(const Commands::Text& text) {
    HWND handle = Find({"HScroll1"});
    if (!handle)
        return NoSuchControl();
    SetAccessibleValue(handle, Wide(text));
    return {};
}

Commands::Result<void> Win32Form1::SetNotice(const ControlId& field, const Commands::Text& notice) {
    const Control* control = FindControl(field);
    if (!control)
        return NoSuchControl();
    SetWindowTextW(control->handle, AccessibleText(*control->row, 0, notice).c_str());
    SetPictureBoxNotice(control->handle, Wide(notice));
    return {};
}

Commands::Result<void> Win32Form1::SetTitle(const Commands::Text& title) {
    if (!SetWindowTextW(window_, Wide(title)))
        return NoSuchControl();
    return {};
}

float Win32Form1::Screen::Width() const { return GetSystemMetrics(SM_CXSCREEN) * form_.TwipsPerPixel(); }
float Win32Form1::Screen::Height() const { return GetSystemMetrics(SM_CYSCREEN) * form_.TwipsPerPixel(); }

RECT Win32Form1::Frame::Outer() const {
    RECT outer{};
    GetWindowRect(form_.window_, &outer);
    return outer;
}

float Win32Form1::Frame::Left() const { return Outer().left * form_.TwipsPerPixel(); }
float Win32Form1::Frame::Top() const { return Outer().top * form_.TwipsPerPixel(); }
float Win32Form1::Frame::Width() const {
    const RECT outer = Outer();
    return (outer.right - outer.left) * form_.TwipsPerPixel();
}
float Win32Form1::Frame::Height() const {
    const RECT outer = Outer();
    return (outer.bottom - outer.top) * form_.TwipsPerPixel();
}

void Win32Form1::Frame::SetLeft(float left) {
    SetWindowPos(form_.window_, nullptr, static_cast<int>(std::lround(left / form_.TwipsPerPixel())), Outer().top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form1::Frame::SetTop(float top) {
    SetWindowPos(form_.window_, nullptr, Outer().left, static_cast<int>(std::lround(top / form_.TwipsPerPixel())), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace ChartWindow
