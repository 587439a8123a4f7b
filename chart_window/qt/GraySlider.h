#pragma once
// The gray-level slider: a horizontal scroll bar that behaves as users expect of one. Left and Up lower
// the level by one, Right and Down raise it; PageUp and PageDown move ten; Home and End go to the ends;
// a click in the track moves ten towards the click, whatever the style would do.

#include <QScrollBar>

namespace ChartWindow {

class GraySlider final : public QScrollBar {
    Q_OBJECT
  public:
    explicit GraySlider(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace ChartWindow
