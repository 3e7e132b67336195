// The results panel's captions and the storage of a decode's twelve texts,
// the composed date and unit number kept inside the object.
#include "decoder/decode_results.h"

#include <algorithm>
#include <cassert>

namespace tarnwick {
namespace {

constexpr std::array<std::string_view, kResultCount> kCaptions = {
    "Year:",         "Body Style:",      "Exterior Color:",        "Interior Color:", "Interior Type:", "Engine:",
    "Transmission:", "Rear Axle Ratio:", "District Sales Office:", "Assembly Plant:", "Assembly Date:", "Unit Number:",
};

constexpr std::size_t IndexOf(ResultItem item) { return static_cast<std::size_t>(item); }

}  // namespace

std::string_view ResultCaption(ResultItem item) { return kCaptions[IndexOf(item)]; }

std::string_view DecodeResults::operator[](ResultItem item) const {
    switch (item) {
        case ResultItem::Date:
            return {date_.data(), date_length_};
        case ResultItem::Unit:
            return {unit_.data(), unit_length_};
        default:
            return table_texts_[IndexOf(item)];
    }
}

void DecodeResults::SetTableText(ResultItem item, std::string_view text) {
    assert(IndexOf(item) < kTableTextCount);
    table_texts_[IndexOf(item)] = text;
}

void DecodeResults::SetDate(std::string_view day, std::string_view month_name) {
    assert(day.size() + 1 + month_name.size() <= kDateCapacity);
    auto end = std::copy(day.begin(), day.end(), date_.begin());
    *end++ = ' ';
    end = std::copy(month_name.begin(), month_name.end(), end);
    date_length_ = static_cast<std::uint8_t>(end - date_.begin());
}

void DecodeResults::SetDateNotApplicable() {
    const auto end = std::copy(kNotApplicable.begin(), kNotApplicable.end(), date_.begin());
    date_length_ = static_cast<std::uint8_t>(end - date_.begin());
}

void DecodeResults::SetUnit(std::string_view digits) {
    assert(digits.size() == kUnitCapacity);
    std::copy(digits.begin(), digits.end(), unit_.begin());
    unit_length_ = static_cast<std::uint8_t>(digits.size());
}

}  // namespace tarnwick
