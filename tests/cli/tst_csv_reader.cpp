// The streaming CSV reader: the same records whatever sizes the input
// arrives in, and recovery from malformed records.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/csv_reader.h"

namespace tarnwick::cli {
namespace {

// Hands out the text in pieces of a fixed size, as a pipe might.
class PieceSource : public ByteSource {
public:
    PieceSource(std::string text, std::size_t piece) : text_(std::move(text)), piece_(piece) {}

    long Read(char* buffer, std::size_t size) override {
        if (fail_at_end_ && pos_ == text_.size()) return -1;
        const std::size_t n = std::min({size, piece_, text_.size() - pos_});
        text_.copy(buffer, n, pos_);
        pos_ += n;
        return static_cast<long>(n);
    }
    std::string ErrorText() const override { return "failed"; }
    void FailAtEnd() { fail_at_end_ = true; }

private:
    std::string text_;
    std::size_t piece_;
    std::size_t pos_ = 0;
    bool fail_at_end_ = false;
};

struct Read {
    std::vector<std::string> fields;
    std::uint64_t line;
    RecordProblem problem;

    friend bool operator==(const Read&, const Read&) = default;
};

void PrintTo(const Read& r, std::ostream* os) {
    *os << "line " << r.line << " problem " << static_cast<int>(r.problem) << " [";
    for (const std::string& f : r.fields)
        *os << "<" << f << ">";
    *os << "]";
}

std::vector<Read> ReadAll(const std::string& text, std::size_t piece, std::size_t max_record = 64,
                          std::size_t chunk = 16, char delimiter = ',') {
    PieceSource source(text, piece);
    CsvReader reader(source, max_record, chunk);
    reader.set_delimiter(delimiter);
    CsvRecord record;
    std::vector<Read> records;
    ReadResult result;
    while ((result = reader.Next(record)) == ReadResult::Record)
        records.push_back({{record.fields.begin(), record.fields.end()}, record.line, record.problem});
    EXPECT_EQ(result, ReadResult::End);
    return records;
}

constexpr RecordProblem kOk = RecordProblem::None;
constexpr RecordProblem kQuote = RecordProblem::BrokenQuote;
constexpr RecordProblem kLong = RecordProblem::TooLong;

struct ReaderCase {
    std::string name;
    std::string text;
    std::vector<Read> expected;
    char delimiter = ',';
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }

const ReaderCase kCases[] = {
    {"plain_lf", "a,b\nc,d\n", {{{"a", "b"}, 1, kOk}, {{"c", "d"}, 2, kOk}}},
    {"crlf_and_no_final_break", "a,b\r\nc,d", {{{"a", "b"}, 1, kOk}, {{"c", "d"}, 2, kOk}}},
    {"byte_order_mark",
     "\xEF\xBB\xBF"
     "a,b\n",
     {{{"a", "b"}, 1, kOk}}},
    {"mark_only_at_start",
     "a\n\xEF\xBB\xBF"
     "b\n",
     {{{"a"}, 1, kOk},
      {{"\xEF\xBB\xBF"
        "b"},
       2,
       kOk}}},
    {"empty_fields", ",\n,,x\n", {{{"", ""}, 1, kOk}, {{"", "", "x"}, 2, kOk}}},
    {"blanks_kept", " a , b \n", {{{" a ", " b "}, 1, kOk}}},
    {"bare_cr_inside_plain_field_is_data", "a\rb,c\r\n", {{{"a\rb", "c"}, 1, kOk}}},
    {"semicolons", "a;\"b;c\";d,e\n", {{{"a", "b;c", "d,e"}, 1, kOk}}, ';'},
    {"tabs", "a\t\"b\tc\"\r\nd,e\n", {{{"a", "b\tc"}, 1, kOk}, {{"d,e"}, 2, kOk}}, '\t'},
    {"empty_lines_skipped", "\n\r\na\n\n\nb\n\r\n", {{{"a"}, 3, kOk}, {{"b"}, 6, kOk}}},
    {"quoted_comma_quote_break",
     "\"a,b\",\"say \"\"hi\"\"\",\"x\r\ny\"\nnext\n",
     {{{"a,b", "say \"hi\"", "x\r\ny"}, 1, kOk}, {{"next"}, 3, kOk}}},
    {"quoted_empty_and_only_quotes", "\"\",\"\"\"\"\n", {{{"", "\""}, 1, kOk}}},
    {"quoted_at_end_of_input", "a,\"b\"", {{{"a", "b"}, 1, kOk}}},
    {"quoted_then_crlf", "\"a\"\r\n\"b\"\r\n", {{{"a"}, 1, kOk}, {{"b"}, 2, kOk}}},
    {"text_after_closing_quote", "\"a\"x,b\nc\n", {{{}, 1, kQuote}, {{"c"}, 2, kOk}}},
    {"quote_in_unquoted_field", "a,b\"c\nd\n", {{{}, 1, kQuote}, {{"d"}, 2, kOk}}},
    // The unclosed quote would swallow the rest; the lines after its own
    // are read again as records.
    {"quote_never_closed", "a,\"b\nc,d\ne\n", {{{}, 1, kQuote}, {{"c", "d"}, 2, kOk}, {{"e"}, 3, kOk}}},
    {"quote_closed_lines_later_by_other_text",
     "a,\"b\nc,d\ne,\"f\"\n",
     {{{}, 1, kQuote}, {{"c", "d"}, 2, kOk}, {{"e", "f"}, 3, kOk}}},
    {"line_over_limit", "a\n" + std::string(100, 'x') + "\nb\n", {{{"a"}, 1, kOk}, {{}, 2, kLong}, {{"b"}, 3, kOk}}},
    {"quoted_field_over_limit",
     "\"" + std::string(50, 'x') + "\n" + std::string(50, 'y') + "\"\nb\n",
     {{{}, 1, kLong}, {{}, 2, kQuote}, {{"b"}, 3, kOk}}},
    // Judged by where the fault shows, not by how much was read so far.
    {"quote_fault_beyond_limit", "\"" + std::string(70, 'x') + "\"y\nb\n", {{{}, 1, kLong}, {{"b"}, 2, kOk}}},
    {"quote_fault_at_the_limit_seen_by_its_next_byte",
     std::string(61, 'x') + ",\"\"\rz" + std::string(10, 'z') + "\nb\n",
     {{{}, 1, kQuote}, {{"b"}, 2, kOk}}},
    {"quote_fault_within_limit_of_long_line",
     "\"a\"x" + std::string(100, 'z') + "\nb\n",
     {{{}, 1, kQuote}, {{"b"}, 2, kOk}}},
};

class Reader : public ::testing::TestWithParam<ReaderCase> {};

// Any split of the input and any buffer size give the same records: a pipe
// hands out pieces of any size, and records straddle the reader's buffer all
// the time.
TEST_P(Reader, SameRecordsForEveryPieceSize) {
    for (std::size_t chunk : {16, 4096}) {
        for (std::size_t piece : {1, 2, 3, 5, 8, 13, 4096}) {
            EXPECT_EQ(ReadAll(GetParam().text, piece, 64, chunk, GetParam().delimiter), GetParam().expected)
                << "pieces of " << piece << ", buffer chunks of " << chunk;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Reader, ::testing::ValuesIn(kCases), [](const auto& info) { return info.param.name; });

// A header read with the wrong delimiter can be read again with another,
// however the input arrived.
TEST(StepBack, RereadsTheRecordWithAnotherDelimiter) {
    for (std::size_t piece : {1, 3, 4096}) {
        PieceSource source("a;b\nc;d\n", piece);
        CsvReader reader(source, 64, 16);
        CsvRecord record;
        ASSERT_EQ(reader.Next(record), ReadResult::Record);
        EXPECT_EQ(record.fields.size(), 1u);
        ASSERT_TRUE(reader.StepBack()) << "pieces of " << piece;
        reader.set_delimiter(';');
        ASSERT_EQ(reader.Next(record), ReadResult::Record);
        EXPECT_EQ(std::vector<std::string>(record.fields.begin(), record.fields.end()),
                  (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(record.line, 1u);
        ASSERT_EQ(reader.Next(record), ReadResult::Record);
        EXPECT_EQ(record.line, 2u);
    }
}

TEST(ReaderErrors, ReadFailureIsReported) {
    PieceSource source("a,b\nc", 3);
    source.FailAtEnd();
    CsvReader reader(source, 64, 16);
    CsvRecord record;
    EXPECT_EQ(reader.Next(record), ReadResult::Record);
    EXPECT_EQ(reader.Next(record), ReadResult::Error);
    EXPECT_EQ(reader.ErrorText(), "failed");
}

TEST(ReaderErrors, Utf16IsRefusedWithAHint) {
    for (const char* mark : {"\xFF\xFE", "\xFE\xFF"}) {
        PieceSource source(std::string(mark) + "y\0e\0", 1);
        CsvReader reader(source, 64, 16);
        CsvRecord record;
        EXPECT_EQ(reader.Next(record), ReadResult::Error);
        EXPECT_NE(reader.ErrorText().find("save it as UTF-8"), std::string::npos);
    }
}

TEST(ReaderErrors, EmptyInputHasNoRecord) {
    for (const char* text : {"", "\n\n", "\xEF\xBB\xBF", "\r\n"}) {
        EXPECT_TRUE(ReadAll(text, 1).empty()) << text;
    }
}

}  // namespace
}  // namespace tarnwick::cli
