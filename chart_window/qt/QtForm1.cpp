#include "QtForm1.h"

#include "Accessibility.h"
#include "GraySlider.h"
#include "OutputScale.h"
#include "PictureBox.h"
#include "monitor.xpm"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>
#include <vector>

namespace ChartWindow {
namespace {

// A fixed-size window with a title and a close box, and no minimise or maximise box.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

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

QFont FontFor(FontStyle style) {
    QFont font(QString::fromLatin1(kFontFace));
    font.setPointSizeF(FontOf(style).points);
    font.setBold(FontOf(style).bold);
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

QtForm1::QtForm1(const Commands::Environment& environment)
    : QWidget(nullptr, kWindowFlags), handlers_(*this, environment) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(TwipsToPixels(kFormClientWidth), TwipsToPixels(kFormClientHeight));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setFont(FontFor(FontStyle::WindowDefault));
    setWindowIcon(QPixmap::fromImage(QImage(monitor_xpm)));
    RequestFrameExtents(*this);
    Build();
}

QWidget* QtForm1::Find(const ControlId& id) {
    if (id == kForm)
        return this;
    const auto found = controls_.find(id.ToString());
    return found == controls_.end() ? nullptr : found->second;
}

QWidget* QtForm1::ClientOf(const ControlId& container) {
    QWidget* widget = Find(container);
    if (auto* box = qobject_cast<PictureBox*>(widget))
        return box->clientArea();
    return widget;
}

QWidget* QtForm1::CreateControl(const ControlSpec& row, QWidget* parent) {
    const QString caption = QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size()));
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::PictureBox: {
        auto* box = new PictureBox(row, parent);
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
    if (row.font != FontStyle::WindowDefault)
        widget->setFont(FontFor(row.font));
    widget->setObjectName(QString::fromStdString(row.id.ToString()));
    widget->setAccessibleName(QString::fromUtf8(row.accessibleName.data(), qsizetype(row.accessibleName.size())));
    widget->setHidden(!row.visible);
    return widget;
}

void QtForm1::Build() {
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

    // The control with the lowest tab index has the focus when the window opens.
    tabStops.front().second->setFocus();

    for (std::int16_t i = 0; i < 2; ++i)
        connect(Control<QRadioButton>({"Option1", i}), &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                (void)handlers_.Option1_Click(i);
        });
    // With tracking on, the value changes at every step of a drag as well, so this one notification
    // serves both the change and the scroll.
    connect(Control<QScrollBar>({"HScroll1"}), &QScrollBar::valueChanged, this,
            [this] { handlers_.HScroll1_Change(); });
}

void QtForm1::Show() {
    const bool first = !loaded_;
    if (first) {
        loaded_ = true;
        // Nothing in loading is expected to fail; if anything did, the window still opens.
        (void)handlers_.Form_Load();
    }
    show();
    if (first) {
        FollowScreens();
        ReportPresentation();
    }
}

void QtForm1::FollowScreens() {
    auto follow = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, &QtForm1::FollowScreenDensity, Qt::QueuedConnection);
        connect(screen, &QScreen::physicalDotsPerInchChanged, this, &QtForm1::FollowScreenDensity,
                Qt::QueuedConnection);
    };
    for (QScreen* screen : QGuiApplication::screens())
        follow(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, follow);
    FollowNativeWindow();
}

void QtForm1::FollowNativeWindow() {
    connect(windowHandle(), &QWindow::screenChanged, this, &QtForm1::FollowScreenDensity, Qt::QueuedConnection);
}

void QtForm1::FollowScreenDensity() {
    // Qt 6.4 on Wayland keeps a window at its old density when its screen's scale changes, and the
    // compositor then stretches the chart into doubled or blurred rows. A new native window takes the
    // screen's density. Later Qt follows by itself, and then nothing happens here. Either way the fields
    // are told whether the screen now shows them as drawn.
    const QWindow* window = windowHandle();
    if (window && isVisible() && window->screen() &&
        window->devicePixelRatio() != window->screen()->devicePixelRatio()) {
        hide();
        destroy();
        show();
        FollowNativeWindow();
    }
    ReportPresentation();
}

bool QtForm1::event(QEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // Qt 6.8 draws at a Wayland compositor's fractional scale, which it may learn after the window shows.
    if (event->type() == QEvent::DevicePixelRatioChange && loaded_)
        ReportPresentation();
#endif
    return QWidget::event(event);
}

void QtForm1::ReportPresentation() {
    const QWindow* window = windowHandle();
    if (!window || !window->screen())
        return;
    Presentation now;
    // An X11 screen shows a window as it was drawn; a Wayland compositor may scale it.
    now.bufferScale = now.screenScale = window->devicePixelRatio();
    if (const auto output = WaylandOutputScale(*window->screen())) {
        now.screenScale = output->scale;
        now.blendsFractionalScale = output->blendsFractionalScale;
    }
    (void)handlers_.Presentation_Change(now);
}

template <class T> T* QtForm1::Control(const ControlId& id) { return qobject_cast<T*>(Find(id)); }

Commands::Result<void> QtForm1::SetBackColor(const ControlId& box, RgbColour colour) {
    auto* picture = Control<PictureBox>(box);
    if (!picture)
        return NoSuchControl();
    picture->setBackColor(QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff));
    return {};
}

Commands::Result<RgbColour> QtForm1::BackColor(const ControlId& box) {
    auto* picture = Control<PictureBox>(box);
    if (!picture)
        return NoSuchControl();
    const QColor c = picture->backColor();
    return static_cast<RgbColour>(c.red() + 256 * c.green() + 65536 * c.blue());
}

Commands::Result<void> QtForm1::SetCaption(const ControlId& label, const Commands::Text& caption) {
    auto* control = Control<QLabel>(label);
    if (!control)
        return NoSuchControl();
    control->setText(QString::fromStdU16String(caption));
    return {};
}

Commands::Result<void> QtForm1::SetVisible(const ControlId& box, bool visible) {
    auto* picture = Control<PictureBox>(box);
    if (!picture)
        return NoSuchControl();
    picture->setVisible(visible);
    return {};
}

Commands::Result<std::int16_t> QtForm1::SliderValue() {
    auto* slider = Control<QScrollBar>({"HScroll1"});
    if (!slider)
        return NoSuchControl();
    return static_cast<std::int16_t>(slider->value());
}

Commands::Result<void> QtForm1::SetSliderValueText(const Commands::Text& text) {
    auto* slider = Control<QScrollBar>({"HScroll1"});
    if (!slider)
        return NoSuchControl();
    SetSpokenValue(*slider, QString::fromStdU16String(text));
    return {};
}

Commands::Result<void> QtForm1::SetNotice(const ControlId& field, const Commands::Text& notice) {
    auto* picture = Control<PictureBox>(field);
    if (!picture)
        return NoSuchControl();
    picture->setNotice(QString::fromStdU16String(notice));
    return {};
}

Commands::Result<void> QtForm1::SetTitle(const Commands::Text& title) {
    setWindowTitle(QString::fromStdU16String(title));
    return {};
}

Commands::FormGeometry& QtForm1::OuterFrame() {
    frame_.emplace(*this);
    return *frame_;
}

} // namespace ChartWindow
