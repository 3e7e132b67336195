// The batch command: a CSV file of plates in, one CSV row or json line out
// per data row, in input order, streamed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "cli/column_map.h"
#include "cli/text_encoding.h"

namespace tarnwick::cli {

enum class BatchFormat : std::uint8_t { Csv, Jsonl };

struct BatchOptions {
    std::string input;   // a path, or "-" for standard input
    std::string output;  // a path; empty or "-" for standard output
    BatchFormat format = BatchFormat::Csv;
    char delimiter = 0;  // ',' ';' '\t', or 0 to pick the one that gives the header its columns
    InputEncoding encoding = InputEncoding::Utf8;
    std::optional<std::string> year;  // --year: the year of every row
    ColumnOptions columns;
    bool trim = false;   // blanks around every code are dropped before it is judged
    bool quiet = false;  // no summary line
    bool show_progress = false;
    // How many bytes the input is read and the output written in at a time;
    // any size from 1 works, the default suits large files.
    std::size_t io_chunk_bytes = std::size_t{1} << 20;
};

// 0 when every row decoded, 1 when at least one failed, 2 when the input
// cannot be read, its header lacks a column, or the output cannot be written.
// Messages about the run as a whole go to errors.
int RunBatch(const BatchOptions& options, std::ostream& errors);

}  // namespace tarnwick::cli
