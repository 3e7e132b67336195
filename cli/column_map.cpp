// Matching a batch file's header names to the columns a decode reads, with
// the --map renames, and saying what is missing or doubled.
#include "cli/column_map.h"

#include <algorithm>

#include "cli/blank_text.h"
#include "cli/plate_verdict.h"

namespace tarnwick::cli {
namespace {

constexpr std::size_t kMostNamesShown = 24;

// The header name wanted for a column: its own, or the one --map gives, as
// the user wrote it.
std::string_view WantedName(std::string_view name, const ColumnOptions& options) {
    for (const ColumnRename& rename : options.renames) {
        if (rename.name == name) return rename.header;
    }
    return name;
}

void AppendQuotedList(std::string& out, std::span<const std::string> names) {
    for (std::size_t i = 0; i < names.size() && i < kMostNamesShown; ++i) {
        out += i == 0 ? "\"" : ", \"";
        AppendVisible(names[i], out);
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
        const std::string_view written = WantedName(name, options_);
        const std::string wanted = ComparableName(written);
        const auto count = std::count(comparable_.begin(), comparable_.end(), wanted);
        if (count > 1) doubled_.emplace_back(written);
        if (count == 0 && required) missing_.emplace_back(written);
        if (count != 1) return kNoColumn;
        return static_cast<std::size_t>(std::find(comparable_.begin(), comparable_.end(), wanted) -
                                        comparable_.begin());
    }

    // The first column of the name, or kNoColumn; never noted.
    std::size_t FindAny(std::string_view name) const {
        const auto found = std::find(comparable_.begin(), comparable_.end(), ComparableName(WantedName(name, options_)));
        return found == comparable_.end() ? kNoColumn : static_cast<std::size_t>(found - comparable_.begin());
    }

    // Empty when every column was found once.
    std::string Problem(std::span<const std::string> header, std::string_view split_note) const {
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
        return problem += split_note;
    }

private:
    const ColumnOptions& options_;
    std::vector<std::string> comparable_;
    std::vector<std::string> missing_;
    std::vector<std::string> doubled_;
};

}  // namespace

std::string ComparableName(std::string_view name) {
    std::string comparable(TrimBlanks(name));
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
                                    std::string_view split_note, std::string& problem) {
    ColumnFinder finder(header, options);
    if (const std::size_t year = options.year_given ? finder.FindAny(kYearColumn) : kNoColumn; year != kNoColumn) {
        problem = "the year is given twice, by --year and by the column \"";
        AppendVisible(header[year], problem);
        problem += "\"; drop one of them";
        return std::nullopt;
    }
    ColumnMap map;
    if (!options.year_given) map.year = finder.Find(kYearColumn, true);
    for (Field field : kAllFields) {
        const bool needed = field == Field::Warranty || !options.warranty_only;
        map.fields[static_cast<std::size_t>(field)] = needed ? finder.Find(FieldName(field), true) : kNoColumn;
    }
    if (!options.warranty_only) map.warranty_only = finder.Find(kFlagColumn, false);
    problem = finder.Problem(header, split_note);
    if (!problem.empty()) return std::nullopt;
    return map;
}

}  // namespace tarnwick::cli
