// The check made before every decode: each field the mode needs must hold
// something. A field holding only blanks is filled.
#pragma once

#include <optional>
#include <string_view>

#include "decoder/model_year.h"
#include "decoder/plate_fields.h"

namespace tarnwick {

struct MissingField {
    Field field;
    std::string_view message;

    friend bool operator==(const MissingField&, const MissingField&) = default;
};

// The first empty field in the order body, paint, trim, date, district,
// axle, transmission, warranty number; the date is not asked for in 1970 and
// only the warranty number is asked for when it is decoded alone.
std::optional<MissingField> CheckSpaces(ModelYear year, const PlateFields& fields, bool warranty_only);

}  // namespace tarnwick
