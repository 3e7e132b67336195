// One plate judged the way the window judges it: the year, then the length
// of each field, then the completeness check, then the decode. Shared by the
// single-plate command and every row of a batch.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "decoder/year_decoder.h"

namespace tarnwick::cli {

enum class ErrorKind : std::uint8_t {
    Incomplete,  // the completeness check asked for a field
    Invalid,     // the decoder rejected a code
    Input,       // the tool itself could not take the plate
};

std::string_view ErrorKindName(ErrorKind kind);

// "warranty", "body" … as the json output and the batch header name them.
std::string_view FieldName(Field field);

// The most characters the tool takes in a field. The date takes four in
// every year: the 1970 date field's size, so that a four-character code
// reaches the decoder of another year and is rejected there as in the window.
std::size_t ToolMaxLength(Field field);

// 1/0, true/false, yes/no (any case) or empty for 0; nullopt otherwise.
std::optional<bool> ParseWarrantyOnlyFlag(std::string_view text);

struct PlateRequest {
    std::string_view year;
    std::optional<bool> warranty_only;  // nullopt when flag_text could not be read
    std::string_view flag_text;
    // As they stand, before upper-casing, in the order of kAllFields.
    std::array<std::string_view, kAllFields.size()> fields;
};

// The outcome of one plate. Lines are views of constant texts or of the
// verdict's own storage; a verdict is reused from row to row.
class Verdict {
public:
    bool ok() const { return ok_; }
    const DecodeResults& results() const { return results_; }
    ErrorKind kind() const { return kind_; }
    std::optional<Field> field() const { return field_; }
    std::span<const std::string_view> lines() const { return {lines_.data(), line_count_}; }

    void SetResults(const DecodeResults& results);
    void SetError(ErrorKind kind, std::optional<Field> field, std::string_view line);
    void SetInputError(const InputError& error);
    // A message of the tool's own, copied into the verdict.
    std::string& StartComposedError(std::optional<Field> field);

private:
    bool ok_ = false;
    DecodeResults results_;
    ErrorKind kind_ = ErrorKind::Input;
    std::optional<Field> field_;
    std::array<std::string_view, 3> lines_{};
    std::size_t line_count_ = 0;
    std::string composed_;
};

// Keeps the upper-cased texts between calls so that judging a row does not
// allocate once the buffers have grown.
class PlateJudge {
public:
    PlateJudge();
    // In steps: the year and the warranty_only flag, the fields' lengths,
    // upper case, then the decoder's completeness check and decode.
    void Judge(const PlateRequest& request, Verdict& verdict);

private:
    // The first read_count texts upper-cased into upper_, the rest empty.
    PlateFields UpperCased(const std::array<std::string_view, kAllFields.size()>& texts, std::size_t read_count);

    std::string upper_;
};

}  // namespace tarnwick::cli
