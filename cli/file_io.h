// Reading and writing whole streams through large buffers, with every error
// kept so that a failed read or write can never pass as success.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/output_buffer.h"

namespace tarnwick::cli {

// A file descriptor: a named file or standard input ("-").
class FdSource {
public:
    // Opens the file; check ok() before reading.
    explicit FdSource(const std::string& path);
    ~FdSource();
    FdSource(const FdSource&) = delete;
    FdSource& operator=(const FdSource&) = delete;

    bool ok() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Up to size bytes into buffer; 0 at the end of input, -1 on error.
    long Read(char* buffer, std::size_t size);
    // What went wrong after Read returned -1.
    std::string ErrorText() const { return error_; }

    // The size of a regular file, for progress; 0 for a pipe or terminal.
    std::uint64_t file_size() const { return file_size_; }

    // Called before a read that would wait for a pipe or terminal, so that
    // output made so far can be flushed while the producer is slow.
    void set_before_wait(std::function<void()> before_wait) { before_wait_ = std::move(before_wait); }

private:
    void NoteKind();

    int fd_ = -1;
    bool owned_ = false;
    bool may_wait_ = false;
    std::uint64_t file_size_ = 0;
    std::function<void()> before_wait_;
    std::string name_;
    std::string error_;
};

// Buffered output to a file descriptor. After the first failed write it
// drops everything else and remembers why, so callers test failed() once
// per record and once after Close().
class OutputSink : public OutputBuffer {
public:
    static constexpr std::size_t kBufferSize = std::size_t{1} << 20;

    // Standard output, or a file created or truncated at path; written in
    // pieces of `buffer_bytes` (at least 1).
    explicit OutputSink(const std::string& path, std::size_t buffer_bytes = kBufferSize);
    ~OutputSink() override;
    OutputSink(const OutputSink&) = delete;
    OutputSink& operator=(const OutputSink&) = delete;

    bool ok() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    bool failed() const { return !error_.empty(); }
    // The reader of a pipe went away (| head): not an error of the run.
    bool reader_gone() const { return reader_gone_; }
    const std::string& ErrorText() const { return error_; }

    // Writes out what is buffered; the file stays open.
    void Flush();

    // Flushes and closes a named file (standard output is only flushed);
    // reports a failure of either.
    void Close();

private:
    void AppendSlow(std::string_view text) override;
    void Write(std::string_view bytes);
    void Fail(const char* what, int error_number);

    std::vector<char> buffer_;
    int fd_ = -1;
    bool owned_ = false;
    std::string name_;
    std::string error_;
    bool reader_gone_ = false;
};

}  // namespace tarnwick::cli
