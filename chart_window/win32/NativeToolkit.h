#pragma once
// The window toolkit of this front end, for main.cpp.
#include "Win32Toolkit.h"
namespace ChartWindow {
using NativeToolkit = Win32Toolkit;
}
