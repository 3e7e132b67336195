// The one road by which the windows tell assistive technology of a change
// they make themselves, so that tests can count the notices where no screen
// reader listens.
#pragma once

#include <QAccessible>
#include <functional>

namespace tarnwick::ui {

void Announce(QAccessibleEvent& event);

// Test seam: while set, every notice is also handed to `listener`, whether
// or not assistive technology is active. An empty function ends it.
void ListenToNotices(std::function<void(const QAccessibleEvent&)> listener);

}  // namespace tarnwick::ui
