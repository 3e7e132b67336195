// Constant lookup tables of the decoder: code rows, body agreement rows and
// the compile-time checks that keep the typed-in tables honest.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tarnwick {

// Codes of up to two bytes pack into one number, so that a lookup compares
// numbers; longer texts share one key and are compared as text.
inline constexpr std::uint32_t kLongCodeKey = 0xFFFFFFFFu;

constexpr std::uint32_t PackCode(std::string_view code) {
    if (code.size() > 2) return kLongCodeKey;
    std::uint32_t key = static_cast<std::uint32_t>(code.size()) << 16;
    for (std::size_t i = 0; i < code.size(); ++i) {
        key |= static_cast<std::uint32_t>(static_cast<unsigned char>(code[i])) << (8 * (1 - i));
    }
    return key;
}

// One row of a lookup table: a code as printed on the car and its meaning.
struct CodeRow {
    constexpr CodeRow(std::string_view code_, std::string_view text_)
        : code(code_), text(text_), key(PackCode(code_)) {}

    std::string_view code;
    std::string_view text;
    std::uint32_t key;
};

// An ordered list of rows; a piece is looked up by exact equality with the
// whole code, first matching row wins.
using CodeTable = std::span<const CodeRow>;

// One body style: the body code of the door plate, the serial inside the
// warranty number and the text shown. A few rows read differently when the
// warranty number is decoded alone; an empty warranty_only_text means "same".
struct BodyPair {
    std::string_view body_code;
    std::string_view serial;
    std::string_view text;
    std::string_view warranty_only_text = {};

    constexpr std::string_view WarrantyOnlyText() const {
        return warranty_only_text.empty() ? text : warranty_only_text;
    }
};

using BodyPairTable = std::span<const BodyPair>;

constexpr const CodeRow* FindCode(CodeTable table, std::string_view piece) {
    const std::uint32_t key = PackCode(piece);
    for (const CodeRow& row : table) {
        if (row.key == key && (key != kLongCodeKey || row.code == piece)) return &row;
    }
    return nullptr;
}

// Compile-time guards against typing mistakes in the tables.
constexpr bool HasUniqueCodes(CodeTable table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            if (table[i].code == table[j].code) return false;
        }
    }
    return true;
}

constexpr bool HasFilledRows(CodeTable table) {
    return std::all_of(table.begin(), table.end(),
                       [](const CodeRow& row) { return !row.code.empty() && !row.text.empty(); });
}

constexpr bool IsValidTable(CodeTable table) { return !table.empty() && HasUniqueCodes(table) && HasFilledRows(table); }

// Serials are unique within a year, so a serial alone names one body style.
constexpr bool HasUniqueSerials(BodyPairTable table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            if (table[i].serial == table[j].serial) return false;
        }
    }
    return true;
}

}  // namespace tarnwick
