// The module's exports: the page starts the program and forwards its events to the window's handlers.

#include "WebForm1.h"
#include "WebToolkit.h"

#include <cstdint>

int ProgramMain(int argc, char* argv[]); // main.cpp, built under this name for the page

#define TONALYX_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {
ChartWindow::WebForm1* Form() { return ChartWindow::PageForm(); }
} // namespace

TONALYX_EXPORT(start) void Start() {
    char name[] = "tonalyx";
    char* argv[] = {name, nullptr};
    ProgramMain(1, argv);
}

TONALYX_EXPORT(option_click) void OptionClick(int index) {
    if (Form())
        (void)Form()->Handlers().Option1_Click(static_cast<std::int16_t>(index));
}

TONALYX_EXPORT(slider_change) void SliderChange() {
    if (Form())
        Form()->Handlers().HScroll1_Change();
}

TONALYX_EXPORT(slider_scroll) void SliderScroll() {
    if (Form())
        Form()->Handlers().HScroll1_Scroll();
}

// The scroll bar's minimum, maximum, small and large change, which the page's scroll bar keeps to.
TONALYX_EXPORT(slider_range) const int* SliderRange() {
    using namespace ChartWindow;
    static constexpr int range[] = {kSliderMinimum, kSliderMaximum, kSliderSmallChange, kSliderLargeChange};
    return range;
}

TONALYX_EXPORT(recentre) void Recentre() {
    if (Form())
        Form()->Recentre();
}

TONALYX_EXPORT(line_field) const std::uint8_t* LineField(int row, int width, int height) {
    return Form() ? Form()->LineField(row, width, height) : nullptr;
}

// How the screen shows the page's fields: the browser's pinch zoom, and whether each field on the screen has
// its pattern drawn at its device size.
TONALYX_EXPORT(presentation) void PresentationChange(double pinchZoom, int fieldsAtDeviceSize) {
    ChartWindow::Presentation now;
    now.pinchZoom = pinchZoom;
    now.fieldsAtDeviceSize = fieldsAtDeviceSize != 0;
    if (Form())
        (void)Form()->Handlers().Presentation_Change(now);
}
