// Giving a window the keyboard when it is shown or when a window over it
// closes, where no window manager does.
#include "ui/common/return_focus.h"

#include <QWidget>

namespace tarnwick::ui {

void ReturnFocusTo(QWidget* widget) {
    if (widget == nullptr) return;
    QWidget* window = widget->window();
    if (!window->isVisible()) return;
    window->raise();
    window->activateWindow();
}

}  // namespace tarnwick::ui
