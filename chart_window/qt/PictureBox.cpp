#include "PictureBox.h"

#include "RgbText.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResource>
#include <qdrawutil.h>

#include <string_view>

namespace ChartWindow {
namespace {

constexpr int kFlatBorderWidth = 1;
constexpr int kSunkenBorderWidth = 2;

// The picture for the painter's density, as an image tagged with that density.
QImage ImageAtDensity(const Bitmap& picture, qreal ratio) {
    const Bitmap device = AtDensity(picture, ratio);
    QImage image(device.width, device.height, QImage::Format_RGB32);
    for (int y = 0; y < device.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < device.width; ++x)
            line[x] = device.Black(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    image.setDevicePixelRatio(ratio);
    return image;
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

PictureBox::PictureBox(const ControlSpec& row, QWidget* parent)
    : QWidget(parent), border_(row.border), role_(row.role), showsGray_(ShowsGray(row)),
      noticeColour_(row.fore.red, row.fore.green, row.fore.blue), clientArea_(new QWidget(this)) {
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
    if (showsGray_)
        setAccessibleDescription(QString::fromStdU16String(RgbText(colour.red(), colour.green(), colour.blue())));
    update();
}

void PictureBox::setPicture(const QString& file) {
    pictureFile_ = file;
    picture_ = {};
    pictureAtDensity_ = {};
    update();
}

void PictureBox::setNotice(const QString& notice) {
    if (notice == notice_)
        return;
    notice_ = notice;
    setAccessibleDescription(notice);
    update();
}

void PictureBox::drawNotice(QPainter& painter) const {
    const QRect client = clientArea_->geometry();
    painter.fillRect(client, Qt::black);
    painter.setPen(noticeColour_);
    // At the top of the field, clear of view 2's swatch.
    const int margin = TwipsToPixels(kNoticeMargin);
    painter.drawText(client.adjusted(margin, margin, -margin, -margin), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     notice_);
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
    if (picture_.IsNull() && !pictureFile_.isEmpty()) {
        const QByteArray data = QResource(pictureFile_).uncompressedData();
        picture_ = ReadBitmap(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    }
    if (!notice_.isEmpty()) {
        drawNotice(painter);
    } else if (!picture_.IsNull()) {
        painter.save();
        painter.setClipRect(clientArea_->geometry());
        const qreal ratio = painter.device()->devicePixelRatioF();
        if (pictureAtDensity_.isNull() || pictureAtDensity_.devicePixelRatio() != ratio)
            pictureAtDensity_ = ImageAtDensity(picture_, ratio);
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
