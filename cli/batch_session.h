// A batch decode fed its input in pieces: CSV in, one CSV row or json line
// out per data row, in input order. It does no file I/O, so the tool's file
// loop and the web page's worker run the very same code.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/column_map.h"
#include "cli/csv_reader.h"
#include "cli/output_buffer.h"
#include "cli/plate_verdict.h"
#include "cli/text_encoding.h"

namespace tarnwick::cli {

enum class BatchFormat : std::uint8_t { Csv, Jsonl };

struct BatchSettings {
    BatchFormat format = BatchFormat::Csv;
    char delimiter = 0;  // ',' ';' '\t', or 0 to pick the one that gives the header its columns
    InputEncoding encoding = InputEncoding::Utf8;
    std::optional<std::string> year;  // the year of every row
    ColumnOptions columns;
    bool trim = false;                          // blanks around every code are dropped before it is judged
    std::string input_name = "standard input";  // as messages name the input
    // For spreadsheets, csv only: the output's delimiter, a UTF-8 byte-order
    // mark before the header, CR LF after each record.
    char output_delimiter = ',';
    bool bom = false;
    bool crlf = false;
};

// Rows read, decoded and failed by kind, for the closing summary line.
struct RowCounts {
    std::uint64_t read = 0;
    std::array<std::uint64_t, 3> failed_by_kind{};  // indexed by ErrorKind

    std::uint64_t failed() const { return failed_by_kind[0] + failed_by_kind[1] + failed_by_kind[2]; }
    std::uint64_t decoded() const { return read - failed(); }
};

// One data row as it was judged. Valid during the observer's call only.
struct RowReport {
    std::uint64_t row = 0;                     // data rows from 1
    std::uint64_t line = 0;                    // the input line it starts on, from 1
    const Verdict& verdict;                    // ok, the twelve results, or the error's kind, field and message lines
    std::span<const std::string_view> fields;  // the row's input fields as UTF-8, one per header column
};

class BatchRun;

class BatchSession {
public:
    explicit BatchSession(BatchSettings settings);
    ~BatchSession();
    BatchSession(const BatchSession&) = delete;
    BatchSession& operator=(const BatchSession&) = delete;

    // The next piece of input, of any size; the records it completes are
    // appended to output (the csv header line first, once the header is read).
    void Feed(std::string_view piece, std::string& output);
    // The end of input: the last records are appended to output.
    void Finish(std::string& output);
    // The same into a buffer of the caller's, which the tool's output file
    // is: its records are written with no copy between.
    void Feed(std::string_view piece, OutputBuffer& output);
    void Finish(OutputBuffer& output);

    bool header_read() const { return run_ != nullptr; }
    const std::vector<std::string>& header_names() const { return header_names_; }
    // Once the header is read: a line for each input column the output
    // writes under a new name, so that no column is lost or doubled.
    const std::vector<std::string>& notices() const;
    // A problem that ends the run (the tool's status 2): unreadable input or
    // a header lacking a column. Empty while there is none; after one, Feed
    // and Finish do nothing.
    const std::string& problem() const { return problem_; }
    const RowCounts& counts() const;
    // "1000 rows read, 800 decoded, 200 failed (150 invalid, 50 input)".
    std::string Summary() const;

    // Called for every data row, after its record is written.
    void set_row_observer(std::function<void(const RowReport&)> observer);

private:
    void Decode(OutputBuffer& output);
    bool ReadHeader(OutputBuffer& output);

    BatchSettings settings_;
    CsvReader reader_;
    std::vector<std::string> header_names_;
    std::unique_ptr<BatchRun> run_;
    std::function<void(const RowReport&)> observer_;
    std::string problem_;
};

// The start of a file as the page shows it before a run: the header's names,
// the delimiter it is split at, and for each column a batch reads the header
// column it would be read from.
struct HeaderPreview {
    std::vector<std::string> names;  // UTF-8
    char delimiter = ',';
    // year, the eight plate fields in the order of kAllFields, warranty_only:
    // the column each is read from, or kNoColumn.
    std::array<std::size_t, kBatchColumnCount> columns{};
};

// start: the first bytes of the file, the whole file or at least
// CsvReader::kDefaultMaxRecordBytes of it. The delimiter is the one given,
// or the one that gives the header its columns, or failing that the one
// that gives it the most. nullopt with problem set when no header can be read.
std::optional<HeaderPreview> PreviewHeader(std::string_view start, const BatchSettings& settings, std::string& problem);

}  // namespace tarnwick::cli
