#include "sample_plates.h"

#include <gtest/gtest.h>

namespace tarnwick::testing {

SamplePlate ValidPlate(ModelYear year) {
    switch (year) {
        case ModelYear::Y1964Half:
            return {year, "5F07K100001", "65A", "A", "42", "12C", "11", "1", "1"};
        case ModelYear::Y1965:
            return {year, "5R09A200000", "63A", "M", "F5", "28K", "71", "8", "5"};
        case ModelYear::Y1966:
            return {year, "6F07C100001", "65A", "M", "26", "15K", "22", "8", "1"};
        case ModelYear::Y1967:
            return {year, "7F01C100001", "65A", "M", "2A", "15K", "22", "1", "W"};
        case ModelYear::Y1968:
            return {year, "8F02J100001", "63A", "X", "6A", "15K", "33", "8", "V"};
        case ModelYear::Y1969:
            return {year, "9F02M100001", "63A", "T", "3A", "15K", "33", "R", "W"};
        case ModelYear::Y1970:
            break;
    }
    return {ModelYear::Y1970, "0F05G100001", "63A", "U", "3A", "", "33", "V", "5"};
}

InputError ExpectError(const DecodeOutcome& outcome) {
    if (outcome.error() != nullptr) return *outcome.error();
    ADD_FAILURE() << "expected an input error, got a decode with body style '"
                  << (*outcome.results())[ResultItem::BodyStyle] << "'";
    return {DecodeStep::YearDigit, ModelYear::Y1964Half};
}

}  // namespace tarnwick::testing
