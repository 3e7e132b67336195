#include "sample_plates.h"

#include <gtest/gtest.h>

#include "tests/support/good_plates.h"

namespace tarnwick::testing {

SamplePlate ValidPlate(ModelYear year) {
    const Plate& plate = kGoodPlates[static_cast<std::size_t>(year)];
    return {year,       plate.warranty, plate.body, plate.color, plate.trim,
            plate.date, plate.dso,      plate.axle, plate.trans};
}

InputError ExpectError(const DecodeOutcome& outcome) {
    if (outcome.error() != nullptr) return *outcome.error();
    ADD_FAILURE() << "expected an input error, got a decode with body style '"
                  << (*outcome.results())[ResultItem::BodyStyle] << "'";
    return {DecodeStep::YearDigit, ModelYear::Y1964Half};
}

}  // namespace tarnwick::testing
