// Arbitrary CSV through a batch session end to end: it never crashes, writes
// exactly one record per data row read, numbered 1, 2, 3 … in order, the
// same output when fed a few bytes at a time; json lines that a strict
// parser takes, and csv that a strict reader takes as the header plus one
// record per data row, each as wide as the header. In both, every input
// column is carried (none lost, none under a name another column has) with
// the row's fields as the reader read them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_session.h"
#include "cli/column_map.h"
#include "cli/csv_reader.h"
#include "cli/output_columns.h"
#include "cli/record_writers.h"

namespace {

using namespace tarnwick::cli;
using Fields = std::vector<std::string>;

// Piece sizes: a few bytes, or a page.
constexpr std::size_t kTinyChunk = 7;
constexpr std::size_t kSmallChunk = 4096;

constexpr std::string_view kHeader = "year,warranty,body,color,trim,date,dso,axle,trans,warranty_only,note";

// The input's records as the reader sees them, as UTF-8: the header, then
// the data rows.
std::vector<Fields> ReadRecords(std::string_view input, char delimiter, InputEncoding encoding) {
    CsvReader reader;
    reader.set_delimiter(delimiter);
    reader.Feed(input);
    reader.FinishInput();
    CsvRecord record;
    std::vector<Fields> records;
    while (reader.Next(record) == ReadResult::Record) {
        records.emplace_back();
        for (std::string_view field : record.fields)
            AppendAsUtf8(field, encoding, records.back().emplace_back());
    }
    return records;
}

// A data row's fields as its record carries them: padded or cut to the
// header's width.
Fields Carried(Fields row, std::size_t width) {
    row.resize(width);
    return row;
}

// Header names the output gives must differ as a reader compares them.
void CheckUnique(const Fields& names) {
    std::set<std::string> seen;
    for (const std::string& name : names) {
        if (!seen.insert(ComparableName(name)).second) std::abort();
    }
}

// Every line parsed by a strict json parser; gives how many say "ok":false.
std::uint64_t CheckJsonLines(std::string_view output, const std::vector<Fields>& records) {
    const std::size_t width = records.front().size();
    std::size_t row = 0;
    std::uint64_t failed = 0;
    while (!output.empty()) {
        const std::size_t end = output.find('\n');
        if (end == std::string_view::npos) std::abort();  // every record ends its line
        const auto line = nlohmann::ordered_json::parse(output.substr(0, end), nullptr, false);
        if (line.is_discarded() || !line.is_object() || ++row >= records.size()) std::abort();
        if (line.at("row") != row || !line.at("ok").is_boolean()) std::abort();
        failed += line.at("ok") ? 0 : 1;
        // As many keys as columns: a doubled key would have dropped one.
        const nlohmann::ordered_json& input = line.at("input");
        if (input.size() != width) std::abort();
        Fields names;
        Fields values;
        for (const auto& [key, value] : input.items()) {
            names.push_back(key);
            values.push_back(value.get<std::string>());
        }
        CheckUnique(names);
        if (values != Carried(records[row], width)) std::abort();
        output.remove_prefix(end + 1);
    }
    if (row + 1 != records.size()) std::abort();
    return failed;
}

// A strict RFC 4180 reader, as other programs read the output: a CR, LF or
// quote in a field only inside quotes, records ended by LF. Aborts on
// anything else.
std::vector<Fields> StrictRecords(std::string_view csv) {
    std::vector<Fields> records;
    std::size_t pos = 0;
    while (pos < csv.size()) {
        Fields& fields = records.emplace_back();
        for (;;) {
            std::string& field = fields.emplace_back();
            if (csv[pos] == '"') {
                for (++pos;; ++pos) {
                    if (pos >= csv.size()) std::abort();  // never closed
                    if (csv[pos] == '"') {
                        if (pos + 1 >= csv.size() || csv[pos + 1] != '"') break;
                        ++pos;
                    }
                    field += csv[pos];
                }
                ++pos;
            } else {
                for (; pos < csv.size() && csv[pos] != ',' && csv[pos] != '\n'; ++pos) {
                    if (csv[pos] == '"' || csv[pos] == '\r') std::abort();  // unquoted
                    field += csv[pos];
                }
            }
            if (pos >= csv.size()) std::abort();  // every record ends its line
            if (csv[pos++] == '\n') break;
            if (csv[pos - 1] != ',') std::abort();  // text after a closing quote
        }
    }
    return records;
}

void CheckCsv(std::string_view output, const std::vector<Fields>& records) {
    const std::vector<Fields> written = StrictRecords(output);
    if (written.size() != records.size()) std::abort();
    const std::span<const std::string_view> own = kOutputColumns;
    const Fields& header = records.front();
    // The tool's own output gives up its old results; every other column stays.
    bool own_output = header.size() >= own.size();
    for (std::size_t i = 0; own_output && i < own.size(); ++i)
        own_output = ComparableName(header[header.size() - own.size() + i]) == own[i];
    const std::size_t carried = own_output ? header.size() - own.size() : header.size();
    if (written.front().size() != carried + own.size()) std::abort();
    CheckUnique(written.front());
    for (std::size_t row = 1; row < written.size(); ++row) {
        if (written[row].size() != written.front().size()) std::abort();
        const Fields input(written[row].begin(), written[row].begin() + static_cast<std::ptrdiff_t>(carried));
        if (input != Carried(records[row], carried)) std::abort();
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
    // The first byte's bits choose the options: whether to put a good header
    // in front, so that most inputs reach the rows, and whether the input's
    // first line goes on with more header names of its own.
    std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const char delimiter = (data[0] & 2) != 0 ? ';' : ',';
    if (data[0] & 1) {
        std::string header(kHeader);
        std::replace(header.begin(), header.end(), ',', delimiter);
        input.insert(0, header + ((data[0] & 16) != 0 ? std::string(1, delimiter) : "\n"));
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
        const std::vector<Fields> records = ReadRecords(input, delimiter, settings.encoding);
        if (run.counts.read + 1 != records.size()) std::abort();
        if (format == BatchFormat::Jsonl) {
            if (CheckJsonLines(run.output, records) != run.counts.failed()) std::abort();
        } else {
            CheckCsv(run.output, records);
        }
        // Fed a few bytes at a time, the file gives the same records.
        if (Run(input, settings, format, kTinyChunk) != run) std::abort();
    }
    return 0;
}
