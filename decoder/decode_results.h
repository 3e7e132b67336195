// The twelve texts of a successful decode, in the order the results panel
// lists them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarnwick {

enum class ResultItem : std::uint8_t {
    Year,
    BodyStyle,
    Exterior,
    Interior,
    InteriorType,
    Engine,
    Transmission,
    Axle,
    Dso,
    Plant,
    Date,
    Unit,
};

inline constexpr std::size_t kResultCount = 12;

inline constexpr std::array<ResultItem, kResultCount> kAllResultItems = {
    ResultItem::Year,         ResultItem::BodyStyle, ResultItem::Exterior,     ResultItem::Interior,
    ResultItem::InteriorType, ResultItem::Engine,    ResultItem::Transmission, ResultItem::Axle,
    ResultItem::Dso,          ResultItem::Plant,     ResultItem::Date,         ResultItem::Unit,
};

// "Year:", "Body Style:" … as the results panel captions them.
std::string_view ResultCaption(ResultItem item);

// Text shown for the data-plate results when only the warranty number is
// decoded, and for the 1970 date.
inline constexpr std::string_view kNotApplicable = "n/a";

// Texts that come from the tables are views of the constant tables; the date
// and the unit number are composed and kept inside the object, so a copy is
// complete on its own.
class DecodeResults {
public:
    std::string_view operator[](ResultItem item) const;

    void SetTableText(ResultItem item, std::string_view text);
    // The day and the month's name joined by a blank: "12 March".
    void SetDate(std::string_view day, std::string_view month_name);
    void SetDateNotApplicable();
    void SetUnit(std::string_view digits);

private:
    static constexpr std::size_t kTableTextCount = 10;  // every item before Date
    static constexpr std::size_t kDateCapacity = 16;    // "31 September"
    static constexpr std::size_t kUnitCapacity = 6;

    std::array<std::string_view, kTableTextCount> table_texts_{};
    std::array<char, kDateCapacity> date_{};
    std::array<char, kUnitCapacity> unit_{};
    std::uint8_t date_length_ = 0;
    std::uint8_t unit_length_ = 0;
};

}  // namespace tarnwick
