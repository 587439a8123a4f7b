#include "PictureBox.h"

#include "Bitmap.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResource>
#include <qdrawutil.h>

#include <cmath>

namespace ChartWindow {
namespace {

constexpr int kFlatBorderWidth = 1;
constexpr int kSunkenBorderWidth = 2;

// The smallest step after which the picture repeats itself down its rows (vertical) or along them.
int RepeatStep(const QImage& picture, bool vertical) {
    const int length = vertical ? picture.height() : picture.width();
    for (int step = 1; step < length; ++step) {
        bool repeats = true;
        for (int i = 0; repeats && i + step < length; ++i)
            for (int j = 0; repeats && j < (vertical ? picture.width() : picture.height()); ++j)
                repeats = vertical ? picture.pixel(j, i) == picture.pixel(j, i + step)
                                   : picture.pixel(i, j) == picture.pixel(i + step, j);
        if (repeats)
            return step;
    }
    return length;
}

// The picture for a screen with `ratio` device pixels to a logical one: still one picture pixel on one
// device pixel, its repeating pattern continued over the area it covers at 96 dpi. So a line field stays
// single rows of white and black; scaled, it would turn into wider rows or a gray blur.
QImage AtDensity(const QImage& picture, qreal ratio) {
    if (ratio == 1.0)
        return picture;
    const int stepX = RepeatStep(picture, false), stepY = RepeatStep(picture, true);
    QImage device(qRound(picture.width() * ratio), qRound(picture.height() * ratio), picture.format());
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            device.setPixel(x, y, picture.pixel(x % stepX, y % stepY));
    device.setDevicePixelRatio(ratio);
    return device;
}

// Draws a picture made for the painter's density from the first device pixel of the area at
// `logicalOrigin`, so that no picture pixel straddles two device pixels and the first row is the
// picture's first row. Qt rounds a widget's fractional device position to the nearest pixel, halves up.
void DrawUnscaled(QPainter& painter, QPointF logicalOrigin, const QImage& picture) {
    const QTransform toDevice = painter.deviceTransform();
    const QPointF device = toDevice.map(logicalOrigin);
    const QPointF aligned(qRound(device.x()), qRound(device.y()));
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

void PictureBox::setPicture(const QString& file) {
    pictureFile_ = file;
    picture_ = pictureAtDensity_ = {};
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
    // Read when first shown: the hidden view's picture costs nothing before the window opens.
    if (picture_.isNull() && !pictureFile_.isEmpty())
        picture_ = ReadBitmap(QResource(pictureFile_).uncompressedData());
    if (!picture_.isNull()) {
        painter.save();
        painter.setClipRect(clientArea_->geometry());
        const qreal ratio = painter.device()->devicePixelRatioF();
        if (pictureAtDensity_.isNull() || pictureAtDensity_.devicePixelRatio() != ratio)
            pictureAtDensity_ = AtDensity(picture_, ratio);
        DrawUnscaled(painter, clientArea_->geometry().topLeft(), pictureAtDensity_);
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
