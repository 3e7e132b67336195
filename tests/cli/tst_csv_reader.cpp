// The streaming CSV reader: the same records whatever sizes the input
// arrives in, and recovery from malformed records.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/csv_reader.h"

namespace tarnwick::cli {
namespace {

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

// Reads the whole text, fed in pieces of a fixed size as a pipe might hand
// them out.
ReadResult ReadPieces(CsvReader& reader, const std::string& text, std::size_t piece, std::vector<Read>& records) {
    CsvRecord record;
    std::size_t fed = 0;
    for (;;) {
        const ReadResult result = reader.Next(record);
        if (result == ReadResult::Record) {
            records.push_back({{record.fields.begin(), record.fields.end()}, record.line, record.problem});
        } else if (result != ReadResult::NeedMore) {
            return result;
        } else if (fed == text.size()) {
            reader.FinishInput();
        } else {
            reader.Feed(std::string_view(text).substr(fed, piece));
            fed = std::min(text.size(), fed + piece);
        }
    }
}

std::vector<Read> ReadAll(const std::string& text, std::size_t piece, std::size_t max_record = 64,
                          char delimiter = ',') {
    CsvReader reader(max_record);
    reader.set_delimiter(delimiter);
    std::vector<Read> records;
    EXPECT_EQ(ReadPieces(reader, text, piece, records), ReadResult::End);
    return records;
}

constexpr RecordProblem kOk = RecordProblem::None;
constexpr RecordProblem kAfter = RecordProblem::TextAfterQuote;
constexpr RecordProblem kOpen = RecordProblem::UnclosedQuote;
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
    // A broken record keeps the fields before the fault: they name the row.
    {"text_after_closing_quote", "k,\"a\"\"b\"x,b\nc\n", {{{"k"}, 1, kAfter}, {{"c"}, 2, kOk}}},
    {"kept_field_unescaped", "\"k\"\"\",\"a\"x,b\nc\n", {{{"k\""}, 1, kAfter}, {{"c"}, 2, kOk}}},
    // As spreadsheets and Python read it: 12" wheels.
    {"quote_in_unquoted_field", "a,12\" wheels,b\"\"c\"\nd\n", {{{"a", "12\" wheels", "b\"\"c\""}, 1, kOk}, {{"d"}, 2, kOk}}},
    // The unclosed quote would swallow the rest; the lines after its own
    // are read again as records.
    {"quote_never_closed", "a,\"b\nc,d\ne\n", {{{"a"}, 1, kOpen}, {{"c", "d"}, 2, kOk}, {{"e"}, 3, kOk}}},
    {"quote_closed_lines_later_by_other_text",
     "a,\"b\nc,d\ne,\"f\"\n",
     {{{"a"}, 1, kAfter}, {{"c", "d"}, 2, kOk}, {{"e", "f"}, 3, kOk}}},
    {"line_over_limit", "a\n" + std::string(100, 'x') + "\nb\n", {{{"a"}, 1, kOk}, {{}, 2, kLong}, {{"b"}, 3, kOk}}},
    {"fields_within_limit_kept",
     "id,\"x\"\"\"," + std::string(100, 'x') + "\nb\n",
     {{{"id", "x\""}, 1, kLong}, {{"b"}, 2, kOk}}},
    {"quoted_field_over_limit",
     "\"" + std::string(50, 'x') + "\n" + std::string(50, 'y') + "\"\nb\n",
     {{{}, 1, kLong}, {{std::string(50, 'y') + "\""}, 2, kOk}, {{"b"}, 3, kOk}}},
    // Judged by where the fault shows, not by how much was read so far.
    {"quote_fault_beyond_limit", "\"" + std::string(70, 'x') + "\"y\nb\n", {{{}, 1, kLong}, {{"b"}, 2, kOk}}},
    {"quote_fault_at_the_limit_seen_by_its_next_byte",
     std::string(61, 'x') + ",\"\"\rz" + std::string(10, 'z') + "\nb\n",
     {{{std::string(61, 'x')}, 1, kAfter}, {{"b"}, 2, kOk}}},
    {"quote_fault_within_limit_of_long_line",
     "\"a\"x" + std::string(100, 'z') + "\nb\n",
     {{{}, 1, kAfter}, {{"b"}, 2, kOk}}},
};

class Reader : public ::testing::TestWithParam<ReaderCase> {};

// Any split of the input gives the same records: a pipe or a browser hands
// out pieces of any size, and records straddle them all the time.
TEST_P(Reader, SameRecordsForEveryPieceSize) {
    for (std::size_t piece : {1, 2, 3, 5, 8, 13, 4096}) {
        EXPECT_EQ(ReadAll(GetParam().text, piece, 64, GetParam().delimiter), GetParam().expected)
            << "pieces of " << piece;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Reader, ::testing::ValuesIn(kCases), [](const auto& info) { return info.param.name; });

// A header read with the wrong delimiter can be read again with another,
// however the input arrived.
TEST(StepBack, RereadsTheRecordWithAnotherDelimiter) {
    const std::string text = "a;b\nc;d\n";
    for (std::size_t piece : {1, 3, 4096}) {
        CsvReader reader(64);
        CsvRecord record;
        std::size_t fed = 0;
        ReadResult result;
        while ((result = reader.Next(record)) == ReadResult::NeedMore) {
            reader.Feed(std::string_view(text).substr(fed, piece));
            fed += piece;
        }
        ASSERT_EQ(result, ReadResult::Record);
        EXPECT_EQ(record.fields.size(), 1u);
        ASSERT_TRUE(reader.StepBack()) << "pieces of " << piece;
        reader.set_delimiter(';');
        ASSERT_EQ(reader.Next(record), ReadResult::Record);
        EXPECT_EQ(std::vector<std::string>(record.fields.begin(), record.fields.end()),
                  (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(record.line, 1u);
        std::vector<Read> rest;
        EXPECT_EQ(ReadPieces(reader, text.substr(std::min(fed, text.size())), piece, rest), ReadResult::End);
        ASSERT_EQ(rest.size(), 1u);
        EXPECT_EQ(rest[0].line, 2u);
    }
}

TEST(ReaderErrors, Utf16IsRefusedWithAHint) {
    for (const char* mark : {"\xFF\xFE", "\xFE\xFF"}) {
        CsvReader reader(64);
        std::vector<Read> records;
        EXPECT_EQ(ReadPieces(reader, std::string(mark) + std::string("y\0e\0", 4), 1, records), ReadResult::Error);
        EXPECT_EQ(reader.ErrorText(), "it starts with a UTF-16 byte-order mark");
    }
}

TEST(ReaderErrors, EmptyInputHasNoRecord) {
    for (const char* text : {"", "\n\n", "\xEF\xBB\xBF", "\r\n"}) {
        EXPECT_TRUE(ReadAll(text, 1).empty()) << text;
    }
}

}  // namespace
}  // namespace tarnwick::cli
