// The completeness check: the first field the mode needs that holds nothing,
// in the window's order, with the message that asks for it.
#include "decoder/completeness_check.h"

#include <array>

namespace tarnwick {
namespace {

constexpr auto kDataPlateTests = std::to_array<MissingField>({
    {Field::Body, "Please select a Body Style"},
    {Field::Color, "Please select an Exterior Paint Color"},
    {Field::Trim, "Please select an Interior Trim"},
    {Field::Date, "Please select a Date Code"},
    {Field::Dso, "Please select a District"},
    {Field::Axle, "Please select an Axle"},
    {Field::Trans, "Please select a Transmission"},
});

constexpr MissingField kWarrantyTest = {Field::Warranty, "Please enter a Vehicle Warranty Number"};

bool IsAskedFor(Field field, ModelYear year) { return !(field == Field::Date && year == ModelYear::Y1970); }

}  // namespace

std::optional<MissingField> CheckSpaces(ModelYear year, const PlateFields& fields, bool warranty_only) {
    if (!warranty_only) {
        for (const MissingField& test : kDataPlateTests) {
            if (fields[test.field].empty() && IsAskedFor(test.field, year)) return test;
        }
    }
    if (fields[Field::Warranty].empty()) return kWarrantyTest;
    return std::nullopt;
}

}  // namespace tarnwick
