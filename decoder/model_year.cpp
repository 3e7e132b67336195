#include "decoder/model_year.h"

#include <cstddef>

namespace tarnwick {
namespace {

constexpr std::array<std::string_view, kAllModelYears.size()> kYearLabels = {
    "1964-1/2", "1965", "1966", "1967", "1968", "1969", "1970",
};

}  // namespace

std::string_view YearLabel(ModelYear year) { return kYearLabels[static_cast<std::size_t>(year)]; }

std::optional<ModelYear> ParseModelYear(std::string_view text) {
    if (text == "1964") return ModelYear::Y1964Half;
    for (ModelYear year : kAllModelYears) {
        if (YearLabel(year) == text) return year;
    }
    return std::nullopt;
}

}  // namespace tarnwick
