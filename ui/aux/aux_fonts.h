// The fonts of the splash, About and Help windows, by point size; their
// stand-ins are registered by ui/common/font_substitutes.h.
#pragma once

#include <QFont>

namespace tarnwick {

// MS Sans Serif, the dialogs' default font: 8.25 pt regular unless told.
QFont DialogFont(qreal pointSize = 8.25, bool bold = false);

// Arial, bold, as the splash uses it.
QFont ArialBold(qreal pointSize);

}  // namespace tarnwick
