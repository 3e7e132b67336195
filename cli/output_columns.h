// The columns the tool writes itself after the carried input columns of a
// csv output: the row number, ok, one column per result and the three error
// columns. The header, the records, the json keys of the results and the
// check that an input column does not clash with them all read this table.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "decoder/decode_results.h"

namespace tarnwick::cli {

inline constexpr std::array<std::string_view, 17> kOutputColumns = {
    "row",           "ok",
    "model_year",    "body_style",
    "exterior_color", "interior_color",
    "interior_type", "engine",
    "transmission",  "rear_axle_ratio",
    "district_sales_office", "assembly_plant",
    "assembly_date", "unit_number",
    "error_kind",    "error_field",
    "error_message",
};

// The results' columns, in kAllResultItems order, follow "row" and "ok";
// the error columns close the record.
inline constexpr std::size_t kFirstResultColumn = 2;
inline constexpr std::size_t kFirstErrorColumn = kFirstResultColumn + kResultCount;
inline constexpr std::size_t kErrorColumnCount = kOutputColumns.size() - kFirstErrorColumn;
static_assert(kOutputColumns[kFirstErrorColumn] == "error_kind");

// "model_year", "body_style" …: a result's column, and its json key.
constexpr std::string_view ResultKey(ResultItem item) {
    return kOutputColumns[kFirstResultColumn + static_cast<std::size_t>(item)];
}

// Whether a (comparable) header name is one of kOutputColumns.
constexpr bool IsOutputColumn(std::string_view name) {
    return std::find(kOutputColumns.begin(), kOutputColumns.end(), name) != kOutputColumns.end();
}

}  // namespace tarnwick::cli
