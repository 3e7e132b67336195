// Font stand-ins and the window's fonts.
#include "ui/common/window_fonts.h"

namespace tarnwick::ui {
namespace {

// Point sizes at 96 dpi: 8.25 pt is 11 pixels, 9.75 pt is 13.
constexpr int kDialogPixels = 11;
constexpr int kEntryPixels = 13;

QFont Font(const char* family, int pixels, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

QFont DialogFont() { return Font(kDialogFamily, kDialogPixels, false); }
QFont CaptionFont() { return Font(kDialogFamily, kDialogPixels, true); }
QFont EntryFont() { return Font(kDialogFamily, kEntryPixels, false); }
QFont LetteringFont(int pixel_size, bool bold) { return Font(kLetteringFamily, pixel_size, bold); }


QFont DialogPointFont(qreal point_size, bool bold) {
    QFont font(QString::fromLatin1(kDialogFamily));
    font.setPointSizeF(point_size);
    font.setBold(bold);
    return font;
}

QFont LetteringPointFont(qreal point_size) {
    QFont font(QString::fromLatin1(kLetteringFamily));
    font.setPointSizeF(point_size);
    font.setBold(true);
    return font;
}

}  // namespace tarnwick::ui
