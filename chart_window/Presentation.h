#pragma once
// How the screen shows the window beyond what the program draws, as far as a front end can tell. The
// line fields are exact only where each picture pixel lands on one device pixel; where the screen
// resamples them anyway, Form1 has them say so instead (Form1::Presentation_Change).

namespace ChartWindow {

struct Presentation {
    // The browser's zoom by a pinch (its visual viewport), which a page can neither undo nor draw for.
    double pinchZoom = 1;
    // Device pixels to a logical pixel: as the window is drawn, and as the screen it is on shows it.
    double bufferScale = 1;
    double screenScale = 1;
    // The compositor blends a window's buffer at a fractional scale even where it was drawn at it.
    bool blendsFractionalScale = false;
    // Every field on the screen has a known device size and its pattern drawn at that size.
    bool fieldsAtDeviceSize = true;
};

} // namespace ChartWindow
