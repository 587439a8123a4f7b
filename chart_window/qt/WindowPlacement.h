#pragma once
// The window's outer frame and the primary screen, in twips, for the centring rule: the frame as a
// user sees it, with what the window manager puts around the client area.

#include "CenterForm.h"

#include <QMargins>

class QWidget;

namespace ChartWindow {

class QtPrimaryScreen final : public Commands::Screen {
  public:
    float Width() const override;
    float Height() const override;
};

// Setting Left or Top places the client area so that the frame's top-left corner lands there.
class QtOuterFrame final : public Commands::FormGeometry {
  public:
    // `window` is not yet shown; its frame is asked of the window manager now.
    explicit QtOuterFrame(QWidget& window);

    float Left() const override { return left_; }
    float Top() const override { return top_; }
    float Width() const override;
    float Height() const override;
    void SetLeft(float left) override;
    void SetTop(float top) override;

  private:
    void PlaceClientArea();

    QWidget& window_;
    QMargins frame_;
    float left_;
    float top_;
};

// Asks the window manager early how it will frame `window`, so that it answers while the window's
// controls are being built; FrameExtentsBeforeShow reads the answer.
void RequestFrameExtents(QWidget& window);

// The frame that the window manager will put around `window`, in logical pixels, asked for before the
// window is shown. Where nothing decorates windows, no margins.
QMargins FrameExtentsBeforeShow(QWidget& window);

} // namespace ChartWindow
