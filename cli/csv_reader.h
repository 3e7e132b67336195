// A streaming CSV reader (RFC 4180, with a choice of delimiter), fed the
// input in pieces of any size, that holds one record at a time and turns a
// malformed record into a record marked broken, so that reading can go on
// with the next line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::cli {

enum class RecordProblem : std::uint8_t {
    None,
    TextAfterQuote,  // text between a closing quote and the delimiter
    UnclosedQuote,   // a quote that opens a field is never closed
    TooLong,         // longer than the reader's record limit
};

struct CsvRecord {
    // Views into the reader's buffer, valid until the next call of Next() or
    // Feed().
    std::vector<std::string_view> fields;
    std::uint64_t line = 0;  // the line the record starts on, from 1
    RecordProblem problem = RecordProblem::None;
    std::size_t problem_field = 0;  // from 1, for a quote problem
    // No field was quoted or holds a byte that any output would have to
    // quote or escape: a comma, semicolon, quote, CR, backslash, control or
    // non-ASCII byte.
    // Such a record is plain ASCII and is written as it is, without looking
    // at its bytes again.
    bool simple = true;
};

// NeedMore: the next record is not complete yet; feed the next piece, or
// finish the input.
enum class ReadResult : std::uint8_t { Record, NeedMore, End, Error };

class CsvReader {
public:
    static constexpr std::size_t kDefaultMaxRecordBytes = std::size_t{256} << 10;

    explicit CsvReader(std::size_t max_record_bytes = kDefaultMaxRecordBytes);

    // The next piece of the input, copied; records given so far are gone.
    void Feed(std::string_view piece);
    // No piece comes after the ones fed.
    void FinishInput() { eof_ = true; }

    // ',' unless told otherwise; ';' and '\t' are the usual others.
    void set_delimiter(char delimiter);
    char delimiter() const { return delimiter_; }

    // The next record. Empty lines hold no record and are skipped. A quote
    // inside an unquoted field is a character like any other. A broken
    // record comes back with the fields that ended on its first line (and
    // within the length limit); reading resumes after that line, so a quote
    // that is never closed costs that line alone. A UTF-8 byte-order mark is
    // skipped; a UTF-16 one is an error.
    ReadResult Next(CsvRecord& record);

    // Steps back to the start of the record Next() just gave, so that it can
    // be read again with another delimiter. False when its bytes are gone.
    bool StepBack();

    // Why Next() gave Error.
    const std::string& ErrorText() const { return error_; }
    std::size_t max_record_bytes() const { return max_record_; }
    std::uint64_t bytes_fed() const { return bytes_fed_; }

private:
    // What reading one field found.
    enum class Step : std::uint8_t { NextField, RecordDone, NeedMore, Broken };

    enum class LineStart : std::uint8_t { Record, Skipped, NeedMore };

    ReadResult ReadStart();
    // Past the rest of a broken line and any empty lines: Record where a
    // record starts, NeedMore or End where the buffer runs out first.
    ReadResult SkipToRecord();
    LineStart SkipEmptyLine();
    Step ReadRecord(CsvRecord& record);
    Step ReadQuotedField(std::size_t& pos, CsvRecord& record);
    Step ReadPlainField(std::size_t& pos, CsvRecord& record);
    Step ReadFieldEnd(std::size_t& pos, CsvRecord& record);
    // Notes where the record read starts, for StepBack(), and moves past it:
    // past the whole of a complete one, past the first line of a broken one.
    void MovePast(CsvRecord& record, bool complete);
    Step BrokenAt(RecordProblem problem, std::size_t field, std::size_t pos, CsvRecord& record);
    void KeepFieldsOfFirstLine(CsvRecord& record, std::size_t line_end);
    void Unescape(CsvRecord& record);
    bool SkipBrokenLine();

    std::size_t max_record_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // the first byte not yet read
    std::size_t end_ = 0;    // one past the last byte in the buffer
    bool eof_ = false;
    bool started_ = false;
    bool skipping_broken_line_ = false;  // the rest of a broken record's first line is still to come
    std::uint64_t line_ = 1;
    char delimiter_ = ',';
    // How the scan of an unquoted field treats each byte.
    enum class ByteKind : std::uint8_t { Ordinary, FieldEnd, Notable };
    std::array<ByteKind, 256> byte_kinds_{};

    // Of the record being read.
    std::size_t record_end_ = 0;               // one past its line end
    std::size_t newlines_ = 0;                 // line breaks inside quoted fields
    std::vector<std::size_t> escaped_fields_;  // fields whose doubled quotes still need undoing

    // Of the record last given, for StepBack().
    std::size_t last_start_ = 0;
    std::uint64_t last_line_ = 0;
    std::uint64_t feeds_ = 0;
    std::uint64_t bytes_fed_ = 0;
    std::uint64_t feeds_at_last_ = ~std::uint64_t{0};
    std::string error_;
};

}  // namespace tarnwick::cli
