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

// The texts of the fields as they stand; the caller owns the characters.
struct PlateFields {
    std::string_view warranty;
    std::string_view body;
    std::string_view color;
    std::string_view trim;
    std::string_view date;
    std::string_view dso;
    std::string_view axle;
    std::string_view trans;

    std::string_view& operator[](Field field);
    std::string_view operator[](Field field) const;
};

// How many characters each entry field takes. The date field takes one more
// while 1970 is selected, whose date codes have four characters.
std::size_t FieldMaxLength(Field field, ModelYear year);

// Whether the field is read when the warranty number is decoded alone.
constexpr bool IsDataPlateField(Field field) { return field != Field::Warranty; }

}  // namespace tarnwick
