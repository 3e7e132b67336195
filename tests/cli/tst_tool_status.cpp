// Exit statuses, usage mistakes, unreadable input and unwritable output, and
// the code tables listing.
#include <gtest/gtest.h>

#include <cctype>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "decoder/year_tables.h"
#include "tarnwick_version.h"
#include "tests/support/sample_plates.h"
#include "tool_runner.h"

namespace tarnwick::testing {
namespace {

std::vector<std::string> ValidArgs() {
    const SamplePlate p = ValidPlate(ModelYear::Y1965);
    return {"--year", "1965",   "--warranty", p.warranty, "--body", p.body,   "--color", p.color,   "--trim",
            p.trim,   "--date", p.date,       "--dso",    p.dso,    "--axle", p.axle,    "--trans", p.trans};
}

std::string PlatesCsv() {
    const SamplePlate p = ValidPlate(ModelYear::Y1966);
    std::string text = "year,warranty,body,color,trim,date,dso,axle,trans\n";
    for (int i = 0; i < 2000; ++i)
        text += "1966," + p.warranty + "," + p.body + "," + p.color + "," + p.trim + "," + p.date + "," + p.dso + "," +
                p.axle + "," + p.trans + "\n";
    return text;
}

struct UsageCase {
    std::string name;
    std::vector<std::string> args;
    std::string message_part;
    std::string input{};
};

const std::string kUtf16Hint = "; save it as UTF-8 (CSV UTF-8 in a spreadsheet) and try again\n";

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

const UsageCase kUsage[] = {
    {"no_arguments", {}, "--year"},
    {"misspelt_option", {"--yaer", "1965"}, "--yaer"},
    {"option_without_value", {"--year"}, "--year"},
    {"batch_with_plate_field", {"--batch", "-", "--body", "65A"}, "--body is for one plate"},
    {"batch_takes_one_file", {"--batch", "a.csv", "b.csv"}, "--batch takes one file"},
    {"map_of_unknown_column", {"--batch", "-", "--map", "colour=Farbe"}, "--map takes NAME=HEADER"},
    {"unknown_encoding", {"--batch", "-", "--encoding", "utf-16"}, "--encoding takes"},
    {"unknown_delimiter", {"--batch", "-", "--delimiter", "|"}, "--delimiter takes"},
    {"codes_in_xml", {"--codes", "1965", "--format", "xml"}, "text, csv or json"},
    {"output_without_batch", {"--year", "1965", "--output", "x.csv"}, "--batch"},
    {"csv_for_one_plate", {"--year", "1965", "--format", "csv"}, "text or json"},
    {"json_for_a_batch", {"--batch", "-", "--format", "json"}, "csv or jsonl"},
    {"missing_input_file", {"--batch", "/nonexistent/plates.csv"}, "/nonexistent/plates.csv"},
    {"directory_as_input", {"--batch", "/"}, "cannot read"},
    {"empty_input", {"--batch", "-"}, "standard input is empty; its first line"},
    {"blank_lines_only",
     {"--batch", "-"},
     "tarnwick-decode: standard input holds no header line; its first line must be a header naming the columns "
     "year,warranty,body,color,trim,date,dso,axle,trans\n",
     "\n\r\n\n"},
    {"utf16_with_mark",
     {"--batch", "-"},
     "tarnwick-decode: standard input is UTF-16 (it starts with a UTF-16 byte-order mark)" + kUtf16Hint,
     std::string("\xFF\xFEy\0e\0", 6)},
    {"utf16_without_mark",
     {"--batch", "-"},
     "tarnwick-decode: standard input is UTF-16 without a byte-order mark (its header holds NUL bytes)" + kUtf16Hint,
     std::string("y\0e\0a\0r\0,\0w\0\n\0", 14)},
    {"batch_unknown_year", {"--batch", "-", "-y", "1963"}, "--year \"1963\" is not a model year"},
    {"map_given_twice",
     {"--batch", "-", "--map", "warranty=VIN", "--map", "warranty=Chassis"},
     "tarnwick-decode: --map gives the column warranty twice, as \"VIN\" and as \"Chassis\"; give it once\n"},
    {"map_header_quoted_as_written",
     {"--batch", "-", "--map", "warranty=Chassis_No"},
     "the header lacks the column \"Chassis_No\"; it has \"year\", \"warranty\",",
     PlatesCsv()},
    {"unknown_output_delimiter", {"--batch", "-", "--output-delimiter", "|"}, "--output-delimiter takes , ; or tab"},
    {"bom_for_json_lines", {"--batch", "-", "-f", "jsonl", "--bom"}, "--bom is for csv output"},
    {"crlf_for_one_plate", {"--year", "1965", "--crlf"}, "--crlf is for --batch"},
    {"codes_unknown_year", {"--codes", "1963"}, "1963"},
    {"codes_unknown_table", {"--codes", "1965", "colour"}, "colour"},
};

class Usage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(Usage, StatusTwoWithAMessage) {
    const ToolRun run = RunTool(GetParam().args, GetParam().input);
    EXPECT_EQ(run.status, 2) << run.out;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().message_part), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\0'), std::string::npos) << "the message shows no raw NUL byte";
}

INSTANTIATE_TEST_SUITE_P(Cases, Usage, ::testing::ValuesIn(kUsage), [](const auto& info) { return info.param.name; });

// Output that cannot be written is never a success.
struct WriteFailureCase {
    std::string name;
    std::vector<std::string> args;
    std::string input;
};

void PrintTo(const WriteFailureCase& c, std::ostream* os) { *os << c.name; }

const WriteFailureCase kWriteFailures[] = {
    {"one_plate", ValidArgs(), ""},
    {"one_plate_json",
     [] {
         auto args = ValidArgs();
         args.insert(args.end(), {"--format", "json"});
         return args;
     }(),
     ""},
    {"batch_csv", {"--batch", "-"}, PlatesCsv()},
    {"batch_jsonl", {"--batch", "-", "--format", "jsonl"}, PlatesCsv()},
    {"codes", {"--codes", "1969"}, ""},
    {"version", {"--version"}, ""},
    {"help", {"--help"}, ""},
};

class WriteFailures : public ::testing::TestWithParam<WriteFailureCase> {};

TEST_P(WriteFailures, FullDiskGivesStatusTwoAndAMessage) {
    const ToolRun run = RunTool(GetParam().args, GetParam().input, "/dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("standard output: write error: No space left on device\n"), std::string::npos) << run.err;
}

// A reader that has had enough (| head) is not a failure of the run.
TEST_P(WriteFailures, ClosedPipeEndsQuietly) {
    const ToolRun run = RunToolIntoClosedPipe(GetParam().args, GetParam().input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteFailures, ::testing::ValuesIn(kWriteFailures),
                         [](const auto& info) { return info.param.name; });

TEST(Status, BatchOutputOptionToFullDisk) {
    const ToolRun run = RunTool({"--batch", WriteTempFile("plates.csv", PlatesCsv()), "--output", "/dev/full"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("/dev/full"), std::string::npos) << run.err;
}

TEST(Status, OutputOverTheInputIsRefusedAndTheInputKept) {
    const std::string csv = PlatesCsv();
    const std::string path = WriteTempFile("plates.csv", csv);
    const ToolRun run = RunTool({"--batch", path, "--output", path});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("overwrite"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(path), csv);
}

// The same file under another name: through "." on every system, and on
// Windows through its drive letter, backslashes and other letter case.
TEST(Status, OutputOverTheInputUnderAnotherSpellingIsRefused) {
    const std::string csv = PlatesCsv();
    const std::string path = WriteTempFile("plates.csv", csv);
    const std::size_t slash = path.rfind('/');
    std::vector<std::string> spellings = {path.substr(0, slash) + "/./" + path.substr(slash + 1)};
    if (ToolIsForWindows()) {
        std::string windows = "z:" + path;
        for (char& c : windows)
            c = c == '/' ? '\\' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        spellings.push_back(windows);
    }
    for (const std::string& spelling : spellings) {
        const ToolRun run = RunTool({"--batch", path, "--output", spelling});
        EXPECT_EQ(run.status, 2) << spelling;
        EXPECT_EQ(run.err, "tarnwick-decode: the output would overwrite the input " + path + "\n");
        EXPECT_EQ(ReadFile(path), csv);
    }
}

// The progress line shows on a terminal that the records do not go to,
// and is gone when the run ends; never among the records, never with -q.
TEST(Status, ProgressOnlyWhereTheRecordsAreNot) {
    const std::string input = WriteTempFile("plates.csv", PlatesCsv());
    const ToolRun to_file = RunToolOnTerminal({"--batch", input}, false);
    EXPECT_EQ(to_file.status, 0);
    if (ToolIsForWindows()) {
        // wine's console draws the screen again with sequences of its own
        // around the tool's, hiding the cursor while it does.
        std::string shown = to_file.err;
        for (const std::string cursor : {"\033[?25l", "\033[?25h"})
            for (std::size_t at; (at = shown.find(cursor)) != std::string::npos;)
                shown.erase(at, cursor.size());
        EXPECT_EQ(shown.rfind("tarnwick-decode: ", 0), 0u) << to_file.err;
        EXPECT_TRUE(shown.ends_with("\r\033[K")) << to_file.err;
    } else {
        EXPECT_EQ(to_file.err.rfind("\rtarnwick-decode: ", 0), 0u) << to_file.err;
        EXPECT_TRUE(to_file.err.ends_with("\r\033[K")) << to_file.err;
    }
    EXPECT_EQ(to_file.out, RunTool({"--batch", input}).out);
    const ToolRun same_terminal = RunToolOnTerminal({"--batch", input}, true);
    EXPECT_EQ(same_terminal.err.find('%'), std::string::npos);
    EXPECT_EQ(RunToolOnTerminal({"--batch", input, "-q"}, false).err, "");
}

TEST(Status, VersionAndHelp) {
    const ToolRun version = RunTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string(kVersion) + "\n");
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--year", "--warranty-only", "--batch", "--output", "--format", "--codes", "jsonl",
                               "error_message", "Exit status", "--map", "--encoding", "--delimiter", "--trim-blanks",
                               "-q,--quiet", "model_year"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 80u) << line;
    EXPECT_EQ(help.out.find("Excludes"), std::string::npos);
}

// Every code of every year, its text and its place in the order they are
// tried, as kept in tests/cli/code_book/: a change to a table shows as a
// diff of these files, for someone to read.
TEST(Codes, EveryYearIsTheKeptCodeBook) {
    for (ModelYear year : kAllModelYears) {
        const std::string label = std::to_string(1964 + static_cast<int>(year));
        const ToolRun csv = RunTool({"--codes", label, "-f", "csv"});
        EXPECT_EQ(csv.status, 0) << csv.err;
        EXPECT_EQ(csv.out, ReadFile(std::string(TARNWICK_CODE_BOOK_DIR) + "/" + label + ".csv")) << label;
    }
}

// json holds what csv holds, the body style read from the warranty number
// alone included.
TEST(Codes, JsonListingHoldsTheCsvColumns) {
    const nlohmann::json listing = nlohmann::json::parse(RunTool({"--codes", "1970", "body", "-f", "json"}).out);
    EXPECT_EQ(listing.front(), nlohmann::json::parse(R"({"year":"1970","table":"body","code":"63","serial":"02",
        "text":"2+2 Fastback","warranty_only_text":"Sportsroof"})"));
    EXPECT_EQ(nlohmann::json::parse(RunTool({"--codes", "1966", "-f", "json"}).out).back(),
              nlohmann::json::parse(R"({"year":"1966","table":"month","code":"Z","serial":"","text":"December",
                  "warranty_only_text":""})"));
}

// The listing of one table holds the year's rows in the order they are tried.
TEST(Codes, OneTableListsTheRowsInOrder) {
    for (ModelYear year : kAllModelYears) {
        const ToolRun run = RunTool({"--codes", std::string(YearLabel(year)), "paint"});
        EXPECT_EQ(run.status, 0) << run.err;
        std::string expected;
        for (const CodeRow& row : TablesFor(year).paints)
            expected += std::string(row.code) + "\t" + std::string(row.text) + "\n";
        EXPECT_EQ(run.out.substr(run.out.find('\n') + 1), expected) << YearLabel(year);
    }
}

TEST(Codes, BodyTableShowsTheTextReadFromTheWarrantyNumberAlone) {
    const ToolRun run = RunTool({"--codes", "1970", "body"});
    EXPECT_EQ(run.status, 0);
    for (const BodyPair& row : TablesFor(ModelYear::Y1970).bodies) {
        std::string line = std::string(row.body_code) + "\t" + std::string(row.serial) + "\t" + std::string(row.text);
        if (row.WarrantyOnlyText() != row.text) line += "\t" + std::string(row.WarrantyOnlyText());
        EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << line;
    }
}

TEST(Codes, AllTablesOfAYearNameEveryTable) {
    const ToolRun run = RunTool({"--codes", "1964"});
    EXPECT_EQ(run.status, 0);
    for (const char* table : {"plant", "body", "engine", "paint", "trim", "interior", "trans", "axle", "dso", "month"})
        EXPECT_NE(run.out.find(std::string("# ") + table + ":"), std::string::npos) << table;
    EXPECT_NE(run.out.find("N\tJanuary\n"), std::string::npos);
}

}  // namespace
}  // namespace tarnwick::testing
