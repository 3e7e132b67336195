// Choosing the names of the input columns an output record carries, renamed
// with "_input" and numbers where they would clash.
#include "cli/carried_columns.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "cli/blank_text.h"
#include "cli/column_map.h"
#include "cli/output_columns.h"

namespace tarnwick::cli {
namespace {

constexpr std::string_view kInputSuffix = "_input";

// Whether the header ends in the output's own columns, in their order.
bool EndsInOutputColumns(std::span<const std::string> header) {
    const std::span<const std::string_view> own = kOutputColumns;
    if (header.size() < own.size()) return false;
    const std::span<const std::string> tail = header.last(own.size());
    for (std::size_t i = 0; i < own.size(); ++i) {
        if (ComparableName(tail[i]) != own[i]) return false;
    }
    return true;
}

std::string Quoted(std::string_view name) {
    std::string quoted = "\"";
    AppendVisible(name, quoted);
    return quoted + "\"";
}

}  // namespace

CarriedColumns CarryColumns(std::span<const std::string> header, bool beside_results) {
    CarriedColumns carried;
    const std::size_t count =
        beside_results && EndsInOutputColumns(header) ? header.size() - kOutputColumns.size() : header.size();
    std::set<std::string> taken;  // comparable names
    if (beside_results) {
        for (std::string_view own : kOutputColumns)
            taken.emplace(own);
    }
    // Names kept as they are claim theirs first, in column order; the rest
    // are renamed after them, so that a new name never takes an old one.
    std::vector<bool> keeps(count);
    for (std::size_t i = 0; i < count; ++i) {
        carried.names.push_back(header[i]);
        keeps[i] = taken.insert(ComparableName(header[i])).second;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (keeps[i]) continue;
        const bool clash = beside_results && IsOutputColumn(ComparableName(header[i]));
        const std::string stem = std::string(TrimBlanks(header[i])) + std::string(clash ? kInputSuffix : "");
        std::string name = stem;
        for (int n = 2; !taken.insert(ComparableName(name)).second; ++n)
            name = stem + "_" + std::to_string(n);
        carried.names[i] = name;
        carried.notices.push_back(
            "column " + std::to_string(i + 1) + ", " + Quoted(header[i]) + ", is written as " + Quoted(name) +
            (clash ? ": the output has a column of that name for its result" : ": another column has that name"));
    }
    return carried;
}

}  // namespace tarnwick::cli
