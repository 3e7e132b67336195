#include "ui/common/accessibility_notice.h"

namespace tarnwick::ui {
namespace {

std::function<void(const QAccessibleEvent&)>& Listener() {
    static std::function<void(const QAccessibleEvent&)> listener;
    return listener;
}

}  // namespace

void Announce(QAccessibleEvent& event) {
    if (Listener()) Listener()(event);
    QAccessible::updateAccessibility(&event);
}

void ListenToNotices(std::function<void(const QAccessibleEvent&)> listener) { Listener() = std::move(listener); }

}  // namespace tarnwick::ui
