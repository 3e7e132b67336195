// The character sets a batch file may come in. Everything the tool writes is
// UTF-8; a file saved by a spreadsheet on Windows is Windows-1252.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::cli {

enum class InputEncoding : std::uint8_t { Utf8, Windows1252, Latin1 };

// "utf-8", "windows-1252" (or "cp1252"), "latin-1" (or "iso-8859-1"), any case.
std::optional<InputEncoding> ParseEncoding(std::string_view name);

// Whether every byte is below 0x80, eight bytes at a time.
bool IsAscii(std::string_view text);

// Whether the text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// Appends the text as UTF-8: single-byte encodings are converted, and in
// UTF-8 every byte that is not part of a well-formed character becomes U+FFFD.
void AppendAsUtf8(std::string_view text, InputEncoding encoding, std::string& out);

// The most bytes AppendAsUtf8 can make of one input byte.
inline constexpr std::size_t kMaxUtf8Growth = 3;

}  // namespace tarnwick::cli
