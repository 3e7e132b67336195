// The decoder: from the model year, the eight field texts and the Warranty
// Number Only flag to either the first input error or the twelve results.
// Every caller, window or command line, goes through here.
#pragma once

#include <variant>

#include "decoder/completeness_check.h"
#include "decoder/decode_results.h"
#include "decoder/input_error.h"
#include "decoder/model_year.h"
#include "decoder/plate_fields.h"

namespace tarnwick {

class DecodeOutcome {
public:
    DecodeOutcome(const InputError& error) : value_(error) {}         // NOLINT: implicit by design
    DecodeOutcome(const DecodeResults& results) : value_(results) {}  // NOLINT: implicit by design

    bool ok() const { return std::holds_alternative<DecodeResults>(value_); }
    const DecodeResults* results() const { return std::get_if<DecodeResults>(&value_); }
    const InputError* error() const { return std::get_if<InputError>(&value_); }

private:
    std::variant<InputError, DecodeResults> value_;
};

// Runs the tests of the selected year in their fixed order and stops at the
// first that fails. Expects the completeness check to have passed, but gives
// a defined outcome for any texts at all.
DecodeOutcome DecodePlate(ModelYear year, const PlateFields& fields, bool warranty_only);

}  // namespace tarnwick
