// Telling assistive technology of a text a window changed itself, through
// Qt's accessibility events.
#include "ui/common/accessibility_notice.h"

#include <QAccessible>

namespace tarnwick::ui {

void AnnounceTextChange(QObject* object, const QString& before, const QString& after) {
    QAccessibleTextUpdateEvent event(object, 0, before, after);
    QAccessible::updateAccessibility(&event);
}

}  // namespace tarnwick::ui
