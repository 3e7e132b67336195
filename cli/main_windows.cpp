// tarnwick-decode on Windows: the arguments taken as UTF-16 and handed on as
// UTF-8, the text the tool works in, with the console set up for the run.
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/wide_text.h"
#include "cli/windows_console.h"

int wmain(int argc, wchar_t** argv) {
    const tarnwick::cli::WindowsConsole console;
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i)
        args.push_back(tarnwick::cli::Utf8FromWide(argv[i]));
    std::vector<const char*> utf8_argv;
    for (const std::string& arg : args)
        utf8_argv.push_back(arg.c_str());
    utf8_argv.push_back(nullptr);
    return tarnwick::cli::Run(argc, utf8_argv.data());
}
