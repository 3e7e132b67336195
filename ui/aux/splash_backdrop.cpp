// Renders the splash's photograph from its SVG file.
#include "ui/aux/splash_backdrop.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdint>

namespace tarnwick::ui {

namespace {

QImage Render(const QString& resource, QSize size, qreal device_pixel_ratio) {
    QImage image(size * device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    image.setDevicePixelRatio(device_pixel_ratio);
    return image;
}

// Brightens or darkens each pixel by a small amount from a fixed sequence,
// so that the picture has the same grain at every start.
void AddGrain(QImage& image) {
    std::uint32_t state = 0x2545F491u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int delta = static_cast<int>(state % 13) - 6;
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            auto shift = [&](int channel) { return qBound(0, channel + delta, alpha); };
            line[x] = qRgba(shift(qRed(pixel)), shift(qGreen(pixel)), shift(qBlue(pixel)), alpha);
        }
    }
}

}  // namespace

QPixmap BackdropPixmap(QSize size, qreal device_pixel_ratio) {
    QImage image = Render(QStringLiteral(":/tarnwick/backdrop.svg"), size, device_pixel_ratio);
    AddGrain(image);
    return QPixmap::fromImage(image);
}

}  // namespace tarnwick::ui
