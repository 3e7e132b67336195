// The maker's oval emblem, drawn here and nowhere else: in the decoder
// window (where it carries a moving glint), over the red, white and blue bars
// of the splash and About windows, and as the program icon.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSize>

namespace tarnwick::ui {

// What the emblem's red field carries: the maker's name, or its initial
// alone where the name would be too small to read (the icon).
enum class EmblemLettering { Name, Initial };

// The emblem filling `oval`: a chrome rim round a lettered red field.
void DrawEmblem(QPainter& p, const QRectF& oval, EmblemLettering lettering = EmblemLettering::Name);

// The emblem over its red, white and blue bars, stretched to `size`.
QPixmap EmblemOverBars(QSize size, qreal device_pixel_ratio = 1.0);

// The program icon: the emblem, in sizes from 16 to 256 pixels.
QIcon ProgramIcon();

// The icon's picture at any size (the web page's install icons go to 512).
QPixmap IconPixmap(int side);

}  // namespace tarnwick::ui
