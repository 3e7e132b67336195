// Benchmark of the decoder window: process start to the window shown and
// painted, Decode pressed to the twelve labels written (and painted), and the
// resident memory of the open window. Run without arguments, it starts
// itself again and again as a child that opens the window as the program
// does, and reports what the children saw. Needs a display (xvfb-run) or
// QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "ui/common/emblem.h"
#include "ui/main/decoder_window.h"

namespace {

constexpr int kRuns = 20;
constexpr int kDecodes = 2000;
constexpr char kChildFlag[] = "--child";

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Resident set size of this process, in kB.
long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Two 1966 plates that decode to different texts, so that every press
// really rewrites the labels.
constexpr std::array<std::array<const char*, 8>, 2> kPlates = {{
    {"6F07C100001", "65A", "M", "26", "15K", "22", "8", "1"},
    {"6F07C100002", "65A", "M", "26", "12K", "33", "8", "1"},
}};
constexpr std::array<const char*, 8> kFieldNames = {"txtWarranty", "txtBody", "txtColor", "txtTrim",
                                                    "txtDate",     "txtDSO",  "txtAxle",  "txtTrans"};

// Presses Decode many times; returns the median microseconds to the labels
// written, and to the labels written and painted.
std::pair<double, double> TimeDecodes(tarnwick::ui::DecoderWindow& window) {
    window.findChild<QRadioButton*>(QStringLiteral("opt1966"))->click();
    auto* decode = window.findChild<QPushButton*>(QStringLiteral("cmdDecode"));
    auto* year = window.findChild<QLabel*>(QStringLiteral("lblYearResult"));
    std::vector<double> written, painted;
    for (int i = 0; i < kDecodes; ++i) {
        const auto& plate = kPlates[static_cast<std::size_t>(i % 2)];
        for (std::size_t f = 0; f < kFieldNames.size(); ++f) {
            window.findChild<QLineEdit*>(QString::fromLatin1(kFieldNames[f]))->setText(QString::fromLatin1(plate[f]));
        }
        QCoreApplication::processEvents();
        const long long start = NowNs();
        decode->click();
        const long long done = NowNs();
        QCoreApplication::processEvents();  // the repaint of the changed labels
        const long long shown = NowNs();
        if (year->text() != QLatin1String("1966")) std::abort();
        written.push_back(static_cast<double>(done - start) / 1e3);
        painted.push_back(static_cast<double>(shown - start) / 1e3);
    }
    return {Median(written), Median(painted)};
}

// Prints the clock once the window's first paint is done, then measures the
// decode and the memory, and ends the run.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(tarnwick::ui::DecoderWindow& window) : window_(window) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] {
                const long long painted = NowNs();
                const long open_kb = ResidentKb();
                const auto [written_us, painted_us] = TimeDecodes(window_);
                std::printf("%lld %ld %.2f %.2f %ld\n", painted, open_kb, written_us, painted_us, ResidentKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    tarnwick::ui::DecoderWindow& window_;
    bool seen_ = false;
};

// What the program does up to its window.
int RunChild(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(tarnwick::ui::ProgramIcon());
    tarnwick::ui::DecoderWindow window;
    window.SetExitHandler([] {});
    FirstPaint watcher(window);
    window.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}

int RunParent(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<double> start_ms, written_us, painted_us, open_mb, after_mb;
    for (int run = 0; run < kRuns; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const long long started = NowNs();
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildFlag)});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", run);
            return 1;
        }
        const QList<QByteArray> seen = child.readAllStandardOutput().trimmed().split(' ');
        if (seen.size() != 5) {
            std::fprintf(stderr, "run %d printed nothing usable\n", run);
            return 1;
        }
        start_ms.push_back(static_cast<double>(seen[0].toLongLong() - started) / 1e6);
        open_mb.push_back(seen[1].toDouble() / 1024);
        written_us.push_back(seen[2].toDouble());
        painted_us.push_back(seen[3].toDouble());
        after_mb.push_back(seen[4].toDouble() / 1024);
    }
    std::sort(start_ms.begin(), start_ms.end());
    std::printf("process start to window painted, %d runs: min %.1f ms, median %.1f ms, max %.1f ms\n", kRuns,
                start_ms.front(), Median(start_ms), start_ms.back());
    std::printf("Decode pressed to labels written: median %.1f us (to labels painted: %.1f us), %d presses a run\n",
                Median(written_us), Median(painted_us), kDecodes);
    std::printf("resident memory: open window %.1f MB, after the presses %.1f MB (medians)\n", Median(open_mb),
                Median(after_mb));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == kChildFlag) return RunChild(argc, argv);
    return RunParent(argc, argv);
}
