// Entry points to the splash, About and help windows.
#include "ui/aux/aux_windows.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

#include "ui/aux/about_window.h"
#include "ui/aux/help_window.h"
#include "ui/aux/splash_window.h"
#include "ui/common/return_focus.h"

namespace tarnwick::ui {

namespace {

// Centred on the screen the parent is on, not on the parent.
void CentreOnScreen(QWidget& window, const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect centred(QPoint(0, 0), window.size());
        centred.moveCenter(screen->availableGeometry().center());
        window.move(centred.topLeft());
    }
}

}  // namespace

SplashWindow* ShowSplashThen(std::function<void()> open_main_window) {
    auto* splash = new SplashWindow;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    // Queued, so that the splash is gone from the screen before the main window
    // comes up, and so that an opener that runs a modal loop does not run it
    // inside the splash's close.
    QObject::connect(
        splash, &SplashWindow::unloaded, QCoreApplication::instance(), [open = std::move(open_main_window)] { open(); },
        Qt::QueuedConnection);
    splash->show();
    return splash;
}

void ShowAboutWindow(QWidget* parent) {
    AboutWindow about(parent);
    CentreOnScreen(about, parent);
    about.exec();
    ui::ReturnFocusTo(parent);
}

void ShowHelpWindow(QWidget* parent) {
    HelpWindow help(parent);
    CentreOnScreen(help, parent);
    help.exec();
    ui::ReturnFocusTo(parent);
}

}  // namespace tarnwick::ui
