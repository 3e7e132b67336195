// Output gathered in a buffer and handed on in large pieces: to a file
// descriptor by the tool, to the caller's string by a batch session. The
// writers append to it a few bytes at a time, so appending stays inline.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace tarnwick::cli {

class OutputBuffer {
public:
    static constexpr std::size_t kBufferSize = std::size_t{1} << 20;

    // Handed on in pieces of `buffer_bytes` (at least 1).
    explicit OutputBuffer(std::size_t buffer_bytes = kBufferSize) : buffer_(std::max<std::size_t>(buffer_bytes, 1)) {}
    virtual ~OutputBuffer() = default;
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Append(std::string_view text) {
        const std::size_t n = text.size();
        if (n > buffer_.size() - used_) {
            AppendSlow(text);
            return;
        }
        char* const to = buffer_.data() + used_;
        const char* const from = text.data();
        // Most texts are a few bytes long; fixed-size copies stay inline
        // where a call to memcpy would cost more than the copy.
        if (n >= 8 && n <= 16) {
            std::memcpy(to, from, 8);
            std::memcpy(to + n - 8, from + n - 8, 8);
        } else if (n >= 4 && n < 8) {
            std::memcpy(to, from, 4);
            std::memcpy(to + n - 4, from + n - 4, 4);
        } else if (n < 4) {
            for (std::size_t i = 0; i < n; ++i)
                to[i] = from[i];
        } else {
            std::memcpy(to, from, n);
        }
        used_ += n;
    }
    void Append(char c) {
        if (used_ == buffer_.size()) Flush();
        buffer_[used_++] = c;
    }

    // Hands on what is buffered.
    void Flush() {
        if (used_ == 0) return;
        const std::size_t used = used_;
        used_ = 0;
        Deliver(std::string_view(buffer_.data(), used));
    }

protected:
    // Where the bytes go.
    virtual void Deliver(std::string_view bytes) = 0;

private:
    // A text longer than the buffer goes on as it is, after what was buffered.
    void AppendSlow(std::string_view text) {
        Flush();
        if (text.size() >= buffer_.size()) {
            Deliver(text);
            return;
        }
        text.copy(buffer_.data(), text.size());
        used_ = text.size();
    }

    std::vector<char> buffer_;
    std::size_t used_ = 0;
};

}  // namespace tarnwick::cli
