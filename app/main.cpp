// Starts the program: the splash first, then the decoder window, whose Help
// menu opens the About and help windows. The program ends with the window.
#include <QApplication>
#include <memory>

#include "ui/aux/aux_windows.h"
#include "ui/common/core_text.h"
#include "ui/common/emblem.h"
#include "ui/common/font_substitutes.h"
#include "ui/main/decoder_window.h"
#include "tarnwick_version.h"

namespace {

std::unique_ptr<tarnwick::ui::DecoderWindow> OpenDecoderWindow() {
    auto window = std::make_unique<tarnwick::ui::DecoderWindow>();
    auto* w = window.get();
    QObject::connect(w, &tarnwick::ui::DecoderWindow::aboutRequested, w, [w] { tarnwick::ui::ShowAboutWindow(w); });
    QObject::connect(w, &tarnwick::ui::DecoderWindow::helpRequested, w, [w] { tarnwick::ui::ShowHelpWindow(w); });
    w->show();
    return window;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Decoder"));
    QApplication::setApplicationVersion(tarnwick::ui::FromUtf8(tarnwick::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarnwick.Decoder"));
    tarnwick::ui::InstallFontSubstitutes();

    std::unique_ptr<tarnwick::ui::DecoderWindow> window;
    tarnwick::ui::ShowSplashThen([&window] { window = OpenDecoderWindow(); });
    // Painted after the splash is up, so that it does not hold the splash back.
    QApplication::setWindowIcon(tarnwick::ui::ProgramIcon());
    return QApplication::exec();
}
