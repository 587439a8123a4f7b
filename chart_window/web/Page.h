#pragma once
// What the window asks of the web page it is drawn on. The page's script (page.js) provides these
// functions to the WebAssembly module (import module "page"); controls are named by their row of the
// control table.

#include "Page_web.h"

#include <cstdint>

namespace ChartWindow {

extern "C" {
// Makes the element of one row, named as the control ("picGamma(3)"), inside the element of row
// `container` (-1: the form). Geometry in CSS pixels, colours packed with their role
// (Colour::Role << 24 | blue << 16 | green << 8 | red); texts in UTF-8; `role` an AccessibleRole.
TONALYX_PAGE_IMPORT(create_control)
void PageCreateControl(int row, int container, int kind, int index, int left, int top, int width, int height,
                       int tabIndex, std::uint32_t back, std::uint32_t fore, int border, int visible, int value,
                       double points, int bold, const char* caption, int captionLength, int pictureWidth,
                       int pictureHeight, const char* name, int nameLength, int role, const char* accessibleName,
                       int accessibleNameLength);
TONALYX_PAGE_IMPORT(set_back_color) void PageSetBackColor(int row, std::uint32_t rgb);
TONALYX_PAGE_IMPORT(set_caption) void PageSetCaption(int row, const char16_t* text, int length);
TONALYX_PAGE_IMPORT(set_visible) void PageSetVisible(int row, int visible);
TONALYX_PAGE_IMPORT(slider_value) int PageSliderValue();
TONALYX_PAGE_IMPORT(set_slider_text) void PageSetSliderText(const char16_t* text, int length);
// A line field's notice in place of its lines, or the lines again for the empty text.
TONALYX_PAGE_IMPORT(set_notice) void PageSetNotice(int row, const char16_t* text, int length);
TONALYX_PAGE_IMPORT(set_title) void PageSetTitle(const char16_t* text, int length);
// The viewport, the web's screen, in CSS pixels; and the form's place in it.
TONALYX_PAGE_IMPORT(viewport_width) double PageViewportWidth();
TONALYX_PAGE_IMPORT(viewport_height) double PageViewportHeight();
TONALYX_PAGE_IMPORT(move_form) void PageMoveForm(int left, int top);
// Shows the form with its controls and gives the focus to the first tab stop.
TONALYX_PAGE_IMPORT(show_form) void PageShowForm();
}

} // namespace ChartWindow
