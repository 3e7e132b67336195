// The batch command's loop: reads the input file in large pieces, feeds them
// to a batch session and writes what it gives, with the progress line.
#include "cli/batch.h"

#include <unistd.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "cli/file_io.h"
#include "cli/progress_meter.h"
#include "cli/system_files.h"

namespace tarnwick::cli {
namespace {

// The session is fed at most this much at a time, so that the records made
// before the output is opened stay few, and a pipe's rows come out soon.
constexpr std::size_t kMostFedBytes = std::size_t{64} << 10;

// The input file read in pieces into the session.
class InputFeeder {
public:
    InputFeeder(FdSource& source, BatchSession& session, std::size_t chunk_bytes)
        : source_(source), session_(session), piece_(std::max<std::size_t>(chunk_bytes, 1)) {}

    // Feeds the session the next bytes, or tells it the input has ended;
    // false once there is nothing more to feed, or after a read error or a
    // problem that ends the run. Records go to a std::string or an OutputBuffer.
    template <typename Output>
    bool FeedNext(Output& records) {
        if (pending_.empty()) {
            const long got = source_.Read(piece_.data(), piece_.size());
            if (got < 0) return false;
            if (got == 0) {
                session_.Finish(records);
                return false;
            }
            bytes_read_ += static_cast<std::uint64_t>(got);
            pending_ = std::string_view(piece_.data(), static_cast<std::size_t>(got));
        }
        const std::string_view bytes = pending_.substr(0, kMostFedBytes);
        pending_.remove_prefix(bytes.size());
        session_.Feed(bytes, records);
        return session_.problem().empty();
    }

    std::uint64_t bytes_read() const { return bytes_read_; }

private:
    FdSource& source_;
    BatchSession& session_;
    std::vector<char> piece_;
    std::string_view pending_;  // read but not yet fed
    std::uint64_t bytes_read_ = 0;
};

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& errors) {
    const auto complain = [&errors](std::string_view message) {
        errors << "tarnwick-decode: " << message << '\n';
        return 2;
    };
    const std::string input_name = options.input == "-" ? "standard input" : options.input;
    FdSource source(options.input);
    if (!source.ok()) return complain(source.ErrorText());

    BatchSettings settings = options.settings;
    settings.input_name = input_name;
    BatchSession session(std::move(settings));
    InputFeeder feeder(source, session, options.io_chunk_bytes);

    // The output is opened once the header has been read: a header lacking
    // a column leaves no output file behind.
    std::string first_records;
    bool more = true;
    while (more && !session.header_read())
        more = feeder.FeedNext(first_records);
    if (!session.problem().empty()) return complain(session.problem());
    if (!session.header_read()) return complain(source.ErrorText());

    // Opening the output truncates it, so the input must not be that file
    // (checked before the output is opened).
    const bool to_stdout = options.output.empty() || options.output == "-";
    if (to_stdout ? SameRegularFile(source.fd(), STDOUT_FILENO) : SameRegularFile(source.fd(), options.output))
        return complain("the output would overwrite the input " + input_name);
    OutputSink out(options.output, options.io_chunk_bytes);
    if (!out.ok()) return complain(out.ErrorText());
    if (!options.quiet) {
        for (const std::string& notice : session.notices())
            errors << "tarnwick-decode: " << notice << '\n';
    }
    source.set_before_wait([&out] { out.Flush(); });

    ProgressMeter progress(options.show_progress, source.file_size());
    out.Append(first_records);
    for (;;) {
        progress.Update(session.counts().read, feeder.bytes_read());
        if (!more || out.failed()) break;
        more = feeder.FeedNext(out);
    }
    progress.Erase();
    out.Close();
    if (out.reader_gone()) return 0;  // | head: the rows it took were written
    if (out.failed()) return complain(out.ErrorText());
    if (!session.problem().empty()) return complain(session.problem());
    if (!source.ErrorText().empty()) return complain(source.ErrorText());
    if (session.counts().failed() == 0) return 0;
    if (!options.quiet) errors << "tarnwick-decode: " << session.Summary() << '\n';
    return 1;
}

}  // namespace tarnwick::cli
