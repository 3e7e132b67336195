// Whole-stream reading and writing through large buffers, with the system's
// error kept for the message when a read or write fails.
#include "cli/file_io.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarnwick::cli {
namespace {

std::string Describe(const std::string& name, const char* what, int error_number) {
    return name + ": " + what + ": " + std::strerror(error_number);
}

}  // namespace

FdSource::FdSource(const std::string& path) : name_(path == "-" ? "standard input" : path) {
    if (path == "-") {
        fd_ = STDIN_FILENO;
        NoteKind();
        return;
    }
    do {
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) {
        error_ = Describe(name_, "cannot open", errno);
        return;
    }
    owned_ = true;
    struct stat info {};
    if (::fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode)) {
        error_ = Describe(name_, "cannot read", EISDIR);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    NoteKind();
}

void FdSource::NoteKind() {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return;
    may_wait_ = !S_ISREG(info.st_mode);
    if (S_ISREG(info.st_mode)) file_size_ = static_cast<std::uint64_t>(info.st_size);
}

FdSource::~FdSource() {
    if (owned_) ::close(fd_);
}

long FdSource::Read(char* buffer, std::size_t size) {
    if (may_wait_ && before_wait_) {
        pollfd ready{fd_, POLLIN, 0};
        if (::poll(&ready, 1, 0) == 0) before_wait_();
    }
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0) return static_cast<long>(got);
        if (errno == EINTR) continue;
        error_ = Describe(name_, "read error", errno);
        return -1;
    }
}

OutputSink::OutputSink(const std::string& path, std::size_t buffer_bytes)
    : buffer_(std::max<std::size_t>(buffer_bytes, 1)), name_(path.empty() || path == "-" ? "standard output" : path) {
    next_ = buffer_.data();
    end_ = buffer_.data() + buffer_.size();
    if (path.empty() || path == "-") {
        fd_ = STDOUT_FILENO;
        return;
    }
    do {
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) {
        error_ = Describe(name_, "cannot open for writing", errno);
        return;
    }
    owned_ = true;
}

OutputSink::~OutputSink() {
    if (owned_) ::close(fd_);
}

void OutputSink::AppendSlow(std::string_view text) {
    Flush();
    if (text.size() >= buffer_.size()) {
        Write(text);
        return;
    }
    text.copy(next_, text.size());
    next_ += text.size();
}

void OutputSink::Flush() {
    const std::string_view buffered(buffer_.data(), static_cast<std::size_t>(next_ - buffer_.data()));
    next_ = buffer_.data();
    Write(buffered);
}

// After a failure the rest is dropped: the run ends in error anyway.
void OutputSink::Write(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size() && !failed() && fd_ >= 0) {
        const ssize_t wrote = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR) continue;
            reader_gone_ = errno == EPIPE;
            Fail("write error", errno);
        } else {
            done += static_cast<std::size_t>(wrote);
        }
    }
}

void OutputSink::Close() {
    Flush();
    if (!owned_) return;
    owned_ = false;
    if (::close(fd_) != 0 && !failed()) Fail("write error", errno);
    fd_ = -1;
}

void OutputSink::Fail(const char* what, int error_number) {
    if (error_.empty()) error_ = Describe(name_, what, error_number);
}

namespace {

// Pipes and terminals are shared by design; only a regular file is at risk.
bool SameRegularFile(const struct stat& a, const struct stat& b) {
    return S_ISREG(a.st_mode) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool SameFile(int fd_a, int fd_b) {
    struct stat a {};
    struct stat b {};
    return ::fstat(fd_a, &a) == 0 && ::fstat(fd_b, &b) == 0 && SameRegularFile(a, b);
}

bool SameFile(int fd, const std::string& path) {
    struct stat a {};
    struct stat b {};
    return ::fstat(fd, &a) == 0 && ::stat(path.c_str(), &b) == 0 && SameRegularFile(a, b);
}

}  // namespace tarnwick::cli
