// Windows only: the standard streams as the tool needs them for one run, put
// back as they were when the run ends.
#pragma once

namespace tarnwick::cli {

// While it lives: the three standard streams in binary mode (no CR LF or
// Ctrl+Z rewriting), the console's output code page UTF-8, and escape
// sequences understood on a console's standard error (the progress line).
class WindowsConsole {
public:
    WindowsConsole();
    ~WindowsConsole();
    WindowsConsole(const WindowsConsole&) = delete;
    WindowsConsole& operator=(const WindowsConsole&) = delete;

private:
    unsigned output_code_page_ = 0;  // 0: not changed
    unsigned long error_mode_ = 0;
    bool error_mode_changed_ = false;
};

}  // namespace tarnwick::cli
