// The windows name the fonts of the system they were drawn on, MS Sans Serif
// and Arial. Where those are missing, Liberation Sans (metric-compatible with
// Arial) stands in for both.
#pragma once

namespace tarnwick::ui {

// Registers the stand-ins once per process; call after the application
// object exists and before any window is built. Safe to call more than once.
void InstallFontSubstitutes();

}  // namespace tarnwick::ui
