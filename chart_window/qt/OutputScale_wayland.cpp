#include "OutputScale.h"

#include <QGuiApplication>
#include <QScreen>

#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>

namespace ChartWindow {
namespace {

constexpr std::uint32_t kOutputVersion = 4; // the first with the output's name

struct Output {
    wl_output* proxy = nullptr;
    std::string name;
    int width = 0, height = 0; // of the current mode, in device pixels
    bool turned = false;       // a quarter turn: the mode's height lies along the screen's width
};

using Outputs = std::deque<Output>; // each one's listener holds its address

const wl_output_listener kOutputEvents = {
    .geometry =
        [](void* output, wl_output*, int, int, int, int, int, const char*, const char*, int transform) {
            static_cast<Output*>(output)->turned = transform % 2 == 1; // 90 or 270 degrees, flipped or not
        },
    .mode =
        [](void* output, wl_output*, std::uint32_t flags, int width, int height, int) {
            if (flags & WL_OUTPUT_MODE_CURRENT) {
                static_cast<Output*>(output)->width = width;
                static_cast<Output*>(output)->height = height;
            }
        },
    .done = [](void*, wl_output*) {},
    .scale = [](void*, wl_output*, int) {},
    .name = [](void* output, wl_output*, const char* name) { static_cast<Output*>(output)->name = name; },
    .description = [](void*, wl_output*, const char*) {},
};

const wl_registry_listener kRegistryEvents = {
    .global =
        [](void* outputs, wl_registry* registry, std::uint32_t id, const char* interface, std::uint32_t version) {
            if (std::strcmp(interface, wl_output_interface.name) != 0)
                return;
            Output& output = static_cast<Outputs*>(outputs)->emplace_back();
            output.proxy = static_cast<wl_output*>(
                wl_registry_bind(registry, id, &wl_output_interface, std::min(version, kOutputVersion)));
            wl_output_add_listener(output.proxy, &kOutputEvents, &output);
        },
    .global_remove = [](void*, wl_registry*, std::uint32_t) {},
};

// sway draws a buffer made at a fractional scale's density blended all the same, by where it places the
// window (measured). Nothing in the protocol tells of that: the compositor is known only by what it is, from
// the variable sway gives the programs it starts, or the desktop a session names.
bool BlendsFractionalScale() {
    return qEnvironmentVariableIsSet("SWAYSOCK") ||
           qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':').contains(QLatin1String("sway"), Qt::CaseInsensitive);
}

} // namespace

std::optional<OutputScale> WaylandOutputScale(const QScreen& screen) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return std::nullopt;
    // A connection of our own for one question: Qt 6.4 offers no public way to its own.
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return std::nullopt;
    Outputs outputs;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryEvents, &outputs);
    wl_display_roundtrip(display); // the globals
    wl_display_roundtrip(display); // each output's modes and name

    // Qt's screen is the output of that name, and its size is the output's logical size.
    std::optional<OutputScale> found;
    const std::string name = screen.name().toStdString();
    const int logicalWidth = screen.geometry().width();
    for (const Output& output : outputs) {
        const int deviceWidth = output.turned ? output.height : output.width;
        if ((output.name == name || outputs.size() == 1) && deviceWidth > 0 && logicalWidth > 0)
            found = OutputScale{static_cast<double>(deviceWidth) / logicalWidth, BlendsFractionalScale()};
    }
    for (const Output& output : outputs)
        wl_output_destroy(output.proxy);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return found;
}

} // namespace ChartWindow
