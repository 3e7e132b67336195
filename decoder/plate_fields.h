// The eight entry fields: the warranty number and the seven codes of the
// door data plate, as UTF-8 texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "decoder/model_year.h"

namespace tarnwick {

enum class Field : std::uint8_t { Warranty, Body, Color, Trim, Date, Dso, Axle, Trans };

inline constexpr std::array<Field, 8> kAllFields = {
    Field::Warranty, Field::Body, Field::Color, Field::Trim, Field::Date, Field::Dso, Field::Axle, Field::Trans,
};

// Tables indexed by a field's position in kAllFields rely on this.
constexpr bool FieldsInEnumOrder() {
    for (std::size_t i = 0; i < kAllFields.size(); ++i) {
        if (static_cast<std::size_t>(kAllFields[i]) != i) return false;
    }
    return true;
}
static_assert(FieldsInEnumOrder());

// The texts of the fields as they stand, by Field; the caller owns the
// characters.
struct PlateFields {
    std::array<std::string_view, kAllFields.size()> texts{};

    constexpr std::string_view& operator[](Field field) { return texts[static_cast<std::size_t>(field)]; }
    constexpr std::string_view operator[](Field field) const { return texts[static_cast<std::size_t>(field)]; }
};

// How many characters each entry field takes. The date field takes one more
// while 1970 is selected, whose date codes have four characters.
std::size_t FieldMaxLength(Field field, ModelYear year);

// Whether the field is read when the warranty number is decoded alone.
constexpr bool IsDataPlateField(Field field) { return field != Field::Warranty; }

}  // namespace tarnwick
