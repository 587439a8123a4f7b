#pragma once
// The window toolkit of this front end, for main.cpp.
#include "WebToolkit.h"
namespace ChartWindow {
using NativeToolkit = WebToolkit;
}
