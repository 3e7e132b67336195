// The batch command's file loop: a CSV file of plates read in pieces into a
// batch session, its records written to a file or standard output.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "cli/batch_session.h"

namespace tarnwick::cli {

struct BatchOptions {
    std::string input;   // a path, or "-" for standard input
    std::string output;  // a path; empty or "-" for standard output
    BatchSettings settings;
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
