// Writing verdicts as text lines, json objects and csv rows, fast: constant
// table texts are tested for escapes once, and plain runs are copied whole.
#include "cli/record_writers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "cli/decimal_text.h"
#include "cli/output_columns.h"
#include "decoder/utf8_text.h"

namespace tarnwick::cli {
namespace {

constexpr std::array<bool, 256> MakeJsonPlainTable() {
    std::array<bool, 256> plain{};
    for (std::size_t c = 0x20; c < 0x80; ++c)
        plain[c] = c != '"' && c != '\\';
    return plain;
}
constexpr std::array<bool, 256> kJsonPlain = MakeJsonPlainTable();

// Eight bytes at a time: output texts are short and almost always plain,
// and testing them byte by byte was the larger part of writing a record.
constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHighBits = 0x8080808080808080u;

constexpr std::uint64_t ZeroBytes(std::uint64_t v) { return (v - kOnes) & ~v & kHighBits; }
constexpr std::uint64_t BytesEqual(std::uint64_t v, unsigned char c) { return ZeroBytes(v ^ (kOnes * c)); }

std::uint64_t Load8(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The last one to seven bytes of a text, the rest of the word filled with
// a byte that none of the tests below looks for.
std::uint64_t LoadTail(const char* p, std::size_t n) {
    std::uint64_t v = kOnes * 'x';
    for (std::size_t i = 0; i < n; ++i)
        v = (v & ~(std::uint64_t{0xFF} << (8 * i))) | (std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i));
    return v;
}

// Whether any byte of the text is one that special() marks in a word.
template <typename Special>
bool AnySpecial(std::string_view text, Special special) {
    std::size_t pos = 0;
    for (; pos + 8 <= text.size(); pos += 8) {
        if (special(Load8(text.data() + pos)) != 0) return true;
    }
    return pos < text.size() && special(LoadTail(text.data() + pos, text.size() - pos)) != 0;
}

// Bytes a json string cannot hold as they are: controls, quote, backslash,
// and everything above ASCII, which is checked for well-formed UTF-8.
// Function objects rather than functions, so that the tests are inlined.
struct JsonSpecial {
    constexpr std::uint64_t operator()(std::uint64_t v) const {
        // A byte below 0x20 is zero once its three high bits are cleared.
        return (v & kHighBits) | ZeroBytes(v & (kOnes * 0xE0)) | BytesEqual(v, '"') | BytesEqual(v, '\\');
    }
};

struct CsvSpecial {
    char delimiter;
    constexpr std::uint64_t operator()(std::uint64_t v) const {
        return BytesEqual(v, static_cast<unsigned char>(delimiter)) | BytesEqual(v, '"') | BytesEqual(v, '\r') |
               BytesEqual(v, '\n');
    }
};

// Any of the delimiters the output may have; for the constant texts, whose
// answers are kept whatever the delimiter.
struct CsvSpecialForAny {
    constexpr std::uint64_t operator()(std::uint64_t v) const {
        return BytesEqual(v, ',') | BytesEqual(v, ';') | BytesEqual(v, '\t') | BytesEqual(v, '"') |
               BytesEqual(v, '\r') | BytesEqual(v, '\n');
    }
};

bool JsonPlain(std::string_view text) { return !AnySpecial(text, JsonSpecial{}); }

bool CsvNeedsQuotes(std::string_view text, char delimiter) { return AnySpecial(text, CsvSpecial{delimiter}); }

bool CsvNeedsQuotesForAny(std::string_view text) { return AnySpecial(text, CsvSpecialForAny{}); }

// How many bytes from the start need no escape in json.
std::size_t JsonPlainPrefix(std::string_view text) {
    std::size_t pos = 0;
    for (; pos + 8 <= text.size(); pos += 8) {
        if (JsonSpecial{}(Load8(text.data() + pos)) != 0) break;
    }
    while (pos < text.size() && kJsonPlain[static_cast<unsigned char>(text[pos])])
        ++pos;
    return pos;
}

// Whether a table text needs escaping or quoting is learnt once per text:
// the texts are constant, and a batch writes the same few hundred of them
// over and over. Keyed by address, so only for texts that never change.
class ConstantTextCache {
public:
    template <typename Test>
    bool Get(std::string_view text, Test test) {
        Slot& slot = slots_[(reinterpret_cast<std::uintptr_t>(text.data()) >> 3) % slots_.size()];
        if (slot.data != text.data() || slot.size != text.size()) slot = {text.data(), text.size(), test(text)};
        return slot.answer;
    }

private:
    struct Slot {
        const char* data = nullptr;
        std::size_t size = 0;
        bool answer = false;
    };
    std::array<Slot, 2048> slots_{};
};

ConstantTextCache& JsonPlainCache() {
    static ConstantTextCache cache;
    return cache;
}

ConstantTextCache& CsvQuotedCache() {
    static ConstantTextCache cache;
    return cache;
}

// The date and the unit number are composed for each plate; every other
// result is a text of the constant tables.
bool IsTableText(ResultItem item) { return item != ResultItem::Date && item != ResultItem::Unit; }

// The text between the quotes of a json string.
void WriteJsonChars(OutputBuffer& out, std::string_view text);

// The result keys with the punctuation around them, so that a record is
// written in few appends.
const std::array<std::string, kResultCount>& JsonResultOpeners() {
    static const std::array<std::string, kResultCount> openers = [] {
        std::array<std::string, kResultCount> texts;
        for (std::size_t i = 0; i < kResultCount; ++i) {
            texts[i] = i == 0 ? "\"ok\":true,\"results\":{\"" : "\",\"";
            texts[i] += ResultKey(kAllResultItems[i]);
            texts[i] += "\":\"";
        }
        return texts;
    }();
    return openers;
}

void WriteJsonEscape(OutputBuffer& out, unsigned char c) {
    switch (c) {
        case '"':
            out.Append("\\\"");
            return;
        case '\\':
            out.Append("\\\\");
            return;
        case '\n':
            out.Append("\\n");
            return;
        case '\r':
            out.Append("\\r");
            return;
        case '\t':
            out.Append("\\t");
            return;
        default:
            break;
    }
    constexpr std::string_view kHex = "0123456789abcdef";
    const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
    out.Append(std::string_view(escape, sizeof escape));
}

void WriteErrorMessage(OutputBuffer& out, std::span<const std::string_view> lines, char delimiter) {
    bool needs_quotes = lines.size() > 1;
    for (std::string_view line : lines)
        needs_quotes = needs_quotes || CsvNeedsQuotes(line, delimiter);
    if (!needs_quotes) {
        if (!lines.empty()) out.Append(lines.front());
        return;
    }
    out.Append('"');
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out.Append('\n');
        for (char c : lines[i]) {
            if (c == '"') out.Append('"');
            out.Append(c);
        }
    }
    out.Append('"');
}

void WriteJsonChars(OutputBuffer& out, std::string_view text) {
    while (!text.empty()) {
        const std::size_t plain = JsonPlainPrefix(text);
        out.Append(text.substr(0, plain));
        text.remove_prefix(plain);
        if (text.empty()) return;
        const auto c = static_cast<unsigned char>(text.front());
        if (c < 0x80) {
            WriteJsonEscape(out, c);
            text.remove_prefix(1);
            continue;
        }
        const std::size_t length = utf8::CharLength(text, 0);
        out.Append(length > 1 ? text.substr(0, length) : std::string_view("\\ufffd"));
        text.remove_prefix(length);
    }
}

}  // namespace

void WriteJsonString(OutputBuffer& out, std::string_view text) {
    out.Append('"');
    WriteJsonChars(out, text);
    out.Append('"');
}

std::vector<std::string> JsonInputKeys(std::span<const std::string> header) {
    std::vector<std::string> keys;
    for (const std::string& name : header) {
        // Each key closes the value before it and opens its own, so that a
        // field is written in two appends. Header names are UTF-8 by now;
        // only the json escapes are needed.
        std::string key = keys.empty() ? "\"input\":{\"" : "\",\"";
        for (char c : name) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80 || kJsonPlain[byte]) {
                key += c;
                continue;
            }
            constexpr std::string_view kHex = "0123456789abcdef";
            key += c == '"' || c == '\\' ? std::string{'\\', c} : std::string{'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
        }
        keys.push_back(key + "\":\"");
    }
    return keys;
}

void WriteJsonRecord(OutputBuffer& out, const Verdict& verdict, std::optional<std::uint64_t> row,
                     const JsonRowInput* input) {
    out.Append('{');
    if (row) {
        out.Append("\"row\":");
        out.Append(DecimalText(*row).view());
        out.Append(',');
    }
    if (input != nullptr && !input->keys.empty()) {
        for (std::size_t i = 0; i < input->keys.size(); ++i) {
            out.Append(input->keys[i]);
            const std::string_view value = i < input->values.size() ? input->values[i] : std::string_view();
            if (input->plain || JsonPlain(value)) {
                out.Append(value);
            } else {
                WriteJsonChars(out, value);
            }
        }
        out.Append("\"},");
    }
    if (verdict.ok()) {
        const std::array<std::string, kResultCount>& openers = JsonResultOpeners();
        for (std::size_t i = 0; i < kResultCount; ++i) {
            out.Append(openers[i]);
            const std::string_view text = verdict.results()[kAllResultItems[i]];
            if (IsTableText(kAllResultItems[i]) ? JsonPlainCache().Get(text, JsonPlain) : JsonPlain(text)) {
                out.Append(text);
            } else {
                WriteJsonChars(out, text);
            }
        }
        out.Append("\"}}\n");
        return;
    }
    out.Append("\"ok\":false,\"error\":{\"kind\":\"");
    out.Append(ErrorKindName(verdict.kind()));
    out.Append("\",\"field\":");
    if (verdict.field()) {
        out.Append('"');
        out.Append(FieldName(*verdict.field()));
        out.Append('"');
    } else {
        out.Append("null");
    }
    out.Append(",\"lines\":[");
    bool first = true;
    for (std::string_view line : verdict.lines()) {
        if (!first) out.Append(',');
        first = false;
        WriteJsonString(out, line);
    }
    out.Append("]}}\n");
}

void WriteCsvField(OutputBuffer& out, std::string_view text, char delimiter) {
    if (!CsvNeedsQuotes(text, delimiter)) {
        out.Append(text);
        return;
    }
    out.Append('"');
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos; quote = text.find('"')) {
        out.Append(text.substr(0, quote + 1));
        out.Append('"');
        text.remove_prefix(quote + 1);
    }
    out.Append(text);
    out.Append('"');
}

CsvStyle::CsvStyle(char delimiter, bool crlf)
    : delimiter_(delimiter),
      line_end_(crlf ? "\r\n" : "\n"),
      decoded_end_(std::string(kErrorColumnCount, delimiter) + std::string(line_end_)),
      failed_start_("false" + std::string(kFirstErrorColumn - 1, delimiter)) {}

void WriteCsvHeader(OutputBuffer& out, std::span<const std::string> input_columns, const CsvStyle& style) {
    for (std::string_view column : input_columns) {
        WriteCsvField(out, column, style.delimiter());
        out.Append(style.delimiter());
    }
    bool first = true;
    for (std::string_view column : kOutputColumns) {
        if (!first) out.Append(style.delimiter());
        first = false;
        out.Append(column);
    }
    out.Append(style.line_end());
}

namespace {

void WriteCsvVerdict(OutputBuffer& out, const Verdict& verdict, const CsvStyle& style) {
    if (verdict.ok()) {
        out.Append("true");
        for (ResultItem item : kAllResultItems) {
            out.Append(style.delimiter());
            const std::string_view text = verdict.results()[item];
            if (IsTableText(item) && !CsvQuotedCache().Get(text, CsvNeedsQuotesForAny)) {
                out.Append(text);
            } else {
                WriteCsvField(out, text, style.delimiter());
            }
        }
        out.Append(style.decoded_end());
        return;
    }
    out.Append(style.failed_start());
    out.Append(ErrorKindName(verdict.kind()));
    out.Append(style.delimiter());
    if (verdict.field()) out.Append(FieldName(*verdict.field()));
    out.Append(style.delimiter());
    WriteErrorMessage(out, verdict.lines(), style.delimiter());
    out.Append(style.line_end());
}

}  // namespace

void WriteCsvRecord(OutputBuffer& out, std::span<const std::string_view> input_fields, std::uint64_t row,
                    const Verdict& verdict, const CsvStyle& style, bool plain_fields) {
    for (std::string_view field : input_fields) {
        if (plain_fields) {
            out.Append(field);
        } else {
            WriteCsvField(out, field, style.delimiter());
        }
        out.Append(style.delimiter());
    }
    out.Append(DecimalText(row).view());
    out.Append(style.delimiter());
    WriteCsvVerdict(out, verdict, style);
}

void WriteTextResults(OutputBuffer& out, const DecodeResults& results) {
    for (ResultItem item : kAllResultItems) {
        out.Append(ResultCaption(item));
        out.Append(' ');
        out.Append(results[item]);
        out.Append('\n');
    }
}

}  // namespace tarnwick::cli
