// Which column of a batch file's header feeds which part of the decode:
// names matched as spreadsheets write them, renamed with --map, and only the
// columns the chosen decode needs.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "decoder/plate_fields.h"

namespace tarnwick::cli {

inline constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

inline constexpr std::string_view kYearColumn = "year";
inline constexpr std::string_view kFlagColumn = "warranty_only";

// --map NAME=HEADER: the column NAME is read from the column headed HEADER.
struct ColumnRename {
    std::string name;
    std::string header;
};

struct ColumnOptions {
    bool year_given = false;     // --year: every row has that year, no year column
    bool warranty_only = false;  // --warranty-only: the plate columns are not needed
    std::vector<ColumnRename> renames;
};

struct ColumnMap {
    std::size_t year = kNoColumn;
    std::array<std::size_t, kAllFields.size()> fields{};  // kNoColumn where not needed
    std::size_t warranty_only = kNoColumn;
};

// The columns a batch reads: year, the eight plate fields in the order of
// kAllFields, warranty_only.
inline constexpr std::size_t kBatchColumnCount = kAllFields.size() + 2;
std::string_view BatchColumnName(std::size_t index);

// A header name as compared: blanks around it dropped (every Unicode blank),
// ASCII letters lower-cased.
std::string ComparableName(std::string_view name);

// The names --map takes on its left: year, the eight field names, warranty_only.
bool IsColumnName(std::string_view name);

// For each batch column, the header column it is found in by its name or
// the one --map gives it; kNoColumn where there is none or more than one.
std::array<std::size_t, kBatchColumnCount> FindBatchColumns(std::span<const std::string> header,
                                                            const ColumnOptions& options);

// The map, or nullopt with problem saying what is missing, doubled or in
// conflict, and what the header holds; split_note follows a missing or
// doubled column, which a wrong delimiter may explain.
std::optional<ColumnMap> MapColumns(std::span<const std::string> header, const ColumnOptions& options,
                                    std::string_view split_note, std::string& problem);

}  // namespace tarnwick::cli
