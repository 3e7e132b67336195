#include "cli/column_map.h"

#include <algorithm>

#include "cli/plate_verdict.h"
#include "cli/record_writers.h"

namespace tarnwick::cli {
namespace {

constexpr std::size_t kMostNamesShown = 24;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The header name wanted for a column: its own, or the one --map gives.
std::string WantedName(std::string_view name, const ColumnOptions& options) {
    for (const ColumnRename& rename : options.renames) {
        if (rename.name == name) return ComparableName(rename.header);
    }
    return std::string(name);
}

void AppendQuotedList(std::string& out, std::span<const std::string> names) {
    for (std::size_t i = 0; i < names.size() && i < kMostNamesShown; ++i) {
        out += i == 0 ? "\"" : ", \"";
        out += names[i];
        out += '"';
    }
    if (names.size() > kMostNamesShown) out += ", ...";
}

class ColumnFinder {
public:
    ColumnFinder(std::span<const std::string> header, const ColumnOptions& options) : options_(options) {
        for (const std::string& name : header)
            comparable_.push_back(ComparableName(name));
    }

    // The column of the name, or kNoColumn; a required name that is absent
    // and a name found twice are noted.
    std::size_t Find(std::string_view name, bool required) {
        const std::string wanted = WantedName(name, options_);
        const auto count = std::count(comparable_.begin(), comparable_.end(), wanted);
        if (count > 1) doubled_.push_back(wanted);
        if (count == 0 && required) missing_.push_back(wanted);
        if (count != 1) return kNoColumn;
        return static_cast<std::size_t>(std::find(comparable_.begin(), comparable_.end(), wanted) -
                                        comparable_.begin());
    }

    bool Has(std::string_view name) const {
        return std::count(comparable_.begin(), comparable_.end(), WantedName(name, options_)) > 0;
    }

    std::vector<std::size_t> Carried() const {
        std::vector<std::size_t> carried;
        for (std::size_t i = 0; i < comparable_.size(); ++i) {
            if (!IsOutputColumn(comparable_[i])) carried.push_back(i);
        }
        return carried;
    }

    // Empty when every column was found once.
    std::string Problem(std::span<const std::string> header) const {
        std::string problem;
        const auto list = [&problem](const std::vector<std::string>& names, const char* one, const char* many) {
            if (names.empty()) return;
            if (!problem.empty()) problem += "; ";
            problem += names.size() == 1 ? one : many;
            problem += ' ';
            AppendQuotedList(problem, names);
        };
        list(missing_, "the header lacks the column", "the header lacks the columns");
        list(doubled_, "the header names more than once the column", "the header names more than once the columns");
        if (problem.empty()) return problem;
        problem += "; it has ";
        AppendQuotedList(problem, header);
        return problem;
    }

private:
    const ColumnOptions& options_;
    std::vector<std::string> comparable_;
    std::vector<std::string> missing_;
    std::vector<std::string> doubled_;
};

}  // namespace

std::string ComparableName(std::string_view name) {
    while (!name.empty() && IsBlank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back()))
        name.remove_suffix(1);
    std::string comparable(name);
    for (char& c : comparable) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return comparable;
}

std::string_view BatchColumnName(std::size_t index) {
    if (index == 0) return kYearColumn;
    if (index <= kAllFields.size()) return FieldName(kAllFields[index - 1]);
    return kFlagColumn;
}

bool IsColumnName(std::string_view name) {
    for (std::size_t i = 0; i < kBatchColumnCount; ++i) {
        if (BatchColumnName(i) == name) return true;
    }
    return false;
}

std::array<std::size_t, kBatchColumnCount> FindBatchColumns(std::span<const std::string> header,
                                                            const ColumnOptions& options) {
    ColumnFinder finder(header, options);
    std::array<std::size_t, kBatchColumnCount> columns{};
    for (std::size_t i = 0; i < kBatchColumnCount; ++i)
        columns[i] = finder.Find(BatchColumnName(i), false);
    return columns;
}

std::optional<ColumnMap> MapColumns(std::span<const std::string> header, const ColumnOptions& options,
                                    std::string& problem) {
    ColumnFinder finder(header, options);
    if (options.year_given && finder.Has(kYearColumn)) {
        problem = "the year is given twice, by --year and by the column \"" + WantedName(kYearColumn, options) +
                  "\"; drop one of them";
        return std::nullopt;
    }
    ColumnMap map;
    if (!options.year_given) map.year = finder.Find(kYearColumn, true);
    for (Field field : kAllFields) {
        const bool needed = field == Field::Warranty || !options.warranty_only;
        map.fields[static_cast<std::size_t>(field)] = needed ? finder.Find(FieldName(field), true) : kNoColumn;
    }
    if (!options.warranty_only) map.warranty_only = finder.Find(kFlagColumn, false);
    problem = finder.Problem(header);
    if (!problem.empty()) return std::nullopt;
    map.carried = finder.Carried();
    return map;
}

}  // namespace tarnwick::cli
