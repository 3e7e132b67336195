// What the program's start-up and the main window's Help menu call.
#pragma once

#include <functional>

class QWidget;

namespace tarnwick::ui {

class SplashWindow;

// Shows the splash and, once it has closed by whatever route, calls
// `open_main_window` exactly once from the event loop. The splash deletes
// itself; the pointer is for those who want to watch it.
SplashWindow* ShowSplashThen(std::function<void()> open_main_window);

// Help, About and Help, Topics: a fresh window each time, shown modally and
// discarded when closed.
void ShowAboutWindow(QWidget* parent);
void ShowHelpWindow(QWidget* parent);

}  // namespace tarnwick::ui
