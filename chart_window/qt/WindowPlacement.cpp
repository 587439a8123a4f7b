#include "WindowPlacement.h"

#include "ControlTable.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace ChartWindow {
namespace {

float ToTwips(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }
int ToPixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect PrimaryGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

} // namespace

float QtPrimaryScreen::Width() const { return ToTwips(PrimaryGeometry().width()); }
float QtPrimaryScreen::Height() const { return ToTwips(PrimaryGeometry().height()); }

QtOuterFrame::QtOuterFrame(QWidget& window)
    : window_(window), frame_(FrameExtentsBeforeShow(window)), left_(ToTwips(window.frameGeometry().x())),
      top_(ToTwips(window.frameGeometry().y())) {}

float QtOuterFrame::Width() const { return ToTwips(window_.width() + frame_.left() + frame_.right()); }
float QtOuterFrame::Height() const { return ToTwips(window_.height() + frame_.top() + frame_.bottom()); }

void QtOuterFrame::SetLeft(float left) {
    left_ = left;
    PlaceClientArea();
}

void QtOuterFrame::SetTop(float top) {
    top_ = top;
    PlaceClientArea();
}

void QtOuterFrame::PlaceClientArea() {
    const QPoint client(ToPixels(left_) + frame_.left(), ToPixels(top_) + frame_.top());
    window_.setGeometry(QRect(client, window_.size()));
}

} // namespace ChartWindow
