#include "Accessibility.h"

#include "PictureBox.h"
#include "QtForm1.h"

#include <QAccessibleWidget>
#include <QScrollBar>

namespace ChartWindow {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt before 6.8 tells of a new description without its text, and screen readers (Orca 43) then say
// nothing. A notification they speak when it shows: an empty widget that draws nothing.
constexpr auto kNotification = "spokenValue";
#endif

// Qt takes a widget of its own kind for a plain client area.
QAccessibleInterface* Interface(const QString&, QObject* object) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (object->objectName() == QLatin1String(kNotification))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
#endif
    if (auto* form = qobject_cast<QtForm1*>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    if (auto* box = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(box, box->role() == AccessibleRole::Grouping ? QAccessible::Grouping
                                                                                  : QAccessible::Graphic);
    return nullptr;
}

} // namespace

void InstallAccessibility() { QAccessible::installFactory(Interface); }

void SetSpokenValue(QScrollBar& slider, const QString& text) {
    // The focused control's new description is spoken (Orca 48 on Qt 6.8). An announcement on top of it
    // would say it twice.
    slider.setAccessibleDescription(text);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (!slider.hasFocus() || !QAccessible::isActive())
        return;
    // A new one each time: a screen reader speaks a notification the first time it shows.
    delete slider.window()->findChild<QWidget*>(QLatin1String(kNotification));
    auto* notification = new QWidget(slider.window());
    notification->setObjectName(QLatin1String(kNotification));
    notification->setAccessibleName(text);
    notification->setGeometry(0, 0, 0, 0);
    notification->show();
#endif
}

} // namespace ChartWindow
