// The tool's batch session as the page's worker sees it: settings from a
// JavaScript object, input pieces in as bytes, output pieces out as views
// of bytes, and after a run what the page shows besides the download: the
// summary, the failing rows and the decoded cars counted for the report.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cli/batch_session.h"
#include "cli/output_buffer.h"
#include "decoder/model_year.h"

namespace tarnwick::web {
namespace {

using emscripten::val;

// The failing rows handed to the page; the download holds them all.
constexpr std::size_t kMostFailuresKept = 1000;

cli::BatchSettings SettingsOf(const val& given) {
    cli::BatchSettings settings;
    settings.format = given["format"].as<std::string>() == "jsonl" ? cli::BatchFormat::Jsonl : cli::BatchFormat::Csv;
    const auto delimiter = given["delimiter"].as<std::string>();
    settings.delimiter = delimiter.empty() ? '\0' : delimiter.front();
    settings.encoding = cli::ParseEncoding(given["encoding"].as<std::string>()).value_or(cli::InputEncoding::Utf8);
    if (auto year = given["year"].as<std::string>(); !year.empty()) settings.year = std::move(year);
    settings.columns.year_given = settings.year.has_value();
    settings.columns.warranty_only = given["warrantyOnly"].as<bool>();
    settings.trim = given["trim"].as<bool>();
    const val renames = given["renames"];
    const auto count = renames["length"].as<std::size_t>();
    for (std::size_t i = 0; i < count; ++i)
        settings.columns.renames.push_back({renames[i][0].as<std::string>(), renames[i][1].as<std::string>()});
    settings.input_name = given["inputName"].as<std::string>();
    settings.output_delimiter = given["outputDelimiter"].as<std::string>().front();
    settings.bom = given["bom"].as<bool>();
    settings.crlf = given["crlf"].as<bool>();
    return settings;
}

// How many decoded cars gave each text of one result. The texts counted are
// views of the constant tables, so while counting a text's place in memory
// stands for it: a row costs a probe or two of a small open-addressed table,
// not a hash of its characters. Texts that read the same, from two years'
// tables, are joined when the rows are asked for.
class Tally {
public:
    void Add(std::string_view text) {
        for (std::size_t i = Slot(text.data());; i = (i + 1) & (places_.size() - 1)) {
            Place& place = places_[i];
            if (place.count == 0) {
                place = {text, 1};
                if (++used_ * 2 > places_.size()) Grow();
                return;
            }
            if (place.text.data() == text.data() && place.text.size() == text.size()) {
                ++place.count;
                return;
            }
        }
    }

    std::uint64_t CountOf(std::string_view text) const { return ByText()[text]; }

    // [[text, count], …] in no particular order.
    val Rows() const {
        val rows = val::array();
        for (const auto& [text, count] : ByText())
            rows.call<void>("push", Row(text, count));
        return rows;
    }

    static val Row(std::string_view text, std::uint64_t count) {
        val row = val::array();
        row.call<void>("push", std::string(text));
        row.call<void>("push", static_cast<double>(count));
        return row;
    }

private:
    struct Place {
        std::string_view text;
        std::uint64_t count = 0;
    };

    // The table's size stays a power of two, so a mask keeps a slot in it.
    std::size_t Slot(const char* data) const {
        std::uint32_t hash = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(data)) * 2654435761u;
        hash ^= hash >> 16;
        return hash & (places_.size() - 1);
    }

    void Grow() {
        std::vector<Place> old(places_.size() * 2);
        old.swap(places_);
        for (const Place& place : old) {
            if (place.count == 0) continue;
            std::size_t i = Slot(place.text.data());
            while (places_[i].count > 0)
                i = (i + 1) & (places_.size() - 1);
            places_[i] = place;
        }
    }

    std::unordered_map<std::string_view, std::uint64_t> ByText() const {
        std::unordered_map<std::string_view, std::uint64_t> counts;
        for (const Place& place : places_)
            if (place.count > 0) counts[place.text] += place.count;
        return counts;
    }

    std::vector<Place> places_ = std::vector<Place>(64);
    std::size_t used_ = 0;
};

// The output of one call into the session, written straight into memory
// that the worker copies out of; it grows as needed and is never cleared.
class ByteOutput : public cli::OutputBuffer {
public:
    void Reset() {
        next_ = bytes_.get();
        end_ = next_ + capacity_;
    }

    val View() const {
        return val(emscripten::typed_memory_view(static_cast<std::size_t>(next_ - bytes_.get()),
                                                 reinterpret_cast<const std::uint8_t*>(bytes_.get())));
    }

private:
    void AppendSlow(std::string_view text) override {
        const auto used = static_cast<std::size_t>(next_ - bytes_.get());
        const std::size_t capacity = std::max({capacity_ * 2, used + text.size(), std::size_t{1} << 16});
        std::unique_ptr<char[]> grown(new char[capacity]);
        if (used > 0) std::memcpy(grown.get(), bytes_.get(), used);
        std::memcpy(grown.get() + used, text.data(), text.size());
        bytes_ = std::move(grown);
        capacity_ = capacity;
        next_ = bytes_.get() + used + text.size();
        end_ = bytes_.get() + capacity;
    }

    std::unique_ptr<char[]> bytes_;
    std::size_t capacity_ = 0;
};

// A failing row as the form takes it back.
struct FailingRow {
    std::uint64_t row = 0;
    std::string year;
    bool warranty_only = false;
    std::array<std::string, kAllFields.size()> texts;
    int field = -1;
    std::vector<std::string> lines;
};

class BatchRun {
public:
    explicit BatchRun(const val& settings) : settings_(SettingsOf(settings)), session_(settings_) {
        session_.set_row_observer([this](const cli::RowReport& report) { Observe(report); });
    }

    // Room for the next piece of input, which the worker copies in before
    // Feed: embind would copy a Uint8Array into a std::string byte by byte.
    val InputBuffer(std::size_t size) {
        input_.resize(size);
        return val(emscripten::typed_memory_view(input_.size(), reinterpret_cast<std::uint8_t*>(input_.data())));
    }

    val Feed() {
        output_.Reset();
        session_.Feed(input_, output_);
        return output_.View();
    }

    val Finish() {
        output_.Reset();
        session_.Finish(output_);
        return output_.View();
    }

    std::string Problem() const { return session_.problem(); }
    double RowsRead() const { return static_cast<double>(session_.counts().read); }

    // {rowsRead, summary, notices, failures, failureCount, tallies}.
    val Outcome() const {
        val outcome = val::object();
        outcome.set("rowsRead", RowsRead());
        outcome.set("summary", Summary());
        val notices = val::array();
        for (const std::string& notice : session_.notices())
            notices.call<void>("push", notice);
        outcome.set("notices", notices);
        outcome.set("failureCount", static_cast<double>(session_.counts().failed()));
        val failures = val::array();
        for (const FailingRow& failing : failures_)
            failures.call<void>("push", FailureOf(failing));
        outcome.set("failures", failures);
        val tallies = val::object();
        val years = val::array();
        for (ModelYear year : kAllModelYears) {
            if (const std::uint64_t count = years_.CountOf(YearLabel(year)); count > 0)
                years.call<void>("push", Tally::Row(YearLabel(year), count));
        }
        tallies.set("modelYear", years);
        tallies.set("assemblyPlant", plants_.Rows());
        tallies.set("bodyStyle", bodies_.Rows());
        tallies.set("exteriorColor", colors_.Rows());
        outcome.set("tallies", tallies);
        return outcome;
    }

private:
    // The tool writes its summary line only when a row failed; with none
    // the page ends the line at the count.
    std::string Summary() const {
        std::string line = session_.Summary();
        if (session_.counts().failed() == 0 && line.ends_with(" ()")) line.resize(line.size() - 3);
        return line;
    }

    void Observe(const cli::RowReport& report) {
        const cli::Verdict& verdict = report.verdict;
        if (verdict.ok()) {
            const DecodeResults& results = verdict.results();
            years_.Add(results[ResultItem::Year]);
            plants_.Add(results[ResultItem::Plant]);
            bodies_.Add(results[ResultItem::BodyStyle]);
            colors_.Add(results[ResultItem::Exterior]);
            return;
        }
        if (failures_.size() < kMostFailuresKept) failures_.push_back(FailingRowOf(report));
    }

    // The columns a row is read from, known once the header is.
    const std::array<std::size_t, cli::kBatchColumnCount>& Columns() {
        if (!columns_) columns_ = cli::FindBatchColumns(session_.header_names(), settings_.columns);
        return *columns_;
    }

    FailingRow FailingRowOf(const cli::RowReport& report) {
        const auto& columns = Columns();
        const auto text = [&report](std::size_t column) {
            return column < report.fields.size() ? std::string(report.fields[column]) : std::string();
        };
        FailingRow failing;
        failing.row = report.row;
        failing.year = settings_.year ? *settings_.year : text(columns[0]);
        for (std::size_t i = 0; i < kAllFields.size(); ++i)
            failing.texts[i] = text(columns[i + 1]);
        failing.warranty_only =
            settings_.columns.warranty_only ||
            cli::ParseWarrantyOnlyFlag(text(columns[cli::kBatchColumnCount - 1])).value_or(false);
        if (report.verdict.field()) failing.field = static_cast<int>(*report.verdict.field());
        for (std::string_view line : report.verdict.lines())
            failing.lines.emplace_back(line);
        return failing;
    }

    static val FailureOf(const FailingRow& failing) {
        val failure = val::object();
        failure.set("row", static_cast<double>(failing.row));
        failure.set("year", failing.year);
        const std::optional<ModelYear> year = ParseModelYear(failing.year);
        failure.set("yearIndex", year ? static_cast<int>(*year) : -1);
        failure.set("warrantyOnly", failing.warranty_only);
        val texts = val::array();
        for (const std::string& text : failing.texts)
            texts.call<void>("push", text);
        failure.set("texts", texts);
        failure.set("field", failing.field);
        val lines = val::array();
        for (const std::string& line : failing.lines)
            lines.call<void>("push", line);
        failure.set("lines", lines);
        return failure;
    }

    cli::BatchSettings settings_;
    cli::BatchSession session_;
    std::string input_;
    ByteOutput output_;
    std::optional<std::array<std::size_t, cli::kBatchColumnCount>> columns_;
    Tally years_;
    Tally plants_;
    Tally bodies_;
    Tally colors_;
    std::vector<FailingRow> failures_;
};

// {names, delimiter, columns: {year: index or -1, …}, problem}.
val PreviewHeaderOf(const std::string& start, const val& settings) {
    std::string problem;
    const std::optional<cli::HeaderPreview> preview = cli::PreviewHeader(start, SettingsOf(settings), problem);
    val out = val::object();
    out.set("problem", problem);
    if (!preview) return out;
    val names = val::array();
    for (const std::string& name : preview->names)
        names.call<void>("push", name);
    out.set("names", names);
    out.set("delimiter", std::string(1, preview->delimiter));
    val columns = val::object();
    for (std::size_t i = 0; i < cli::kBatchColumnCount; ++i) {
        const std::size_t column = preview->columns[i];
        columns.set(std::string(cli::BatchColumnName(i)), column == cli::kNoColumn ? -1 : static_cast<int>(column));
    }
    out.set("columns", columns);
    return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarnwick_batch) {
    emscripten::class_<BatchRun>("BatchRun")
        .constructor<const val&>()
        .function("inputBuffer", &BatchRun::InputBuffer)
        .function("feed", &BatchRun::Feed)
        .function("finish", &BatchRun::Finish)
        .function("problem", &BatchRun::Problem)
        .function("rowsRead", &BatchRun::RowsRead)
        .function("outcome", &BatchRun::Outcome);
    emscripten::function("previewHeader", &PreviewHeaderOf);
}

}  // namespace tarnwick::web
