// Asking an X11 window manager how it will frame our window before the window is mapped: the EWMH
// _NET_REQUEST_FRAME_EXTENTS request, answered by setting _NET_FRAME_EXTENTS on the window. Qt itself
// learns the frame only after the window has been decorated, too late to centre the frame.

#include "WindowPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace ChartWindow {
namespace {

using namespace std::chrono_literals;
constexpr auto kAnswerTimeout = 500ms;
constexpr auto kPollInterval = 2ms;

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a property; empty when it is not set.
std::vector<uint32_t> Cardinals(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr), &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// Where the window manager does not answer: a title bar and a thin border, as the style draws them.
QMargins Estimate(const QWidget& window) {
    const QStyle* style = window.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return {border, style->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border};
}

} // namespace

QMargins FrameExtentsBeforeShow(QWidget& window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
    if (!c)
        return {}; // not X11: the platform places decorated windows by their frame itself, or not at all
    const auto id = static_cast<xcb_window_t>(window.winId()); // creates the native window, still unmapped
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;

    const xcb_atom_t windowType = XCB_ATOM_WINDOW, cardinal = XCB_ATOM_CARDINAL, atomType = XCB_ATOM_ATOM;
    if (Cardinals(c, root, Atom(c, "_NET_SUPPORTING_WM_CHECK"), windowType).empty())
        return {}; // no window manager: nothing will frame the window

    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    const auto supported = Cardinals(c, root, Atom(c, "_NET_SUPPORTED"), atomType);
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return Estimate(window);

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);

    // Poll the property rather than wait for its event, which is Qt's to read.
    const auto deadline = std::chrono::steady_clock::now() + kAnswerTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto answer = Cardinals(c, id, extents, cardinal);
        if (answer.size() == 4) {
            const qreal ratio = window.devicePixelRatioF();
            auto logical = [ratio](uint32_t device) { return qRound(device / ratio); };
            return {logical(answer[0]), logical(answer[2]), logical(answer[1]), logical(answer[3])};
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return Estimate(window);
}

} // namespace ChartWindow
