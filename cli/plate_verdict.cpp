// Judging one plate in the tool's steps and keeping the verdict: the results,
// or the error's kind, field and message lines.
#include "cli/plate_verdict.h"

#include <algorithm>

#include "cli/blank_text.h"
#include "cli/decimal_text.h"
#include "cli/upper_case.h"
#include "decoder/utf8_text.h"

namespace tarnwick::cli {
namespace {

constexpr std::array<std::string_view, kAllFields.size()> kFieldNames = {
    "warranty", "body", "color", "trim", "date", "dso", "axle", "trans",
};

// A value quoted in a message is cut short: a field may hold a whole line.
constexpr std::size_t kMostQuotedChars = 32;

// Bytes that are not UTF-8 are shown as U+FFFD: messages are always UTF-8.
// Characters that cannot be seen are named, so "63A<U+00A0>" explains why
// a code that looks right is too long.
void AppendQuoted(std::string& message, std::string_view value) {
    const std::string_view shown = utf8::LeftChars(value, kMostQuotedChars);
    message += '"';
    AppendVisible(shown, message);
    if (shown.size() < value.size()) message += "...";
    message += '"';
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lower[i]) return false;
    }
    return true;
}

}  // namespace

std::string_view ErrorKindName(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::Incomplete:
            return "incomplete";
        case ErrorKind::Invalid:
            return "invalid";
        case ErrorKind::Input:
            break;
    }
    return "input";
}

std::string_view FieldName(Field field) { return kFieldNames[static_cast<std::size_t>(field)]; }

std::size_t ToolMaxLength(Field field) {
    return FieldMaxLength(field, field == Field::Date ? ModelYear::Y1970 : ModelYear::Y1965);
}

std::optional<bool> ParseWarrantyOnlyFlag(std::string_view text) {
    if (text.empty() || text == "0" || EqualsIgnoringCase(text, "false") || EqualsIgnoringCase(text, "no"))
        return false;
    if (text == "1" || EqualsIgnoringCase(text, "true") || EqualsIgnoringCase(text, "yes")) return true;
    return std::nullopt;
}

void Verdict::SetResults(const DecodeResults& results) {
    ok_ = true;
    results_ = results;
    field_.reset();
    line_count_ = 0;
}

void Verdict::SetError(ErrorKind kind, std::optional<Field> field, std::string_view line) {
    ok_ = false;
    kind_ = kind;
    field_ = field;
    lines_[0] = line;
    line_count_ = 1;
}

void Verdict::SetInputError(const InputError& error) {
    ok_ = false;
    kind_ = ErrorKind::Invalid;
    field_ = error.Focus();
    const std::span<const std::string_view> lines = error.Lines();
    line_count_ = std::min(lines.size(), lines_.size());
    std::copy_n(lines.begin(), line_count_, lines_.begin());
}

std::string& Verdict::StartComposedError(std::optional<Field> field) {
    ok_ = false;
    kind_ = ErrorKind::Input;
    field_ = field;
    composed_.clear();
    lines_[0] = {};
    line_count_ = 1;
    return composed_;
}

PlateJudge::PlateJudge() {
    std::size_t bytes = 0;
    for (Field field : kAllFields)
        bytes += 4 * ToolMaxLength(field);
    upper_.resize(bytes);
}

namespace {

// A value the tool cannot take: its name, the value quoted, and why not.
void RejectValue(std::string_view name, std::string_view value, std::string_view why, Verdict& verdict) {
    std::string& message = verdict.StartComposedError(std::nullopt);
    message += name;
    message += ' ';
    AppendQuoted(message, value);
    message += why;
    verdict.SetError(ErrorKind::Input, std::nullopt, message);
}

// Whether the first read_count fields keep to the tool's lengths; the
// verdict names the first that does not.
bool FitLengths(const std::array<std::string_view, kAllFields.size()>& texts, std::size_t read_count,
                Verdict& verdict) {
    static const std::array<std::size_t, kAllFields.size()> limits = [] {
        std::array<std::size_t, kAllFields.size()> sizes{};
        for (Field field : kAllFields)
            sizes[static_cast<std::size_t>(field)] = ToolMaxLength(field);
        return sizes;
    }();
    for (std::size_t i = 0; i < read_count; ++i) {
        // A character takes at least one byte, so only a text with more
        // bytes than the limit needs counting.
        if (texts[i].size() <= limits[i]) continue;
        const std::size_t length = utf8::CountChars(texts[i]);
        if (length <= limits[i]) continue;
        const Field field = kAllFields[i];
        std::string& message = verdict.StartComposedError(field);
        message += FieldName(field);
        message += ' ';
        AppendQuoted(message, texts[i]);
        message += " holds ";
        message += DecimalText(length).view();
        message += " characters; it takes at most ";
        message += DecimalText(limits[i]).view();
        message += '.';
        verdict.SetError(ErrorKind::Input, field, message);
        return false;
    }
    return true;
}

void Decode(ModelYear year, const PlateFields& fields, bool warranty_only, Verdict& verdict) {
    if (const std::optional<MissingField> missing = CheckSpaces(year, fields, warranty_only)) {
        verdict.SetError(ErrorKind::Incomplete, missing->field, missing->message);
        return;
    }
    const DecodeOutcome outcome = DecodePlate(year, fields, warranty_only);
    if (const DecodeResults* results = outcome.results()) {
        verdict.SetResults(*results);
    } else {
        verdict.SetInputError(*outcome.error());
    }
}

}  // namespace

PlateFields PlateJudge::UpperCased(const std::array<std::string_view, kAllFields.size()>& texts,
                                   std::size_t read_count) {
    // Upper-cased into one buffer first, viewed once it stops growing.
    // Within their limits the fields take at most 4 bytes a character.
    std::array<std::size_t, kAllFields.size() + 1> bounds{};
    char* const start = upper_.data();
    char* end = start;
    for (std::size_t i = 0; i < kAllFields.size(); ++i) {
        if (i < read_count) end = UpperCaseInto(texts[i], end);
        bounds[i + 1] = static_cast<std::size_t>(end - start);
    }
    PlateFields fields;
    for (std::size_t i = 0; i < kAllFields.size(); ++i)
        fields.texts[i] = std::string_view(start + bounds[i], bounds[i + 1] - bounds[i]);
    return fields;
}

void PlateJudge::Judge(const PlateRequest& request, Verdict& verdict) {
    const std::optional<ModelYear> year = ParseModelYear(request.year);
    if (!year) {
        RejectValue("year", request.year,
                    " is not a model year; use 1964 (or 1964-1/2), 1965, 1966, 1967, 1968, 1969 or 1970.", verdict);
        return;
    }
    if (!request.warranty_only) {
        RejectValue("warranty_only", request.flag_text, " is not 1 or 0, true or false, yes or no (or empty for no).",
                    verdict);
        return;
    }
    const bool warranty_only = *request.warranty_only;
    const std::size_t read_count = warranty_only ? 1 : kAllFields.size();  // the warranty number comes first
    if (!FitLengths(request.fields, read_count, verdict)) return;
    Decode(*year, UpperCased(request.fields, read_count), warranty_only, verdict);
}

}  // namespace tarnwick::cli
