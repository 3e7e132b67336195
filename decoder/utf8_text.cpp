// Walking UTF-8 texts character by character, for the cuts that are not
// plain ASCII.
#include "decoder/utf8_text.h"

namespace tarnwick::utf8 {
namespace {

constexpr bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

constexpr bool IsContinuation(unsigned char byte) { return InRange(byte, 0x80, 0xBF); }

// The range the second byte must lie in after a given lead byte; this is what
// rules out overlong forms, surrogates and code points above U+10FFFF.
struct LeadRule {
    std::size_t length;
    unsigned char second_low;
    unsigned char second_high;
};

constexpr LeadRule RuleFor(unsigned char lead) {
    if (InRange(lead, 0xC2, 0xDF)) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (InRange(lead, 0xE1, 0xEC) || InRange(lead, 0xEE, 0xEF)) return {3, 0x80, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (InRange(lead, 0xF1, 0xF3)) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {1, 0, 0};
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) return 1;
    const LeadRule rule = RuleFor(lead);
    if (rule.length == 1 || pos + rule.length > text.size()) return 1;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (!InRange(second, rule.second_low, rule.second_high)) return 1;
    for (std::size_t i = 2; i < rule.length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) return 1;
    }
    return rule.length;
}

std::size_t CountChars(std::string_view text) {
    if (detail::IsAscii(text)) return text.size();
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos))
        ++count;
    return count;
}

char32_t DecodeChar(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (bytes.size() == 1) return lead;
    char32_t value = bytes.size() == 2 ? (lead & 0x1Fu) : bytes.size() == 3 ? (lead & 0x0Fu) : (lead & 0x07u);
    for (std::size_t i = 1; i < bytes.size(); ++i)
        value = (value << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3Fu);
    return value;
}

namespace detail {

std::string_view WalkLeft(std::string_view text, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t taken = 0; taken < n && pos < text.size(); ++taken)
        pos += CharLength(text, pos);
    return text.substr(0, pos);
}

std::string_view WalkRight(std::string_view text, std::size_t n) {
    const std::size_t count = CountChars(text);
    if (count <= n) return text;
    return text.substr(WalkLeft(text, count - n).size());
}

}  // namespace detail

}  // namespace tarnwick::utf8
