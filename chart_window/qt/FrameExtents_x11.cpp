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
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace ChartWindow {
namespace {

using namespace std::chrono_literals;
constexpr auto kAnswerTimeout = 500ms;
constexpr auto kPollInterval = 250us; // the window manager answers within a millisecond or two

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Several atoms in one round trip to the X server.
template <std::size_t N> std::array<xcb_atom_t, N> Atoms(xcb_connection_t* c, const std::array<const char*, N>& names) {
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (std::size_t i = 0; i < N; ++i)
        cookies[i] = xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(names[i])), names[i]);
    std::array<xcb_atom_t, N> atoms{};
    for (std::size_t i = 0; i < N; ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr), &std::free);
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return atoms;
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

// What became of the request for a window.
struct Request {
    enum class Answer { NoFrame, Estimate, Asked } answer = Answer::NoFrame;
    xcb_connection_t* connection = nullptr;
    xcb_window_t window = 0;
    xcb_atom_t extents = XCB_ATOM_NONE;
};

Request Ask(QWidget& window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
    if (!c)
        return {}; // not X11: the platform places decorated windows by their frame itself, or not at all
    const auto id = static_cast<xcb_window_t>(window.winId()); // creates the native window, still unmapped
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;

    const auto [check, supportedAtom, request, extents] =
        Atoms<4>(c, {"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"});
    if (Cardinals(c, root, check, XCB_ATOM_WINDOW).empty())
        return {}; // no window manager: nothing will frame the window

    const auto supported = Cardinals(c, root, supportedAtom, XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return {Request::Answer::Estimate};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    return {Request::Answer::Asked, c, id, extents};
}

QMargins Receive(const Request& request, const QWidget& window) {
    switch (request.answer) {
    case Request::Answer::NoFrame:
        return {};
    case Request::Answer::Estimate:
        return Estimate(window);
    case Request::Answer::Asked:
        break;
    }
    // Poll the property rather than wait for its event, which is Qt's to read.
    const auto deadline = std::chrono::steady_clock::now() + kAnswerTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto answer = Cardinals(request.connection, request.window, request.extents, XCB_ATOM_CARDINAL);
        if (answer.size() == 4) {
            const qreal ratio = window.devicePixelRatioF();
            auto logical = [ratio](uint32_t device) { return qRound(device / ratio); };
            return {logical(answer[0]), logical(answer[2]), logical(answer[1]), logical(answer[3])};
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return Estimate(window);
}

// The program has one window: its request waits here between asking and reading the answer.
std::optional<Request> pending;

} // namespace

void RequestFrameExtents(QWidget& window) { pending = Ask(window); }

QMargins FrameExtentsBeforeShow(QWidget& window) {
    if (!pending || pending->window != static_cast<xcb_window_t>(window.internalWinId()))
        pending = Ask(window);
    const QMargins frame = Receive(*pending, window);
    pending.reset();
    return frame;
}

} // namespace ChartWindow
