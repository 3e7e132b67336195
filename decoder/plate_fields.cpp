#include "decoder/plate_fields.h"

namespace tarnwick {

std::string_view& PlateFields::operator[](Field field) {
    switch (field) {
        case Field::Warranty:
            return warranty;
        case Field::Body:
            return body;
        case Field::Color:
            return color;
        case Field::Trim:
            return trim;
        case Field::Date:
            return date;
        case Field::Dso:
            return dso;
        case Field::Axle:
            return axle;
        case Field::Trans:
            break;
    }
    return trans;
}

std::string_view PlateFields::operator[](Field field) const { return const_cast<PlateFields&>(*this)[field]; }

std::size_t FieldMaxLength(Field field, ModelYear year) {
    switch (field) {
        case Field::Warranty:
            return 11;
        case Field::Body:
            return 3;
        case Field::Trim:
        case Field::Dso:
            return 2;
        case Field::Date:
            return year == ModelYear::Y1970 ? 4 : 3;
        case Field::Color:
        case Field::Axle:
        case Field::Trans:
            break;
    }
    return 1;
}

}  // namespace tarnwick
