// The fonts the window names, and their stand-ins where they are missing.
// Sizes are fixed in pixels (at 96 dpi) because the window's geometry is.
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

}  // namespace tarnwick::ui
