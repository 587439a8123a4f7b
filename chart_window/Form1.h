#pragma once
// The program's one window: the reference chart with its sixteen gray patches, two views of the line
// field and swatch, and the control panel with the view buttons, the gray-level slider and its two
// readouts. Built from the control table.

#include "Commands.h"
#include "ControlTable.h"
#include "GammaValue.h"

#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <string>

class QLabel;
class QRadioButton;

namespace ChartWindow {

class GraySlider;
class PictureBox;

class Form1 final : public QWidget {
    Q_OBJECT
  public:
    using GammaFunction = std::function<Commands::Result<Commands::Text>(std::int16_t)>;

    // `gamma` computes the gamma readout; tests hand in one that fails.
    explicit Form1(const Commands::Environment& environment, GammaFunction gamma = ChartWindow::GetGammaValue);

    // Loads the window once (its load handler runs first) and makes it visible, without waiting.
    void Show();

    // The gamma text of a gray level.
    Commands::Result<Commands::Text> GetGammaValue(std::int16_t iCol) const { return gamma_(iCol); }

  private:
    void Build();
    QWidget* CreateControl(const ControlSpec& row, QWidget* parent);
    QWidget* ClientOf(const ControlId& container);
    QWidget* Find(const ControlId& id);

    void Form_Load();
    void Option1_Click(int index);
    void HScroll1_Change();

    const Commands::Environment& environment_;
    GammaFunction gamma_;
    bool loaded_ = false;
    std::map<std::string, QWidget*> controls_; // by name, as in "picGamma(3)"

    std::array<PictureBox*, 2> picView{};
    std::array<PictureBox*, 16> picGamma{};
    std::array<QLabel*, 16> lblGamma{};
    std::array<QRadioButton*, 2> Option1{};
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture3 = nullptr;
    PictureBox* Picture4 = nullptr;
    PictureBox* Picture5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    GraySlider* HScroll1 = nullptr;
};

} // namespace ChartWindow
