// Whole-stream reading and writing through large buffers, with the system's
// error kept for the message when a read or write fails.
#include "cli/file_io.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cli/system_files.h"

namespace tarnwick::cli {
namespace {

// Windows' read and write take an unsigned int count.
constexpr std::size_t kMostBytesPerCall = std::size_t{1} << 30;

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
    fd_ = OpenToRead(path);
    if (fd_ < 0) {
        // Windows refuses to open a folder at all.
        error_ = Describe(name_, errno == EISDIR ? "cannot read" : "cannot open", errno);
        return;
    }
    owned_ = true;
    if (KindOf(fd_).directory) {
        error_ = Describe(name_, "cannot read", EISDIR);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    NoteKind();
}

void FdSource::NoteKind() {
    const FileKind kind = KindOf(fd_);
    may_wait_ = !kind.regular;
    file_size_ = kind.size;
}

FdSource::~FdSource() {
    if (owned_) ::close(fd_);
}

long FdSource::Read(char* buffer, std::size_t size) {
    if (may_wait_ && before_wait_ && !InputReady(fd_)) before_wait_();
    for (;;) {
        const auto got = ::read(fd_, buffer, static_cast<unsigned>(std::min<std::size_t>(size, kMostBytesPerCall)));
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
    fd_ = OpenToWrite(path);
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
        const std::size_t piece = std::min(bytes.size() - done, kMostBytesPerCall);
        const auto wrote = ::write(fd_, bytes.data() + done, static_cast<unsigned>(piece));
        if (wrote < 0) {
            if (errno == EINTR) continue;
            reader_gone_ = ReaderGone(errno);
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

}  // namespace tarnwick::cli
