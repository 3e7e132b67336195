// Arbitrary CSV through the batch command end to end: it never crashes, and
// writes exactly one record per data row read, numbered 1, 2, 3 … in order.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/csv_reader.h"
#include "cli/file_io.h"

namespace {

using namespace tarnwick::cli;

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
std::size_t CountDataRows(const std::string& path) {
    FdSource source(path);
    CsvReader reader(source);
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte says whether to put a good header in front, so that most
    // inputs reach the rows.
    std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 1) input.insert(0, kHeader);
    const MemoryFile in(input);
    const MemoryFile out("");
    std::ostringstream errors;
    const int status = RunBatch({in.Path(), out.Path(), BatchFormat::Jsonl}, errors);
    if (status == 2) {
        if (errors.str().empty()) std::abort();  // a failure always says why
        return 0;
    }
    if (status != 0 && status != 1) std::abort();
    const std::size_t rows = CountDataRows(in.Path());
    CheckJsonLines(out.Content(), rows);
    if ((status == 0) != (out.Content().find("\"ok\":false") == std::string::npos)) std::abort();
    return 0;
}
