// The message lines and the focus field of each input error, worded per
// failed test and year.
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

constexpr auto kMessages = std::to_array<MessageRow>({
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
});

constexpr bool OneRowPerStepInOrder() {
    for (std::size_t i = 0; i < kMessages.size(); ++i) {
        if (static_cast<std::size_t>(kMessages[i].step) != i) return false;
    }
    return kMessages.size() == static_cast<std::size_t>(DecodeStep::UnitNumber) + 1;
}
static_assert(OneRowPerStepInOrder());

const MessageRow& RowFor(DecodeStep step) { return kMessages[static_cast<std::size_t>(step)]; }

// Room for the longest first line: a head, " for 1964-1/2" and the stop.
constexpr std::size_t kFirstLineRoom = 64;

struct FirstLine {
    std::array<char, kFirstLineRoom> chars{};
    std::size_t size = 0;

    // at() stops the build if a line outgrows its room.
    constexpr void Append(std::string_view text) {
        for (char c : text)
            chars.at(size++) = c;
    }
};

constexpr FirstLine ComposeFirstLine(const MessageRow& row, ModelYear year) {
    FirstLine line;
    line.Append(row.head);
    if (row.names_year) {
        line.Append(" for ");
        line.Append(YearLabel(year));
    }
    line.Append(".");
    return line;
}

template <typename Cell>
using StepYearTable = std::array<std::array<Cell, kAllModelYears.size()>, kMessages.size()>;

// Every first line of every year, composed once, at compile time.
constexpr StepYearTable<FirstLine> kFirstLines = [] {
    StepYearTable<FirstLine> lines;
    for (const MessageRow& row : kMessages) {
        for (ModelYear year : kAllModelYears)
            lines[static_cast<std::size_t>(row.step)][static_cast<std::size_t>(year)] = ComposeFirstLine(row, year);
    }
    return lines;
}();

struct MessageLines {
    std::array<std::string_view, 3> lines;
    std::size_t count = 0;
};

constexpr StepYearTable<MessageLines> kMessageLines = [] {
    StepYearTable<MessageLines> table;
    for (const MessageRow& row : kMessages) {
        const auto step = static_cast<std::size_t>(row.step);
        for (ModelYear year : kAllModelYears) {
            const FirstLine& first = kFirstLines[step][static_cast<std::size_t>(year)];
            MessageLines& message = table[step][static_cast<std::size_t>(year)];
            message.lines[message.count++] = {first.chars.data(), first.size};
            if (!row.second_line.empty()) message.lines[message.count++] = row.second_line;
            if (!row.third_line.empty()) message.lines[message.count++] = row.third_line;
        }
    }
    return table;
}();

}  // namespace

Field InputError::Focus() const { return RowFor(step).focus; }

std::span<const std::string_view> InputError::Lines() const {
    const MessageLines& message = kMessageLines[static_cast<std::size_t>(step)][static_cast<std::size_t>(year)];
    return {message.lines.data(), message.count};
}

std::string InputError::Message() const {
    std::string message;
    for (std::string_view line : Lines()) {
        if (!message.empty()) message += "\r\n";
        message += line;
    }
    return message;
}

}  // namespace tarnwick
