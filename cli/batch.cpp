#include "cli/batch.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/plate_verdict.h"
#include "cli/record_writers.h"

namespace tarnwick::cli {
namespace {

constexpr std::string_view kYearColumn = "year";
constexpr std::string_view kFlagColumn = "warranty_only";

// Where each column the decode reads sits in a row.
struct ColumnMap {
    std::size_t year = 0;
    std::array<std::size_t, kAllFields.size()> fields{};
    std::optional<std::size_t> warranty_only;
};

// Finds the columns, or says which are missing or named twice.
std::optional<ColumnMap> MapColumns(const std::vector<std::string>& header, std::string& problem) {
    std::vector<std::string_view> missing;
    std::vector<std::string_view> doubled;
    const auto find = [&](std::string_view name, bool required) -> std::optional<std::size_t> {
        const auto count = std::count(header.begin(), header.end(), name);
        if (count > 1) doubled.push_back(name);
        if (count == 0 && required) missing.push_back(name);
        if (count != 1) return std::nullopt;
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };

    ColumnMap map;
    map.year = find(kYearColumn, true).value_or(0);
    for (Field field : kAllFields)
        map.fields[static_cast<std::size_t>(field)] = find(FieldName(field), true).value_or(0);
    map.warranty_only = find(kFlagColumn, false);

    const auto list = [&problem](const std::vector<std::string_view>& names, const char* one, const char* many) {
        if (names.empty()) return;
        if (!problem.empty()) problem += "; ";
        problem += names.size() == 1 ? one : many;
        for (std::size_t i = 0; i < names.size(); ++i) {
            problem += i == 0 ? " \"" : ", \"";
            problem += names[i];
            problem += '"';
        }
    };
    list(missing, "the header lacks the column", "the header lacks the columns");
    list(doubled, "the header names more than once the column", "the header names more than once the columns");
    if (!problem.empty()) return std::nullopt;
    return map;
}

class BatchRun {
public:
    BatchRun(const ColumnMap& columns, std::size_t column_count, BatchFormat format, OutputSink& out)
        : columns_(columns), column_count_(column_count), format_(format), out_(out), padded_(column_count) {}

    // Writes the record for one data row; returns whether it decoded.
    bool Row(const CsvRecord& record) {
        ++row_;
        if (record.problem != RecordProblem::None) {
            std::string& message = StartLineMessage(record);
            if (record.problem == RecordProblem::TooLong) {
                message += "the row is longer than the limit of ";
                AppendDecimal(message, max_record_bytes_);
                message += " bytes.";
            } else {
                message += "a quote out of place in field ";
                AppendDecimal(message, record.problem_field);
                message += " (a field holding a comma, quote or line break must be quoted whole, its quotes doubled).";
            }
            verdict_.SetError(ErrorKind::Input, std::nullopt, message);
            Write(Padded(record));
            return false;
        }
        if (record.fields.size() != column_count_) {
            std::string& message = StartLineMessage(record);
            message += "the row has ";
            AppendDecimal(message, record.fields.size());
            message += record.fields.size() == 1 ? " field" : " fields";
            message += " where the header has ";
            AppendDecimal(message, column_count_);
            message += '.';
            verdict_.SetError(ErrorKind::Input, std::nullopt, message);
            Write(Padded(record));
            return false;
        }

        PlateRequest request;
        request.year = record.fields[columns_.year];
        request.warranty_only =
            columns_.warranty_only ? ParseWarrantyOnlyFlag(record.fields[*columns_.warranty_only]) : false;
        for (std::size_t i = 0; i < kAllFields.size(); ++i)
            request.fields[i] = record.fields[columns_.fields[i]];
        judge_.Judge(request, verdict_);
        if (format_ == BatchFormat::Csv && !record.source_text.empty()) {
            WriteCsvRecord(out_, record.source_text, verdict_);  // input columns as the input wrote them
        } else {
            Write(record.fields);
        }
        return verdict_.ok();
    }

    void set_max_record_bytes(std::size_t bytes) { max_record_bytes_ = bytes; }

private:
    std::string& StartLineMessage(const CsvRecord& record) {
        std::string& message = verdict_.StartComposedError(std::nullopt);
        message += "Line ";
        AppendDecimal(message, record.line);
        message += ": ";
        return message;
    }

    // The fields a malformed row has, in their columns, so that the csv
    // output keeps its shape.
    std::span<const std::string_view> Padded(const CsvRecord& record) {
        for (std::size_t i = 0; i < column_count_; ++i)
            padded_[i] = i < record.fields.size() ? record.fields[i] : std::string_view();
        return padded_;
    }

    void Write(std::span<const std::string_view> fields) {
        if (format_ == BatchFormat::Csv) {
            WriteCsvRecord(out_, fields, verdict_);
        } else {
            WriteJsonRecord(out_, verdict_, row_);
        }
    }

    const ColumnMap& columns_;
    std::size_t column_count_;
    BatchFormat format_;
    OutputSink& out_;
    std::vector<std::string_view> padded_;
    PlateJudge judge_;
    Verdict verdict_;
    std::uint64_t row_ = 0;
    std::size_t max_record_bytes_ = 0;
};

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& errors) {
    const std::string input_name = options.input == "-" ? "standard input" : options.input;
    FdSource source(options.input);
    if (!source.ok()) {
        errors << "tarnwick-decode: " << source.ErrorText() << '\n';
        return 2;
    }

    CsvReader reader(source);
    CsvRecord record;
    switch (reader.Next(record)) {
        case ReadResult::Error:
            errors << "tarnwick-decode: " << reader.ErrorText() << '\n';
            return 2;
        case ReadResult::End:
            errors << "tarnwick-decode: " << input_name
                   << " is empty; its first line must be a header naming the columns "
                      "year,warranty,body,color,trim,date,dso,axle,trans\n";
            return 2;
        case ReadResult::Record:
            break;
    }
    if (record.problem == RecordProblem::TooLong) {
        errors << "tarnwick-decode: " << input_name << ": the header line is longer than the limit of "
               << reader.max_record_bytes() << " bytes\n";
        return 2;
    }
    if (record.problem != RecordProblem::None) {
        errors << "tarnwick-decode: " << input_name << ": the header line has a quote out of place\n";
        return 2;
    }
    const std::vector<std::string> header(record.fields.begin(), record.fields.end());
    std::string problem;
    const std::optional<ColumnMap> columns = MapColumns(header, problem);
    if (!columns) {
        errors << "tarnwick-decode: " << input_name << ": " << problem << '\n';
        return 2;
    }

    // Opening the output truncates it, so the input must not be that file.
    const bool to_stdout = options.output.empty() || options.output == "-";
    if (to_stdout ? SameFile(source.fd(), STDOUT_FILENO) : SameFile(source.fd(), options.output)) {
        errors << "tarnwick-decode: the output would overwrite the input " << input_name << '\n';
        return 2;
    }
    OutputSink out(options.output);
    if (!out.ok()) {
        errors << "tarnwick-decode: " << out.ErrorText() << '\n';
        return 2;
    }

    if (options.format == BatchFormat::Csv) WriteCsvHeader(out, header);
    BatchRun run(*columns, header.size(), options.format, out);
    run.set_max_record_bytes(reader.max_record_bytes());
    bool all_decoded = true;
    ReadResult result = ReadResult::End;
    while (!out.failed() && (result = reader.Next(record)) == ReadResult::Record) {
        all_decoded = run.Row(record) && all_decoded;
    }
    out.Close();
    if (out.failed()) {
        errors << "tarnwick-decode: " << out.ErrorText() << '\n';
        return 2;
    }
    if (result == ReadResult::Error) {
        errors << "tarnwick-decode: " << reader.ErrorText() << '\n';
        return 2;
    }
    return all_decoded ? 0 : 1;
}

}  // namespace tarnwick::cli
