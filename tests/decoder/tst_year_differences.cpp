// Codes that one year knows and another does not: each fails in the test of
// its own field, naming the selected year.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/sample_plates.h"

namespace tarnwick::testing {
namespace {

struct YearCodeCase {
    std::string name;
    ModelYear year;
    std::string SamplePlate::*field;
    std::string code;
    std::string expected;  // the decoded text, or empty when the code must fail
    DecodeStep failing_step = DecodeStep::YearDigit;
};

void PrintTo(const YearCodeCase& c, std::ostream* os) { *os << c.name; }

ResultItem ItemOf(std::string SamplePlate::*field) {
    if (field == &SamplePlate::color) return ResultItem::Exterior;
    if (field == &SamplePlate::trim) return ResultItem::Interior;
    if (field == &SamplePlate::axle) return ResultItem::Axle;
    if (field == &SamplePlate::trans) return ResultItem::Transmission;
    if (field == &SamplePlate::dso) return ResultItem::Dso;
    return ResultItem::InteriorType;
}

using Y = ModelYear;
using P = SamplePlate;
using S = DecodeStep;

const YearCodeCase kCases[] = {
    {"y1964_paint_f", Y::Y1964Half, &P::color, "F", "Guardsman Blue"},
    {"y1965_paint_f_of_1964", Y::Y1965, &P::color, "F", "", S::ExteriorPaint},
    {"y1965_paint_z_of_1964", Y::Y1965, &P::color, "Z", "", S::ExteriorPaint},
    {"y1965_trim_42_of_1964", Y::Y1965, &P::trim, "42", "", S::InteriorTrim},
    {"y1965_trim_65_without_blank", Y::Y1965, &P::trim, "65", "Red / White(Luxury)"},
    {"y1964_axle_2", Y::Y1964Half, &P::axle, "2", "", S::RearAxle},
    {"y1964_axle_b", Y::Y1964Half, &P::axle, "B", "", S::RearAxle},
    {"y1964_axle_i", Y::Y1964Half, &P::axle, "I", "4.11:1 (Equa-Lock)"},
    {"y1966_axle_l", Y::Y1966, &P::axle, "L", "2.83:1 (Equa-Lock)"},
    {"y1966_axle_9", Y::Y1966, &P::axle, "9", "", S::RearAxle},
    {"y1966_paint_special", Y::Y1966, &P::color, "*", "Special"},
    {"y1967_paint_special", Y::Y1967, &P::color, "*", "Special Color"},
    {"y1966_paint_b", Y::Y1966, &P::color, "B", "", S::ExteriorPaint},
    {"y1966_trans_4", Y::Y1966, &P::trans, "4", "", S::Transmission},
    {"y1967_trans_3", Y::Y1967, &P::trans, "3", "3-Speed Manual"},
    {"y1967_trans_v", Y::Y1967, &P::trans, "V", "C-6 Automatic"},
    {"y1967_trans_6_of_1966", Y::Y1967, &P::trans, "6", "", S::Transmission},
    {"y1967_axle_8_of_1966", Y::Y1967, &P::axle, "8", "", S::RearAxle},
    {"y1967_paint_p_of_1966", Y::Y1967, &P::color, "P", "", S::ExteriorPaint},
    {"y1967_trim_26_of_1966", Y::Y1967, &P::trim, "26", "", S::InteriorTrim},
    {"y1967_trim_4b_not_listed", Y::Y1967, &P::trim, "4B", "", S::InteriorTrim},
    {"y1967_trim_6v", Y::Y1967, &P::trim, "6V", "Parchment Buckets (Luxury)"},
    {"y1968_paint_letter_o", Y::Y1968, &P::color, "O", "Seafoam Green"},
    {"y1968_paint_digit_0", Y::Y1968, &P::color, "0", "", S::ExteriorPaint},
    {"y1968_trim_7v", Y::Y1968, &P::trim, "7V", "Parchment Comfortweave Buckets"},
    {"y1968_trim_50_not_a_code", Y::Y1968, &P::trim, "50", "", S::InteriorTrim},
    {"y1968_interior_type_d", Y::Y1968, &P::body, "63D", "Front Bench (Deluxe)"},
    {"y1968_interior_type_e", Y::Y1968, &P::body, "63E", "", S::InteriorType},
    {"y1967_interior_type_d", Y::Y1967, &P::body, "65D", "", S::InteriorType},
    {"y1968_trans_6", Y::Y1968, &P::trans, "6", "", S::Transmission},
    {"y1968_axle_f", Y::Y1968, &P::axle, "F", "3.20:1 (Equa-Lock)"},
    {"y1968_axle_a", Y::Y1968, &P::axle, "A", "", S::RearAxle},
    {"y1969_interior_type_e", Y::Y1969, &P::body, "63E", "Special (Grande)"},
    {"y1969_paint_2", Y::Y1969, &P::color, "2", "Lime"},
    {"y1969_paint_special", Y::Y1969, &P::color, "*", "", S::ExteriorPaint},
    {"y1969_trim_dw", Y::Y1969, &P::trim, "DW", "White Comfortweave Hi Buckets"},
    {"y1969_trim_4w", Y::Y1969, &P::trim, "4W", "", S::InteriorTrim},
    {"y1969_axle_j", Y::Y1969, &P::axle, "J", "2.50:1 (Equa-Lock)"},
    {"y1969_axle_x", Y::Y1969, &P::axle, "X", "", S::RearAxle},
    {"y1970_paint_t", Y::Y1970, &P::color, "T", "Red"},
    {"y1970_paint_b", Y::Y1970, &P::color, "B", "", S::ExteriorPaint},
    {"y1970_trim_tw", Y::Y1970, &P::trim, "TW", "White Comfortweave Vinyl"},
    {"y1970_trim_3d", Y::Y1970, &P::trim, "3D", "", S::InteriorTrim},
    {"y1970_axle_x", Y::Y1970, &P::axle, "X", "2.33:1 (Equa-Lock)"},
    {"y1970_axle_1", Y::Y1970, &P::axle, "1", "", S::RearAxle},
    {"y1970_trans_y", Y::Y1970, &P::trans, "Y", "FMX Automatic"},
    {"dso_90_export", Y::Y1964Half, &P::dso, "90", "Export"},
    {"dso_99_export", Y::Y1970, &P::dso, "99", "Export"},
    {"dso_82", Y::Y1966, &P::dso, "82", "", S::Dso},
    {"dso_00", Y::Y1968, &P::dso, "00", "", S::Dso},
};

class YearCodes : public ::testing::TestWithParam<YearCodeCase> {};

TEST_P(YearCodes, DecodeOnlyInTheirYear) {
    const YearCodeCase& c = GetParam();
    SamplePlate plate = ValidPlate(c.year);
    plate.*c.field = c.code;
    const DecodeOutcome outcome = plate.Decode();
    if (c.expected.empty()) {
        const InputError error = ExpectError(outcome);
        EXPECT_EQ(error.step, c.failing_step);
        const std::string first_line(error.Lines().front());
        if (c.failing_step != DecodeStep::Dso) {
            EXPECT_NE(first_line.find(std::string(YearLabel(c.year)) + "."), std::string::npos) << first_line;
        }
    } else {
        ASSERT_TRUE(outcome.ok()) << outcome.error()->Message();
        EXPECT_EQ((*outcome.results())[ItemOf(c.field)], c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, YearCodes, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

struct EngineCase {
    ModelYear year;
    std::string engine;
    std::string expected;  // empty when the engine is unknown in that year
};

TEST(YearCodes, EnginesOfEachYear) {
    const EngineCase cases[] = {
        {Y::Y1964Half, "V", "170 6-Cylinder"},
        {Y::Y1964Half, "C", ""},
        {Y::Y1964Half, "A", ""},
        {Y::Y1965, "C", "289 2V"},
        {Y::Y1966, "S", ""},
        {Y::Y1967, "S", "390 4V"},
        {Y::Y1968, "J", "302 4V"},
        {Y::Y1968, "F", ""},
        {Y::Y1968, "M", ""},
        {Y::Y1969, "O", "428 4V CJ"},
        {Y::Y1969, "0", ""},
        {Y::Y1969, "Q", ""},
        {Y::Y1970, "S", ""},
        {Y::Y1970, "O", "428 4V CJ"},
    };
    for (const EngineCase& c : cases) {
        SamplePlate plate = ValidPlate(c.year);
        plate.warranty[4] = c.engine[0];
        const DecodeOutcome outcome = plate.Decode();
        if (c.expected.empty()) {
            EXPECT_EQ(ExpectError(outcome).step, DecodeStep::Engine) << YearLabel(c.year) << " " << c.engine;
        } else {
            ASSERT_TRUE(outcome.ok()) << YearLabel(c.year) << " " << c.engine;
            EXPECT_EQ((*outcome.results())[ResultItem::Engine], c.expected);
        }
    }
}

TEST(YearCodes, APlateOfOneYearFailsInTheNextWithThatYearsWords) {
    SamplePlate plate = ValidPlate(ModelYear::Y1965);
    plate.year = ModelYear::Y1964Half;  // serial 09 has no row in 1964-1/2
    EXPECT_EQ(ExpectError(plate.Decode()), (InputError{DecodeStep::BodyAgreement, ModelYear::Y1964Half}));

    SamplePlate warranty_only{ModelYear::Y1964Half, "5F07C100001", "", "", "", "", "", "", "", true};
    EXPECT_EQ(ExpectError(warranty_only.Decode()).step, DecodeStep::Engine);
    warranty_only.year = ModelYear::Y1965;
    EXPECT_TRUE(warranty_only.Decode().ok());

    SamplePlate nineteen_seventy = ValidPlate(ModelYear::Y1970);
    nineteen_seventy.warranty[0] = '9';
    EXPECT_EQ(ExpectError(nineteen_seventy.Decode()).Lines().front(), "Invalid Warranty Number entered for 1970.");
}

}  // namespace
}  // namespace tarnwick::testing
