#include "RgbText.h"

#include <string>

namespace ChartWindow {

Commands::Text RgbText(int red, int green, int blue) {
    const std::string text =
        "RGB(" + std::to_string(red) + ", " + std::to_string(green) + ", " + std::to_string(blue) + ")";
    return {text.begin(), text.end()};
}

} // namespace ChartWindow
