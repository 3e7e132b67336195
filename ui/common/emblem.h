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

// The emblem filling `oval`: a chrome rim round a red field lettered
// TARNWICK, or T alone where the word would not fit.
void DrawEmblem(QPainter& p, const QRectF& oval);

// The emblem over its red, white and blue bars, stretched to `size`.
QPixmap EmblemOverBars(QSize size, qreal device_pixel_ratio = 1.0);

// The program icon: the emblem, in sizes from 16 to 256 pixels.
QIcon ProgramIcon();

}  // namespace tarnwick::ui
