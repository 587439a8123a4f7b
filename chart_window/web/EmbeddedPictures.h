#pragma once
// The line pictures, compiled into the module from resources/ (the page has no files to read).

#include <string_view>

namespace ChartWindow {

// The named picture's file, or the empty text when there is none of that name.
std::string_view EmbeddedPicture(std::string_view name);

} // namespace ChartWindow
