// A terminal on POSIX systems: isatty.
#include <unistd.h>

#include "cli/terminal.h"

namespace tarnwick::cli {

bool IsTerminal(int fd) { return ::isatty(fd) == 1; }

}  // namespace tarnwick::cli
