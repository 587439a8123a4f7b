#pragma once
// The real main window, loaded and shown as start-up shows it, with its controls found by name and its
// pixels read back from a grab.

#include "Commands.h"
#include "Form1.h"
#include "PictureBox.h"

#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

struct WindowFixture {
    Commands::Environment env;
    std::unique_ptr<ChartWindow::Form1> form;

    explicit WindowFixture(ChartWindow::Form1::GammaFunction gamma = ChartWindow::GetGammaValue) {
        env.AppTitle = u"Quenbury Tonalyx";
        form = std::make_unique<ChartWindow::Form1>(env, std::move(gamma));
        form->Show();
        form->activateWindow();
        (void)QTest::qWaitForWindowExposed(form.get());
    }

    template <class T = QWidget> T* Control(const char* name) const {
        auto* widget = form->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    ChartWindow::PictureBox* Box(const char* name) const { return Control<ChartWindow::PictureBox>(name); }
    QScrollBar* Slider() const { return Control<QScrollBar>("HScroll1"); }
    QString Text(const char* label) const { return Control<QLabel>(label)->text(); }

    // The window as it is drawn now, in logical pixels of the window.
    QImage Grab() const {
        QImage image = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        return image;
    }
    // The colour drawn at the centre of a control.
    QColor CentreColour(QWidget* widget) const {
        const QPoint centre = widget->mapTo(form.get(), widget->rect().center());
        const QImage image = Grab();
        const qreal ratio = form->devicePixelRatioF();
        return image.pixelColor(int(centre.x() * ratio), int(centre.y() * ratio));
    }
};

inline QColor Gray(int level) { return QColor(level, level, level); }
