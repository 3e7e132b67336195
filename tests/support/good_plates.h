// A plate of every model year that decodes without error in the normal
// mode: the one list the decoder, window and integration tests and the
// benchmarks start from.
#pragma once

#include <array>

#include "decoder/model_year.h"
#include "decoder/plate_fields.h"

namespace tarnwick::testing {

struct Plate {
    ModelYear year;
    const char *warranty, *body, *color, *trim, *date, *dso, *axle, *trans;

    const char* Text(Field field) const {
        const std::array<const char*, kAllFields.size()> texts = {warranty, body, color, trim, date, dso, axle, trans};
        return texts[static_cast<std::size_t>(field)];
    }
    PlateFields Fields() const { return {warranty, body, color, trim, date, dso, axle, trans}; }
};

// By ModelYear.
inline constexpr std::array<Plate, kAllModelYears.size()> kGoodPlates = {{
    {ModelYear::Y1964Half, "5F07K100001", "65A", "A", "42", "12C", "11", "1", "1"},
    {ModelYear::Y1965, "5R09A200000", "63A", "M", "F5", "28K", "71", "8", "5"},
    {ModelYear::Y1966, "6F07C100001", "65A", "M", "26", "15K", "22", "8", "1"},
    {ModelYear::Y1967, "7F01C100001", "65A", "M", "2A", "15K", "22", "1", "W"},
    {ModelYear::Y1968, "8F02J100001", "63A", "X", "6A", "15K", "33", "8", "V"},
    {ModelYear::Y1969, "9F02M100001", "63A", "T", "3A", "15K", "33", "R", "W"},
    {ModelYear::Y1970, "0F05G100001", "63A", "U", "3A", "", "33", "V", "5"},
}};

}  // namespace tarnwick::testing
