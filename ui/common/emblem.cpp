// Painting the oval emblem, its glint and the program icon at any size.
#include "ui/common/emblem.h"

#include <QImage>
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>

#include "ui/common/window_fonts.h"

namespace tarnwick::ui {

namespace {

// The emblem's proportions, as drawn in the window: an oval 33 pixels high
// has a 2.5 pixel rim and lettering 9 pixels high.
constexpr qreal kDesignHeight = 33;
constexpr qreal kDesignRim = 2.5;
constexpr qreal kDesignLettering = 9;
constexpr qreal kInitialPixelsPerFieldHeight = 0.85;

void DrawLettering(QPainter& p, const QRectF& field, qreal oval_height, EmblemLettering lettering) {
    p.setPen(QColor(0xF4, 0xF0, 0xE0));
    if (lettering == EmblemLettering::Initial) {
        p.setFont(LetteringFont(std::max(8, static_cast<int>(field.height() * kInitialPixelsPerFieldHeight))));
        p.drawText(field, Qt::AlignCenter, QStringLiteral("T"));
        return;
    }
    QFont name = LetteringFont(std::max(6, static_cast<int>(oval_height * kDesignLettering / kDesignHeight)));
    name.setLetterSpacing(QFont::PercentageSpacing, 106);
    p.setFont(name);
    p.drawText(field, Qt::AlignCenter, QStringLiteral("TARNWICK"));
}

// The bars behind the emblem, as fractions of the picture.
struct Bar {
    qreal top;
    QColor colour;
};
constexpr qreal kBarLeft = 0.02;
constexpr qreal kBarWidth = 0.96;
constexpr qreal kBarHeight = 19.0 / 89;

void DrawBars(QPainter& p, QSizeF size) {
    const Bar bars[] = {{13.0 / 89, QColor(0xB5, 0x23, 0x2E)},
                        {35.0 / 89, QColor(0xFF, 0xFF, 0xFF)},
                        {57.0 / 89, QColor(0x1F, 0x3B, 0x8C)}};
    for (const Bar& bar : bars) {
        const QRectF rect(size.width() * kBarLeft, size.height() * bar.top, size.width() * kBarWidth,
                          size.height() * kBarHeight);
        p.setPen(bar.colour == Qt::white ? QPen(QColor(0xC9, 0xC9, 0xC9), 0.8) : QPen(Qt::NoPen));
        p.setBrush(bar.colour);
        p.drawRect(rect);
    }
}

}  // namespace

QPixmap IconPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    DrawEmblem(p, QRectF(side * 0.03, side * 0.14, side * 0.94, side * 0.72), EmblemLettering::Initial);
    return pixmap;
}

void DrawEmblem(QPainter& p, const QRectF& oval, EmblemLettering lettering) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient chrome(oval.topLeft(), oval.bottomLeft());
    chrome.setColorAt(0, QColor(0xF8, 0xF8, 0xF8));
    chrome.setColorAt(0.5, QColor(0x80, 0x80, 0x84));
    chrome.setColorAt(1, QColor(0xE0, 0xE0, 0xE0));
    p.setPen(Qt::NoPen);
    p.setBrush(chrome);
    p.drawEllipse(oval);

    const qreal rim = std::max(1.0, oval.height() * kDesignRim / kDesignHeight);
    const QRectF field = oval.adjusted(rim, rim, -rim, -rim);
    QRadialGradient red(field.center() - QPointF(0, field.height() / 4), field.width() / 1.6);
    red.setColorAt(0, QColor(0xB8, 0x16, 0x1E));
    red.setColorAt(1, QColor(0x4A, 0x04, 0x08));
    p.setBrush(red);
    p.drawEllipse(field);

    DrawLettering(p, field, oval.height(), lettering);
    p.restore();
}

QPixmap EmblemOverBars(QSize size, qreal device_pixel_ratio) {
    QImage image(size * device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(device_pixel_ratio, device_pixel_ratio);
    DrawBars(p, size);
    const QSizeF oval(size.width() * 0.84, size.height() * 0.43);
    DrawEmblem(p, QRectF(QPointF((size.width() - oval.width()) / 2, (size.height() - oval.height()) / 2), oval));
    p.end();
    image.setDevicePixelRatio(device_pixel_ratio);
    return QPixmap::fromImage(image);
}

QIcon ProgramIcon() {
    // Painted once; kept for the life of the process (the application and
    // every window share it), and never destroyed after the application.
    static const QIcon* const icon = [] {
        auto* painted = new QIcon;
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            painted->addPixmap(IconPixmap(side));
        return painted;
    }();
    return *icon;
}

}  // namespace tarnwick::ui
