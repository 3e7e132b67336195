// Arbitrary CSV through a batch session end to end: it never crashes,
// writes exactly one json line per data row read, numbered 1, 2, 3 … in
// order, the same output when fed a few bytes at a time, and csv output that
// a strict reader takes as the header plus one record per data row, each as
// wide as the header.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_session.h"
#include "cli/csv_reader.h"

namespace {

using namespace tarnwick::cli;

// Piece sizes: a few bytes, or a page.
constexpr std::size_t kTinyChunk = 7;
constexpr std::size_t kSmallChunk = 4096;

constexpr std::string_view kHeader = "year,warranty,body,color,trim,date,dso,axle,trans,warranty_only,note\n";

// Data rows as the reader sees them: every record after the header.
std::size_t CountDataRows(std::string_view input, char delimiter) {
    CsvReader reader;
    reader.set_delimiter(delimiter);
    reader.Feed(input);
    reader.FinishInput();
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
    std::string output;
    std::string problem;
    RowCounts counts;
    friend bool operator==(const RunOutcome& a, const RunOutcome& b) {
        return a.output == b.output && a.problem == b.problem && a.counts.read == b.counts.read &&
               a.counts.failed_by_kind == b.counts.failed_by_kind;
    }
};

RunOutcome Run(std::string_view input, BatchSettings settings, BatchFormat format, std::size_t piece) {
    settings.format = format;
    BatchSession session(std::move(settings));
    RunOutcome run;
    for (std::size_t at = 0; at < input.size(); at += piece)
        session.Feed(input.substr(at, piece), run.output);
    session.Finish(run.output);
    run.problem = session.problem();
    run.counts = session.counts();
    return run;
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
    BatchSettings settings;
    settings.delimiter = delimiter;
    settings.encoding = (data[0] & 4) != 0 ? InputEncoding::Windows1252 : InputEncoding::Utf8;
    settings.trim = (data[0] & 8) != 0;
    for (BatchFormat format : {BatchFormat::Jsonl, BatchFormat::Csv}) {
        const RunOutcome run = Run(input, settings, format, kSmallChunk);
        if (!run.problem.empty()) {
            if (!run.output.empty()) std::abort();  // a run that ends at the header writes nothing
            return 0;
        }
        const std::size_t rows = CountDataRows(input, delimiter);
        if (run.counts.read != rows) std::abort();
        if (format == BatchFormat::Jsonl) {
            CheckJsonLines(run.output, rows);
            if ((run.counts.failed() == 0) != (run.output.find("\"ok\":false") == std::string::npos)) std::abort();
        } else {
            CheckCsv(run.output, rows);
        }
        // Fed a few bytes at a time, the file gives the same records.
        if (Run(input, settings, format, kTinyChunk) != run) std::abort();
    }
    return 0;
}
