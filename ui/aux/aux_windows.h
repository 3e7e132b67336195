// What the program's start-up and the main window's Help menu call.
#pragma once

#include <functional>

class QWidget;

namespace tarnwick {

class frmSplash;

// Shows the splash and, once it has closed by whatever route, calls
// `openMainWindow` exactly once from the event loop. The splash deletes
// itself; the pointer is for those who want to watch it.
frmSplash* ShowSplashThen(std::function<void()> openMainWindow);

// Help, About and Help, Topics: a fresh window each time, shown modally and
// discarded when closed.
void ShowAboutWindow(QWidget* parent);
void ShowHelpWindow(QWidget* parent);

}  // namespace tarnwick
