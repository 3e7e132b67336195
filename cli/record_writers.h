// The tool's output shapes: the results as text lines, one json object per
// plate, and csv rows that carry the input columns through.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/file_io.h"
#include "cli/plate_verdict.h"

namespace tarnwick::cli {

// A json string literal; bytes that are not well-formed UTF-8 become U+FFFD
// so that the output is always valid json.
void WriteJsonString(OutputSink& out, std::string_view text);

// {"ok":…} on one line, with "row" first when given.
void WriteJsonRecord(OutputSink& out, const Verdict& verdict, std::optional<std::uint64_t> row);

// Quoted only when it holds a comma, a quote or a line break.
void WriteCsvField(OutputSink& out, std::string_view text);

// The input columns, then ok, the twelve result keys and the error columns.
void WriteCsvHeader(OutputSink& out, std::span<const std::string> input_columns);

// One row: the input fields as read, then the verdict.
void WriteCsvRecord(OutputSink& out, std::span<const std::string_view> input_fields, const Verdict& verdict);

// The same with the input fields copied as the input wrote them.
void WriteCsvRecord(OutputSink& out, std::string_view input_text, const Verdict& verdict);

// "Year: 1965" … one line per result, as the results panel captions them.
void WriteTextResults(OutputSink& out, const DecodeResults& results);

// The message lines, one per line.
void WriteTextLines(OutputSink& out, std::span<const std::string_view> lines);

}  // namespace tarnwick::cli
