#include "cli/batch.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/decimal_text.h"
#include "cli/plate_verdict.h"
#include "cli/progress_meter.h"
#include "cli/record_writers.h"

namespace tarnwick::cli {
namespace {

constexpr std::array<char, 3> kAutoDelimiters = {',', ';', '\t'};

constexpr std::string_view kNeededColumns = "year,warranty,body,color,trim,date,dso,axle,trans";

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string_view DelimiterName(char delimiter) {
    switch (delimiter) {
        case ';':
            return "\";\"";
        case '\t':
            return "tab";
        default:
            return "\",\"";
    }
}

// The header and where the decode finds its columns in it.
struct Header {
    std::vector<std::string> names;  // as UTF-8
    ColumnMap columns;
};

class HeaderReader {
public:
    HeaderReader(CsvReader& reader, const BatchOptions& options, std::string_view input_name)
        : reader_(reader), options_(options), input_name_(input_name) {}

    // The header under the delimiter given, or under the first of the usual
    // ones that gives it its columns. On failure problem says why.
    std::optional<Header> Read(std::string& problem) {
        std::size_t most_fields = 0;
        bool first = true;
        for (char delimiter : options_.delimiter != 0 ? std::vector<char>{options_.delimiter}
                                                      : std::vector<char>(kAutoDelimiters.begin(),
                                                                          kAutoDelimiters.end())) {
            if (!first && !reader_.StepBack()) break;
            first = false;
            reader_.set_delimiter(delimiter);
            std::string attempt;
            std::size_t fields = 0;
            std::optional<Header> header = ReadWith(attempt, fields);
            if (header) return header;
            if (fatal_) {
                problem = attempt;
                return std::nullopt;
            }
            if (problem.empty() || fields > most_fields) {
                problem = attempt;
                most_fields = fields;
            }
        }
        return std::nullopt;
    }

private:
    std::optional<Header> ReadWith(std::string& problem, std::size_t& field_count) {
        CsvRecord record;
        switch (reader_.Next(record)) {
            case ReadResult::Error:
                fatal_ = true;
                problem = reader_.ErrorText();
                return std::nullopt;
            case ReadResult::End:
                fatal_ = true;
                problem = std::string(input_name_) +
                          " is empty; its first line must be a header naming the columns " +
                          std::string(kNeededColumns);
                return std::nullopt;
            case ReadResult::Record:
                break;
        }
        const std::string prefix = std::string(input_name_) + ": ";
        if (record.problem == RecordProblem::TooLong) {
            fatal_ = true;
            problem = prefix + "the header line is longer than the limit of " +
                      std::to_string(reader_.max_record_bytes()) + " bytes";
            return std::nullopt;
        }
        if (record.problem != RecordProblem::None) {
            problem = prefix + "the header line has a quote out of place (read with the delimiter " +
                      std::string(DelimiterName(reader_.delimiter())) + ")";
            return std::nullopt;
        }
        field_count = record.fields.size();
        Header header;
        for (std::string_view field : record.fields) {
            if (options_.encoding == InputEncoding::Utf8 && !IsUtf8(field)) {
                fatal_ = true;
                problem = prefix + "the header is not UTF-8; give --encoding windows-1252 (or latin-1) for a file "
                                   "saved in a Windows character set";
                return std::nullopt;
            }
            header.names.emplace_back();
            AppendAsUtf8(field, options_.encoding, header.names.back());
        }
        std::string columns_problem;
        std::optional<ColumnMap> columns = MapColumns(header.names, options_.columns, columns_problem);
        if (!columns) {
            problem = prefix + columns_problem + " (columns split at " +
                      std::string(DelimiterName(reader_.delimiter())) + ")";
            return std::nullopt;
        }
        header.columns = std::move(*columns);
        return header;
    }

    CsvReader& reader_;
    const BatchOptions& options_;
    std::string_view input_name_;
    bool fatal_ = false;  // no other delimiter can help
};

// Rows read, decoded and failed by kind, for the closing summary line.
struct RowCounts {
    std::uint64_t read = 0;
    std::array<std::uint64_t, 3> failed_by_kind{};

    std::uint64_t failed() const { return failed_by_kind[0] + failed_by_kind[1] + failed_by_kind[2]; }
};

class BatchRun {
public:
    BatchRun(const BatchOptions& options, const Header& header, std::size_t max_record_bytes, OutputSink& out)
        : options_(options),
          columns_(header.columns),
          names_(header.names),
          column_count_(header.names.size()),
          max_record_bytes_(max_record_bytes),
          out_(out),
          fields_(column_count_),
          json_keys_(JsonInputKeys(header.names)) {
        carried_.reserve(columns_.carried.size());
    }

    void Row(const CsvRecord& record) {
        ++counts_.read;
        if (!TakeFields(record)) {
            Write();
            return;
        }
        Judge();
        Write();
    }

    const RowCounts& counts() const { return counts_; }

private:
    // The row's fields in fields_, as UTF-8; false (with the verdict set)
    // when the row cannot be decoded.
    bool TakeFields(const CsvRecord& record) {
        if (record.problem != RecordProblem::None) {
            std::string& message = StartLineMessage(record);
            if (record.problem == RecordProblem::TooLong) {
                message += "the row is longer than the limit of ";
                message += DecimalText(max_record_bytes_).view();
                message += " bytes.";
            } else {
                message += "a quote out of place in field ";
                message += DecimalText(record.problem_field).view();
                message += " (a field holding a delimiter, quote or line break must be quoted whole, its quotes "
                           "doubled).";
            }
            InputError(message);
            std::fill(fields_.begin(), fields_.end(), std::string_view());
            plain_ = true;
            return false;
        }
        const bool fits = record.fields.size() == column_count_;
        const std::size_t bad_column = ConvertFields(record);
        if (!fits) {
            std::string& message = StartLineMessage(record);
            message += "the row has ";
            message += DecimalText(record.fields.size()).view();
            message += record.fields.size() == 1 ? " field" : " fields";
            message += " where the header has ";
            message += DecimalText(column_count_).view();
            message += '.';
            InputError(message);
            return false;
        }
        if (bad_column != kNoColumn) {
            std::string& message = StartLineMessage(record);
            message += "column \"";
            message += names_[bad_column];
            message += "\" holds bytes that are not UTF-8; give --encoding windows-1252 (or latin-1) for a file saved "
                       "in a Windows character set.";
            InputError(message, FieldOfColumn(bad_column));
            return false;
        }
        return true;
    }

    // Into fields_, padded or cut to the header's width. Fields that are
    // already plain UTF-8 stay views of the reader's buffer. Returns the
    // first column that was not UTF-8, or kNoColumn.
    std::size_t ConvertFields(const CsvRecord& record) {
        plain_ = record.simple && record.fields.size() == column_count_;
        if (plain_) {
            std::copy(record.fields.begin(), record.fields.end(), fields_.begin());
            return kNoColumn;
        }
        std::size_t bytes = 0;
        for (std::string_view field : record.fields)
            bytes += field.size();
        converted_.clear();
        converted_.reserve(bytes * kMaxUtf8Growth);  // no reallocation below: fields_ views into it
        std::size_t bad_column = kNoColumn;
        for (std::size_t i = 0; i < column_count_; ++i) {
            if (i >= record.fields.size()) {
                fields_[i] = {};
                continue;
            }
            const std::string_view field = record.fields[i];
            const bool as_is = options_.encoding == InputEncoding::Utf8 ? IsUtf8(field) : IsAscii(field);
            if (as_is) {
                fields_[i] = field;
                continue;
            }
            if (options_.encoding == InputEncoding::Utf8 && bad_column == kNoColumn) bad_column = i;
            const std::size_t start = converted_.size();
            AppendAsUtf8(field, options_.encoding, converted_);
            fields_[i] = std::string_view(converted_).substr(start);
        }
        return bad_column;
    }

    std::string_view Code(std::size_t column) const {
        if (column == kNoColumn) return {};
        return options_.trim ? TrimBlanks(fields_[column]) : fields_[column];
    }

    void Judge() {
        PlateRequest request;
        request.year = options_.year ? std::string_view(*options_.year) : Code(columns_.year);
        if (options_.columns.warranty_only) {
            request.warranty_only = true;
        } else {
            request.flag_text = Code(columns_.warranty_only);
            request.warranty_only = ParseWarrantyOnlyFlag(request.flag_text);
        }
        for (std::size_t i = 0; i < kAllFields.size(); ++i)
            request.fields[i] = Code(columns_.fields[i]);
        judge_.Judge(request, verdict_);
    }

    std::optional<Field> FieldOfColumn(std::size_t column) const {
        for (std::size_t i = 0; i < kAllFields.size(); ++i) {
            if (columns_.fields[i] == column) return kAllFields[i];
        }
        return std::nullopt;
    }

    std::string& StartLineMessage(const CsvRecord& record) {
        std::string& message = verdict_.StartComposedError(std::nullopt);
        message += "Line ";
        message += DecimalText(record.line).view();
        message += ": ";
        return message;
    }

    void InputError(std::string_view message, std::optional<Field> field = std::nullopt) {
        verdict_.SetError(ErrorKind::Input, field, message);
    }

    void Write() {
        if (!verdict_.ok()) ++counts_.failed_by_kind[static_cast<std::size_t>(verdict_.kind())];
        if (options_.format == BatchFormat::Jsonl) {
            const JsonRowInput input{json_keys_, fields_, plain_};
            WriteJsonRecord(out_, verdict_, counts_.read, &input);
            return;
        }
        carried_.clear();
        for (std::size_t column : columns_.carried)
            carried_.push_back(fields_[column]);
        WriteCsvRecord(out_, carried_, counts_.read, verdict_, plain_);
    }

    const BatchOptions& options_;
    const ColumnMap& columns_;
    const std::vector<std::string>& names_;
    std::size_t column_count_;
    std::size_t max_record_bytes_;
    OutputSink& out_;
    std::vector<std::string_view> fields_;
    std::vector<std::string_view> carried_;
    std::string converted_;
    bool plain_ = false;  // fields_ holds plain ASCII that needs no quotes or escapes
    std::vector<std::string> json_keys_;
    PlateJudge judge_;
    Verdict verdict_;
    RowCounts counts_;
};

// "1000 rows read, 800 decoded, 200 failed (150 invalid, 50 input)".
std::string Summary(const RowCounts& counts) {
    std::string line = std::to_string(counts.read) + (counts.read == 1 ? " row read, " : " rows read, ") +
                       std::to_string(counts.read - counts.failed()) + " decoded, " +
                       std::to_string(counts.failed()) + " failed (";
    bool first = true;
    for (ErrorKind kind : {ErrorKind::Invalid, ErrorKind::Incomplete, ErrorKind::Input}) {
        const std::uint64_t count = counts.failed_by_kind[static_cast<std::size_t>(kind)];
        if (count == 0) continue;
        line += first ? "" : ", ";
        first = false;
        line += std::to_string(count) + " " + std::string(ErrorKindName(kind));
    }
    return line + ")";
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& errors) {
    const auto complain = [&errors](std::string_view message) {
        errors << "tarnwick-decode: " << message << '\n';
        return 2;
    };
    const std::string input_name = options.input == "-" ? "standard input" : options.input;
    FdSource source(options.input);
    if (!source.ok()) return complain(source.ErrorText());

    CsvReader reader(source, CsvReader::kDefaultMaxRecordBytes, options.io_chunk_bytes);
    std::string problem;
    const std::optional<Header> header = HeaderReader(reader, options, input_name).Read(problem);
    if (!header) return complain(problem);

    // Opening the output truncates it, so the input must not be that file.
    const bool to_stdout = options.output.empty() || options.output == "-";
    if (to_stdout ? SameFile(source.fd(), STDOUT_FILENO) : SameFile(source.fd(), options.output))
        return complain("the output would overwrite the input " + input_name);
    OutputSink out(options.output, options.io_chunk_bytes);
    if (!out.ok()) return complain(out.ErrorText());
    source.set_before_wait([&out] { out.Flush(); });

    if (options.format == BatchFormat::Csv) {
        std::vector<std::string_view> carried;
        for (std::size_t column : header->columns.carried)
            carried.emplace_back(header->names[column]);
        WriteCsvHeader(out, carried);
    }
    BatchRun run(options, *header, reader.max_record_bytes(), out);
    ProgressMeter progress(options.show_progress, source.file_size());
    CsvRecord record;
    ReadResult result = ReadResult::End;
    while (!out.failed() && (result = reader.Next(record)) == ReadResult::Record) {
        run.Row(record);
        progress.Update(run.counts().read, reader.bytes_read());
    }
    progress.Erase();
    out.Close();
    if (out.reader_gone()) return 0;  // | head: the rows it took were written
    if (out.failed()) return complain(out.ErrorText());
    if (result == ReadResult::Error) return complain(reader.ErrorText());
    const RowCounts& counts = run.counts();
    if (counts.failed() == 0) return 0;
    if (!options.quiet) errors << "tarnwick-decode: " << Summary(counts) << '\n';
    return 1;
}

}  // namespace tarnwick::cli
