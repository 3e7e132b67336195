// Every window's fonts: the decoder window's in pixels, the splash, About
// and Help windows' in points, all in the families the forms name.
// The decoder window's sizes are pixels because its geometry is.
#pragma once

#include <QFont>

#include "ui/common/font_substitutes.h"

namespace tarnwick::ui {

inline constexpr const char* kDialogFamily = "MS Sans Serif";
inline constexpr const char* kLetteringFamily = "Arial";

QFont DialogFont();                                     // MS Sans Serif 8.25 pt: captions, buttons, results
QFont CaptionFont();                                    // the same, bold: the result captions
QFont EntryFont();                                      // MS Sans Serif 9.75 pt: the entry fields
QFont LetteringFont(int pixel_size, bool bold = true);  // plate lettering

// The splash, About and Help windows give their fonts in points.
QFont DialogPointFont(qreal point_size = 8.25, bool bold = false);  // MS Sans Serif
QFont LetteringPointFont(qreal point_size);                          // Arial, bold

}  // namespace tarnwick::ui
