// Cutting field texts by characters rather than bytes. A character is one
// well-formed UTF-8 sequence; any byte that does not start one counts as a
// character of its own, so every byte string cuts in a defined way.
#pragma once

#include <cstddef>
#include <string_view>

namespace tarnwick::utf8 {

// Bytes taken by the character that starts at text[pos] (pos < text.size()).
std::size_t CharLength(std::string_view text, std::size_t pos);

std::size_t CountChars(std::string_view text);

// The code point of one well-formed character (bytes as CharLength measured them).
char32_t DecodeChar(std::string_view bytes);

namespace detail {

// An ASCII byte is always a character of its own, so a run of ASCII bytes
// can be cut by bytes; the slow paths walk the characters.
inline bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

std::string_view WalkLeft(std::string_view text, std::size_t n);
std::string_view WalkRight(std::string_view text, std::size_t n);

}  // namespace detail

// The first n characters; the whole text when it is shorter.
inline std::string_view LeftChars(std::string_view text, std::size_t n) {
    if (text.size() <= n) return text;
    const std::string_view head = text.substr(0, n);
    return detail::IsAscii(head) ? head : detail::WalkLeft(text, n);
}

// The last n characters; the whole text when it is shorter.
inline std::string_view RightChars(std::string_view text, std::size_t n) {
    if (text.size() <= n) return text;
    const std::string_view tail = text.substr(text.size() - n);
    return detail::IsAscii(tail) ? tail : detail::WalkRight(text, n);
}

}  // namespace tarnwick::utf8
