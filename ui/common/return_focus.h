// Handing the keyboard back to a window. Without a window manager nobody
// else does it: the X server gives the focus to the root window when a
// window closes, and a newly shown window gets none.
#pragma once

class QWidget;

namespace tarnwick::ui {

// Makes the window of `widget` the active one, with the keyboard in the
// control that last had it. Does nothing for a null or hidden window.
void ReturnFocusTo(QWidget* widget);

}  // namespace tarnwick::ui
