// Runs the built tarnwick-decode with arguments and standard input, and
// collects what it wrote and its exit status.
#pragma once

#include <string>
#include <vector>

namespace tarnwick::testing {

struct ToolRun {
    int status = -1;  // exit status, or 128 + signal
    std::string out;
    std::string err;
};

// Whether the tool run is a Windows build (under an emulator).
bool ToolIsForWindows();

// stdout_path empty: standard output is captured into ToolRun::out;
// otherwise the tool's standard output is that file (e.g. /dev/full).
ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = {},
                const std::string& stdout_path = {});

// Standard output is a pipe whose reading end is already closed.
ToolRun RunToolIntoClosedPipe(const std::vector<std::string>& args, const std::string& input = {});

// Standard error is a terminal, and standard output too when
// stdout_on_terminal, else a file read into ToolRun::out; ToolRun::err
// holds what the terminal showed (of both, when both are on it).
ToolRun RunToolOnTerminal(const std::vector<std::string>& args, bool stdout_on_terminal);

// A fresh file in the test's temporary folder holding text.
std::string WriteTempFile(const std::string& name, const std::string& text);

std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace tarnwick::testing
