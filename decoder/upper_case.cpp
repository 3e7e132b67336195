// The simple upper-case mapping, looked up in the runs generated from the
// Unicode data.
#include "decoder/upper_case.h"

#include <algorithm>
#include <iterator>

#include "upper_case_table.h"

namespace tarnwick {
namespace {

using detail::kUpperCaseRuns;
using detail::UpperCaseRun;

// The run that starts at or before c, if any.
const UpperCaseRun* RunFrom(char32_t c) {
    const auto* const after = std::upper_bound(std::begin(kUpperCaseRuns), std::end(kUpperCaseRuns), c,
                                               [](char32_t code, const UpperCaseRun& run) { return code < run.first; });
    return after == std::begin(kUpperCaseRuns) ? nullptr : after - 1;
}

}  // namespace

char32_t SimpleUpperCase(char32_t c) {
    if (c < 0x80) return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
    const UpperCaseRun* const run = RunFrom(c);
    if (run == nullptr) return c;
    const char32_t offset = c - run->first;
    if (offset % run->stride != 0 || offset / run->stride >= run->count) return c;
    return static_cast<char32_t>(static_cast<std::int32_t>(c) + run->delta);
}

std::size_t UpperCasePairCount() {
    std::size_t count = 0;
    for (const UpperCaseRun& run : kUpperCaseRuns)
        count += run.count;
    return count;
}

UpperCasePair UpperCasePairAt(std::size_t index) {
    for (const UpperCaseRun& run : kUpperCaseRuns) {
        if (index < run.count) {
            const char32_t code = run.first + static_cast<char32_t>(index * run.stride);
            return {code, static_cast<char32_t>(static_cast<std::int32_t>(code) + run.delta)};
        }
        index -= run.count;
    }
    return {0, 0};
}

}  // namespace tarnwick
