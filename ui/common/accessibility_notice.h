// The one road by which the windows tell assistive technology of a text
// they change themselves.
#pragma once

#include <QString>

class QObject;

namespace tarnwick::ui {

// `object` now shows `after` where it showed `before`. Sent as a text
// change, which Qt hands on for anything with a text interface; a value
// change is dropped, with a warning, unless the object has a value.
void AnnounceTextChange(QObject* object, const QString& before, const QString& after);

}  // namespace tarnwick::ui
