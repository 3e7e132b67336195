// Whole plates decoded into all twelve results, per year and mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "tests/support/sample_plates.h"

namespace tarnwick::testing {
namespace {

struct FullDecodeCase {
    std::string name;
    SamplePlate plate;
    std::array<std::string, kResultCount> expected;  // in panel order, Year to Unit Number
};

void PrintTo(const FullDecodeCase& c, std::ostream* os) { *os << c.name; }

std::array<std::string, kResultCount> GoodResults(ModelYear year) {
    const auto& texts = kGoodPlateResults[static_cast<std::size_t>(year)];
    std::array<std::string, kResultCount> results;
    std::copy(texts.begin(), texts.end(), results.begin());
    return results;
}

SamplePlate WarrantyOnly(ModelYear year, std::string warranty) {
    SamplePlate plate{year, std::move(warranty), "??", "?", "??", "???", "??", "?", "?"};
    plate.warranty_only = true;
    return plate;
}

SamplePlate WithBody(SamplePlate plate, std::string warranty, std::string body) {
    plate.warranty = std::move(warranty);
    plate.body = std::move(body);
    return plate;
}

const FullDecodeCase kCases[] = {
    {"y1964_coupe", ValidPlate(ModelYear::Y1964Half), GoodResults(ModelYear::Y1964Half)},
    {"y1964_warranty_only",
     WarrantyOnly(ModelYear::Y1964Half, "5T08D000001"),
     {"1964-1/2", "Convertible", "n/a", "n/a", "n/a", "289 4V", "n/a", "n/a", "n/a", "Metuchen, New Jersey", "n/a",
      "000001"}},
    {"y1965_fastback", ValidPlate(ModelYear::Y1965), GoodResults(ModelYear::Y1965)},
    {"y1965_warranty_only",
     WarrantyOnly(ModelYear::Y1965, "5F09K000001"),
     {"1965", "2+2 Fastback", "n/a", "n/a", "n/a", "289 4V Hi Performance", "n/a", "n/a", "n/a", "Dearborn, Michigan",
      "n/a", "000001"}},
    {"y1966_coupe", ValidPlate(ModelYear::Y1966), GoodResults(ModelYear::Y1966)},
    {"y1966_warranty_only",
     WarrantyOnly(ModelYear::Y1966, "6F07C100001"),
     {"1966", "Coupe", "n/a", "n/a", "n/a", "289 2V", "n/a", "n/a", "n/a", "Dearborn, Michigan", "n/a", "100001"}},
    {"y1967_coupe", ValidPlate(ModelYear::Y1967), GoodResults(ModelYear::Y1967)},
    {"y1967_warranty_only",
     WarrantyOnly(ModelYear::Y1967, "7T03S000123"),
     {"1967", "Convertible", "n/a", "n/a", "n/a", "390 4V", "n/a", "n/a", "n/a", "Metuchen, New Jersey", "n/a",
      "000123"}},
    {"y1968_fastback", ValidPlate(ModelYear::Y1968), GoodResults(ModelYear::Y1968)},
    {"y1968_warranty_only",
     WarrantyOnly(ModelYear::Y1968, "8F02J100001"),
     {"1968", "2+2 Fastback", "n/a", "n/a", "n/a", "302 4V", "n/a", "n/a", "n/a", "Dearborn, Michigan", "n/a",
      "100001"}},
    {"y1969_sportsroof", ValidPlate(ModelYear::Y1969), GoodResults(ModelYear::Y1969)},
    {"y1969_warranty_only",
     WarrantyOnly(ModelYear::Y1969, "9R01Z999999"),
     {"1969", "Coupe", "n/a", "n/a", "n/a", "429 4V Boss", "n/a", "n/a", "n/a", "San Jose, California", "n/a",
      "999999"}},
    {"y1970_mach1_without_date", ValidPlate(ModelYear::Y1970), GoodResults(ModelYear::Y1970)},
    {"y1970_date_field_never_read",
     [] {
         SamplePlate plate = ValidPlate(ModelYear::Y1970);
         plate.date = "XXXX";
         return plate;
     }(),
     GoodResults(ModelYear::Y1970)},
    {"y1970_serial_02_normal_is_fastback",
     WithBody(ValidPlate(ModelYear::Y1970), "0F02G100001", "63A"),
     {"1970", "2+2 Fastback", "Grabber Orange", "Black Knitted Vinyl Mach I", "Standard", "302 4V Boss",
      "4-Speed Manual", "3.91:1 (Equa-Lock)", "Detroit", "Dearborn, Michigan", "n/a", "100001"}},
    {"y1970_serial_02_warranty_only_is_sportsroof",
     WarrantyOnly(ModelYear::Y1970, "0F02G100001"),
     {"1970", "Sportsroof", "n/a", "n/a", "n/a", "302 4V Boss", "n/a", "n/a", "n/a", "Dearborn, Michigan", "n/a",
      "100001"}},
};

class FullDecode : public ::testing::TestWithParam<FullDecodeCase> {};

TEST_P(FullDecode, WritesAllTwelveResults) {
    const FullDecodeCase& c = GetParam();
    const DecodeOutcome outcome = c.plate.Decode();
    ASSERT_TRUE(outcome.ok()) << outcome.error()->Message();
    for (ResultItem item : kAllResultItems) {
        EXPECT_EQ((*outcome.results())[item], c.expected[static_cast<std::size_t>(item)]) << ResultCaption(item);
    }
}

INSTANTIATE_TEST_SUITE_P(Plates, FullDecode, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

TEST(FullDecode, ResultsSurviveACopyOfTheOutcome) {
    DecodeOutcome copy = ValidPlate(ModelYear::Y1965).Decode();
    {
        const DecodeOutcome original = ValidPlate(ModelYear::Y1966).Decode();
        copy = original;
    }
    ASSERT_TRUE(copy.ok());
    EXPECT_EQ((*copy.results())[ResultItem::Date], "15 October");
    EXPECT_EQ((*copy.results())[ResultItem::Unit], "100001");
}

TEST(FullDecode, SameCodesShareOneText) {
    SamplePlate plate = ValidPlate(ModelYear::Y1965);
    plate.warranty = "5F09D100001";
    const DecodeOutcome with_d = plate.Decode();
    plate.warranty = "5F09A100001";
    const DecodeOutcome with_a = plate.Decode();
    ASSERT_TRUE(with_d.ok() && with_a.ok());
    EXPECT_EQ((*with_d.results())[ResultItem::Engine], "289 4V");
    EXPECT_EQ((*with_a.results())[ResultItem::Engine], "289 4V");
}

TEST(FullDecode, LeadingZerosOfTheUnitNumberAreKept) {
    SamplePlate plate = ValidPlate(ModelYear::Y1966);
    plate.warranty = "6F07C000000";
    const DecodeOutcome outcome = plate.Decode();
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ((*outcome.results())[ResultItem::Unit], "000000");
}

}  // namespace
}  // namespace tarnwick::testing
