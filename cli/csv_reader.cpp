// The streaming CSV reader: records found in a buffer that grows as pieces
// are fed, with broken records cut at their first line.
#include "cli/csv_reader.h"

#include <algorithm>
#include <cstring>

namespace tarnwick::cli {

CsvReader::CsvReader(std::size_t max_record_bytes) : max_record_(max_record_bytes) { set_delimiter(','); }

void CsvReader::set_delimiter(char delimiter) {
    delimiter_ = delimiter;
    for (std::size_t byte = 0; byte < byte_kinds_.size(); ++byte) {
        const bool notable = byte < 0x20 || byte >= 0x80 || byte == ',' || byte == ';' || byte == '"' || byte == '\\';
        byte_kinds_[byte] = notable ? ByteKind::Notable : ByteKind::Ordinary;
    }
    for (const char end : {delimiter, '\n'})
        byte_kinds_[static_cast<unsigned char>(end)] = ByteKind::FieldEnd;
}

void CsvReader::Feed(std::string_view piece) {
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    ++feeds_;
    bytes_fed_ += piece.size();
    if (buffer_.size() < end_ + piece.size()) buffer_.resize(end_ + piece.size());
    std::memcpy(buffer_.data() + end_, piece.data(), piece.size());
    end_ += piece.size();
}

// Skips a UTF-8 byte-order mark; refuses UTF-16, whose every other byte
// would otherwise be read as a character.
ReadResult CsvReader::ReadStart() {
    if (end_ - begin_ < 3 && !eof_) return ReadResult::NeedMore;
    const std::string_view start(buffer_.data() + begin_, end_ - begin_);
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
        error_ = "it starts with a UTF-16 byte-order mark";
        return ReadResult::Error;
    }
    if (start.starts_with("\xEF\xBB\xBF")) begin_ += 3;
    started_ = true;
    return ReadResult::Record;
}

// An empty line (LF or CR LF) holds no record. A lone CR at the very end of
// the input is dropped as well.
CsvReader::LineStart CsvReader::SkipEmptyLine() {
    const char first = buffer_[begin_];
    if (first == '\n') {
        ++begin_;
        ++line_;
        return LineStart::Skipped;
    }
    if (first != '\r') return LineStart::Record;
    if (begin_ + 1 == end_) {
        if (!eof_) return LineStart::NeedMore;
        ++begin_;
        return LineStart::Skipped;
    }
    if (buffer_[begin_ + 1] != '\n') return LineStart::Record;
    begin_ += 2;
    ++line_;
    return LineStart::Skipped;
}

ReadResult CsvReader::Next(CsvRecord& record) {
    if (!started_) {
        const ReadResult start = ReadStart();
        if (start != ReadResult::Record) return start;
    }
    const ReadResult found = SkipToRecord();
    if (found != ReadResult::Record) return found;

    Step step = ReadRecord(record);
    // One byte past the limit is still read: deciding on the byte at the
    // limit may need a look at the byte after it.
    if (step == Step::NeedMore && end_ - begin_ <= max_record_ + 1) return ReadResult::NeedMore;
    // Otherwise judged by where the record ended or broke, not by how much of
    // it happened to be read: the verdict must not depend on how the input
    // arrives.
    if (step == Step::NeedMore || record_end_ - begin_ > max_record_) {
        step = Step::Broken;
        record.problem = RecordProblem::TooLong;
    }
    MovePast(record, step == Step::RecordDone);
    return ReadResult::Record;
}

ReadResult CsvReader::SkipToRecord() {
    for (;;) {
        if (skipping_broken_line_ && !SkipBrokenLine()) return ReadResult::NeedMore;
        if (begin_ == end_) return eof_ ? ReadResult::End : ReadResult::NeedMore;
        const LineStart line_start = SkipEmptyLine();
        if (line_start == LineStart::NeedMore) return ReadResult::NeedMore;
        if (line_start == LineStart::Record) return ReadResult::Record;
    }
}

void CsvReader::MovePast(CsvRecord& record, bool complete) {
    record.line = line_;
    last_start_ = begin_;
    last_line_ = line_;
    feeds_at_last_ = feeds_;
    if (complete) {
        Unescape(record);
        begin_ = record_end_;
        line_ += 1 + newlines_;
        return;
    }
    // Its first line becomes the broken record and the lines after it are
    // read afresh, so that an open quote cannot swallow them.
    const void* newline = std::memchr(buffer_.data() + begin_, '\n', end_ - begin_);
    const std::size_t line_end =
        newline == nullptr ? end_ : static_cast<std::size_t>(static_cast<const char*>(newline) - buffer_.data());
    KeepFieldsOfFirstLine(record, line_end);
    Unescape(record);
    ++line_;
    skipping_broken_line_ = true;
    SkipBrokenLine();
}

bool CsvReader::StepBack() {
    if (feeds_ != feeds_at_last_ || !escaped_fields_.empty()) return false;  // moved or unescaped in place
    begin_ = last_start_;
    skipping_broken_line_ = false;
    line_ = last_line_;
    return true;
}

CsvReader::Step CsvReader::ReadRecord(CsvRecord& record) {
    record.fields.clear();
    record.problem = RecordProblem::None;
    record.problem_field = 0;
    record.simple = true;
    escaped_fields_.clear();
    newlines_ = 0;
    std::size_t pos = begin_;
    for (;;) {
        const Step step =
            pos < end_ && buffer_[pos] == '"' ? ReadQuotedField(pos, record) : ReadPlainField(pos, record);
        if (step != Step::NextField) return step;
    }
}

CsvReader::Step CsvReader::ReadQuotedField(std::size_t& pos, CsvRecord& record) {
    const char* const bytes = buffer_.data();
    std::size_t search = pos + 1;
    bool escaped = false;
    std::size_t close = 0;
    for (;;) {
        const void* quote = std::memchr(bytes + search, '"', end_ - search);
        if (quote == nullptr)
            return eof_ ? BrokenAt(RecordProblem::UnclosedQuote, record.fields.size() + 1, end_, record)
                        : Step::NeedMore;
        close = static_cast<std::size_t>(static_cast<const char*>(quote) - bytes);
        if (close + 1 == end_ && !eof_) return Step::NeedMore;  // it may be the first of a pair
        if (close + 1 < end_ && bytes[close + 1] == '"') {
            escaped = true;
            search = close + 2;
            continue;
        }
        break;
    }
    newlines_ += static_cast<std::size_t>(std::count(bytes + pos + 1, bytes + close, '\n'));
    record.simple = false;
    if (escaped) escaped_fields_.push_back(record.fields.size());
    record.fields.emplace_back(bytes + pos + 1, close - pos - 1);
    pos = close + 1;
    return ReadFieldEnd(pos, record);
}

// After a closing quote: a delimiter, a line end or the end of input.
CsvReader::Step CsvReader::ReadFieldEnd(std::size_t& pos, CsvRecord& record) {
    if (pos == end_) {
        if (!eof_) return Step::NeedMore;
        record_end_ = pos;
        return Step::RecordDone;
    }
    const char after = buffer_[pos];
    if (after == delimiter_) {
        ++pos;
        return Step::NextField;
    }
    if (after == '\n') {
        record_end_ = pos + 1;
        return Step::RecordDone;
    }
    if (after == '\r') {
        if (pos + 1 == end_) {
            if (!eof_) return Step::NeedMore;
            record_end_ = pos + 1;
            return Step::RecordDone;
        }
        if (buffer_[pos + 1] == '\n') {
            record_end_ = pos + 2;
            return Step::RecordDone;
        }
    }
    return BrokenAt(RecordProblem::TextAfterQuote, record.fields.size(), pos, record);
}

CsvReader::Step CsvReader::ReadPlainField(std::size_t& pos, CsvRecord& record) {
    const char* const bytes = buffer_.data();
    std::size_t stop = pos;
    for (;; ++stop) {
        while (stop < end_ && byte_kinds_[static_cast<unsigned char>(bytes[stop])] == ByteKind::Ordinary)
            ++stop;
        if (stop == end_ || byte_kinds_[static_cast<unsigned char>(bytes[stop])] == ByteKind::FieldEnd) break;
        const bool line_end = bytes[stop] == '\r' && stop + 1 < end_ && bytes[stop + 1] == '\n';
        if (!line_end) record.simple = false;
    }
    if (stop < end_ && bytes[stop] == delimiter_) {
        record.fields.emplace_back(bytes + pos, stop - pos);
        pos = stop + 1;
        return Step::NextField;
    }
    if (stop == end_ && !eof_) return Step::NeedMore;
    // The line end, or the end of input; a CR before it belongs to the line end.
    record_end_ = stop == end_ ? stop : stop + 1;
    if (stop > pos && bytes[stop - 1] == '\r') --stop;
    record.fields.emplace_back(bytes + pos, stop - pos);
    return Step::RecordDone;
}

// A broken record reports where the fault showed, so that the caller can
// tell a fault within the length limit from one beyond it.
CsvReader::Step CsvReader::BrokenAt(RecordProblem problem, std::size_t field, std::size_t pos, CsvRecord& record) {
    record.problem = problem;
    record.problem_field = field;
    record_end_ = pos;
    return Step::Broken;
}

// The fields before the broken one that end on the record's first line
// and within the length limit: they name the row in its error record.
// Their bytes lie before the place reading resumes, so unescaping them in
// place cannot disturb the lines read afresh.
void CsvReader::KeepFieldsOfFirstLine(CsvRecord& record, std::size_t line_end) {
    std::size_t keep = record.problem == RecordProblem::TooLong ? record.fields.size() : record.problem_field - 1;
    keep = std::min(keep, record.fields.size());
    const char* const limit = buffer_.data() + std::min(line_end, begin_ + max_record_);
    for (std::size_t i = 0; i < keep; ++i) {
        if (record.fields[i].data() + record.fields[i].size() > limit) {
            keep = i;
            break;
        }
    }
    record.fields.resize(keep);
    std::erase_if(escaped_fields_, [keep](std::size_t index) { return index >= keep; });
}

void CsvReader::Unescape(CsvRecord& record) {
    for (std::size_t index : escaped_fields_) {
        std::string_view& field = record.fields[index];
        char* const start = buffer_.data() + (field.data() - buffer_.data());
        char* out = start;
        for (std::size_t i = 0; i < field.size(); ++i) {
            *out++ = field[i];
            if (field[i] == '"') ++i;  // the second quote of a pair
        }
        field = std::string_view(start, static_cast<std::size_t>(out - start));
    }
}

// Past the end of the line a broken record started on; false while that
// line end has not arrived.
bool CsvReader::SkipBrokenLine() {
    const void* newline = std::memchr(buffer_.data() + begin_, '\n', end_ - begin_);
    if (newline == nullptr) {
        begin_ = end_;
        if (!eof_) return false;
    } else {
        begin_ = static_cast<std::size_t>(static_cast<const char*>(newline) - buffer_.data()) + 1;
    }
    skipping_broken_line_ = false;
    return true;
}

}  // namespace tarnwick::cli
