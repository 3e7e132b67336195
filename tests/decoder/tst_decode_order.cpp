// Which test fails first, what the message says and where the focus goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/sample_plates.h"

namespace tarnwick::testing {
namespace {

struct FailureCase {
    std::string name;
    ModelYear year;
    std::function<void(SamplePlate&)> change;
    DecodeStep step;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

using Y = ModelYear;
using S = DecodeStep;

const FailureCase kFailures[] = {
    // Two faults at once: the earlier test in the fixed order is reported.
    {"plant_before_unit_number", Y::Y1964Half, [](auto& p) { p.warranty = "5X07K10000A"; }, S::AssemblyPlant},
    {"paint_before_plant", Y::Y1966,
     [](auto& p) {
         p.warranty = "6X07C100001";
         p.color = "B";
     },
     S::ExteriorPaint},
    {"engine_before_plant", Y::Y1965, [](auto& p) { p.warranty = "5X09Q200000"; }, S::Engine},
    {"interior_type_before_plant", Y::Y1968,
     [](auto& p) {
         p.warranty = "8X02J100001";
         p.body = "63E";
     },
     S::InteriorType},
    {"plant_before_transmission", Y::Y1969,
     [](auto& p) {
         p.warranty = "9X02M100001";
         p.trans = "Q";
     },
     S::AssemblyPlant},
    {"body_agreement_before_engine", Y::Y1967,
     [](auto& p) {
         p.body = "63A";
         p.warranty = "7F01Q100001";
     },
     S::BodyAgreement},
    {"year_digit_first", Y::Y1966,
     [](auto& p) {
         p.warranty = "5X99Q";
         p.color = "?";
     },
     S::YearDigit},
    {"transmission_before_axle", Y::Y1966,
     [](auto& p) {
         p.trans = "Q";
         p.axle = "Q";
     },
     S::Transmission},
    {"axle_before_dso", Y::Y1970,
     [](auto& p) {
         p.axle = "1";
         p.dso = "00";
     },
     S::RearAxle},
    {"dso_before_date", Y::Y1967,
     [](auto& p) {
         p.dso = "82";
         p.date = "00A";
     },
     S::Dso},
    {"date_before_unit_number", Y::Y1968,
     [](auto& p) {
         p.date = "15";
         p.warranty = "8F02J10000";
     },
     S::DateCode},
    {"trim_before_interior_type", Y::Y1966,
     [](auto& p) {
         p.trim = "C5";
         p.body = "65D";
     },
     S::InteriorTrim},
    // The serial is judged with the body code when the plate is read.
    {"unknown_serial_with_plate", Y::Y1964Half, [](auto& p) { p.warranty = "5F99K100001"; }, S::BodyAgreement},
    {"serial_of_another_body_style", Y::Y1966, [](auto& p) { p.body = "63A"; }, S::BodyAgreement},
    {"later_years_serial_in_1964", Y::Y1964Half,
     [](auto& p) {
         p.warranty = "5F09K100001";
         p.body = "63A";
     },
     S::BodyAgreement},
    {"unknown_body_code", Y::Y1964Half, [](auto& p) { p.body = "63A"; }, S::BodyAgreement},
    {"serial_alone_unknown", Y::Y1964Half,
     [](auto& p) {
         p.warranty = "5F09K100001";
         p.warranty_only = true;
     },
     S::BodySerial},
    {"serial_alone_of_1966_in_1967", Y::Y1967,
     [](auto& p) {
         p.warranty = "7F07C100001";
         p.warranty_only = true;
     },
     S::BodySerial},
    {"warranty_only_plant_right_after_engine", Y::Y1969,
     [](auto& p) {
         p.warranty = "9X02M10000";
         p.warranty_only = true;
     },
     S::AssemblyPlant},
    // Body code read as its first two characters, interior type as its last.
    {"two_character_body_fails_interior_type", Y::Y1966, [](auto& p) { p.body = "65"; }, S::InteriorType},
    {"lowercase_interior_type", Y::Y1966, [](auto& p) { p.body = "65a"; }, S::InteriorType},
    // Cutting the warranty number.
    {"ten_characters_fail_unit_number", Y::Y1966, [](auto& p) { p.warranty = "6F07C10000"; }, S::UnitNumber},
    {"three_characters", Y::Y1966, [](auto& p) { p.warranty = "6F0"; }, S::BodyAgreement},
    {"one_character", Y::Y1966,
     [](auto& p) {
         p.warranty = "6";
         p.warranty_only = true;
     },
     S::BodySerial},
    {"blank_year_digit", Y::Y1966, [](auto& p) { p.warranty = " F07C100001"; }, S::YearDigit},
    {"unit_number_with_letter", Y::Y1970, [](auto& p) { p.warranty = "0F05G10000X"; }, S::UnitNumber},
    {"unit_number_with_blank", Y::Y1970, [](auto& p) { p.warranty = "0F05G1 0001"; }, S::UnitNumber},
    // Whole-field codes are compared whole: no trimming, no prefix.
    {"blank_color", Y::Y1965, [](auto& p) { p.color = " "; }, S::ExteriorPaint},
    {"trim_prefix_only", Y::Y1965, [](auto& p) { p.trim = "F"; }, S::InteriorTrim},
    {"dso_one_character", Y::Y1965, [](auto& p) { p.dso = "1"; }, S::Dso},
    {"dso_not_a_district", Y::Y1965, [](auto& p) { p.dso = "16"; }, S::Dso},
    {"lowercase_paint", Y::Y1965, [](auto& p) { p.color = "m"; }, S::ExteriorPaint},
};

class DecodeFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DecodeFailure, StopsAtTheFirstFailingTest) {
    const FailureCase& c = GetParam();
    SamplePlate plate = ValidPlate(c.year);
    c.change(plate);
    const InputError error = ExpectError(plate.Decode());
    EXPECT_EQ(error.step, c.step);
    EXPECT_EQ(error.year, c.year);
}

INSTANTIATE_TEST_SUITE_P(Plates, DecodeFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return info.param.name; });

// Every message of one year, word for word, with its focus.
struct MessageCase {
    DecodeStep step;
    Field focus;
    std::vector<std::string> lines;
};

TEST(DecodeMessages, WordedAsTheBoxShowsThem) {
    const MessageCase cases[] = {
        {S::YearDigit,
         Field::Warranty,
         {"Invalid Warranty Number entered for 1965.", "First character (First Year Digit) invalid."}},
        {S::BodySerial,
         Field::Warranty,
         {"Invalid Warranty Number for 1965.", "Third and fourth characters (Body Serial) invalid."}},
        {S::BodyAgreement, Field::Body, {"Body Style does not agree with Warranty Number for 1965."}},
        {S::Engine,
         Field::Warranty,
         {"Invalid Warranty Number entered for 1965.", "Fifth character (Engine) invalid."}},
        {S::ExteriorPaint, Field::Color, {"Invalid Exterior Paint Color entered for 1965."}},
        {S::InteriorTrim, Field::Trim, {"Invalid Interior Trim entered for 1965."}},
        {S::InteriorType, Field::Body, {"Invalid Body Type entered for 1965."}},
        {S::AssemblyPlant,
         Field::Warranty,
         {"Invalid Warranty Number entered.", "Second character (Assembly Plant) invalid."}},
        {S::Transmission, Field::Trans, {"Invalid Transmission entered for 1965."}},
        {S::RearAxle, Field::Axle, {"Invalid Rear Axle entered for 1965."}},
        {S::Dso, Field::Dso, {"Invalid DSO entered."}},
        {S::DateCode, Field::Date, {"Invalid Date Code entered."}},
        {S::UnitNumber,
         Field::Warranty,
         {"Invalid Warranty Number entered.", "Last 6 characters (Consecutive Unit Number) invalid.",
          "Must be six digits."}},
    };
    for (const MessageCase& c : cases) {
        const InputError error{c.step, ModelYear::Y1965};
        EXPECT_TRUE(std::ranges::equal(error.Lines(), c.lines)) << c.lines.front();
        EXPECT_EQ(error.Focus(), c.focus) << c.lines.front();
    }
}

TEST(DecodeMessages, LinesJoinedByCarriageReturnLineFeed) {
    EXPECT_EQ((InputError{S::UnitNumber, ModelYear::Y1970}.Message()),
              "Invalid Warranty Number entered.\r\nLast 6 characters (Consecutive Unit Number) invalid.\r\n"
              "Must be six digits.");
    EXPECT_EQ((InputError{S::Dso, ModelYear::Y1970}.Message()), "Invalid DSO entered.");
}

TEST(DecodeMessages, NameTheSelectedYear) {
    SamplePlate plate = ValidPlate(ModelYear::Y1964Half);
    plate.warranty = "6F07C100001";
    EXPECT_EQ(ExpectError(plate.Decode()).Lines().front(), "Invalid Warranty Number entered for 1964-1/2.");
}

TEST(DecodeMessages, WarrantyOnlyIgnoresNonsenseOnThePlate) {
    SamplePlate plate = ValidPlate(ModelYear::Y1966);
    plate.body = "ZZZ";
    plate.color = "!";
    plate.trim = "";
    plate.date = "99";
    plate.warranty_only = true;
    EXPECT_TRUE(plate.Decode().ok());
}

}  // namespace
}  // namespace tarnwick::testing
