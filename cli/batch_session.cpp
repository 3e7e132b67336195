// The batch session: the header read and mapped to the plate's columns, then
// every data row judged and written, piece by piece as the input arrives.
#include "cli/batch_session.h"

#include <algorithm>
#include <utility>

#include "cli/blank_text.h"
#include "cli/carried_columns.h"
#include "cli/decimal_text.h"
#include "cli/output_buffer.h"
#include "cli/record_writers.h"
#include "cli/string_output.h"

namespace tarnwick::cli {
namespace {

constexpr std::array<char, 3> kAutoDelimiters = {',', ';', '\t'};

constexpr std::string_view kNeededColumns = "year,warranty,body,color,trim,date,dso,axle,trans";

constexpr std::string_view kUtf16Hint = "; save it as UTF-8 (CSV UTF-8 in a spreadsheet) and try again";

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

// The header as read under one delimiter, and where the decode finds its
// columns in it.
struct Header {
    std::vector<std::string> names;  // as UTF-8
    char delimiter = ',';
    std::optional<ColumnMap> columns;  // nullopt when a column is missing or doubled
};

enum class HeaderOutcome : std::uint8_t { Read, NeedMore, Failed };

class HeaderReader {
public:
    HeaderReader(CsvReader& reader, const BatchSettings& settings) : reader_(reader), settings_(settings) {}

    // The header under the delimiter given, or under the first of the usual
    // ones that gives it its columns. Failed with problem saying why; the
    // attempt that gave the most fields is then in best().
    HeaderOutcome Read(Header& header, std::string& problem) {
        best_.reset();
        bool first = true;
        for (char delimiter : settings_.delimiter != 0
                                  ? std::vector<char>{settings_.delimiter}
                                  : std::vector<char>(kAutoDelimiters.begin(), kAutoDelimiters.end())) {
            if (!first && !reader_.StepBack()) break;
            first = false;
            reader_.set_delimiter(delimiter);
            std::string attempt_problem;
            std::optional<Header> attempt;
            const HeaderOutcome outcome = ReadWith(attempt, attempt_problem);
            if (outcome == HeaderOutcome::NeedMore) return outcome;
            if (outcome == HeaderOutcome::Failed) {
                problem = attempt_problem;
                return outcome;
            }
            if (attempt->columns) {
                header = std::move(*attempt);
                return HeaderOutcome::Read;
            }
            if (!best_ || attempt->names.size() > best_->names.size()) {
                problem = attempt_problem;
                best_ = std::move(attempt);
            }
        }
        return HeaderOutcome::Failed;
    }

    const std::optional<Header>& best() const { return best_; }

private:
    // Failed only for a problem no other delimiter can help with; a header
    // that does not map is Read with its problem set.
    HeaderOutcome ReadWith(std::optional<Header>& header, std::string& problem) {
        CsvRecord record;
        switch (reader_.Next(record)) {
            case ReadResult::NeedMore:
                return HeaderOutcome::NeedMore;
            case ReadResult::Error:
                problem = settings_.input_name + " is UTF-16 (" + reader_.ErrorText() + ")" + std::string(kUtf16Hint);
                return HeaderOutcome::Failed;
            case ReadResult::End:
                problem = settings_.input_name + (reader_.bytes_fed() == 0 ? " is empty" : " holds no header line") +
                          "; its first line must be a header naming the columns " + std::string(kNeededColumns);
                return HeaderOutcome::Failed;
            case ReadResult::Record:
                break;
        }
        const std::string prefix = settings_.input_name + ": ";
        if (record.problem == RecordProblem::TooLong) {
            problem = prefix + "the header line is longer than the limit of " +
                      std::to_string(reader_.max_record_bytes()) + " bytes";
            return HeaderOutcome::Failed;
        }
        header.emplace();
        header->delimiter = reader_.delimiter();
        if (record.problem != RecordProblem::None) {
            problem = prefix + "the header line has a quote out of place (read with the delimiter " +
                      std::string(DelimiterName(reader_.delimiter())) + ")";
            return HeaderOutcome::Read;
        }
        for (std::string_view field : record.fields) {
            if (field.find('\0') != std::string_view::npos) {
                problem = settings_.input_name + " is UTF-16 without a byte-order mark (its header holds NUL bytes)" +
                          std::string(kUtf16Hint);
                return HeaderOutcome::Failed;
            }
            if (settings_.encoding == InputEncoding::Utf8 && !IsUtf8(field)) {
                problem = prefix +
                          "the header is not UTF-8; give --encoding windows-1252 (or latin-1) for a file "
                          "saved in a Windows character set";
                return HeaderOutcome::Failed;
            }
            header->names.emplace_back();
            AppendAsUtf8(field, settings_.encoding, header->names.back());
        }
        const std::string split_note = " (columns split at " + std::string(DelimiterName(reader_.delimiter())) + ")";
        header->columns = MapColumns(header->names, settings_.columns, split_note, problem);
        if (!header->columns) problem.insert(0, prefix);
        return HeaderOutcome::Read;
    }

    CsvReader& reader_;
    const BatchSettings& settings_;
    std::optional<Header> best_;
};

}  // namespace

// The records of a batch, written as its rows are read.
class BatchRun {
public:
    BatchRun(const BatchSettings& settings, const std::vector<std::string>& names, const ColumnMap& columns,
             std::size_t max_record_bytes)
        : settings_(settings),
          columns_(columns),
          names_(names),
          column_count_(names.size()),
          max_record_bytes_(max_record_bytes),
          fields_(column_count_),
          carried_(CarryColumns(names, settings.format == BatchFormat::Csv)),
          csv_style_(settings.output_delimiter, settings.crlf),
          json_keys_(JsonInputKeys(carried_.names)) {}

    void WriteHeader(OutputBuffer& out) {
        if (settings_.format != BatchFormat::Csv) return;
        if (settings_.bom) out.Append(kByteOrderMark);
        WriteCsvHeader(out, carried_.names, csv_style_);
    }

    const std::vector<std::string>& notices() const { return carried_.notices; }

    void Row(const CsvRecord& record, OutputBuffer& out, const std::function<void(const RowReport&)>& observer) {
        ++counts_.read;
        if (TakeFields(record)) Judge();
        Write(out);
        if (observer) observer(RowReport{counts_.read, record.line, verdict_, fields_});
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
                const bool open = record.problem == RecordProblem::UnclosedQuote;
                message += open ? "the quote that opens field " : "field ";
                message += DecimalText(record.problem_field).view();
                message += open ? " is never closed" : " has text after its closing quote";
                message +=
                    " (a field holding a delimiter, quote or line break must be quoted whole, its quotes "
                    "doubled).";
            }
            InputError(message);
            ConvertFields(record);  // what was read names the row
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
            message +=
                "\" holds bytes that are not UTF-8; give --encoding windows-1252 (or latin-1) for a file saved "
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
            const bool as_is = settings_.encoding == InputEncoding::Utf8 ? IsUtf8(field) : IsAscii(field);
            if (as_is) {
                fields_[i] = field;
                continue;
            }
            if (settings_.encoding == InputEncoding::Utf8 && bad_column == kNoColumn) bad_column = i;
            const std::size_t start = converted_.size();
            AppendAsUtf8(field, settings_.encoding, converted_);
            fields_[i] = std::string_view(converted_).substr(start);
        }
        return bad_column;
    }

    std::string_view Code(std::size_t column) const {
        if (column == kNoColumn) return {};
        return TrimBlanksIf(fields_[column], settings_.trim);
    }

    void Judge() {
        PlateRequest request;
        request.year = settings_.year ? std::string_view(*settings_.year) : Code(columns_.year);
        if (settings_.columns.warranty_only) {
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

    void Write(OutputBuffer& out) {
        if (!verdict_.ok()) ++counts_.failed_by_kind[static_cast<std::size_t>(verdict_.kind())];
        if (settings_.format == BatchFormat::Jsonl) {
            const JsonRowInput input{json_keys_, fields_, plain_};
            WriteJsonRecord(out, verdict_, counts_.read, &input);
            return;
        }
        const std::span<const std::string_view> carried(fields_.data(), carried_.names.size());
        WriteCsvRecord(out, carried, counts_.read, verdict_, csv_style_, plain_);
    }

    const BatchSettings& settings_;
    ColumnMap columns_;
    const std::vector<std::string>& names_;
    std::size_t column_count_;
    std::size_t max_record_bytes_;
    std::vector<std::string_view> fields_;
    CarriedColumns carried_;
    CsvStyle csv_style_;
    std::string converted_;
    bool plain_ = false;  // fields_ holds plain ASCII that needs no quotes or escapes
    std::vector<std::string> json_keys_;
    PlateJudge judge_;
    Verdict verdict_;
    RowCounts counts_;
};

BatchSession::BatchSession(BatchSettings settings) : settings_(std::move(settings)) {}

BatchSession::~BatchSession() = default;

void BatchSession::Feed(std::string_view piece, std::string& output) {
    StringOutput out(output);
    Feed(piece, out);
}

void BatchSession::Finish(std::string& output) {
    StringOutput out(output);
    Finish(out);
}

void BatchSession::Feed(std::string_view piece, OutputBuffer& output) {
    if (!problem_.empty()) return;
    reader_.Feed(piece);
    Decode(output);
}

void BatchSession::Finish(OutputBuffer& output) {
    if (!problem_.empty()) return;
    reader_.FinishInput();
    Decode(output);
}

void BatchSession::Decode(OutputBuffer& output) {
    if (run_ == nullptr && !ReadHeader(output)) return;
    CsvRecord record;
    for (;;) {
        const ReadResult result = reader_.Next(record);
        if (result == ReadResult::Record) {
            run_->Row(record, output, observer_);
            continue;
        }
        if (result == ReadResult::Error) problem_ = reader_.ErrorText();
        return;
    }
}

// True once the header is read and the csv header line written.
bool BatchSession::ReadHeader(OutputBuffer& output) {
    Header header;
    switch (HeaderReader(reader_, settings_).Read(header, problem_)) {
        case HeaderOutcome::NeedMore:
            problem_.clear();
            return false;
        case HeaderOutcome::Failed:
            return false;
        case HeaderOutcome::Read:
            break;
    }
    problem_.clear();
    header_names_ = std::move(header.names);
    run_ = std::make_unique<BatchRun>(settings_, header_names_, *header.columns, reader_.max_record_bytes());
    run_->WriteHeader(output);
    return true;
}

const std::vector<std::string>& BatchSession::notices() const {
    static const std::vector<std::string> kNone;
    return run_ != nullptr ? run_->notices() : kNone;
}

const RowCounts& BatchSession::counts() const {
    static const RowCounts kNone;
    return run_ != nullptr ? run_->counts() : kNone;
}

std::string BatchSession::Summary() const {
    const RowCounts& counts = this->counts();
    std::string line = std::to_string(counts.read) + (counts.read == 1 ? " row read, " : " rows read, ") +
                       std::to_string(counts.decoded()) + " decoded, " + std::to_string(counts.failed()) + " failed (";
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

void BatchSession::set_row_observer(std::function<void(const RowReport&)> observer) { observer_ = std::move(observer); }

std::optional<HeaderPreview> PreviewHeader(std::string_view start, const BatchSettings& settings,
                                           std::string& problem) {
    CsvReader reader;
    reader.Feed(start);
    HeaderReader header_reader(reader, settings);
    Header header;
    HeaderOutcome outcome = header_reader.Read(header, problem);
    if (outcome == HeaderOutcome::NeedMore) {
        reader.FinishInput();  // start is the whole file
        outcome = header_reader.Read(header, problem);
    }
    if (outcome == HeaderOutcome::Failed) {
        if (!header_reader.best() || header_reader.best()->names.empty()) return std::nullopt;
        header = *header_reader.best();
    }
    problem.clear();
    HeaderPreview preview;
    preview.names = std::move(header.names);
    preview.delimiter = header.delimiter;
    preview.columns = FindBatchColumns(preview.names, settings.columns);
    return preview;
}

}  // namespace tarnwick::cli
