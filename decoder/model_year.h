// The seven model years the decoder knows, and their labels.
#pragma once

#include <array>
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
std::string_view YearLabel(ModelYear year);

// Accepts a year label, and "1964" for the 1964-1/2 year.
std::optional<ModelYear> ParseModelYear(std::string_view text);

}  // namespace tarnwick
