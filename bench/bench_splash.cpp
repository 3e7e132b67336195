// Start-up benchmark: the time from starting a process to the splash being
// painted. Run without arguments, it starts itself again and again as a child
// that shows the splash as the program does, and reports what the children
// saw. Needs a display (or QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ui/aux/aux_windows.h"
#include "ui/aux/splash_window.h"
#include "ui/common/font_substitutes.h"
#include "ui/common/window_fonts.h"

namespace {

constexpr int kRuns = 20;
constexpr char kChildFlag[] = "--child";

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Prints the clock once the first paint of the watched widget is done, then
// ends the run.
class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After the paint event and the flush to the screen that follows it.
            QTimer::singleShot(0, [] {
                std::printf("%lld\n", NowNs());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

// What the program does up to the splash.
int RunChild(int argc, char** argv) {
    QApplication app(argc, argv);
    tarnwick::ui::InstallFontSubstitutes();
    FirstPaint watcher;
    tarnwick::ui::SplashWindow* splash = tarnwick::ui::ShowSplashThen([] {});
    splash->installEventFilter(&watcher);
    return app.exec();
}

int RunParent(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const long long started = NowNs();
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildFlag)});
        if (!child.waitForFinished(10000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", run);
            return 1;
        }
        const long long painted = child.readAllStandardOutput().trimmed().toLongLong();
        ms.push_back(static_cast<double>(painted - started) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("process start to splash painted, %d runs: min %.1f ms, median %.1f ms, max %.1f ms\n", kRuns,
                ms.front(), ms[ms.size() / 2], ms.back());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0) {
        return RunChild(argc, argv);
    }
    return RunParent(argc, argv);
}
