// Files of plates: every data row gives one record in input order, whatever
// the CSV looks like, and a row decodes in a batch exactly as it does alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/output_columns.h"
#include "cli/plate_verdict.h"
#include "tests/support/sample_plates.h"
#include "tool_runner.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

constexpr const char* kHeader = "year,warranty,body,color,trim,date,dso,axle,trans,warranty_only,note";

std::string Row(const SamplePlate& plate, const std::string& flag, const std::string& note) {
    return std::string(YearLabel(plate.year)) + "," + plate.warranty + "," + plate.body + "," + plate.color + "," +
           plate.trim + "," + plate.date + "," + plate.dso + "," + plate.axle + "," + plate.trans + "," + flag + "," +
           note;
}

// Valid plates of every year, the same read alone, and failures of each kind.
std::vector<std::string> MixedRows() {
    std::vector<std::string> rows;
    for (ModelYear year : kAllModelYears) {
        SamplePlate plate = ValidPlate(year);
        rows.push_back(Row(plate, "", "valid"));
        rows.push_back(Row(plate, "yes", "alone"));
        SamplePlate bad = plate;
        bad.color = "?";
        rows.push_back(Row(bad, "0", "bad paint"));
        bad = plate;
        bad.trim = "";
        rows.push_back(Row(bad, "false", "no trim"));
        bad = plate;
        bad.dso = "123";
        rows.push_back(Row(bad, "no", "long dso"));
    }
    SamplePlate lower = ValidPlate(ModelYear::Y1966);
    lower.warranty = "6f07c100001";
    lower.body = "65a";
    rows.push_back(Row(lower, "TRUE", "lower case"));
    rows.push_back(Row(ValidPlate(ModelYear::Y1968), "Yes", "flag as a spreadsheet writes it"));
    rows.push_back(Row(ValidPlate(ModelYear::Y1967), "maybe", "bad flag"));
    rows.push_back("1971,7F01C100001,65A,M,2A,15K,22,1,W,,unknown year");
    return rows;
}

std::string Csv(const std::vector<std::string>& rows, const std::string& eol = "\n") {
    std::string text = std::string(kHeader) + eol;
    for (const std::string& row : rows)
        text += row + eol;
    return text;
}

std::vector<json> JsonLines(const std::string& text) {
    std::vector<json> records;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        records.push_back(json::parse(line));
    return records;
}

std::vector<std::string> Split(const std::string& row) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(row);
    while (std::getline(in, field, ','))
        fields.push_back(field);
    if (!row.empty() && row.back() == ',') fields.emplace_back();
    return fields;
}

// Every row, decoded in a batch, gives the very object the single-plate
// command gives for it, with its row number.
TEST(Batch, JsonlRowsMatchSinglePlates) {
    const std::vector<std::string> rows = MixedRows();
    const ToolRun batch = RunTool({"--batch", WriteTempFile("plates.csv", Csv(rows)), "--format", "jsonl"});
    EXPECT_EQ(batch.status, 1) << batch.err;
    const std::vector<json> records = JsonLines(batch.out);
    ASSERT_EQ(records.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string> f = Split(rows[i]);
        std::vector<std::string> args = {"--format", "json", "--year", f[0]};
        for (std::size_t k = 0; k < kAllFields.size(); ++k)
            args.insert(args.end(), {"--" + std::string(cli::FieldName(kAllFields[k])), f[k + 1]});
        const std::optional<bool> flag = cli::ParseWarrantyOnlyFlag(f[9]);
        if (flag.value_or(false)) args.push_back("--warranty-only");
        json expected = json::parse(RunTool(args).out);
        if (!flag) expected = records[i];  // a flag the command line cannot give: checked below
        json got = records[i];
        EXPECT_EQ(got["row"], i + 1);
        EXPECT_EQ(got["input"]["warranty"], f[1]);
        EXPECT_EQ(got["input"]["note"], f[10]);
        got.erase("row");
        got.erase("input");
        expected.erase("row");
        expected.erase("input");
        EXPECT_EQ(got, expected) << "row " << i + 1 << ": " << rows[i];
    }
    EXPECT_EQ(records[rows.size() - 2]["error"]["kind"], "input") << "a flag that is not 1/0, true/false, yes/no";
    std::map<std::string, int> failed;
    for (const json& record : records) {
        if (!record["ok"]) ++failed[record["error"]["kind"]];
    }
    const int failures = failed["invalid"] + failed["incomplete"] + failed["input"];
    EXPECT_EQ(batch.err, "tarnwick-decode: " + std::to_string(rows.size()) + " rows read, " +
                             std::to_string(rows.size() - failures) + " decoded, " + std::to_string(failures) +
                             " failed (" + std::to_string(failed["invalid"]) + " invalid, " +
                             std::to_string(failed["incomplete"]) + " incomplete, " + std::to_string(failed["input"]) +
                             " input)\n");
    const ToolRun quiet = RunTool({"--batch", WriteTempFile("plates.csv", Csv(rows)), "-f", "jsonl", "-q"});
    EXPECT_EQ(quiet.err, "");
}

// The csv shape: input columns carried through, then ok, the results and the
// error columns, with the same verdicts as the jsonl shape.
TEST(Batch, CsvCarriesColumnsAndAgreesWithJsonl) {
    const std::vector<std::string> rows = MixedRows();
    const std::string input = WriteTempFile("plates.csv", Csv(rows));
    const ToolRun as_csv = RunTool({"--batch", input});
    const ToolRun as_jsonl = RunTool({"--batch", input, "--format", "jsonl"});
    EXPECT_EQ(as_csv.status, 1) << as_csv.err;
    const std::vector<json> records = JsonLines(as_jsonl.out);

    cli::CsvReader reader;
    reader.Feed(as_csv.out);
    reader.FinishInput();
    cli::CsvRecord record;
    ASSERT_EQ(reader.Next(record), cli::ReadResult::Record);
    std::vector<std::string> expected_header = Split(kHeader);
    expected_header.insert(expected_header.end(), {"row", "ok"});
    for (ResultItem item : kAllResultItems)
        expected_header.emplace_back(cli::ResultKey(item));
    expected_header.insert(expected_header.end(), {"error_kind", "error_field", "error_message"});
    EXPECT_EQ(std::vector<std::string>(record.fields.begin(), record.fields.end()), expected_header);

    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(reader.Next(record), cli::ReadResult::Record);
        ASSERT_EQ(record.fields.size(), expected_header.size()) << rows[i];
        const std::vector<std::string> input_fields = Split(rows[i]);
        EXPECT_EQ(std::vector<std::string>(record.fields.begin(), record.fields.begin() + 11), input_fields);
        const json& r = records[i];
        EXPECT_EQ(record.fields[11], std::to_string(i + 1));
        EXPECT_EQ(record.fields[12], r["ok"] ? "true" : "false");
        for (std::size_t k = 0; k < kResultCount; ++k) {
            const std::string key(cli::ResultKey(kAllResultItems[k]));
            EXPECT_EQ(record.fields[13 + k], r["ok"] ? r["results"][key].get<std::string>() : "") << key;
        }
        if (r["ok"]) continue;
        EXPECT_EQ(record.fields[25], r["error"]["kind"].get<std::string>());
        EXPECT_EQ(record.fields[26], r["error"]["field"].is_null() ? "" : r["error"]["field"].get<std::string>());
        std::string message;
        for (const auto& line : r["error"]["lines"])
            message += (message.empty() ? "" : "\n") + line.get<std::string>();
        EXPECT_EQ(record.fields[27], message);
    }
    EXPECT_EQ(reader.Next(record), cli::ReadResult::End);
}

struct LayoutCase {
    std::string name;
    std::string csv;
    std::vector<std::string> options{};
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

const std::string kPlain = Csv(MixedRows());

std::string AllQuoted() {
    std::string text;
    bool at_start = true;
    for (char c : kPlain) {
        if (at_start) text += '"';
        at_start = false;
        if (c == ',' || c == '\n') {
            text += '"';
            at_start = true;
        }
        text += c;
    }
    return text;
}

std::string Reordered() {
    std::string text = "note,trans,axle,dso,date,trim,color,body,warranty,year,warranty_only\n";
    for (const std::string& row : MixedRows()) {
        std::vector<std::string> f = Split(row);
        text += f[10] + "," + f[8] + "," + f[7] + "," + f[6] + "," + f[5] + "," + f[4] + "," + f[3] + "," + f[2] + "," +
                f[1] + "," + f[0] + "," + f[9] + "\n";
    }
    return text;
}

std::string WithBlankLines() {
    std::string text;
    for (char c : kPlain) {
        text += c;
        if (c == '\n') text += "\r\n\n";
    }
    return text;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// What a spreadsheet makes of it: its own names, ';', CRLF, Windows-1252.
std::string SpreadsheetExport() {
    std::string text = Replaced(Replaced(Csv(MixedRows(), "\r\n"), ",", ";"), "valid", "caf\xE9 \x80");
    return " Year ;VIN;Body;Color;Trim;Date;DSO;Axle;Trans;Warranty_Only;Note" + text.substr(text.find('\r'));
}

// The same table written in different but valid ways decodes the same.
const LayoutCase kLayouts[] = {
    {"crlf_line_ends", Csv(MixedRows(), "\r\n")},
    {"byte_order_mark", "\xEF\xBB\xBF" + kPlain},
    {"no_line_break_at_end", kPlain.substr(0, kPlain.size() - 1)},
    {"crlf_no_line_break_at_end", Csv(MixedRows(), "\r\n").substr(0, Csv(MixedRows(), "\r\n").size() - 2)},
    {"every_field_quoted", AllQuoted()},
    {"columns_in_another_order", Reordered()},
    {"empty_lines_skipped", WithBlankLines()},
    {"semicolons_found_by_auto", Replaced(kPlain, ",", ";")},
    {"tabs_given", Replaced(kPlain, ",", "\t"), {"--delimiter", "tab"}},
    {"spreadsheet_export", SpreadsheetExport(), {"--encoding", "windows-1252", "--map", "warranty=VIN"}},
    {"blanks_around_codes_trimmed", Replaced(kPlain, ",", " , "), {"--trim-blanks"}},
    // No-break, figure, narrow no-break, thin and ideographic spaces.
    {"unicode_blanks_trimmed",
     Replaced(kPlain, ",", "\xC2\xA0\xE2\x80\x87,\xE2\x80\xAF\xE2\x80\x89\xE3\x80\x80"),
     {"--trim-blanks"}},
    {"stray_quotes_are_characters", Replaced(kPlain, "valid", "12\" wheels \"as new")},
};

class Layouts : public ::testing::TestWithParam<LayoutCase> {};

// The decode of every row, without the input columns, which differ in name
// and order from layout to layout.
std::vector<json> Verdicts(const std::string& jsonl) {
    std::vector<json> records = JsonLines(jsonl);
    for (json& record : records)
        record.erase("input");
    return records;
}

TEST_P(Layouts, DecodeAsThePlainFile) {
    const ToolRun plain = RunTool({"--batch", WriteTempFile("plain.csv", kPlain), "--format", "jsonl"});
    std::vector<std::string> args = {"--batch", WriteTempFile("other.csv", GetParam().csv), "--format", "jsonl"};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const ToolRun other = RunTool(args);
    EXPECT_EQ(other.status, plain.status) << other.err;
    EXPECT_EQ(Verdicts(other.out), Verdicts(plain.out));
    EXPECT_EQ(JsonLines(other.out).size(), MixedRows().size());
}

INSTANTIATE_TEST_SUITE_P(Cases, Layouts, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return info.param.name; });

// Commas, quotes, line breaks and Ctrl+Z (which ends a file read in
// Windows' text mode) inside a carried column survive the trip.
TEST(Batch, QuotedTextIsCarriedThroughUnchanged) {
    const std::string note = "two\r\nlines, a \"quote\", a comma and \x1A";
    const std::string csv =
        std::string(kHeader) + "\n" +
        Row(ValidPlate(ModelYear::Y1965), "", "\"two\r\nlines, a " + std::string("\"\"quote\"\", a comma and \x1A\"")) + "\n";
    const ToolRun run = RunTool({"--batch", WriteTempFile("notes.csv", csv)});
    EXPECT_EQ(run.status, 0) << run.err;
    cli::CsvReader reader;
    reader.Feed(run.out);
    reader.FinishInput();
    cli::CsvRecord record;
    ASSERT_EQ(reader.Next(record), cli::ReadResult::Record);
    ASSERT_EQ(reader.Next(record), cli::ReadResult::Record);
    ASSERT_GE(record.fields.size(), 13u);
    EXPECT_EQ(record.fields[10], note);
    EXPECT_EQ(record.fields[12], "true");
    EXPECT_EQ(reader.Next(record), cli::ReadResult::End);
}

// A malformed row in the middle costs that row alone: one input record in
// its place that keeps the columns read, and the rows after it decode.
struct MalformedCase {
    std::string name;
    std::string row;
    std::string message;   // after "Line N: "
    std::size_t kept = 0;  // leading columns carried as they stand; the rest are empty
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

const std::string kQuoteRule =
    " (a field holding a delimiter, quote or line break must be quoted whole, its quotes doubled).";

const MalformedCase kMalformed[] = {
    {"too_few_fields", "1965,5R09A200000,63A,M", "the row has 4 fields where the header has 11.", 4},
    {"too_many_fields", Row(ValidPlate(ModelYear::Y1965), "", "x") + ",extra",
     "the row has 12 fields where the header has 11.", 11},
    {"text_after_closing_quote", "1965,5R09A200000,\"63A\"X,M,F5,28K,71,8,5,,n",
     "field 3 has text after its closing quote" + kQuoteRule, 2},
    {"quote_never_closed", "1965,5R09A200000,63A,M,F5,28K,71,8,5,,\"n", "the quote that opens field 11 is never closed" + kQuoteRule,
     10},
};

class Malformed : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(Malformed, BecomesOneInputRecordAndTheRestDecodes) {
    std::vector<std::string> rows;
    for (ModelYear year : kAllModelYears)
        rows.push_back(Row(ValidPlate(year), "", "before"));
    const std::size_t bad_row = rows.size() + 1;
    rows.push_back(GetParam().row);
    for (ModelYear year : kAllModelYears)
        rows.push_back(Row(ValidPlate(year), "", "after"));

    const ToolRun run = RunTool({"--batch", WriteTempFile("plates.csv", Csv(rows)), "--format", "jsonl"});
    EXPECT_EQ(run.status, 1) << run.err;
    const std::vector<json> records = JsonLines(run.out);
    ASSERT_EQ(records.size(), rows.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i]["row"], i + 1);
        if (i + 1 != bad_row) {
            EXPECT_EQ(records[i]["ok"], true) << "row " << i + 1;
            continue;
        }
        EXPECT_EQ(records[i]["error"],
                  json({{"kind", "input"},
                        {"field", nullptr},
                        {"lines", {"Line " + std::to_string(bad_row + 1) + ": " + GetParam().message}}}));
        const std::vector<std::string> fields = Split(GetParam().row);
        const std::vector<std::string> names = Split(kHeader);
        for (std::size_t k = 0; k < names.size(); ++k)
            EXPECT_EQ(records[i]["input"][names[k]], k < GetParam().kept ? fields[k] : "") << names[k];
    }

    // The csv shape keeps its columns on the malformed row too.
    const ToolRun as_csv = RunTool({"--batch", WriteTempFile("plates.csv", Csv(rows))});
    cli::CsvReader reader;
    reader.Feed(as_csv.out);
    reader.FinishInput();
    cli::CsvRecord record;
    std::size_t count = 0;
    while (reader.Next(record) == cli::ReadResult::Record) {
        EXPECT_EQ(record.fields.size(), 11u + 2 + kResultCount + 3);
        if (count++ == bad_row) {
            EXPECT_EQ(record.fields[1], GetParam().kept > 1 ? "5R09A200000" : "");
        }
    }
    EXPECT_EQ(count, rows.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, Malformed, ::testing::ValuesIn(kMalformed),
                         [](const auto& info) { return info.param.name; });

// A file name and an argument beyond ASCII reach the tool as typed, and the
// output file is created under its name.
TEST(Batch, NamesAndArgumentsBeyondAscii) {
    const std::string input = WriteTempFile("r\xC3\xA9gistre-\xC3\x9F.csv", "Num\xC3\xA9ro\n6F07C100001\n");
    const std::string output = input + "-d\xC3\xA9" "cod\xC3\xA9.csv";
    const ToolRun run = RunTool({"--batch", input, "-o", output, "-y", "1966", "-w", "--map", "warranty=Num\xC3\xA9ro"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string records = ReadFile(output);
    EXPECT_EQ(records.substr(0, records.find(',')), "Num\xC3\xA9ro");
    EXPECT_NE(records.find("\n6F07C100001,1,true,1966,"), std::string::npos) << records;
}

TEST(Batch, HeaderLackingAColumnWritesNothing) {
    const std::string input = WriteTempFile("plates.csv", "year,warranty,body,color,trim,date,axle,trans\n1965\n");
    const std::string output = WriteTempFile("never", "");
    std::remove(output.c_str());
    const ToolRun run = RunTool({"--batch", input, "--output", output});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("\"dso\"; it has \"year\", \"warranty\""), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(output));
    const ToolRun to_stdout = RunTool({"--batch", input, "--format", "jsonl"});
    EXPECT_EQ(to_stdout.status, 2);
    EXPECT_EQ(to_stdout.out, "");
}

TEST(Batch, HeaderOnlyGivesNoRecordsAndSuccess) {
    const std::string input = WriteTempFile("plates.csv", std::string(kHeader) + "\n");
    const ToolRun as_jsonl = RunTool({"--batch", input, "--format", "jsonl"});
    EXPECT_EQ(as_jsonl.status, 0) << as_jsonl.err;
    EXPECT_EQ(as_jsonl.out, "");
    const ToolRun as_csv = RunTool({"--batch", input});
    EXPECT_EQ(as_csv.status, 0);
    EXPECT_EQ(as_csv.out.substr(0, as_csv.out.find(",row,ok,")), kHeader);
    EXPECT_EQ(std::count(as_csv.out.begin(), as_csv.out.end(), '\n'), 1);
}

TEST(Batch, StandardInputAndOutputFileGiveTheSameRecords) {
    const std::string csv = Csv(MixedRows());
    const ToolRun from_file = RunTool({"--batch", WriteTempFile("plates.csv", csv)});
    const ToolRun from_stdin = RunTool({"--batch", "-"}, csv);
    EXPECT_EQ(from_stdin.status, from_file.status);
    EXPECT_EQ(from_stdin.out, from_file.out);
    const std::string output = WriteTempFile("out.csv", "old text, longer than nothing");
    const ToolRun to_file = RunTool({"--batch", "-", "--output", output}, csv);
    EXPECT_EQ(to_file.status, from_file.status);
    EXPECT_EQ(to_file.out, "");
    EXPECT_EQ(ReadFile(output), from_file.out);
}

// Carried columns are written quoted wherever they need it, a bare CR
// included, so that strict readers take the output.
TEST(Batch, CarriedColumnsAreQuotedAsNeeded) {
    const std::string csv = std::string(kHeader) + "\n" + Row(ValidPlate(ModelYear::Y1965), "", "a\rb") + "\n";
    const ToolRun run = RunTool({"--batch", WriteTempFile("cr.csv", csv)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(",\"a\rb\","), std::string::npos) << run.out;
    // A stray quote read as a character is written back doubled, inside quotes.
    const ToolRun stray = RunTool({"--batch", WriteTempFile("stray.csv", Replaced(csv, "a\rb", "12\" wheels"))});
    EXPECT_NE(stray.out.find(",\"12\"\" wheels\","), std::string::npos) << stray.out;
    // A comma inside a ';' file, and a backslash for json.
    const std::string semicolons = Replaced(Replaced(csv, ",", ";"), "a\rb", "a,b\\c");
    const ToolRun from_semicolons = RunTool({"--batch", WriteTempFile("semi.csv", semicolons)});
    EXPECT_NE(from_semicolons.out.find(",\"a,b\\c\","), std::string::npos) << from_semicolons.out;
    const ToolRun as_jsonl = RunTool({"--batch", WriteTempFile("semi.csv", semicolons), "-f", "jsonl"});
    EXPECT_EQ(json::parse(as_jsonl.out)["input"]["note"], "a,b\\c");
}

// No input column is lost: one named like an output column is kept as
// NAME_input, a second one of a name as NAME_2, each said on standard
// error; and the output, decoded again, is the same file.
TEST(Batch, EveryInputColumnIsKeptUnderAUniqueName) {
    std::string csv = std::string(kHeader) + ",Engine,Row,OK,NOTE\n";
    for (const std::string& row : MixedRows())
        csv += row + ",\"rebuilt 302, block #C5AE\",7,yes,second note\n";
    const std::string input = WriteTempFile("plates.csv", csv);
    const ToolRun first = RunTool({"--batch", input});
    std::string expected_header = std::string(kHeader) + ",Engine_input,Row_input,OK_input,NOTE_2,row,ok";
    for (ResultItem item : kAllResultItems)
        expected_header += "," + std::string(cli::ResultKey(item));
    EXPECT_EQ(first.out.substr(0, first.out.find('\n')), expected_header + ",error_kind,error_field,error_message");
    EXPECT_EQ(first.out.substr(first.out.find('\n') + 1, first.out.find(",1,true,") - first.out.find('\n') - 1),
              MixedRows().front() + ",\"rebuilt 302, block #C5AE\",7,yes,second note");
    const std::string notices =
        "tarnwick-decode: column 12, \"Engine\", is written as \"Engine_input\": the output has a column of that name "
        "for its result\n"
        "tarnwick-decode: column 13, \"Row\", is written as \"Row_input\": the output has a column of that name for its "
        "result\n"
        "tarnwick-decode: column 14, \"OK\", is written as \"OK_input\": the output has a column of that name for its "
        "result\n"
        "tarnwick-decode: column 15, \"NOTE\", is written as \"NOTE_2\": another column has that name\n";
    EXPECT_EQ(first.err.substr(0, notices.size()), notices);
    EXPECT_EQ(RunTool({"--batch", input, "-q"}).err, "");

    // In json lines the input sits apart from the results: only the second
    // NOTE needs a new name.
    const ToolRun as_jsonl = RunTool({"--batch", input, "-f", "jsonl"});
    EXPECT_EQ(as_jsonl.err.substr(0, as_jsonl.err.find('\n') + 1), notices.substr(notices.rfind("tarnwick")));
    const json record = JsonLines(as_jsonl.out).front();
    EXPECT_EQ(record["input"].size(), 15u);
    EXPECT_EQ(record["input"]["Engine"], "rebuilt 302, block #C5AE");
    EXPECT_EQ(record["input"]["NOTE_2"], "second note");

    const ToolRun second = RunTool({"--batch", WriteTempFile("decoded.csv", first.out)});
    EXPECT_EQ(second.status, first.status) << second.err;
    EXPECT_EQ(second.out, first.out);
    EXPECT_EQ(second.err, first.err.substr(notices.size())) << "nothing renamed again";
}

// What spreadsheets ask for: another delimiter, a byte-order mark, CR LF;
// the same records otherwise.
TEST(Batch, SpreadsheetOptions) {
    const std::string input = WriteTempFile("plates.csv", Csv(MixedRows()));
    const ToolRun plain = RunTool({"--batch", input});
    for (const auto& [delimiter, name] : {std::pair{';', ";"}, std::pair{'\t', "tab"}}) {
        const ToolRun excel = RunTool({"--batch", input, "--output-delimiter", name, "--bom", "--crlf"});
        EXPECT_EQ(excel.status, plain.status);
        ASSERT_EQ(excel.out.substr(0, 3), "\xEF\xBB\xBF");
        std::vector<std::vector<std::string>> records[2];
        for (const auto& [text, at] : {std::pair{plain.out, 0}, std::pair{excel.out.substr(3), 1}}) {
            cli::CsvReader reader;
            reader.set_delimiter(at == 0 ? ',' : delimiter);
            reader.Feed(text);
            reader.FinishInput();
            cli::CsvRecord record;
            while (reader.Next(record) == cli::ReadResult::Record)
                records[at].emplace_back(record.fields.begin(), record.fields.end());
        }
        EXPECT_EQ(records[1], records[0]);
        EXPECT_EQ(static_cast<std::size_t>(std::count(excel.out.begin(), excel.out.end(), '\r')), records[0].size())
            << "CR LF after each record, LF inside a field";
    }
}

// Rows that are not UTF-8 fail alone, naming the column; other encodings
// are read when given, and the output is UTF-8 in every case.
TEST(Batch, InputEncodings) {
    const std::string csv = std::string(kHeader) + "\n" + Row(ValidPlate(ModelYear::Y1965), "", "caf\xE9 \x80") +
                            "\n" + Row(ValidPlate(ModelYear::Y1966), "", "ok") + "\n";
    const std::string path = WriteTempFile("latin.csv", csv);
    const std::vector<json> as_utf8 = JsonLines(RunTool({"--batch", path, "-f", "jsonl"}).out);
    ASSERT_EQ(as_utf8.size(), 2u);
    EXPECT_EQ(as_utf8[0]["error"]["kind"], "input");
    EXPECT_NE(as_utf8[0]["error"]["lines"][0].get<std::string>().find("column \"note\""), std::string::npos);
    EXPECT_EQ(as_utf8[1]["ok"], true);
    const std::vector<json> as_1252 = JsonLines(RunTool({"--batch", path, "-f", "jsonl", "--encoding", "cp1252"}).out);
    EXPECT_EQ(as_1252.at(0)["input"]["note"], "caf\u00e9 \u20ac");
    const std::vector<json> as_latin = JsonLines(RunTool({"--batch", path, "-f", "jsonl", "--encoding", "latin-1"}).out);
    EXPECT_EQ(as_latin.at(0)["input"]["note"], "caf\u00e9 \u0080");
}

// --year and --warranty-only stand for columns the file does not have.
TEST(Batch, YearAndModeForTheWholeFile) {
    const SamplePlate plate = ValidPlate(ModelYear::Y1966);
    const std::string only_warranty = "warranty\n" + plate.warranty + "\n";
    const ToolRun run = RunTool({"--batch", WriteTempFile("w.csv", only_warranty), "-y", "1966", "-w", "-f", "jsonl"});
    EXPECT_EQ(run.status, 0) << run.err;
    const json expected = json::parse(
        RunTool({"-y", "1966", "-w", "--warranty", plate.warranty, "-f", "json"}).out);
    json got = json::parse(run.out);
    got.erase("row");
    got.erase("input");
    EXPECT_EQ(got, expected);
    const std::string path = WriteTempFile("p.csv", Csv(MixedRows()));
    const ToolRun both = RunTool({"--batch", path, "-y", "1966"});
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err,
              "tarnwick-decode: " + path + ": the year is given twice, by --year and by the column \"year\"; drop one of them\n");
}

TEST(Batch, AllRowsDecodedGivesStatusZero) {
    std::vector<std::string> rows;
    for (ModelYear year : kAllModelYears)
        rows.push_back(Row(ValidPlate(year), "", ""));
    const ToolRun run = RunTool({"--batch", WriteTempFile("plates.csv", Csv(rows)), "--format", "jsonl"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "no summary when all rows decode";
    EXPECT_EQ(JsonLines(run.out).size(), rows.size());
}

}  // namespace
}  // namespace tarnwick::testing
