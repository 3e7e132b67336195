// Windows only: setting up the standard streams and the console for a run.
#include "cli/windows_console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <initializer_list>

namespace tarnwick::cli {

WindowsConsole::WindowsConsole() {
    for (FILE* stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
    const UINT code_page = GetConsoleOutputCP();
    if (code_page != 0 && code_page != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) output_code_page_ = code_page;
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(error, &mode) && (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) == 0 &&
        SetConsoleMode(error, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING)) {
        error_mode_ = mode;
        error_mode_changed_ = true;
    }
}

WindowsConsole::~WindowsConsole() {
    std::fflush(nullptr);
    if (error_mode_changed_) SetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), error_mode_);
    if (output_code_page_ != 0) SetConsoleOutputCP(output_code_page_);
}

}  // namespace tarnwick::cli
