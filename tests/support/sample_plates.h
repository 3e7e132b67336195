// Known-good plates of every model year, as owned strings, for GoogleTest
// tests that change one field at a time.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "decoder/year_decoder.h"
#include "tests/support/good_plates.h"

namespace tarnwick::testing {

struct SamplePlate {
    ModelYear year;
    std::string warranty, body, color, trim, date, dso, axle, trans;
    bool warranty_only = false;

    PlateFields Fields() const { return {warranty, body, color, trim, date, dso, axle, trans}; }
    DecodeOutcome Decode() const { return DecodePlate(year, Fields(), warranty_only); }
};

// A plate of the year that decodes without error in the normal mode.
inline SamplePlate ValidPlate(ModelYear year) {
    const Plate& plate = kGoodPlates[static_cast<std::size_t>(year)];
    return {year, plate.warranty, plate.body, plate.color, plate.trim, plate.date, plate.dso, plate.axle, plate.trans};
}

// The decode's error, or a failure naming what was decoded instead.
inline InputError ExpectError(const DecodeOutcome& outcome) {
    if (outcome.error() != nullptr) return *outcome.error();
    ADD_FAILURE() << "expected an input error, got a decode with body style '"
                  << (*outcome.results())[ResultItem::BodyStyle] << "'";
    return {DecodeStep::YearDigit, ModelYear::Y1964Half};
}

}  // namespace tarnwick::testing
