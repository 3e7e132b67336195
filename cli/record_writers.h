// The tool's output shapes: the results as text lines, one json object per
// plate, and csv rows that carry the input columns through.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/output_buffer.h"
#include "cli/plate_verdict.h"

namespace tarnwick::cli {

// A json string literal; bytes that are not well-formed UTF-8 become U+FFFD
// so that the output is always valid json.
void WriteJsonString(OutputBuffer& out, std::string_view text);

// The input row of a batch record: the header's names, each written once as
// a json key with its colon (JsonInputKeys), and the row's values.
struct JsonRowInput {
    std::span<const std::string> keys;
    std::span<const std::string_view> values;
    bool plain = false;  // no value needs an escape: written as they are
};

std::vector<std::string> JsonInputKeys(std::span<const std::string> header);

// {"ok":…} on one line; a batch record starts with "row" and "input".
void WriteJsonRecord(OutputBuffer& out, const Verdict& verdict, std::optional<std::uint64_t> row = std::nullopt,
                     const JsonRowInput* input = nullptr);

// Quoted only when it holds the delimiter, a quote or a line break.
void WriteCsvField(OutputBuffer& out, std::string_view text, char delimiter = ',');

// How csv records are laid out: the delimiter, and LF or CR LF after each
// record (a line break inside a quoted field stays LF).
class CsvStyle {
public:
    explicit CsvStyle(char delimiter = ',', bool crlf = false);

    char delimiter() const { return delimiter_; }
    std::string_view line_end() const { return line_end_; }
    // The empty error columns and the line end after a decoded row.
    std::string_view decoded_end() const { return decoded_end_; }
    // "false" and the empty results before a failed row's error columns.
    std::string_view failed_start() const { return failed_start_; }

private:
    char delimiter_;
    std::string_view line_end_;
    std::string decoded_end_;
    std::string failed_start_;
};

// The carried input columns, then row, ok, the result keys and the error columns.
void WriteCsvHeader(OutputBuffer& out, std::span<const std::string> input_columns, const CsvStyle& style);

// One row: the carried input fields, the row number, then the verdict.
// Plain fields are known to need no quotes and are written as they are.
void WriteCsvRecord(OutputBuffer& out, std::span<const std::string_view> input_fields, std::uint64_t row,
                    const Verdict& verdict, const CsvStyle& style, bool plain_fields = false);

// "Year: 1965" … one line per result, as the results panel captions them.
void WriteTextResults(OutputBuffer& out, const DecodeResults& results);

}  // namespace tarnwick::cli
