#pragma once
// A rectangle with a background colour, an optional border and an optional picture drawn unscaled,
// one image pixel on one screen pixel, from its top-left corner. Contained controls live in its client
// area, the part inside the border, which clips them.

#include "Bitmap.h"
#include "ControlTable.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class QPainter;

namespace ChartWindow {

class PictureBox final : public QWidget {
    Q_OBJECT
  public:
    // The border, role and kind of the control table's row.
    PictureBox(const ControlSpec& row, QWidget* parent = nullptr);

    AccessibleRole role() const { return role_; }
    // A patch or a swatch tells assistive technology its gray.
    void setBackColor(const QColor& colour);
    QColor backColor() const { return backColor_; }
    // The bitmap (a P4 resource) drawn unscaled from the top-left corner of the client area.
    void setPicture(const QString& file);
    // A notice drawn in place of the picture, which a screen reader is told too; none for the empty text.
    void setNotice(const QString& notice);
    QWidget* clientArea() const { return clientArea_; }
    // Places the box; its client area follows at once, even while the box is hidden.
    void setBoxGeometry(const QRect& geometry);
    int borderWidth() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeClientArea();
    void drawNotice(QPainter& painter) const;

    Border border_;
    AccessibleRole role_;
    bool showsGray_;
    QColor backColor_;
    QString pictureFile_;
    Bitmap picture_;
    QImage pictureAtDensity_; // the picture for the density it was last drawn at
    QColor noticeColour_;
    QString notice_;
    QWidget* clientArea_ = nullptr;
};

} // namespace ChartWindow
