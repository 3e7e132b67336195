// The tool's command line: parses the arguments and runs one of the three
// commands (one plate, a batch file, the code tables).
#pragma once

namespace tarnwick::cli {

// The exit status: 0 decoded, 1 a plate or row failed, 2 usage or I/O error.
int Run(int argc, const char* const* argv);

}  // namespace tarnwick::cli
