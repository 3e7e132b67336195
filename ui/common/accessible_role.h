// Roles for widgets that Qt would present as bare panes: a painted picture
// is read as an image with a name, an etched line as a separator, a panel
// that only holds others in place as layout to pass over.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace tarnwick::ui {

// Assistive technology reads the widget as an image called `name`.
void PresentAsImage(QWidget* widget, const QString& name);

// Assistive technology reads the widget as a separator line.
void PresentAsSeparator(QWidget* widget);

// Assistive technology passes over the widget to its children: it holds
// them in place and says nothing itself.
void PresentAsLayout(QWidget* widget);

// Assistive technology reads the widget as a group called `name`, its
// children inside it.
void PresentAsGroup(QWidget* widget, const QString& name, const QString& description);

}  // namespace tarnwick::ui
