// tarnwick-decode: decodes Tarnwick warranty numbers and door data plates
// from the shell.
#include "cli/command_line.h"

int main(int argc, char** argv) { return tarnwick::cli::Run(argc, argv); }
