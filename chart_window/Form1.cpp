#include "Form1.h"

#include "ChartLevels.h"
#include "GraySlider.h"
#include "PictureBox.h"
#include "SkipOnFailure.h"
#include "WindowPlacement.h"
#include "monitor.xpm"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace ChartWindow {
namespace {

// A fixed-size window with a title and a close box, and no minimise or maximise box.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

constexpr const char* kArial = "Arial";
constexpr qreal kWindowFontPoints = 8.0;
constexpr qreal kPatchCaptionPoints = 6.75;
constexpr qreal kGammaReadoutPoints = 14.25;
const QString kGammaPrefix = QStringLiteral("Gamma :  ");

QColor Gray(int level) { return QColor(level, level, level); }

QColor Resolve(const Colour& colour) {
    const QPalette palette = QApplication::palette();
    switch (colour.role) {
    case Colour::Role::Rgb:
        return QColor(colour.red, colour.green, colour.blue);
    case Colour::Role::ButtonFace:
        return palette.color(QPalette::Button);
    case Colour::Role::ButtonText:
        return palette.color(QPalette::ButtonText);
    case Colour::Role::WindowBackground:
        return palette.color(QPalette::Base);
    case Colour::Role::Transparent:
        break;
    }
    return Qt::transparent;
}

QFont CaptionFont(qreal points) {
    QFont font(kArial);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QRect PixelRect(const ControlSpec& row) {
    return {TwipsToPixels(row.left), TwipsToPixels(row.top), TwipsToPixels(row.width), TwipsToPixels(row.height)};
}

void SetColours(QWidget& widget, const ControlSpec& row) {
    QPalette palette = widget.palette();
    const QColor fore = Resolve(row.fore);
    palette.setColor(QPalette::WindowText, fore);
    palette.setColor(QPalette::ButtonText, fore);
    palette.setColor(QPalette::Text, fore);
    if (row.back.role != Colour::Role::Transparent) {
        palette.setColor(QPalette::Window, Resolve(row.back));
        widget.setAutoFillBackground(true);
    }
    widget.setPalette(palette);
}

} // namespace

Form1::Form1(const Commands::Environment& environment, GammaFunction gamma)
    : QWidget(nullptr, kWindowFlags), environment_(environment), gamma_(std::move(gamma)) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(TwipsToPixels(kFormClientWidth), TwipsToPixels(kFormClientHeight));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    QFont font(kArial);
    font.setPointSizeF(kWindowFontPoints);
    setFont(font);
    setWindowIcon(QPixmap::fromImage(QImage(monitor_xpm)));
    RequestFrameExtents(*this);
    Build();
}

QWidget* Form1::Find(const ControlId& id) {
    if (id == kForm)
        return this;
    const auto found = controls_.find(id.ToString());
    return found == controls_.end() ? nullptr : found->second;
}

QWidget* Form1::ClientOf(const ControlId& container) {
    QWidget* widget = Find(container);
    if (auto* box = qobject_cast<PictureBox*>(widget))
        return box->clientArea();
    return widget;
}

QWidget* Form1::CreateControl(const ControlSpec& row, QWidget* parent) {
    const QString caption = QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size()));
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::PictureBox: {
        auto* box = new PictureBox(row.border, parent);
        box->setBoxGeometry(PixelRect(row));
        box->setBackColor(Resolve(row.back));
        if (!row.picture.empty())
            box->setPicture(QStringLiteral(":/") +
                            QString::fromUtf8(row.picture.data(), qsizetype(row.picture.size())));
        widget = box;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (row.border == Border::Single)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        if (row.font == FontStyle::PatchCaption)
            label->setFont(CaptionFont(kPatchCaptionPoints));
        else if (row.font == FontStyle::GammaReadout)
            label->setFont(CaptionFont(kGammaReadoutPoints));
        widget = label;
        break;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(caption, parent);
        option->setChecked(row.value != 0);
        widget = option;
        break;
    }
    case ControlKind::HScrollBar: {
        auto* slider = new GraySlider(parent);
        slider->setRange(kSliderMinimum, kSliderMaximum);
        slider->setSingleStep(kSliderSmallChange);
        slider->setPageStep(kSliderLargeChange);
        slider->setValue(row.value);
        widget = slider;
        break;
    }
    }
    if (row.kind != ControlKind::PictureBox) {
        SetColours(*widget, row);
        widget->setGeometry(PixelRect(row));
    }
    widget->setObjectName(QString::fromStdString(row.id.ToString()));
    widget->setHidden(!row.visible);
    return widget;
}

void Form1::Build() {
    const auto& table = ControlTable();
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlSpec& row : table) {
        QWidget* widget = CreateControl(row, ClientOf(row.container));
        controls_.emplace(row.id.ToString(), widget);
        if (row.kind != ControlKind::Label)
            tabStops.emplace_back(row.tabIndex, widget);
    }
    // Earlier rows lie above later ones: raise from the last row to the first.
    for (auto row = table.rbegin(); row != table.rend(); ++row)
        Find(row->id)->raise();

    std::sort(tabStops.begin(), tabStops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);

    auto control = [this]<class T>(T*& member, ControlId id) { member = qobject_cast<T*>(Find(id)); };
    for (int i = 0; i < 2; ++i) {
        control(picView[i], {"picView", i});
        control(Option1[i], {"Option1", i});
    }
    for (int i = 0; i < kPatchCount; ++i) {
        control(picGamma[i], {"picGamma", i});
        control(lblGamma[i], {"lblGamma", i});
    }
    control(Picture1, {"Picture1"});
    control(Picture2, {"Picture2"});
    control(Picture3, {"Picture3"});
    control(Picture4, {"Picture4"});
    control(Picture5, {"Picture5"});
    control(Label1, {"Label1"});
    control(Label2, {"Label2"});
    control(HScroll1, {"HScroll1"});

    // The control with the lowest tab index has the focus when the window opens.
    tabStops.front().second->setFocus();

    for (int i = 0; i < 2; ++i)
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected)
                Option1_Click(i);
        });
    // With tracking on, the value changes (and the update runs) at every step of a drag as well.
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
}

void Form1::Show() {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    show();
}

void Form1::Form_Load() {
    if (!CenterOnPrimaryScreen(*this))
        return;
    setWindowTitle(QString::fromStdU16String(environment_.AppTitle));
    Picture2->setBackColor(Gray(kStartLevel));
    Picture5->setBackColor(Picture2->backColor());
    for (int i = 0; i < kPatchCount; ++i)
        picGamma[i]->setBackColor(Gray(kPatchLevels[i]));
}

void Form1::Option1_Click(int index) {
    // No event is handled between these lines, so the moment with both views hidden is never drawn.
    picView[0]->hide();
    picView[1]->hide();
    picView[index]->show();
}

void Form1::HScroll1_Change() {
    const auto level = static_cast<std::int16_t>(HScroll1->value());
    const QString d = QString::number(level);
    Label2->setText(QStringLiteral("RGB(%1, %2, %3)").arg(d, d, d));
    Commands::RunOrSkip([&]() -> Commands::Result<void> {
        const auto gamma = GetGammaValue(level);
        if (!gamma)
            return std::unexpected(gamma.error());
        Label1->setText(kGammaPrefix + QString::fromStdU16String(*gamma));
        return {};
    });
    Picture2->setBackColor(Gray(level));
    Picture5->setBackColor(Picture2->backColor());
}

} // namespace ChartWindow
