// The splash's photograph, drawn from its SVG file in art/ at the size and
// pixel density it is shown at.
#pragma once

#include <QPixmap>
#include <QSize>

namespace tarnwick::ui {

// The faded photograph behind the splash, with a little film grain.
QPixmap BackdropPixmap(QSize size, qreal device_pixel_ratio = 1.0);

}  // namespace tarnwick::ui
