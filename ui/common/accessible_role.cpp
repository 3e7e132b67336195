// A factory that answers for widgets given a role here; Qt asks it before
// its own, once per widget.
#include "ui/common/accessible_role.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace tarnwick::ui {
namespace {

constexpr const char* kRoleProperty = "tarnwickAccessibleRole";

QAccessibleInterface* InterfaceForRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

void SetRole(QWidget* widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(InterfaceForRole);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

}  // namespace

void PresentAsImage(QWidget* widget, const QString& name) {
    SetRole(widget, QAccessible::Graphic);
    widget->setAccessibleName(name);
}

void PresentAsSeparator(QWidget* widget) { SetRole(widget, QAccessible::Separator); }

// A client area, which AT-SPI calls a filler.
void PresentAsLayout(QWidget* widget) { SetRole(widget, QAccessible::Client); }

void PresentAsGroup(QWidget* widget, const QString& name, const QString& description) {
    SetRole(widget, QAccessible::Grouping);
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

}  // namespace tarnwick::ui
