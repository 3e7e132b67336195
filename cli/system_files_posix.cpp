// The tool's file operations on POSIX systems.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>

#include <cerrno>

#include "cli/system_files.h"

namespace tarnwick::cli {
namespace {

int OpenRetrying(const std::string& path, int flags) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool SameRegularFile(const struct stat& a, const struct stat& b) {
    return S_ISREG(a.st_mode) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

int OpenToRead(const std::string& path) { return OpenRetrying(path, O_RDONLY); }

int OpenToWrite(const std::string& path) { return OpenRetrying(path, O_WRONLY | O_CREAT | O_TRUNC); }

FileKind KindOf(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return {};
    const bool regular = S_ISREG(info.st_mode);
    return {regular, S_ISDIR(info.st_mode), regular ? static_cast<std::uint64_t>(info.st_size) : 0};
}

bool InputReady(int fd) {
    pollfd ready{fd, POLLIN, 0};
    return ::poll(&ready, 1, 0) != 0;
}

bool SameRegularFile(int fd_a, int fd_b) {
    struct stat a {};
    struct stat b {};
    return ::fstat(fd_a, &a) == 0 && ::fstat(fd_b, &b) == 0 && SameRegularFile(a, b);
}

bool SameRegularFile(int fd, const std::string& path) {
    struct stat a {};
    struct stat b {};
    return ::fstat(fd, &a) == 0 && ::stat(path.c_str(), &b) == 0 && SameRegularFile(a, b);
}

bool ReaderGone(int error_number) { return error_number == EPIPE; }

}  // namespace tarnwick::cli
