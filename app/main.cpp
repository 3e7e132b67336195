// Starts the program: the decoder window, until the splash takes over the
// start.
#include <QApplication>

#include "ui/main/artwork.h"
#include "ui/main/frm_decoder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Decoder"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.3"));
    QApplication::setWindowIcon(tarnwick::ui::ProgramIcon());

    tarnwick::ui::frmDecoder window;
    window.show();
    return QApplication::exec();
}
