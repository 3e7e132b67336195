#include "tool_runner.h"

#include <fcntl.h>
#include <pty.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace tarnwick::testing {
namespace {

std::string TempPath(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string test = info != nullptr ? std::string(info->test_suite_name()) + "." + info->name() : "none";
    for (char& c : test) {
        if (c == '/') c = '_';
    }
    return ::testing::TempDir() + "tarnwick_cli_" + std::to_string(::getpid()) + "_" + test + "_" + name;
}

// The tool this build made, or the one TARNWICK_DECODE_EXE names run by the
// program TARNWICK_DECODE_UNDER names (the Windows build's under wine).
std::vector<std::string> ToolCommand() {
    const char* const exe = std::getenv("TARNWICK_DECODE_EXE");
    const char* const under = std::getenv("TARNWICK_DECODE_UNDER");
    if (exe == nullptr) return {TARNWICK_DECODE_PATH};
    if (under == nullptr) return {exe};
    return {under, exe};
}

}  // namespace

bool ToolIsForWindows() { return ToolCommand().back().ends_with(".exe"); }

namespace {

// stdout_fd and stderr_fd, where not -1, replace the files out and err.
int Spawn(const std::vector<std::string>& args, const std::string& in, const std::string& out, const std::string& err,
          int stdout_fd, int stderr_fd = -1, const std::function<void()>& while_running = {}) {
    std::vector<std::string> argv_text = ToolCommand();
    argv_text.insert(argv_text.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argv_text)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, in.c_str(), O_RDONLY, 0);
    if (stdout_fd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stdout_fd, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    if (stderr_fd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stderr_fd, STDERR_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + argv_text[0]);
    if (while_running) while_running();
    int wait_status = 0;
    while (::waitpid(pid, &wait_status, 0) < 0) {
    }
    return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
}

}  // namespace

ToolRun RunToolOnTerminal(const std::vector<std::string>& args, bool stdout_on_terminal) {
    int terminal = -1;
    int tool_side = -1;
    if (::openpty(&terminal, &tool_side, nullptr, nullptr, nullptr) != 0) throw std::runtime_error("openpty");
    const std::string in = WriteTempFile("stdin", "");
    const std::string out = TempPath("stdout");
    ToolRun run;
    // The terminal is read while the tool runs, so that it never fills up.
    const auto read_terminal = [&] {
        ::close(tool_side);
        char buffer[4096];
        for (ssize_t got; (got = ::read(terminal, buffer, sizeof buffer)) > 0;)
            run.err.append(buffer, static_cast<std::size_t>(got));
    };
    run.status = Spawn(args, in, out, {}, stdout_on_terminal ? tool_side : -1, tool_side, read_terminal);
    ::close(terminal);
    if (!stdout_on_terminal) run.out = ReadFile(out);
    return run;
}

std::string WriteTempFile(const std::string& name, const std::string& text) {
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

ToolRun RunTool(const std::vector<std::string>& args, const std::string& input, const std::string& stdout_path) {
    const std::string in = WriteTempFile("stdin", input);
    const std::string out = stdout_path.empty() ? TempPath("stdout") : stdout_path;
    const std::string err = TempPath("stderr");
    ToolRun run;
    run.status = Spawn(args, in, out, err, -1);
    if (stdout_path.empty()) run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

ToolRun RunToolIntoClosedPipe(const std::vector<std::string>& args, const std::string& input) {
    int fds[2];
    if (::pipe(fds) != 0) throw std::runtime_error("pipe");
    ::close(fds[0]);
    const std::string in = WriteTempFile("stdin", input);
    const std::string err = TempPath("stderr");
    ToolRun run;
    run.status = Spawn(args, in, {}, err, fds[1]);
    ::close(fds[1]);
    run.err = ReadFile(err);
    return run;
}

}  // namespace tarnwick::testing
