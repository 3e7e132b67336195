// Helpers for tests that really open modal windows: act on the window once it
// is up, then make sure it is gone, so that a failing test cannot hang.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tarnwick::test {

struct ModalRun {
    bool seen = false;      // a modal window came up
    bool leftOpen = false;  // it was still open after the action
};

// Waits for the next modal window, runs `action` on it and checks 100 ms
// later that it has gone; if not, records that and closes it.
inline void WhenModalOpens(ModalRun& run, std::function<void(QWidget*)> action, int triesLeft = 200) {
    QTimer::singleShot(10, [&run, action = std::move(action), triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (triesLeft > 0) {
                WhenModalOpens(run, std::move(action), triesLeft - 1);
            }
            return;
        }
        run.seen = true;
        action(modal);
        QTimer::singleShot(100, [&run, window = QPointer<QWidget>(modal)] {
            if (window && window->isVisible()) {
                run.leftOpen = true;
                if (auto* dialog = qobject_cast<QDialog*>(window.data())) {
                    dialog->reject();
                } else {
                    window->close();
                }
            }
        });
    });
}

// True when no window of the application is left, shown or hidden, once
// pending deletions have run.
inline bool NoWindowLeft() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return QApplication::topLevelWidgets().isEmpty();
}

}  // namespace tarnwick::test
