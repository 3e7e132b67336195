// Arbitrary bytes through the streaming CSV reader: it always reaches the end,
// and yields the same records whatever sizes the input arrives in.
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

struct Record {
    std::vector<std::string> fields;
    std::uint64_t line;
    RecordProblem problem;
    bool operator==(const Record&) const = default;
};

std::vector<Record> ReadAll(std::string_view text, std::size_t piece, std::size_t max_record) {
    CsvReader reader(max_record);
    CsvRecord record;
    std::vector<Record> records;
    ReadResult result;
    std::size_t fed = 0;
    while ((result = reader.Next(record)) == ReadResult::Record || result == ReadResult::NeedMore) {
        if (result == ReadResult::NeedMore) {
            if (fed == text.size()) {
                reader.FinishInput();
                continue;
            }
            reader.Feed(text.substr(fed, piece));
            fed = std::min(text.size(), fed + piece);
            continue;
        }
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
    if (ReadAll(text, piece, max_record) != ReadAll(text, text.size() + 1, max_record)) std::abort();
    return 0;
}
