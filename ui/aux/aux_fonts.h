// The windows name the fonts of the system they were drawn on, MS Sans Serif
// and Arial. Where those are missing, Liberation Sans (metric-compatible with
// Arial) stands in for both.
#pragma once

#include <QFont>

namespace tarnwick {

// Registers the stand-ins once per process; call after QApplication exists
// and before any window is built. Safe to call more than once.
void InstallFontSubstitutes();

// MS Sans Serif, the dialogs' default font: 8.25 pt regular unless told.
QFont DialogFont(qreal pointSize = 8.25, bool bold = false);

// Arial, bold, as the splash uses it.
QFont ArialBold(qreal pointSize);

}  // namespace tarnwick
