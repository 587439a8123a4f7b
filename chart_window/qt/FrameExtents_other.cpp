// Platforms other than X11 know a window's frame before it is shown, or place windows themselves.

#include "WindowPlacement.h"

#include <QWidget>

namespace ChartWindow {

void RequestFrameExtents(QWidget&) {}

QMargins FrameExtentsBeforeShow(QWidget& window) {
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace ChartWindow
