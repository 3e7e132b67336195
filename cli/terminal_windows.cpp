// A terminal on Windows is a console: _isatty is true for any character
// device (NUL too) and gives 64 rather than 1, so the console is asked.
#include <io.h>
#include <windows.h>

#include "cli/terminal.h"

namespace tarnwick::cli {

bool IsTerminal(int fd) {
    DWORD mode = 0;
    return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), &mode) != 0;
}

}  // namespace tarnwick::cli
