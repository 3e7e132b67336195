// Reading a model year as a user or a file writes it: its label, or 1964 for
// 1964-1/2.
#include "decoder/model_year.h"

namespace tarnwick {

std::optional<ModelYear> ParseModelYear(std::string_view text) {
    if (text == "1964") return ModelYear::Y1964Half;
    for (ModelYear year : kAllModelYears) {
        if (YearLabel(year) == text) return year;
    }
    return std::nullopt;
}

}  // namespace tarnwick
