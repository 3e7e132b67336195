// Known-good plates of every model year, as owned strings, for tests that
// change one field at a time.
#pragma once

#include <string>

#include "decoder/year_decoder.h"

namespace tarnwick::testing {

struct SamplePlate {
    ModelYear year;
    std::string warranty, body, color, trim, date, dso, axle, trans;
    bool warranty_only = false;

    PlateFields Fields() const { return {warranty, body, color, trim, date, dso, axle, trans}; }
    DecodeOutcome Decode() const { return DecodePlate(year, Fields(), warranty_only); }
};

// A plate of the year that decodes without error in the normal mode.
SamplePlate ValidPlate(ModelYear year);

// The decode's error, or a failure naming what was decoded instead.
InputError ExpectError(const DecodeOutcome& outcome);

}  // namespace tarnwick::testing
