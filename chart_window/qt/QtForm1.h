#pragma once
// The main window in Qt: the controls built from the control table, FormControls implemented on
// them, and Qt's notifications forwarded to the window's handlers (Form1).

#include "Commands.h"
#include "ControlTable.h"
#include "Form1.h"
#include "FormControls.h"
#include "WindowPlacement.h"

#include <QWidget>

#include <map>
#include <optional>
#include <string>

namespace ChartWindow {

class QtForm1 final : public QWidget, public FormControls {
    Q_OBJECT
  public:
    explicit QtForm1(const Commands::Environment& environment);

    // Loads the window once (its load handler runs first) and makes it visible, without waiting.
    void Show();

    Commands::Result<void> SetBackColor(const ControlId& box, RgbColour colour) override;
    Commands::Result<RgbColour> BackColor(const ControlId& box) override;
    Commands::Result<void> SetCaption(const ControlId& label, const Commands::Text& caption) override;
    Commands::Result<void> SetVisible(const ControlId& box, bool visible) override;
    Commands::Result<std::int16_t> SliderValue() override;
    Commands::Result<void> SetSliderValueText(const Commands::Text& text) override;
    Commands::Result<void> SetNotice(const ControlId& field, const Commands::Text& notice) override;
    Commands::Result<void> SetTitle(const Commands::Text& title) override;
    Commands::FormGeometry& OuterFrame() override;
    const Commands::Screen& PrimaryScreen() override { return screen_; }

  protected:
    bool event(QEvent* event) override;

  private:
    void Build();
    void FollowScreens();
    void FollowNativeWindow();
    void FollowScreenDensity();
    // Tells the handlers how the screen shows the window now.
    void ReportPresentation();
    QWidget* CreateControl(const ControlSpec& row, QWidget* parent);
    QWidget* ClientOf(const ControlId& container);
    QWidget* Find(const ControlId& id);
    template <class T> T* Control(const ControlId& id);

    Form1 handlers_;
    bool loaded_ = false;
    std::map<std::string, QWidget*> controls_; // by name, as in "picGamma(3)"
    QtPrimaryScreen screen_;
    std::optional<QtOuterFrame> frame_;
};

} // namespace ChartWindow
