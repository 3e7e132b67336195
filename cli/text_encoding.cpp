// Naming the character sets a batch file may come in, and turning its
// Windows-1252 or Latin-1 text into UTF-8.
#include "cli/text_encoding.h"

#include <array>
#include <cstring>

#include "decoder/utf8_text.h"

namespace tarnwick::cli {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F. The five bytes it
// leaves undefined keep their Latin-1 meaning, as web browsers read them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool NameIs(std::string_view name, std::string_view lower) {
    if (name.size() != lower.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (LowerAscii(name[i]) != lower[i]) return false;
    }
    return true;
}

void AppendCodePoint(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendRepairedUtf8(std::string_view text, std::string& out) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8::CharLength(text, pos);
        if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) {
            out += kReplacement;
        } else {
            out.append(text.substr(pos, length));
        }
        pos += length;
    }
}

}  // namespace

std::optional<InputEncoding> ParseEncoding(std::string_view name) {
    if (NameIs(name, "utf-8") || NameIs(name, "utf8")) return InputEncoding::Utf8;
    if (NameIs(name, "windows-1252") || NameIs(name, "cp1252")) return InputEncoding::Windows1252;
    if (NameIs(name, "latin-1") || NameIs(name, "latin1") || NameIs(name, "iso-8859-1")) return InputEncoding::Latin1;
    return std::nullopt;
}

bool IsAscii(std::string_view text) {
    std::size_t pos = 0;
    std::uint64_t high = 0;
    for (; pos + 8 <= text.size(); pos += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + pos, sizeof word);
        high |= word;
    }
    for (; pos < text.size(); ++pos)
        high |= static_cast<unsigned char>(text[pos]);
    return (high & 0x8080808080808080u) == 0;
}

bool IsUtf8(std::string_view text) {
    if (IsAscii(text)) return true;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8::CharLength(text, pos);
        if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) return false;
        pos += length;
    }
    return true;
}

void AppendAsUtf8(std::string_view text, InputEncoding encoding, std::string& out) {
    if (encoding == InputEncoding::Utf8) {
        AppendRepairedUtf8(text, out);
        return;
    }
    for (char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        const bool remapped = encoding == InputEncoding::Windows1252 && c >= 0x80 && c < 0xA0;
        AppendCodePoint(remapped ? kWindows1252High[c - 0x80] : c, out);
    }
}

}  // namespace tarnwick::cli
