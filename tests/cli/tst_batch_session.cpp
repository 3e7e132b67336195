// The batch session as the web page drives it: the header previewed for
// the column choosers, and every row reported as it is decoded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/batch_session.h"

namespace tarnwick::cli {
namespace {

struct PreviewCase {
    std::string name;
    std::string start;
    std::vector<ColumnRename> renames;
    std::vector<std::string> names;
    char delimiter;
    std::array<std::size_t, kBatchColumnCount> columns;  // year, the eight fields, warranty_only
};

void PrintTo(const PreviewCase& c, std::ostream* os) { *os << c.name; }

constexpr std::size_t kNo = kNoColumn;

const PreviewCase kPreviews[] = {
    {"spreadsheet_export_mapped",
     " Year ;VIN;Body;Color;Trim;Date;DSO;Axle;Trans;Notes\r\n1965;5R09A200000",
     {{"warranty", "VIN"}},
     {" Year ", "VIN", "Body", "Color", "Trim", "Date", "DSO", "Axle", "Trans", "Notes"},
     ';',
     {0, 1, 2, 3, 4, 5, 6, 7, 8, kNo}},
    // A header that lacks columns still names the ones it has.
    {"unmapped_columns_shown", "VIN\tyear\tpaint\tWarranty_Only", {}, {"VIN", "year", "paint", "Warranty_Only"}, '\t',
     {1, kNo, kNo, kNo, kNo, kNo, kNo, kNo, kNo, 3}},
    {"doubled_column_not_chosen", "year,body,BODY\n", {}, {"year", "body", "BODY"}, ',',
     {0, kNo, kNo, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
};

class Preview : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(Preview, NamesDelimiterAndColumns) {
    BatchSettings settings;
    settings.columns.renames = GetParam().renames;
    std::string problem;
    const std::optional<HeaderPreview> preview = PreviewHeader(GetParam().start, settings, problem);
    ASSERT_TRUE(preview.has_value()) << problem;
    EXPECT_EQ(preview->names, GetParam().names);
    EXPECT_EQ(preview->delimiter, GetParam().delimiter);
    EXPECT_EQ(preview->columns, GetParam().columns);
}

INSTANTIATE_TEST_SUITE_P(Cases, Preview, ::testing::ValuesIn(kPreviews),
                         [](const auto& info) { return info.param.name; });

TEST(Preview, NoHeaderIsAProblem) {
    std::string problem;
    EXPECT_FALSE(PreviewHeader("\n\n", BatchSettings{}, problem).has_value());
    EXPECT_EQ(problem,
              "standard input holds no header line; its first line must be a header naming the columns "
              "year,warranty,body,color,trim,date,dso,axle,trans");
}

// Each data row is reported once, in order, with its line and its fields,
// a row that cannot be read included.
TEST(Session, ReportsEveryRow) {
    BatchSettings settings;
    settings.year = "1965";
    settings.columns.year_given = true;
    settings.columns.warranty_only = true;
    BatchSession session(settings);
    std::vector<std::string> seen;
    session.set_row_observer([&seen](const RowReport& report) {
        std::string line = std::to_string(report.row) + "@" + std::to_string(report.line) + ":" +
                           (report.verdict.ok() ? "ok" : std::string(ErrorKindName(report.verdict.kind())));
        for (std::string_view field : report.fields)
            line += "|" + std::string(field);
        seen.push_back(line);
    });
    std::string output;
    const std::string input = "id,warranty\n1,5R09A200000\n\n2,5R09A20000\n3,\"5R09A200000\n4,5R09A200000";
    for (char c : input)
        session.Feed(std::string_view(&c, 1), output);
    session.Finish(output);
    EXPECT_EQ(session.problem(), "");
    EXPECT_EQ(seen, (std::vector<std::string>{"1@2:ok|1|5R09A200000", "2@4:invalid|2|5R09A20000", "3@5:input|3|",
                                              "4@6:ok|4|5R09A200000"}));
    EXPECT_EQ(session.Summary(), "4 rows read, 2 decoded, 2 failed (1 invalid, 1 input)");
}

}  // namespace
}  // namespace tarnwick::cli
