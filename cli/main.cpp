// tarnwick-decode: decodes Tarnwick warranty numbers and door data plates
// from the shell.
#include <csignal>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    // A closed pipe must show as a failed write (EPIPE), which the tool
    // tells from other write errors, instead of the signal ending it.
    std::signal(SIGPIPE, SIG_IGN);
    return tarnwick::cli::Run(argc, argv);
}
