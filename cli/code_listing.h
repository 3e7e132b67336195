// The --codes listing: the valid codes of one year and what they mean, for a
// user whose code was rejected or who looks for the code of a known colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "cli/output_buffer.h"
#include "decoder/model_year.h"

namespace tarnwick::cli {

// text: commented, tab-separated lines for reading; csv and json: one
// record per code with the fixed columns year, table, code, text (and serial
// and warranty_only_text, the body style read from the warranty number
// alone, when the body table is listed), for programs.
enum class ListingFormat : std::uint8_t { Text, Csv, Json };

// One table by its name in the code catalogue, or every table when none is
// named; false for a name that is not there.
bool WriteCodeListing(OutputBuffer& out, ModelYear year, std::optional<std::string_view> table,
                      ListingFormat format = ListingFormat::Text);

}  // namespace tarnwick::cli
