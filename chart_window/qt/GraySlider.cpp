#include "GraySlider.h"

#include <QKeyEvent>
#include <QProxyStyle>

namespace ChartWindow {
namespace {

// Some styles jump the thumb to a click in the track; a level chooser steps instead.
class TrackClickSteps final : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

GraySlider::GraySlider(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    auto* style = new TrackClickSteps;
    style->setParent(this);
    setStyle(style);
    setFocusPolicy(Qt::StrongFocus);
}

void GraySlider::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace ChartWindow
