#include "PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <cmath>

namespace ChartWindow {
namespace {

constexpr int kFlatBorderWidth = 1;
constexpr int kSunkenBorderWidth = 2;

// Draws `picture` with one image pixel on one device pixel, whatever the scale factor, starting at the
// device pixel on which `logicalOrigin` falls. A scaled line field would blur into gray.
void DrawUnscaled(QPainter& painter, QPointF logicalOrigin, QImage picture) {
    const QTransform toDevice = painter.deviceTransform();
    const QPointF device = toDevice.map(logicalOrigin);
    const QPointF aligned(std::round(device.x()), std::round(device.y()));
    picture.setDevicePixelRatio(painter.device()->devicePixelRatioF());
    painter.drawImage(toDevice.inverted().map(aligned), picture);
}

} // namespace

PictureBox::PictureBox(Border border, QWidget* parent)
    : QWidget(parent), border_(border), clientArea_(new QWidget(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

int PictureBox::borderWidth() const {
    switch (border_) {
    case Border::Flat:
    case Border::Single:
        return kFlatBorderWidth;
    case Border::Sunken:
        return kSunkenBorderWidth;
    case Border::None:
        break;
    }
    return 0;
}

void PictureBox::setBackColor(const QColor& colour) {
    if (colour == backColor_)
        return;
    backColor_ = colour;
    update();
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void PictureBox::setBoxGeometry(const QRect& geometry) {
    setGeometry(geometry);
    placeClientArea();
}

void PictureBox::resizeEvent(QResizeEvent*) { placeClientArea(); }

void PictureBox::placeClientArea() {
    const int inset = borderWidth();
    clientArea_->setGeometry(rect().adjusted(inset, inset, -inset, -inset));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), backColor_);
    if (!picture_.isNull()) {
        painter.save();
        painter.setClipRect(clientArea_->geometry());
        DrawUnscaled(painter, clientArea_->geometry().topLeft(), picture_);
        painter.restore();
    }
    switch (border_) {
    case Border::Flat:
    case Border::Single:
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        break;
    case Border::Sunken:
        qDrawWinPanel(&painter, rect(), palette(), /*sunken=*/true);
        break;
    case Border::None:
        break;
    }
}

} // namespace ChartWindow
