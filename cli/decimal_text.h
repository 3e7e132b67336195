// A number in decimal, written into a buffer of its own: appended alike to
// the tool's messages and to its output.
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarnwick::cli {

class DecimalText {
public:
    explicit DecimalText(std::uint64_t value)
        : size_(static_cast<std::size_t>(std::to_chars(digits_.data(), digits_.data() + digits_.size(), value).ptr -
                                         digits_.data())) {}

    std::string_view view() const { return {digits_.data(), size_}; }

private:
    std::array<char, 20> digits_;  // 2^64 - 1 has twenty digits
    std::size_t size_;
};

}  // namespace tarnwick::cli
