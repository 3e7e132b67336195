#include "cli/record_writers.h"

#include <array>

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

void WriteJsonEscape(OutputSink& out, unsigned char c) {
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

void WriteErrorMessage(OutputSink& out, std::span<const std::string_view> lines) {
    bool needs_quotes = lines.size() > 1;
    for (std::string_view line : lines)
        needs_quotes = needs_quotes || line.find_first_of(",\"\r\n") != std::string_view::npos;
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

}  // namespace

void WriteJsonString(OutputSink& out, std::string_view text) {
    out.Append('"');
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (kJsonPlain[c]) {
            ++pos;
            continue;
        }
        if (c >= 0x80) {
            const std::size_t length = utf8::CharLength(text, pos);
            if (length > 1) {
                pos += length;
                continue;
            }
        }
        out.Append(text.substr(start, pos - start));
        if (c >= 0x80) {
            out.Append("\\ufffd");
        } else {
            WriteJsonEscape(out, c);
        }
        start = ++pos;
    }
    out.Append(text.substr(start));
    out.Append('"');
}

void WriteJsonRecord(OutputSink& out, const Verdict& verdict, std::optional<std::uint64_t> row) {
    out.Append('{');
    if (row) {
        out.Append("\"row\":");
        out.AppendNumber(*row);
        out.Append(',');
    }
    if (verdict.ok()) {
        out.Append("\"ok\":true,\"results\":{");
        for (ResultItem item : kAllResultItems) {
            if (item != ResultItem::Year) out.Append(',');
            out.Append('"');
            out.Append(ResultKey(item));
            out.Append("\":");
            WriteJsonString(out, verdict.results()[item]);
        }
        out.Append("}}\n");
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

void WriteCsvField(OutputSink& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
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

void WriteCsvHeader(OutputSink& out, std::span<const std::string> input_columns) {
    for (const std::string& column : input_columns) {
        WriteCsvField(out, column);
        out.Append(',');
    }
    out.Append("ok");
    for (ResultItem item : kAllResultItems) {
        out.Append(',');
        out.Append(ResultKey(item));
    }
    out.Append(",error_kind,error_field,error_message\n");
}

void WriteCsvRecord(OutputSink& out, std::span<const std::string_view> input_fields, const Verdict& verdict) {
    for (std::string_view field : input_fields) {
        WriteCsvField(out, field);
        out.Append(',');
    }
    if (verdict.ok()) {
        out.Append("true");
        for (ResultItem item : kAllResultItems) {
            out.Append(',');
            WriteCsvField(out, verdict.results()[item]);
        }
        out.Append(",,,\n");
        return;
    }
    out.Append("false,,,,,,,,,,,,,");
    out.Append(ErrorKindName(verdict.kind()));
    out.Append(',');
    if (verdict.field()) out.Append(FieldName(*verdict.field()));
    out.Append(',');
    WriteErrorMessage(out, verdict.lines());
    out.Append('\n');
}

void WriteTextResults(OutputSink& out, const DecodeResults& results) {
    for (ResultItem item : kAllResultItems) {
        out.Append(ResultCaption(item));
        out.Append(' ');
        out.Append(results[item]);
        out.Append('\n');
    }
}

void WriteTextLines(OutputSink& out, std::span<const std::string_view> lines) {
    for (std::string_view line : lines) {
        out.Append(line);
        out.Append('\n');
    }
}

}  // namespace tarnwick::cli
