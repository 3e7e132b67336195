#include "decoder/input_error.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tarnwick {
namespace {

// A message's first line is its head, followed by " for <year>." when the
// message names the year and by "." when it does not.
struct MessageRow {
    DecodeStep step;
    Field focus;
    std::string_view head;
    bool names_year;
    std::string_view second_line;
    std::string_view third_line;
};

constexpr std::array<MessageRow, 13> kMessages = {{
    {DecodeStep::YearDigit,
     Field::Warranty,
     "Invalid Warranty Number entered",
     true,
     "First character (First Year Digit) invalid.",
     {}},
    {DecodeStep::BodySerial,
     Field::Warranty,
     "Invalid Warranty Number",
     true,
     "Third and fourth characters (Body Serial) invalid.",
     {}},
    {DecodeStep::BodyAgreement, Field::Body, "Body Style does not agree with Warranty Number", true, {}, {}},
    {DecodeStep::Engine,
     Field::Warranty,
     "Invalid Warranty Number entered",
     true,
     "Fifth character (Engine) invalid.",
     {}},
    {DecodeStep::ExteriorPaint, Field::Color, "Invalid Exterior Paint Color entered", true, {}, {}},
    {DecodeStep::InteriorTrim, Field::Trim, "Invalid Interior Trim entered", true, {}, {}},
    {DecodeStep::InteriorType, Field::Body, "Invalid Body Type entered", true, {}, {}},
    {DecodeStep::AssemblyPlant,
     Field::Warranty,
     "Invalid Warranty Number entered",
     false,
     "Second character (Assembly Plant) invalid.",
     {}},
    {DecodeStep::Transmission, Field::Trans, "Invalid Transmission entered", true, {}, {}},
    {DecodeStep::RearAxle, Field::Axle, "Invalid Rear Axle entered", true, {}, {}},
    {DecodeStep::Dso, Field::Dso, "Invalid DSO entered", false, {}, {}},
    {DecodeStep::DateCode, Field::Date, "Invalid Date Code entered", false, {}, {}},
    {DecodeStep::UnitNumber, Field::Warranty, "Invalid Warranty Number entered", false,
     "Last 6 characters (Consecutive Unit Number) invalid.", "Must be six digits."},
}};

constexpr bool RowsInStepOrder() {
    for (std::size_t i = 0; i < kMessages.size(); ++i) {
        if (static_cast<std::size_t>(kMessages[i].step) != i) return false;
    }
    return true;
}
static_assert(RowsInStepOrder());

const MessageRow& RowFor(DecodeStep step) { return kMessages[static_cast<std::size_t>(step)]; }

}  // namespace

Field InputError::Focus() const { return RowFor(step).focus; }

std::vector<std::string> InputError::Lines() const {
    const MessageRow& row = RowFor(step);
    std::string first(row.head);
    if (row.names_year) {
        first += " for ";
        first += YearLabel(year);
    }
    first += '.';

    std::vector<std::string> lines{std::move(first)};
    if (!row.second_line.empty()) lines.emplace_back(row.second_line);
    if (!row.third_line.empty()) lines.emplace_back(row.third_line);
    return lines;
}

std::string InputError::Message() const {
    std::string message;
    for (const std::string& line : Lines()) {
        if (!message.empty()) message += "\r\n";
        message += line;
    }
    return message;
}

}  // namespace tarnwick
