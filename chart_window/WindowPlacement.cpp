#include "WindowPlacement.h"

#include "CenterForm.h"
#include "ControlTable.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace ChartWindow {
namespace {

float ToTwips(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }
int ToPixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

class PrimaryScreen final : public Commands::Screen {
  public:
    float Width() const override { return ToTwips(Geometry().width()); }
    float Height() const override { return ToTwips(Geometry().height()); }

  private:
    static QRect Geometry() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect();
    }
};

// The window's outer frame: its client area plus the frame the window manager adds. The client area is
// placed so that the frame's top-left corner lands where the centring rule puts it.
class OuterFrame final : public Commands::FormGeometry {
  public:
    OuterFrame(QWidget& window, QMargins frame)
        : window_(window), frame_(frame), left_(ToTwips(window.frameGeometry().x())),
          top_(ToTwips(window.frameGeometry().y())) {}

    float Left() const override { return left_; }
    float Top() const override { return top_; }
    float Width() const override { return ToTwips(window_.width() + frame_.left() + frame_.right()); }
    float Height() const override { return ToTwips(window_.height() + frame_.top() + frame_.bottom()); }
    void SetLeft(float left) override {
        left_ = left;
        PlaceClientArea();
    }
    void SetTop(float top) override {
        top_ = top;
        PlaceClientArea();
    }

  private:
    void PlaceClientArea() {
        const QPoint client(ToPixels(left_) + frame_.left(), ToPixels(top_) + frame_.top());
        window_.setGeometry(QRect(client, window_.size()));
    }

    QWidget& window_;
    QMargins frame_;
    float left_;
    float top_;
};

} // namespace

Commands::Result<void> CenterOnPrimaryScreen(QWidget& window) {
    OuterFrame frame(window, FrameExtentsBeforeShow(window));
    return Commands::CenterForm(frame, PrimaryScreen());
}

} // namespace ChartWindow
