// The check before a decode: which empty field is reported, in what order.
#include <gtest/gtest.h>

#include "decoder/completeness_check.h"
#include "tests/support/sample_plates.h"

namespace tarnwick::testing {
namespace {

std::optional<MissingField> Check(const SamplePlate& plate) {
    return CheckSpaces(plate.year, plate.Fields(), plate.warranty_only);
}

TEST(CheckSpaces, AllEmptyAsksForTheBodyFirst) {
    const SamplePlate empty{ModelYear::Y1966, "", "", "", "", "", "", "", ""};
    EXPECT_EQ(Check(empty), (MissingField{Field::Body, "Please select a Body Style"}));
}

TEST(CheckSpaces, ReportsFieldsInFixedOrderWhateverTheScreenOrder) {
    SamplePlate plate{ModelYear::Y1966, "", "", "", "", "", "", "", ""};
    const std::pair<std::string SamplePlate::*, MissingField> order[] = {
        {&SamplePlate::body, {Field::Body, "Please select a Body Style"}},
        {&SamplePlate::color, {Field::Color, "Please select an Exterior Paint Color"}},
        {&SamplePlate::trim, {Field::Trim, "Please select an Interior Trim"}},
        {&SamplePlate::date, {Field::Date, "Please select a Date Code"}},
        {&SamplePlate::dso, {Field::Dso, "Please select a District"}},
        {&SamplePlate::axle, {Field::Axle, "Please select an Axle"}},
        {&SamplePlate::trans, {Field::Trans, "Please select a Transmission"}},
        {&SamplePlate::warranty, {Field::Warranty, "Please enter a Vehicle Warranty Number"}},
    };
    for (const auto& [member, expected] : order) {
        EXPECT_EQ(Check(plate), expected);
        plate.*member = "x";
    }
    EXPECT_EQ(Check(plate), std::nullopt);
}

TEST(CheckSpaces, DateNotAskedForIn1970) {
    SamplePlate plate = ValidPlate(ModelYear::Y1970);
    plate.date = "";
    EXPECT_EQ(Check(plate), std::nullopt);
    plate.year = ModelYear::Y1969;
    EXPECT_EQ(Check(plate), (MissingField{Field::Date, "Please select a Date Code"}));
}

TEST(CheckSpaces, WarrantyOnlyAsksForTheWarrantyNumberAlone) {
    SamplePlate plate{ModelYear::Y1965, "", "", "", "", "", "", "", "", true};
    EXPECT_EQ(Check(plate), (MissingField{Field::Warranty, "Please enter a Vehicle Warranty Number"}));
    plate.warranty = "5";
    EXPECT_EQ(Check(plate), std::nullopt);
}

TEST(CheckSpaces, ABlankIsNotEmpty) {
    SamplePlate plate = ValidPlate(ModelYear::Y1965);
    plate.color = " ";
    EXPECT_EQ(Check(plate), std::nullopt);
    EXPECT_EQ(ExpectError(plate.Decode()).step, DecodeStep::ExteriorPaint);
}

}  // namespace
}  // namespace tarnwick::testing
