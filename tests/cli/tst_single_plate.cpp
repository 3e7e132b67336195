// One plate from the command line: the text and json shapes, the order in
// which a plate is judged, upper-casing and field limits, each checked
// against what the decoding core says of the same plate.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <vector>

#include "cli/output_columns.h"
#include "cli/plate_verdict.h"
#include "tests/support/sample_plates.h"
#include "tool_runner.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::vector<std::string> PlateArgs(const SamplePlate& plate, const std::string& year) {
    std::vector<std::string> args = {"--year", year};
    const PlateFields fields = plate.Fields();
    for (Field field : kAllFields) {
        args.push_back("--" + std::string(cli::FieldName(field)));
        args.emplace_back(fields[field]);
    }
    if (plate.warranty_only) args.push_back("--warranty-only");
    return args;
}

std::vector<std::string> WithJson(std::vector<std::string> args) {
    args.insert(args.end(), {"--format", "json"});
    return args;
}

std::string ExpectedText(const DecodeResults& results) {
    std::string text;
    for (ResultItem item : kAllResultItems)
        text += std::string(ResultCaption(item)) + " " + std::string(results[item]) + "\n";
    return text;
}

class EveryYear : public ::testing::TestWithParam<ModelYear> {};

// Typed in lower case: the tool upper-cases as the window does, so the
// results are those of the plate in capitals.
TEST_P(EveryYear, LowerCasePlateDecodesAsTextAndJson) {
    SamplePlate plate = ValidPlate(GetParam());
    const DecodeOutcome expected = plate.Decode();
    ASSERT_TRUE(expected.ok());
    SamplePlate typed = plate;
    for (std::string* text :
         {&typed.warranty, &typed.body, &typed.color, &typed.trim, &typed.date, &typed.dso, &typed.axle, &typed.trans})
        *text = Lower(*text);

    const ToolRun text = RunTool(PlateArgs(typed, std::string(YearLabel(GetParam()))));
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, ExpectedText(*expected.results()));
    EXPECT_EQ(text.err, "");

    const ToolRun as_json = RunTool(WithJson(PlateArgs(typed, std::string(YearLabel(GetParam())))));
    EXPECT_EQ(as_json.status, 0) << as_json.err;
    const json record = json::parse(as_json.out);
    EXPECT_EQ(record["ok"], true);
    ASSERT_EQ(record["results"].size(), kResultCount);
    for (ResultItem item : kAllResultItems)
        EXPECT_EQ(record["results"][std::string(cli::ResultKey(item))], (*expected.results())[item]);
}

// Nonsense in every data plate field, too long for the fields even, is not
// looked at when the warranty number is decoded alone.
TEST_P(EveryYear, WarrantyOnlyIgnoresDataPlateFields) {
    SamplePlate plate{GetParam(), ValidPlate(GetParam()).warranty, "9999", "99", "999", "99999", "999", "99", "99"};
    plate.warranty_only = true;
    const DecodeOutcome expected = plate.Decode();
    ASSERT_TRUE(expected.ok());
    const ToolRun run = RunTool(PlateArgs(plate, std::string(YearLabel(GetParam()))));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, ExpectedText(*expected.results()));
}

INSTANTIATE_TEST_SUITE_P(Years, EveryYear, ::testing::ValuesIn(kAllModelYears),
                         [](const auto& info) { return "y" + std::to_string(static_cast<int>(info.param) + 1964); });

TEST(SinglePlate, YearMayBeGivenAs1964) {
    const SamplePlate plate = ValidPlate(ModelYear::Y1964Half);
    const ToolRun run = RunTool(PlateArgs(plate, "1964"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, ExpectedText(*plate.Decode().results()));
}

struct FailureCase {
    std::string name;
    SamplePlate plate;
    std::string year;        // empty: the plate's own
    std::string kind;        // incomplete, invalid, input
    std::string field;       // empty: null
    std::string line_start;  // the first message line starts so; empty: the core's own lines
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

SamplePlate With(SamplePlate plate, std::string SamplePlate::*member, std::string text) {
    plate.*member = std::move(text);
    return plate;
}

SamplePlate Change(ModelYear year, std::string SamplePlate::*member, std::string text) {
    return With(ValidPlate(year), member, std::move(text));
}

const FailureCase kFailures[] = {
    {"missing_body_is_asked_for_first", Change(ModelYear::Y1965, &SamplePlate::body, ""), "", "incomplete", "body", ""},
    {"one_blank_is_a_code_not_empty", Change(ModelYear::Y1965, &SamplePlate::color, " "), "", "invalid", "color", ""},
    {"bad_paint_named_by_decoder", Change(ModelYear::Y1966, &SamplePlate::color, "?"), "", "invalid", "color", ""},
    {"four_char_date_reaches_decoder", Change(ModelYear::Y1967, &SamplePlate::date, "15KX"), "", "invalid", "date", ""},
    {"unit_number_three_lines", Change(ModelYear::Y1968, &SamplePlate::warranty, "8F02J10000X"), "", "invalid",
     "warranty", ""},
    {"warranty_over_11", Change(ModelYear::Y1965, &SamplePlate::warranty, "5R09A2000000"), "", "input", "warranty",
     "warranty \"5R09A2000000\" holds 12 characters"},
    {"body_over_3", Change(ModelYear::Y1965, &SamplePlate::body, "63AA"), "", "input", "body", "body \"63AA\" holds"},
    {"color_over_1", Change(ModelYear::Y1965, &SamplePlate::color, "MM"), "", "input", "color", "color \"MM\" holds"},
    {"trim_over_2", Change(ModelYear::Y1965, &SamplePlate::trim, "F55"), "", "input", "trim", "trim \"F55\" holds"},
    {"date_over_4", Change(ModelYear::Y1970, &SamplePlate::date, "15KXX"), "", "input", "date", "date \"15KXX\" holds"},
    {"dso_over_2", Change(ModelYear::Y1965, &SamplePlate::dso, "711"), "", "input", "dso", "dso \"711\" holds"},
    {"axle_over_1", Change(ModelYear::Y1965, &SamplePlate::axle, "88"), "", "input", "axle", "axle \"88\" holds"},
    {"trans_over_1", Change(ModelYear::Y1965, &SamplePlate::trans, "55"), "", "input", "trans", "trans \"55\" holds"},
    {"invisible_characters_shown", Change(ModelYear::Y1965, &SamplePlate::body, "63A\xC2\xA0"), "", "input", "body",
     "body \"63A<U+00A0>\" holds 4 characters; it takes at most 3."},
    // Counted in characters: two two-byte letters fit the trim field.
    {"length_in_characters", Change(ModelYear::Y1965, &SamplePlate::trim, "\xC3\xA9\xC3\xA9"), "", "invalid", "trim",
     ""},
    {"over_long_before_missing", With(Change(ModelYear::Y1965, &SamplePlate::body, ""), &SamplePlate::dso, "711"), "",
     "input", "dso", "dso \"711\" holds"},
    {"unknown_year_before_everything", Change(ModelYear::Y1965, &SamplePlate::dso, "711"), "1971", "input", "",
     "year \"1971\" is not a model year"},
    {"year_taken_as_it_stands", ValidPlate(ModelYear::Y1965), " 1965", "input", "", "year \" 1965\" is not"},
    // An overlong form is three bad bytes, three characters, not one.
    {"overlong_utf8_counts_each_byte", Change(ModelYear::Y1965, &SamplePlate::trim, "\xE0\x80\x80"), "", "input",
     "trim", "trim \""},
};

class Failures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(Failures, JsonNamesKindFieldAndLines) {
    const FailureCase& c = GetParam();
    // A Windows command line is UTF-16 text: bytes that are not UTF-8 cannot reach the tool.
    if (ToolIsForWindows() && c.name == "overlong_utf8_counts_each_byte") GTEST_SKIP();
    const std::string year = c.year.empty() ? std::string(YearLabel(c.plate.year)) : c.year;
    const ToolRun run = RunTool(WithJson(PlateArgs(c.plate, year)));
    EXPECT_EQ(run.status, 1) << run.err;
    const json record = json::parse(run.out);
    EXPECT_EQ(record["ok"], false);
    EXPECT_EQ(record["error"]["kind"], c.kind);
    if (c.field.empty()) {
        EXPECT_TRUE(record["error"]["field"].is_null());
    } else {
        EXPECT_EQ(record["error"]["field"], c.field);
    }
    const json& lines = record["error"]["lines"];
    ASSERT_FALSE(lines.empty());
    if (!c.line_start.empty()) {
        EXPECT_EQ(lines[0].get<std::string>().rfind(c.line_start, 0), 0u) << lines[0];
    } else if (c.kind == "incomplete") {
        const auto missing = CheckSpaces(c.plate.year, c.plate.Fields(), false);
        ASSERT_TRUE(missing.has_value());
        EXPECT_EQ(lines, json::array({std::string(missing->message)}));
    } else {
        // The plates are in capitals already, so the core sees what the tool sees.
        const std::span<const std::string_view> core_lines = ExpectError(c.plate.Decode()).Lines();
        EXPECT_EQ(lines, json(std::vector<std::string>(core_lines.begin(), core_lines.end())));
    }
}

// The text shape writes nothing on standard output and the same lines on
// standard error.
TEST_P(Failures, TextPutsTheLinesOnStandardError) {
    const FailureCase& c = GetParam();
    const std::string year = c.year.empty() ? std::string(YearLabel(c.plate.year)) : c.year;
    const ToolRun text = RunTool(PlateArgs(c.plate, year));
    const ToolRun as_json = RunTool(WithJson(PlateArgs(c.plate, year)));
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.out, "");
    std::string expected;
    const json record = json::parse(as_json.out);
    for (const auto& line : record["error"]["lines"])
        expected += line.get<std::string>() + "\n";
    EXPECT_EQ(text.err, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Failures, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tarnwick::testing
