// Arbitrary CSV through the batch command end to end: it never crashes,
// writes exactly one json line per data row read, numbered 1, 2, 3 … in
// order, the same json lines when it reads and writes a few bytes at a time,
// and csv output that a strict reader takes as the header plus one record per
// data row, each as wide as the header.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/csv_reader.h"
#include "cli/file_io.h"

namespace {

using namespace tarnwick::cli;

// Read and write sizes: a few bytes, or a page.
constexpr std::size_t kTinyChunk = 7;
constexpr std::size_t kSmallChunk = 4096;

constexpr std::string_view kHeader = "year,warranty,body,color,trim,date,dso,axle,trans,warranty_only,note\n";

// An in-memory file with a path, since the batch command opens paths.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view content) : fd_(memfd_create("fuzz", 0)) {
        if (fd_ < 0 || write(fd_, content.data(), content.size()) != static_cast<ssize_t>(content.size())) std::abort();
    }
    ~MemoryFile() { close(fd_); }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }
    std::string Content() const {
        std::string text(static_cast<std::size_t>(lseek(fd_, 0, SEEK_END)), '\0');
        if (pread(fd_, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) std::abort();
        return text;
    }

private:
    int fd_;
};

// Data rows as the reader sees them: every record after the header.
std::size_t CountDataRows(const std::string& path, char delimiter) {
    FdSource source(path);
    CsvReader reader(source, CsvReader::kDefaultMaxRecordBytes, kSmallChunk);
    reader.set_delimiter(delimiter);
    CsvRecord record;
    std::size_t records = 0;
    while (reader.Next(record) == ReadResult::Record)
        ++records;
    return records == 0 ? 0 : records - 1;
}

void CheckJsonLines(std::string_view output, std::size_t rows) {
    std::size_t count = 0;
    while (!output.empty()) {
        const std::size_t end = output.find('\n');
        if (end == std::string_view::npos) std::abort();  // every record ends its line
        const std::string prefix = "{\"row\":" + std::to_string(++count) + ",";
        if (output.substr(0, prefix.size()) != prefix) std::abort();
        output.remove_prefix(end + 1);
    }
    if (count != rows) std::abort();
}

// A strict RFC 4180 reader, as other programs read the output: a CR, LF or
// quote in a field only inside quotes, records ended by LF. Gives the width
// of every record, or aborts.
std::vector<std::size_t> StrictRecordWidths(std::string_view csv) {
    std::vector<std::size_t> widths;
    std::size_t pos = 0;
    while (pos < csv.size()) {
        std::size_t fields = 1;
        for (;;) {
            if (csv[pos] == '"') {
                for (++pos;; ++pos) {
                    if (pos >= csv.size()) std::abort();  // never closed
                    if (csv[pos] != '"') continue;
                    if (pos + 1 < csv.size() && csv[pos + 1] == '"') {
                        ++pos;
                        continue;
                    }
                    ++pos;
                    break;
                }
            } else {
                while (pos < csv.size() && csv[pos] != ',' && csv[pos] != '\n') {
                    if (csv[pos] == '"' || csv[pos] == '\r') std::abort();  // unquoted
                    ++pos;
                }
            }
            if (pos >= csv.size()) std::abort();  // every record ends its line
            if (csv[pos] == '\n') break;
            if (csv[pos] != ',') std::abort();  // text after a closing quote
            ++pos;
            ++fields;
        }
        ++pos;
        widths.push_back(fields);
    }
    return widths;
}

void CheckCsv(std::string_view output, std::size_t rows) {
    const std::vector<std::size_t> widths = StrictRecordWidths(output);
    if (widths.size() != rows + 1) std::abort();
    for (std::size_t width : widths) {
        if (width != widths.front()) std::abort();
    }
}

struct RunOutcome {
    int status;
    std::string output;
    std::string errors;
    friend bool operator==(const RunOutcome&, const RunOutcome&) = default;
};

RunOutcome Run(BatchOptions options, BatchFormat format, std::size_t chunk_bytes) {
    const MemoryFile out("");
    options.output = out.Path();
    options.format = format;
    options.io_chunk_bytes = chunk_bytes;
    std::ostringstream errors;
    const int status = RunBatch(options, errors);
    return {status, out.Content(), errors.str()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte says whether to put a good header in front, so that most
    // inputs reach the rows.
    std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    // The other bits choose the options.
    const char delimiter = (data[0] & 2) != 0 ? ';' : ',';
    if (data[0] & 1) {
        std::string header(kHeader);
        std::replace(header.begin(), header.end(), ',', delimiter);
        input.insert(0, header);
    }
    const MemoryFile in(input);
    BatchOptions options;
    options.input = in.Path();
    options.delimiter = delimiter;
    options.encoding = (data[0] & 4) != 0 ? InputEncoding::Windows1252 : InputEncoding::Utf8;
    options.trim = (data[0] & 8) != 0;
    options.quiet = true;
    for (BatchFormat format : {BatchFormat::Jsonl, BatchFormat::Csv}) {
        // Page-sized pieces keep each run cheap.
        const RunOutcome run = Run(options, format, kSmallChunk);
        if (run.status == 2) {
            if (run.errors.empty()) std::abort();  // a failure always says why
            return 0;
        }
        if (run.status != 0 && run.status != 1) std::abort();
        const std::size_t rows = CountDataRows(in.Path(), options.delimiter);
        if (format == BatchFormat::Jsonl) {
            CheckJsonLines(run.output, rows);
            if ((run.status == 0) != (run.output.find("\"ok\":false") == std::string::npos)) std::abort();
            // Read and written a few bytes at a time, the file gives the same records.
            if (Run(options, format, kTinyChunk) != run) std::abort();
        } else {
            CheckCsv(run.output, rows);
        }
    }
    return 0;
}
