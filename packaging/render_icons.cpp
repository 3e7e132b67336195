// Renders the program's icon, the one its windows show, into the PNG sizes
// of the hicolor theme. Run by hand when the icon changes; the PNGs it writes
// are kept in packaging/icons/ so that building needs no rendering step:
//   cmake --build <build> --target tarnwick_render_icons
//   QT_QPA_PLATFORM=offscreen <build>/packaging/tarnwick_render_icons packaging/icons
#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

#include "ui/common/emblem.h"
#include "ui/common/font_substitutes.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    tarnwick::ui::InstallFontSubstitutes();
    const QIcon icon = tarnwick::ui::ProgramIcon();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image =
            icon.pixmap(side, side).toImage().scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString file = out.filePath(QStringLiteral("%1.png").arg(side));
        if (!image.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
