// Upper-casing UTF-8 field texts character by character into a caller's
// buffer, as typing into the window does.
#include "cli/upper_case.h"

#include <algorithm>

#include "decoder/upper_case.h"
#include "decoder/utf8_text.h"

namespace tarnwick::cli {
namespace {

char* EncodeChar(char32_t c, char* out) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace

char* UpperCaseInto(std::string_view text, char* out) {
    std::size_t pos = 0;
    // ASCII first, without branches: nearly every field is all ASCII.
    for (; pos < text.size(); ++pos) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c >= 0x80) break;
        *out++ = static_cast<char>(c ^ (static_cast<unsigned>(c - 'a') < 26u ? 0x20u : 0u));
    }
    while (pos < text.size()) {
        const char c = text[pos];
        if (static_cast<unsigned char>(c) < 0x80) {
            *out++ = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
            ++pos;
            continue;
        }
        const std::size_t length = utf8::CharLength(text, pos);
        const std::string_view bytes = text.substr(pos, length);
        pos += length;
        // A malformed byte is a character of its own and passes unchanged.
        out = length > 1 ? EncodeChar(SimpleUpperCase(utf8::DecodeChar(bytes)), out)
                         : std::copy(bytes.begin(), bytes.end(), out);
    }
    return out;
}

void AppendUpperCase(std::string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + 4 * text.size());
    char* const end = UpperCaseInto(text, out.data() + start);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace tarnwick::cli
