// A streaming CSV reader (RFC 4180) that holds one record at a time and
// turns a malformed record into a record marked broken, so that reading can
// go on with the next line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/file_io.h"

namespace tarnwick::cli {

enum class RecordProblem : std::uint8_t {
    None,
    BrokenQuote,  // a quote inside an unquoted field, text after a closing quote, or no closing quote
    TooLong,      // longer than the reader's record limit
};

struct CsvRecord {
    // Views into the reader's buffer, valid until the next call of Next().
    std::vector<std::string_view> fields;
    // The record as the input holds it, without its line end, for copying
    // the input columns through unchanged. Empty when a field had doubled
    // quotes, which are undone in place.
    std::string_view source_text;
    std::uint64_t line = 0;  // the line the record starts on, from 1
    RecordProblem problem = RecordProblem::None;
    std::size_t problem_field = 0;  // from 1, for a broken quote
};

enum class ReadResult : std::uint8_t { Record, End, Error };

class CsvReader {
public:
    static constexpr std::size_t kDefaultMaxRecordBytes = std::size_t{256} << 10;
    static constexpr std::size_t kDefaultChunkBytes = std::size_t{1} << 20;

    explicit CsvReader(ByteSource& source, std::size_t max_record_bytes = kDefaultMaxRecordBytes,
                       std::size_t chunk_bytes = kDefaultChunkBytes);

    // The next record. Empty lines hold no record and are skipped. A broken
    // record comes back without fields; reading resumes after the first line
    // it started on, so a stray quote costs that line alone.
    ReadResult Next(CsvRecord& record);

    std::string ErrorText() const { return source_.ErrorText(); }
    std::size_t max_record_bytes() const { return max_record_; }

private:
    enum class Scan : std::uint8_t { Complete, NeedMore, Broken };

    Scan ScanRecord(CsvRecord& record, std::size_t& record_end, std::size_t& newlines);
    void Unescape(CsvRecord& record);
    bool Fill();
    bool SkipPastNewline();

    ByteSource& source_;
    std::size_t max_record_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool started_ = false;
    std::uint64_t line_ = 1;
    std::vector<std::size_t> escaped_fields_;  // fields whose doubled quotes still need undoing
};

}  // namespace tarnwick::cli
