// The seven model years the decoder knows, and their labels.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnwick {

enum class ModelYear : std::uint8_t { Y1964Half, Y1965, Y1966, Y1967, Y1968, Y1969, Y1970 };

inline constexpr std::array<ModelYear, 7> kAllModelYears = {
    ModelYear::Y1964Half, ModelYear::Y1965, ModelYear::Y1966, ModelYear::Y1967,
    ModelYear::Y1968,     ModelYear::Y1969, ModelYear::Y1970,
};

// "1964-1/2", "1965" … "1970": shown as the year result and named in messages.
inline constexpr std::array<std::string_view, kAllModelYears.size()> kYearLabels = {
    "1964-1/2", "1965", "1966", "1967", "1968", "1969", "1970",
};
constexpr std::string_view YearLabel(ModelYear year) { return kYearLabels[static_cast<std::size_t>(year)]; }

// Accepts a year label, and "1964" for the 1964-1/2 year.
std::optional<ModelYear> ParseModelYear(std::string_view text);

}  // namespace tarnwick
