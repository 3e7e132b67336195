// Writes what the web page takes from the desktop window, so the two share
// one source: the field layouts over the plate pictures (JSON), the three
// plate pictures (SVG, painted by the window's own painting code) and the
// program icon (PNG), also as a maskable icon for phones' home screens.
//
// Usage: tarnwick-web-assets OUTPUT_DIR
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSvgGenerator>
#include <array>
#include <cstdio>

#include "decoder/plate_fields.h"
#include "ui/common/emblem.h"
#include "ui/common/font_substitutes.h"
#include "ui/main/plate_layout.h"
#include "ui/main/plates_grille_emblem.h"

namespace {

using tarnwick::Field;
using tarnwick::ModelYear;
using namespace tarnwick::ui;

constexpr std::array<const char*, kPlatePictureCount> kPictureFiles = {"plate-1965.svg", "plate-1966.svg",
                                                                       "plate-1970.svg"};
constexpr std::array<int, 4> kIconSides = {32, 192, 256, 512};
constexpr int kMaskableSide = 512;

QJsonArray RectJson(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

// For each layout: its picture, each field's rectangle on the picture (in
// Field order) and the tab order; for each year the layout it uses and each
// field's length limit, so the fields take typing before the core has loaded;
// and the core's positions of the fields and the year the page names.
QJsonObject LayoutJson() {
    QJsonArray layouts;
    for (std::size_t i = 0; i < kLayouts.size(); ++i) {
        const PlateLayout& layout = *kLayouts[i];
        QJsonArray fields, tabs;
        for (Field field : tarnwick::kAllFields)
            fields.append(RectJson(FieldOnPicture(layout, field)));
        for (Field field : layout.tab_order)
            tabs.append(static_cast<int>(field));
        layouts.append(QJsonObject{{"picture", kPictureFiles[i]}, {"fields", fields}, {"tabOrder", tabs}});
    }
    QJsonArray years, limits;
    for (ModelYear year : tarnwick::kAllModelYears) {
        years.append(static_cast<int>(LayoutFor(year).picture));
        QJsonArray year_limits;
        for (Field field : tarnwick::kAllFields)
            year_limits.append(static_cast<int>(tarnwick::FieldMaxLength(field, year)));
        limits.append(year_limits);
    }
    return {{"pictureSize", QJsonArray{kPlatePictureSize.width(), kPlatePictureSize.height()}},
            {"layouts", layouts},
            {"yearLayout", years},
            {"maxLength", limits},
            {"positions", QJsonObject{{"warranty", static_cast<int>(Field::Warranty)},
                                      {"date", static_cast<int>(Field::Date)},
                                      {"year1970", static_cast<int>(ModelYear::Y1970)}}}};
}

// The browser may lack the window's fonts; let it fall back to its own of
// the same kind.
QByteArray WithFallbackFonts(QByteArray svg) {
    svg.replace("font-family=\"Arial\"", "font-family=\"Arial, Liberation Sans, Helvetica, sans-serif\"");
    svg.replace("font-family=\"Sans Serif\"", "font-family=\"Arial, Liberation Sans, Helvetica, sans-serif\"");
    svg.replace("font-family=\"Liberation Serif\"", "font-family=\"Liberation Serif, Times New Roman, serif\"");
    return svg;
}

QByteArray PlateSvg(PlatePicture picture) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(kPlatePictureSize);
    svg.setViewBox(QRect(QPoint(0, 0), kPlatePictureSize));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Door data plate"));
    {
        QPainter p(&svg);
        DrawPlatePicture(p, picture);
    }
    return WithFallbackFonts(buffer.data());
}

bool Write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
    std::fprintf(stderr, "tarnwick-web-assets: cannot write %s\n", qPrintable(file.fileName()));
    return false;
}

// A phone crops a maskable icon to its own shape, keeping at least the
// middle circle of 80 %: the icon within it, on the page's maroon to the
// edges.
QPixmap MaskableIcon(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(QColor(0x6e, 0x0e, 0x14));
    const int inner = side * 8 / 10;
    QPainter(&pixmap).drawPixmap((side - inner) / 2, (side - inner) / 2, IconPixmap(inner));
    return pixmap;
}

bool SavePng(const QDir& dir, const QString& name, const QPixmap& pixmap) {
    constexpr int kSmallestPng = 0;
    if (pixmap.save(dir.filePath(name), "PNG", kSmallestPng)) return true;
    std::fprintf(stderr, "tarnwick-web-assets: cannot write %s\n", qPrintable(name));
    return false;
}

bool WriteIcons(const QDir& dir) {
    for (int side : kIconSides) {
        if (!SavePng(dir, QStringLiteral("icon-%1.png").arg(side), IconPixmap(side))) return false;
    }
    return SavePng(dir, QStringLiteral("icon-maskable-%1.png").arg(kMaskableSide), MaskableIcon(kMaskableSide));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarnwick-web-assets OUTPUT_DIR\n");
        return 2;
    }
    InstallFontSubstitutes();
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    bool ok = Write(dir, QStringLiteral("layout.json"), QJsonDocument(LayoutJson()).toJson(QJsonDocument::Compact));
    for (std::size_t i = 0; i < kPictureFiles.size(); ++i)
        ok = ok && Write(dir, QString::fromLatin1(kPictureFiles[i]), PlateSvg(static_cast<PlatePicture>(i)));
    ok = ok && WriteIcons(dir);
    return ok ? 0 : 1;
}
