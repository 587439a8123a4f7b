#include "QtToolkit.h"

#include "Accessibility.h"
#include "QtForm1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace ChartWindow {
namespace {

constexpr int kNoWindowStatus = 2;

QtMessageHandler previousHandler = nullptr;

// Qt aborts when it cannot open a window at all (no display, say). Say so plainly and end instead.
void ExitOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (previousHandler)
            previousHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "tonalyx: cannot open the window: %s\n", qPrintable(message));
    std::_Exit(kNoWindowStatus);
}

} // namespace

QtToolkit::QtToolkit(char* argv0, const Commands::Environment& environment)
    : argv_{argv0, nullptr}, environment_(environment) {}

QtToolkit::~QtToolkit() = default;

Commands::Result<void> QtToolkit::ShowMainWindow() {
    if (!application_) {
        previousHandler = qInstallMessageHandler(ExitOnFatal);
        application_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setApplicationVersion(QStringLiteral(TONALYX_VERSION_TEXT));
        // Lets a Wayland compositor match the window with its desktop entry and icon.
        QGuiApplication::setDesktopFileName(QStringLiteral("com.quenbury.Tonalyx"));
        // What assistive technology calls the application.
        QGuiApplication::setApplicationName(QStringLiteral("Quenbury Tonalyx"));
        InstallAccessibility();
    }
    if (!form_)
        form_ = std::make_unique<QtForm1>(environment_);
    form_->Show();
    return {};
}

int QtToolkit::Exec() { return application_ && form_ ? application_->exec() : kNoWindowStatus; }

} // namespace ChartWindow
