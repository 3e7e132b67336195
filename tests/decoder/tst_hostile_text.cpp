// Texts no keyboard types: other scripts, broken UTF-8, very long fields.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/sample_plates.h"

namespace tarnwick::testing {
namespace {

TEST(HostileText, AccentedLetterShiftsThePositionsByOneCharacter) {
    // "é" takes the place of the year digit: one character, two bytes.
    SamplePlate plate = ValidPlate(ModelYear::Y1966);
    plate.warranty =
        "\xC3\xA9"
        "F07C100001";
    EXPECT_EQ(ExpectError(plate.Decode()).step, DecodeStep::YearDigit);

    // An "é" inserted after the year digit shifts the serial to "F0".
    plate.warranty =
        "6\xC3\xA9"
        "F07C100001";
    plate.warranty_only = true;
    EXPECT_EQ(ExpectError(plate.Decode()).step, DecodeStep::BodySerial);
}

TEST(HostileText, NonAsciiUnitNumberFailsAsUnitNumber) {
    SamplePlate plate = ValidPlate(ModelYear::Y1967);
    plate.warranty = "7F01C10000\xC3\xA9";
    EXPECT_EQ(ExpectError(plate.Decode()).step, DecodeStep::UnitNumber);
    plate.warranty =
        "7F01C\xEF\xBC\x91"
        "00001";  // FULLWIDTH DIGIT ONE
    EXPECT_EQ(ExpectError(plate.Decode()).step, DecodeStep::UnitNumber);
}

TEST(HostileText, AccentedDateOfThreeCharactersIsJudgedByItsLetters) {
    SamplePlate plate = ValidPlate(ModelYear::Y1968);
    plate.date = "15\xC3\x89";  // É: three characters, but no month letter
    EXPECT_EQ(ExpectError(plate.Decode()).step, DecodeStep::DateCode);
}

TEST(HostileText, InvalidUtf8InEveryFieldGivesTheFirstStepsError) {
    const std::string broken = "\xFF\xC3\x28\xE2\x82";
    for (ModelYear year : kAllModelYears) {
        SamplePlate plate{year, broken, broken, broken, broken, broken, broken, broken, broken};
        EXPECT_EQ(ExpectError(plate.Decode()).step, DecodeStep::YearDigit);
    }
}

TEST(HostileText, BrokenBytesInOnePlateFieldNameThatField) {
    const std::string broken = "\x80";
    struct Case {
        std::string SamplePlate::*member;
        DecodeStep step;
    };
    for (const Case& c :
         {Case{&SamplePlate::color, DecodeStep::ExteriorPaint}, Case{&SamplePlate::trim, DecodeStep::InteriorTrim},
          Case{&SamplePlate::trans, DecodeStep::Transmission}, Case{&SamplePlate::axle, DecodeStep::RearAxle},
          Case{&SamplePlate::dso, DecodeStep::Dso}, Case{&SamplePlate::date, DecodeStep::DateCode}}) {
        SamplePlate plate = ValidPlate(ModelYear::Y1969);
        plate.*c.member = broken;
        EXPECT_EQ(ExpectError(plate.Decode()).step, c.step);
    }
}

TEST(HostileText, VeryLongFieldsAreCutLikeShortOnes) {
    // A megabyte of text: positions 1 to 5 from the left, the unit number
    // from the right, and the whole-field codes simply fail.
    SamplePlate plate = ValidPlate(ModelYear::Y1966);
    plate.warranty = "6F07C" + std::string(1 << 20, '\xC3') + "100001";
    const DecodeOutcome outcome = plate.Decode();
    ASSERT_TRUE(outcome.ok()) << outcome.error()->Message();
    EXPECT_EQ((*outcome.results())[ResultItem::Unit], "100001");

    plate.color = std::string(1 << 20, 'M');
    EXPECT_EQ(ExpectError(plate.Decode()).step, DecodeStep::ExteriorPaint);
}

TEST(HostileText, EmptyFieldsStillGiveAnOutcome) {
    for (ModelYear year : kAllModelYears) {
        for (bool warranty_only : {false, true}) {
            const InputError error = ExpectError(DecodePlate(year, PlateFields{}, warranty_only));
            EXPECT_EQ(error.step, DecodeStep::YearDigit);
        }
    }
}

}  // namespace
}  // namespace tarnwick::testing
