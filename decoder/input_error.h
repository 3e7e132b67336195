// The first bad code found by a decode: which test failed, and so the
// message the user is shown and the field that gets the focus.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "decoder/model_year.h"
#include "decoder/plate_fields.h"

namespace tarnwick {

// The tests of a decode, in the order they run.
enum class DecodeStep : std::uint8_t {
    YearDigit,
    BodySerial,     // warranty number read alone: the serial must be known
    BodyAgreement,  // door plate read: body code and serial must agree
    Engine,
    ExteriorPaint,
    InteriorTrim,
    InteriorType,
    AssemblyPlant,
    Transmission,
    RearAxle,
    Dso,
    DateCode,
    UnitNumber,
};

struct InputError {
    DecodeStep step;
    ModelYear year;

    Field Focus() const;

    // One to three lines, the summary line first, as views of constant
    // text: handing them out allocates nothing.
    std::span<const std::string_view> Lines() const;

    // The lines joined by CR LF in one string, for reports and test output;
    // the window and tarnwick-decode join the lines themselves.
    std::string Message() const;

    friend bool operator==(const InputError&, const InputError&) = default;
};

}  // namespace tarnwick
