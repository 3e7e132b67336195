// The file operations whose POSIX and Windows forms differ: opening by a
// UTF-8 name, telling what a descriptor is, waiting, the same-file test and
// a reader that went away. Everything else reads and writes descriptors.
#pragma once

#include <cstdint>
#include <string>

namespace tarnwick::cli {

// A descriptor in binary mode, not inherited by child processes; -1 with
// errno set when the file cannot be opened.
int OpenToRead(const std::string& path);
int OpenToWrite(const std::string& path);  // created or truncated

struct FileKind {
    bool regular = false;
    bool directory = false;
    std::uint64_t size = 0;  // of a regular file
};
// All false when the descriptor cannot be asked.
FileKind KindOf(int fd);

// Whether a read of a pipe or terminal would return at once.
bool InputReady(int fd);

// Whether two open descriptors, or one and a path not yet opened, are the
// same regular file. Pipes and terminals are shared by design, so only a
// regular file counts.
bool SameRegularFile(int fd_a, int fd_b);
bool SameRegularFile(int fd, const std::string& path);

// Called at once after a failed write: whether it failed because the
// reading end of a pipe was closed (| head), not for a fault of the output.
bool ReaderGone(int error_number);

}  // namespace tarnwick::cli
