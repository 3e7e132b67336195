#include "cli/csv_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tarnwick::cli {

namespace {

constexpr std::array<bool, 256> MakeUnquotedStops() {
    std::array<bool, 256> stops{};
    stops[','] = stops['\n'] = stops['"'] = true;
    return stops;
}
constexpr std::array<bool, 256> kUnquotedStops = MakeUnquotedStops();

// The first comma, line feed or quote at or after p.
std::size_t UnquotedEnd(const char* b, std::size_t p, std::size_t e) {
    while (p < e && !kUnquotedStops[static_cast<unsigned char>(b[p])])
        ++p;
    return p;
}

}  // namespace

CsvReader::CsvReader(ByteSource& source, std::size_t max_record_bytes, std::size_t chunk_bytes)
    : source_(source), max_record_(max_record_bytes), buffer_(max_record_bytes + chunk_bytes + 1) {}

bool CsvReader::Fill() {
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const long got = source_.Read(buffer_.data() + end_, buffer_.size() - end_);
    if (got < 0) return false;
    if (got == 0) eof_ = true;
    end_ += static_cast<std::size_t>(got);
    return true;
}

bool CsvReader::SkipPastNewline() {
    for (;;) {
        begin_ = end_;
        if (eof_) return true;
        if (!Fill()) return false;
        const void* newline = std::memchr(buffer_.data(), '\n', end_);
        if (newline != nullptr) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(newline) - buffer_.data()) + 1;
            return true;
        }
    }
}

ReadResult CsvReader::Next(CsvRecord& record) {
    if (!started_) {
        while (end_ - begin_ < 3 && !eof_) {
            if (!Fill()) return ReadResult::Error;
        }
        if (end_ - begin_ >= 3 && std::memcmp(buffer_.data() + begin_, "\xEF\xBB\xBF", 3) == 0) begin_ += 3;
        started_ = true;
    }
    for (;;) {
        if (begin_ == end_) {
            if (eof_) return ReadResult::End;
            if (!Fill()) return ReadResult::Error;
            continue;
        }
        // Empty lines hold no record.
        const char first = buffer_[begin_];
        if (first == '\n') {
            ++begin_;
            ++line_;
            continue;
        }
        if (first == '\r') {
            if (begin_ + 1 == end_ && !eof_) {
                if (!Fill()) return ReadResult::Error;
                continue;
            }
            if (begin_ + 1 == end_) {  // a lone CR ends the input
                ++begin_;
                continue;
            }
            if (buffer_[begin_ + 1] == '\n') {
                begin_ += 2;
                ++line_;
                continue;
            }
        }

        std::size_t record_end = 0;
        std::size_t newlines = 0;
        Scan scan = ScanRecord(record, record_end, newlines);
        if (scan == Scan::NeedMore) {
            // One byte past the limit is still read: deciding on the byte at
            // the limit may need a look at the byte after it.
            if (end_ - begin_ <= max_record_ + 1) {
                if (!Fill()) return ReadResult::Error;
                continue;
            }
            scan = Scan::Broken;
            record.problem = RecordProblem::TooLong;
        } else if (record_end - begin_ > max_record_) {
            // Judged by where the record ended or broke, not by how much of
            // it happened to be read: the verdict must not depend on how the
            // input arrives.
            scan = Scan::Broken;
            record.problem = RecordProblem::TooLong;
        }

        record.line = line_;
        if (scan == Scan::Complete) {
            std::size_t text_end = record_end;
            if (text_end > begin_ && buffer_[text_end - 1] == '\n') --text_end;
            if (text_end > begin_ && buffer_[text_end - 1] == '\r') --text_end;
            record.source_text = escaped_fields_.empty() ? std::string_view(buffer_.data() + begin_, text_end - begin_)
                                                         : std::string_view();
            Unescape(record);
            begin_ = record_end;
            line_ += 1 + newlines;
            return ReadResult::Record;
        }

        record.source_text = {};
        // Broken: its first line becomes the broken record and the lines
        // after it are read afresh, so a stray quote cannot swallow them.
        record.fields.clear();
        ++line_;
        const void* newline = std::memchr(buffer_.data() + begin_, '\n', end_ - begin_);
        if (newline != nullptr) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(newline) - buffer_.data()) + 1;
        } else if (!SkipPastNewline()) {
            return ReadResult::Error;
        }
        return ReadResult::Record;
    }
}

CsvReader::Scan CsvReader::ScanRecord(CsvRecord& record, std::size_t& record_end, std::size_t& newlines) {
    record.fields.clear();
    record.problem = RecordProblem::None;
    record.problem_field = 0;
    escaped_fields_.clear();

    const char* const b = buffer_.data();
    const std::size_t e = end_;
    std::size_t p = begin_;
    // A broken record reports where the fault showed, so that the caller can
    // tell a fault within the length limit from one beyond it.
    const auto broken_at = [&record, &record_end](std::size_t field, std::size_t at) {
        record.problem = RecordProblem::BrokenQuote;
        record.problem_field = field;
        record_end = at;
        return Scan::Broken;
    };

    for (;;) {
        if (p < e && b[p] == '"') {
            std::size_t q = p + 1;
            bool escaped = false;
            std::size_t close = 0;
            for (;;) {
                const void* hit = std::memchr(b + q, '"', e - q);
                if (hit == nullptr) return eof_ ? broken_at(record.fields.size() + 1, e) : Scan::NeedMore;
                const auto r = static_cast<std::size_t>(static_cast<const char*>(hit) - b);
                if (r + 1 == e && !eof_) return Scan::NeedMore;
                if (r + 1 < e && b[r + 1] == '"') {
                    escaped = true;
                    q = r + 2;
                    continue;
                }
                close = r;
                break;
            }
            newlines += static_cast<std::size_t>(std::count(b + p + 1, b + close, '\n'));
            if (escaped) escaped_fields_.push_back(record.fields.size());
            record.fields.emplace_back(b + p + 1, close - p - 1);
            p = close + 1;
            if (p == e) {  // only reached at the end of input
                record_end = p;
                return Scan::Complete;
            }
            const char after = b[p];
            if (after == ',') {
                ++p;
                continue;
            }
            if (after == '\n') {
                record_end = p + 1;
                return Scan::Complete;
            }
            if (after == '\r') {
                if (p + 1 == e) {
                    if (!eof_) return Scan::NeedMore;
                    record_end = p + 1;
                    return Scan::Complete;
                }
                if (b[p + 1] == '\n') {
                    record_end = p + 2;
                    return Scan::Complete;
                }
            }
            return broken_at(record.fields.size(), p);
        }

        const std::size_t q = UnquotedEnd(b, p, e);
        if (q == e) {
            if (!eof_) return Scan::NeedMore;
            std::size_t stop = q;
            if (stop > p && b[stop - 1] == '\r') --stop;
            record.fields.emplace_back(b + p, stop - p);
            record_end = q;
            return Scan::Complete;
        }
        if (b[q] == '"') return broken_at(record.fields.size() + 1, q);
        if (b[q] == ',') {
            record.fields.emplace_back(b + p, q - p);
            p = q + 1;
            continue;
        }
        std::size_t stop = q;
        if (stop > p && b[stop - 1] == '\r') --stop;
        record.fields.emplace_back(b + p, stop - p);
        record_end = q + 1;
        return Scan::Complete;
    }
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

}  // namespace tarnwick::cli
