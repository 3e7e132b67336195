// An OutputBuffer that appends to a caller's string through a buffer of its
// own, for callers that want the writers' bytes in memory.
#pragma once

#include <string>
#include <string_view>

#include "cli/output_buffer.h"

namespace tarnwick::cli {

class StringOutput : public OutputBuffer {
public:
    explicit StringOutput(std::string& target) : target_(target) { next_ = buffer_, end_ = buffer_ + sizeof buffer_; }
    ~StringOutput() override { Flush(); }
    StringOutput(const StringOutput&) = delete;
    StringOutput& operator=(const StringOutput&) = delete;

    // Hands what the buffer holds on to the string.
    void Flush() {
        target_.append(buffer_, static_cast<std::size_t>(next_ - buffer_));
        next_ = buffer_;
    }

private:
    void AppendSlow(std::string_view text) override {
        Flush();
        target_.append(text);
    }

    std::string& target_;
    char buffer_[4096];
};

}  // namespace tarnwick::cli
