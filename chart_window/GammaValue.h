#pragma once
// The gamma text of a gray level: the display gamma at which the level looks half as bright as white,
// ln 0.5 / ln(level / 255), as at most four characters such as "2.44".

#include "Failure.h"
#include "Text.h"

#include <cstdint>

namespace ChartWindow {

// Fails with InvalidArgument for level 0 and below, and with DivisionByZero for level 255.
Commands::Result<Commands::Text> GetGammaValue(std::int16_t iCol);

} // namespace ChartWindow
