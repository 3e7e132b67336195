// The build date: three characters, a day 01 to 31 and a month letter.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/sample_plates.h"

namespace tarnwick::testing {
namespace {

struct DateCase {
    std::string name;
    std::string code;
    std::string expected;  // empty when the code is refused
};

void PrintTo(const DateCase& c, std::ostream* os) { *os << c.name; }

const DateCase kDates[] = {
    {"first_of_january", "01A", "01 January"},
    {"second_letter_of_january", "01N", "01 January"},
    {"last_of_december", "31M", "31 December"},
    {"z_is_december", "31Z", "31 December"},
    {"day_not_held_against_month", "31B", "31 February"},
    {"leading_zero_kept", "05C", "05 March"},
    {"september_w", "09W", "09 September"},
    {"day_zero", "00A", ""},
    {"day_thirty_two", "32A", ""},
    {"day_not_two_digits", "1AA", ""},
    {"letter_first", "A5B", ""},
    {"letter_i_unused", "15I", ""},
    {"letter_o_unused", "15O", ""},
    {"digit_for_month", "155", ""},
    {"two_characters", "15", ""},
    {"short_code", "5A", ""},
    {"four_characters_from_1970", "15KX", ""},
    {"lowercase_month", "15k", ""},
    {"blank_in_day", " 5A", ""},
    {"sign_in_day", "+5A", ""},
    {"non_ascii_digit_in_day",
     "1\xD9\xA3"
     "A",
     ""},  // ARABIC-INDIC DIGIT THREE
};

class DateCode : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateCode, DecodesOrRefuses) {
    for (ModelYear year : {ModelYear::Y1964Half, ModelYear::Y1966, ModelYear::Y1969}) {
        SamplePlate plate = ValidPlate(year);
        plate.date = GetParam().code;
        const DecodeOutcome outcome = plate.Decode();
        if (GetParam().expected.empty()) {
            EXPECT_EQ(ExpectError(outcome).step, DecodeStep::DateCode) << YearLabel(year);
        } else {
            ASSERT_TRUE(outcome.ok()) << YearLabel(year) << ": " << outcome.error()->Message();
            EXPECT_EQ((*outcome.results())[ResultItem::Date], GetParam().expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, DateCode, ::testing::ValuesIn(kDates),
                         [](const auto& info) { return info.param.name; });

TEST(DateCode, AcceptsDays01To31WithEveryMonthLetter) {
    // Every day from 01 to 31 passes with every letter of the alphabet but I and O.
    int accepted = 0;
    SamplePlate plate = ValidPlate(ModelYear::Y1967);
    for (int day = 0; day <= 40; ++day) {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            plate.date = std::string{static_cast<char>('0' + day / 10), static_cast<char>('0' + day % 10), letter};
            if (plate.Decode().ok()) ++accepted;
        }
    }
    EXPECT_EQ(accepted, 31 * 24);
}

}  // namespace
}  // namespace tarnwick::testing
