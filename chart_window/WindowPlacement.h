#pragma once
// Centring the main window on the primary screen by its outer frame, as a user sees it.

#include "Failure.h"

#include <QMargins>

class QWidget;

namespace ChartWindow {

// Places `window`, not yet shown, with the centring rule. Fails only where that rule fails.
Commands::Result<void> CenterOnPrimaryScreen(QWidget& window);

// Asks the window manager early how it will frame `window`, so that it answers while the window's
// controls are being built; FrameExtentsBeforeShow reads the answer.
void RequestFrameExtents(QWidget& window);

// The frame that the window manager will put around `window`, in logical pixels, asked for before the
// window is shown. Where nothing decorates windows, no margins.
QMargins FrameExtentsBeforeShow(QWidget& window);

} // namespace ChartWindow
