// Table invariants that catch typing mistakes; the rows themselves are
// checked through whole decodes, not restated here.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "decoder/year_tables.h"

namespace tarnwick {
namespace {

struct TableSizes {
    ModelYear year;
    std::size_t engines, paints, trims, interior_types, transmissions, axles, bodies;
};

TEST(YearTables, RowCountsOfEveryYear) {
    const TableSizes sizes[] = {
        {ModelYear::Y1964Half, 5, 21, 10, 3, 3, 16, 2}, {ModelYear::Y1965, 7, 17, 28, 3, 3, 16, 3},
        {ModelYear::Y1966, 4, 18, 34, 3, 3, 14, 3},     {ModelYear::Y1967, 5, 21, 20, 3, 5, 10, 3},
        {ModelYear::Y1968, 7, 16, 31, 4, 4, 12, 3},     {ModelYear::Y1969, 10, 17, 37, 5, 6, 28, 3},
        {ModelYear::Y1970, 9, 16, 29, 5, 6, 21, 4},
    };
    for (const TableSizes& s : sizes) {
        const YearTables& t = TablesFor(s.year);
        SCOPED_TRACE(std::string(YearLabel(s.year)));
        EXPECT_EQ(t.year, s.year);
        EXPECT_EQ(t.engines.size(), s.engines);
        EXPECT_EQ(t.paints.size(), s.paints);
        EXPECT_EQ(t.trims.size(), s.trims);
        EXPECT_EQ(t.interior_types.size(), s.interior_types);
        EXPECT_EQ(t.transmissions.size(), s.transmissions);
        EXPECT_EQ(t.axles.size(), s.axles);
        EXPECT_EQ(t.bodies.size(), s.bodies);
        EXPECT_EQ(t.plants.size(), 3u);
    }
    EXPECT_EQ(DsoTable().size(), 51u);
    EXPECT_EQ(MonthLetterTable().size(), 24u);
}

TEST(YearTables, EveryTableHasUniqueFilledCodes) {
    for (ModelYear year : kAllModelYears) {
        const YearTables& t = TablesFor(year);
        for (CodeTable table : {t.engines, t.plants, t.paints, t.trims, t.interior_types, t.transmissions, t.axles}) {
            EXPECT_TRUE(IsValidTable(table)) << YearLabel(year);
        }
        EXPECT_TRUE(HasUniqueSerials(t.bodies));
    }
}

TEST(YearTables, CodesFitTheFieldsThatHoldThem) {
    // A code longer than its field could never be typed, so it is a typo.
    for (ModelYear year : kAllModelYears) {
        const YearTables& t = TablesFor(year);
        for (const CodeRow& row : t.paints)
            EXPECT_EQ(row.code.size(), 1u) << row.text;
        for (const CodeRow& row : t.trims)
            EXPECT_EQ(row.code.size(), 2u) << row.text;
        for (const CodeRow& row : t.engines)
            EXPECT_EQ(row.code.size(), 1u) << row.text;
        for (const CodeRow& row : t.axles)
            EXPECT_EQ(row.code.size(), 1u) << row.text;
        for (const CodeRow& row : t.transmissions)
            EXPECT_EQ(row.code.size(), 1u) << row.text;
        for (const BodyPair& row : t.bodies) {
            EXPECT_EQ(row.body_code.size(), 2u);
            EXPECT_EQ(row.serial.size(), 2u);
        }
        EXPECT_EQ(t.year_digit.size(), 1u);
    }
}

TEST(YearTables, EveryEngineCodeIsALetter) {
    // A valid warranty number then fills its eleven characters exactly.
    for (ModelYear year : kAllModelYears) {
        for (const CodeRow& row : TablesFor(year).engines) {
            EXPECT_TRUE(row.code[0] >= 'A' && row.code[0] <= 'Z') << row.code;
        }
    }
}

TEST(YearTables, MonthLettersSkipIAndO) {
    std::set<std::string_view> months;
    for (const CodeRow& row : MonthLetterTable()) {
        EXPECT_NE(row.code, "I");
        EXPECT_NE(row.code, "O");
        EXPECT_NE(row.text.front(), ' ');
        months.insert(row.text);
    }
    EXPECT_EQ(months.size(), 12u);
}

TEST(YearTables, OnlyThe1970PlateLacksADate) {
    for (ModelYear year : kAllModelYears) {
        EXPECT_EQ(TablesFor(year).decodes_date, year != ModelYear::Y1970) << YearLabel(year);
    }
}

TEST(ModelYears, LabelsAndParsing) {
    EXPECT_EQ(YearLabel(ModelYear::Y1964Half), "1964-1/2");
    EXPECT_EQ(YearLabel(ModelYear::Y1970), "1970");
    for (ModelYear year : kAllModelYears)
        EXPECT_EQ(ParseModelYear(YearLabel(year)), year);
    EXPECT_EQ(ParseModelYear("1964"), ModelYear::Y1964Half);
    EXPECT_EQ(ParseModelYear("1963"), std::nullopt);
    EXPECT_EQ(ParseModelYear("1964 1/2"), std::nullopt);
    EXPECT_EQ(ParseModelYear(""), std::nullopt);
}

}  // namespace
}  // namespace tarnwick
