// The program's own pictures, drawn from the SVG files in art/ at the size
// and pixel density they are shown at.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace tarnwick::ui {

// The emblem over its red, white and blue bars, stretched to `size`.
QPixmap EmblemPixmap(QSize size, qreal device_pixel_ratio = 1.0);

// The faded photograph behind the splash, with a little film grain.
QPixmap BackdropPixmap(QSize size, qreal device_pixel_ratio = 1.0);

}  // namespace tarnwick::ui
