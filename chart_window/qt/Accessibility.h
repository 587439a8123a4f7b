#pragma once
// What assistive technology learns of the window: a frame, picture boxes as the groups and graphics the
// control table calls them, and the slider's value spoken as the readouts show it.

#include "ControlTable.h"

#include <QString>

class QScrollBar;

namespace ChartWindow {

// Once, before the window is made: Qt asks here for the interfaces of the window and its picture boxes.
void InstallAccessibility();

// The slider's value as a screen reader says it, and says it again when it changes.
void SetSpokenValue(QScrollBar& slider, const QString& text);

} // namespace ChartWindow
