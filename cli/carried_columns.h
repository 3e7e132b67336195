// Which input columns an output record carries, and under which names: every
// one of them, renamed where a name would clash with the output's own
// columns or with another input column, so that no reader of the output
// loses a column.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace tarnwick::cli {

// The carried columns are the header's first names.size() columns.
struct CarriedColumns {
    std::vector<std::string> names;    // unique, ignoring ASCII letter case and blanks around them
    std::vector<std::string> notices;  // one line for each column written under a new name
};

// beside_results: the columns are written beside the output's own (csv), so
// a column named like one of those is written as NAME_input; and a header
// that ends in all of the output's own columns is the tool's output, whose
// old results give way to the new ones.
CarriedColumns CarryColumns(std::span<const std::string> header, bool beside_results);

}  // namespace tarnwick::cli
