// Whether a standard stream is a terminal (a console on Windows), where the
// progress line may be drawn.
#pragma once

namespace tarnwick::cli {

bool IsTerminal(int fd);

}  // namespace tarnwick::cli
