#include "Accessibility.h"

#include "PictureBox.h"
#include "QtForm1.h"

#include <QAccessibleWidget>
#include <QScrollBar>

namespace ChartWindow {
namespace {

// Qt takes a widget of its own kind for a plain client area.
QAccessibleInterface* Interface(const QString&, QObject* object) {
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
    slider.setAccessibleDescription(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (slider.hasFocus()) {
        QAccessibleAnnouncementEvent announcement(&slider, text);
        QAccessible::updateAccessibility(&announcement);
    }
#endif
}

} // namespace ChartWindow
