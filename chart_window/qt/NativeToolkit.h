#pragma once
// The window toolkit of this front end, for main.cpp.
#include "QtToolkit.h"
namespace ChartWindow {
using NativeToolkit = QtToolkit;
}
