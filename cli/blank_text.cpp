// Finding the Unicode blanks around a text and naming the invisible
// characters inside one, for trimming and for messages.
#include "cli/blank_text.h"

#include <array>

#include "decoder/utf8_text.h"

namespace tarnwick::cli {
namespace {

// Tab and the Unicode space separators, as UTF-8.
constexpr std::array<std::string_view, 18> kBlanks = {
    "\t",           " ",
    "\xC2\xA0",     "\xE1\x9A\x80",
    "\xE2\x80\x80", "\xE2\x80\x81",
    "\xE2\x80\x82", "\xE2\x80\x83",
    "\xE2\x80\x84", "\xE2\x80\x85",
    "\xE2\x80\x86", "\xE2\x80\x87",
    "\xE2\x80\x88", "\xE2\x80\x89",
    "\xE2\x80\x8A", "\xE2\x80\xAF",
    "\xE2\x81\x9F", "\xE3\x80\x80",
};

// Only these bytes start a blank.
bool MayStartBlank(char c) { return c == '\t' || c == ' ' || c == '\xC2' || c == '\xE1' || c == '\xE2' || c == '\xE3'; }

std::size_t BlankAtStart(std::string_view text) {
    if (text.empty() || !MayStartBlank(text.front())) return 0;
    for (std::string_view blank : kBlanks) {
        if (text.starts_with(blank)) return blank.size();
    }
    return 0;
}

std::size_t BlankAtEnd(std::string_view text) {
    if (text.empty() || (text.back() != '\t' && text.back() != ' ' && static_cast<unsigned char>(text.back()) < 0x80))
        return 0;
    for (std::string_view blank : kBlanks) {
        if (text.ends_with(blank)) return blank.size();
    }
    return 0;
}

bool IsInvisible(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x1680 || (c >= 0x2000 && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x2064) || c == 0x3000 || c == 0xFEFF;
}

void AppendCodePointName(char32_t c, std::string& out) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    out += "<U+";
    for (int shift = c > 0xFFFF ? 16 : 12; shift >= 0; shift -= 4)
        out += kHex[(c >> shift) & 0xF];
    out += '>';
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (const std::size_t n = BlankAtStart(text))
        text.remove_prefix(n);
    while (const std::size_t n = BlankAtEnd(text))
        text.remove_suffix(n);
    return text;
}

void AppendVisible(std::string_view text, std::string& out) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8::CharLength(text, pos);
        const std::string_view bytes = text.substr(pos, length);
        pos += length;
        if (length == 1 && static_cast<unsigned char>(bytes[0]) >= 0x80) {
            out += "\xEF\xBF\xBD";
            continue;
        }
        const char32_t c = utf8::DecodeChar(bytes);
        if (IsInvisible(c)) {
            AppendCodePointName(c, out);
        } else {
            out += bytes;
        }
    }
}

}  // namespace tarnwick::cli
