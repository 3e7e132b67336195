// Arbitrary bytes through the completeness check and the decoder. The first
// byte picks the year and the mode; the rest splits at 0x1F into the eight
// field texts. Every run checks the outcome's invariants.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "decoder/year_decoder.h"

namespace {

using namespace tarnwick;

void Require(bool condition) {
    if (!condition) std::abort();
}

// Each field gets its own allocation, so that AddressSanitizer catches a
// read past the end of any one of them.
std::array<std::string, kAllFields.size()> SplitFields(std::string_view rest) {
    std::array<std::string, kAllFields.size()> texts;
    for (std::string& text : texts) {
        const std::size_t end = rest.find('\x1F');
        text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    return texts;
}

void CheckError(const InputError& error, ModelYear year, bool warranty_only) {
    Require(error.year == year);
    const std::span<const std::string_view> lines = error.Lines();
    Require(!lines.empty() && lines.size() <= 3);
    for (std::string_view line : lines)
        Require(!line.empty());
    // Only faults in the warranty number can be found when it is read alone.
    if (warranty_only) Require(error.Focus() == Field::Warranty);
}

void CheckResults(const DecodeResults& results, ModelYear year, bool warranty_only) {
    for (ResultItem item : kAllResultItems)
        Require(!results[item].empty());
    Require(results[ResultItem::Year] == YearLabel(year));
    Require(results[ResultItem::Unit].size() == 6);
    if (warranty_only || year == ModelYear::Y1970) Require(results[ResultItem::Date] == kNotApplicable);
}

bool SameOutcome(const DecodeOutcome& a, const DecodeOutcome& b) {
    if (a.ok() != b.ok()) return false;
    if (!a.ok()) return *a.error() == *b.error();
    for (ResultItem item : kAllResultItems) {
        if ((*a.results())[item] != (*b.results())[item]) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto year = kAllModelYears[data[0] % kAllModelYears.size()];
    const bool warranty_only = (data[0] & 0x80) != 0;
    const auto texts = SplitFields({reinterpret_cast<const char*>(data + 1), size - 1});
    PlateFields fields;
    for (Field field : kAllFields)
        fields[field] = texts[static_cast<std::size_t>(field)];

    const auto missing = CheckSpaces(year, fields, warranty_only);
    if (missing) Require(fields[missing->field].empty() && !missing->message.empty());

    const DecodeOutcome outcome = DecodePlate(year, fields, warranty_only);
    Require(outcome.ok() == (outcome.results() != nullptr) && outcome.ok() == (outcome.error() == nullptr));
    if (outcome.ok()) {
        CheckResults(*outcome.results(), year, warranty_only);
    } else {
        CheckError(*outcome.error(), year, warranty_only);
    }
    Require(SameOutcome(outcome, DecodePlate(year, fields, warranty_only)));
    return 0;
}
