// How many characters each entry field takes, by field and year.
#include "decoder/plate_fields.h"

namespace tarnwick {

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
