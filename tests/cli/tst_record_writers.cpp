// The output writers: csv fields read back as written, json strings that
// always parse, and rows as wide as their header.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/file_io.h"
#include "cli/record_writers.h"

namespace tarnwick::cli {
namespace {

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "tarnwick_writers_" + std::to_string(::getpid()) + "_" + name;
}

// Runs write against a sink on a temporary file and returns what it wrote.
template <typename Write>
std::string Written(Write write) {
    const std::string path = TempPath("out");
    {
        OutputSink out(path);
        write(out);
        out.Close();
        EXPECT_FALSE(out.failed()) << out.ErrorText();
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::vector<std::string>> ReadCsv(const std::string& text, char delimiter = ',') {
    CsvReader reader;
    reader.set_delimiter(delimiter);
    reader.Feed(text);
    reader.FinishInput();
    CsvRecord record;
    std::vector<std::vector<std::string>> rows;
    while (reader.Next(record) == ReadResult::Record) {
        EXPECT_EQ(record.problem, RecordProblem::None);
        rows.emplace_back(record.fields.begin(), record.fields.end());
    }
    return rows;
}

// Special characters at every position of texts longer than one eight-byte
// block, where a writer that tests blocks at a time could miss them.
std::vector<std::string> Awkward() {
    std::vector<std::string> texts = {"", " ", "plain", "Dearborn, Michigan", "\xC3\x89t\xC3\xA9", "a\r\nb"};
    for (char special : {',', '"', '\r', '\n', '\\', '\t', '\x01', '\x7f'}) {
        for (std::size_t at = 0; at < 19; ++at) {
            std::string text(18, 'x');
            text.insert(at, 1, special);
            texts.push_back(text);
        }
    }
    return texts;
}

TEST(CsvWriter, FieldsReadBackAsWritten) {
    const std::vector<std::string> texts = Awkward();
    const std::string csv = Written([&](OutputSink& out) {
        for (const std::string& text : texts) {
            WriteCsvField(out, "first");
            out.Append(',');
            WriteCsvField(out, text);
            out.Append('\n');
        }
    });
    const auto rows = ReadCsv(csv);
    ASSERT_EQ(rows.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(rows[i], (std::vector<std::string>{"first", texts[i]})) << i;
}

TEST(JsonWriter, StringsParseBackAsWritten) {
    for (const std::string& text : Awkward()) {
        const std::string json = Written([&](OutputSink& out) { WriteJsonString(out, text); });
        EXPECT_EQ(nlohmann::json::parse(json).get<std::string>(), text) << json;
    }
}

TEST(JsonWriter, MalformedUtf8BecomesReplacementCharacter) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},
        {"\xC3", "\xEF\xBF\xBD"},                                  // cut short
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong form
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // surrogate
        {std::string(9, 'x') + "\x80", std::string(9, 'x') + "\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        const std::string json = Written([&](OutputSink& out) { WriteJsonString(out, c.text); });
        EXPECT_EQ(nlohmann::json::parse(json).get<std::string>(), c.expected) << json;
    }
}

// Every row has as many fields as the header, success or failure alike, in
// every layout a spreadsheet may ask for.
TEST(CsvWriter, RowsAsWideAsTheHeader) {
    PlateJudge judge;
    std::vector<Verdict> verdicts(4);
    PlateRequest request;
    request.year = "1965";
    request.warranty_only = false;
    request.fields = {"5R09A200000", "63A", "M", "F5", "28K", "71", "8", "5"};
    judge.Judge(request, verdicts[0]);
    request.fields[2] = "?";
    judge.Judge(request, verdicts[1]);
    request.fields[0] = "5R09A20000X";
    request.fields[2] = "M";
    judge.Judge(request, verdicts[2]);  // three lines
    request.year = "1999";
    judge.Judge(request, verdicts[3]);
    ASSERT_TRUE(verdicts[0].ok());
    ASSERT_EQ(verdicts[2].lines().size(), 3u);

    const std::vector<std::string> columns = {"id", "note"};
    const std::vector<std::string_view> fields = {"1", "a, b;\tc"};
    for (const CsvStyle& style : {CsvStyle(), CsvStyle(';', true), CsvStyle('\t', false)}) {
        const std::string csv = Written([&](OutputSink& out) {
            WriteCsvHeader(out, columns, style);
            for (std::size_t i = 0; i < verdicts.size(); ++i)
                WriteCsvRecord(out, fields, i + 1, verdicts[i], style);
        });
        const auto rows = ReadCsv(csv, style.delimiter());
        ASSERT_EQ(rows.size(), 1 + verdicts.size());
        for (const auto& row : rows)
            EXPECT_EQ(row.size(), 2 + 17u);
        EXPECT_EQ(rows[1][1], fields[1]);
        EXPECT_EQ(rows[3].back(), std::string(verdicts[2].lines()[0]) + "\n" + std::string(verdicts[2].lines()[1]) +
                                      "\n" + std::string(verdicts[2].lines()[2]));
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\r'), style.line_end() == "\r\n" ? 5 : 0);
    }
}

TEST(OutputSink, FailureIsKeptAndReported) {
    OutputSink out("/dev/full");
    ASSERT_TRUE(out.ok());
    out.Append(std::string(OutputSink::kBufferSize + 10, 'x'));
    out.Close();
    EXPECT_TRUE(out.failed());
    EXPECT_NE(out.ErrorText().find("/dev/full"), std::string::npos);
}

}  // namespace
}  // namespace tarnwick::cli
