// Where the writers append their output a few bytes at a time, so appending
// stays inline: room in memory that is handed on when full, to a file
// descriptor by the tool, to the caller's string by a batch session.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace tarnwick::cli {

class OutputBuffer {
public:
    OutputBuffer() = default;
    virtual ~OutputBuffer() = default;
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Append(std::string_view text) {
        const std::size_t n = text.size();
        if (n > static_cast<std::size_t>(end_ - next_)) {
            AppendSlow(text);
            return;
        }
        char* const to = next_;
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
        next_ += n;
    }
    void Append(char c) {
        if (next_ == end_) {
            AppendSlow(std::string_view(&c, 1));
            return;
        }
        *next_++ = c;
    }

protected:
    // Appends a text the room left cannot hold, after handing the room on.
    virtual void AppendSlow(std::string_view text) = 0;

    // The room: the next byte to write, and the end.
    char* next_ = nullptr;
    char* end_ = nullptr;
};

}  // namespace tarnwick::cli
