// The simple upper-case mapping, looked up in the table generated from the
// Unicode data.
#include "decoder/upper_case.h"

#include <algorithm>
#include <iterator>

#include "upper_case_table.h"

namespace tarnwick {

char32_t SimpleUpperCase(char32_t c) {
    if (c < 0x80) return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
    const auto* const row = std::lower_bound(std::begin(detail::kUpperCaseRows), std::end(detail::kUpperCaseRows), c,
                                             [](const detail::UpperCaseRow& r, char32_t code) { return r.code < code; });
    return row != std::end(detail::kUpperCaseRows) && row->code == c ? row->upper : c;
}

std::size_t UpperCasePairCount() { return std::size(detail::kUpperCaseRows); }

UpperCasePair UpperCasePairAt(std::size_t index) {
    const detail::UpperCaseRow& row = detail::kUpperCaseRows[index];
    return {row.code, row.upper};
}

}  // namespace tarnwick
