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
