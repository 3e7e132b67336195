// Arbitrary bytes through the streaming CSV reader: it always reaches the end,
// and yields the same records whatever sizes the input arrives in and
// whatever its buffer size.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/csv_reader.h"

namespace {

using namespace tarnwick::cli;

class PieceSource : public ByteSource {
public:
    PieceSource(std::string_view text, std::size_t piece) : text_(text), piece_(piece) {}

    long Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, piece_, text_.size() - pos_});
        std::copy_n(text_.data() + pos_, n, buffer);
        pos_ += n;
        return static_cast<long>(n);
    }
    std::string ErrorText() const override { return "unused"; }

private:
    std::string_view text_;
    std::size_t piece_;
    std::size_t pos_ = 0;
};

struct Record {
    std::vector<std::string> fields;
    std::uint64_t line;
    RecordProblem problem;
    bool operator==(const Record&) const = default;
};

std::vector<Record> ReadAll(std::string_view text, std::size_t piece, std::size_t max_record, std::size_t chunk) {
    PieceSource source(text, piece);
    CsvReader reader(source, max_record, chunk);
    CsvRecord record;
    std::vector<Record> records;
    ReadResult result;
    while ((result = reader.Next(record)) == ReadResult::Record) {
        if (record.problem == RecordProblem::None && record.fields.empty()) std::abort();
        records.push_back({{record.fields.begin(), record.fields.end()}, record.line, record.problem});
        if (records.size() > text.size() + 1) std::abort();  // more records than lines: a loop
    }
    // Only a UTF-16 file is refused; it is refused before any record.
    const bool utf16 = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
    if (result != (utf16 ? ReadResult::Error : ReadResult::End) || (utf16 && !records.empty())) std::abort();
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0] % 7;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t max_record = 64;
    if (ReadAll(text, piece, max_record, 16) != ReadAll(text, text.size() + 1, max_record, 4096)) std::abort();
    return 0;
}
