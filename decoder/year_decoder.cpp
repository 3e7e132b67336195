// The one decoding procedure every model year follows; the years differ only
// in their tables (year_tables.cpp).
#include "decoder/year_decoder.h"

#include <algorithm>
#include <string_view>

#include "decoder/utf8_text.h"
#include "decoder/year_tables.h"

namespace tarnwick {
namespace {

using utf8::LeftChars;
using utf8::RightChars;

// The warranty number is read from both ends: positions 1 to 5 from the left
// and the unit number from the right. A short number yields short pieces.
struct WarrantyPieces {
    std::string_view year_digit;
    std::string_view plant;
    std::string_view serial;
    std::string_view engine;
    std::string_view unit;
};

WarrantyPieces CutWarranty(std::string_view warranty) {
    return {
        LeftChars(warranty, 1),
        RightChars(LeftChars(warranty, 2), 1),
        RightChars(LeftChars(warranty, 4), 2),
        RightChars(LeftChars(warranty, 5), 1),
        RightChars(warranty, 6),
    };
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsDigits(std::string_view text, std::size_t count) {
    return text.size() == count && std::all_of(text.begin(), text.end(), IsDigit);
}

// Looks the piece up and records its text; false when no row has the code.
bool LookUp(CodeTable table, std::string_view piece, ResultItem item, DecodeResults& results) {
    const CodeRow* row = FindCode(table, piece);
    if (row == nullptr) return false;
    results.SetTableText(item, row->text);
    return true;
}

const BodyPair* FindBodyPair(BodyPairTable bodies, std::string_view body_code, std::string_view serial) {
    for (const BodyPair& row : bodies) {
        if (row.body_code == body_code && row.serial == serial) return &row;
    }
    return nullptr;
}

const BodyPair* FindBySerial(const YearTables& year, std::string_view serial) {
    for (const BodyPair& row : year.bodies) {
        if (row.serial == serial) return &row;
    }
    return nullptr;
}

// A date code is a day from 01 to 31 and a month letter: exactly three
// characters. The day is not held against the length of the month.
bool DecodeDate(std::string_view date, DecodeResults& results) {
    if (utf8::CountChars(date) != 3) return false;
    const std::string_view day = LeftChars(date, 2);
    if (!IsDigits(day, 2) || day < "01" || day > "31") return false;
    const CodeRow* month = FindCode(MonthLetterTable(), RightChars(date, 1));
    if (month == nullptr) return false;
    results.SetDate(day, month->text);
    return true;
}

void MarkDataPlateNotApplicable(DecodeResults& results) {
    for (ResultItem item : {ResultItem::Exterior, ResultItem::Interior, ResultItem::InteriorType,
                            ResultItem::Transmission, ResultItem::Axle, ResultItem::Dso}) {
        results.SetTableText(item, kNotApplicable);
    }
    results.SetDateNotApplicable();
}

}  // namespace

DecodeOutcome DecodePlate(ModelYear year, const PlateFields& fields, bool warranty_only) {
    const YearTables& tables = TablesFor(year);
    const WarrantyPieces warranty = CutWarranty(fields[Field::Warranty]);
    const bool plate = !warranty_only;
    const auto fail = [year](DecodeStep step) { return DecodeOutcome(InputError{step, year}); };
    DecodeResults results;

    if (warranty.year_digit != tables.year_digit) return fail(DecodeStep::YearDigit);
    results.SetTableText(ResultItem::Year, YearLabel(year));

    if (warranty_only) {
        const BodyPair* body = FindBySerial(tables, warranty.serial);
        if (body == nullptr) return fail(DecodeStep::BodySerial);
        results.SetTableText(ResultItem::BodyStyle, body->WarrantyOnlyText());
    } else {
        const BodyPair* body = FindBodyPair(tables.bodies, LeftChars(fields[Field::Body], 2), warranty.serial);
        if (body == nullptr) return fail(DecodeStep::BodyAgreement);
        results.SetTableText(ResultItem::BodyStyle, body->text);
    }

    if (!LookUp(tables.engines, warranty.engine, ResultItem::Engine, results)) return fail(DecodeStep::Engine);
    if (plate && !LookUp(tables.paints, fields[Field::Color], ResultItem::Exterior, results))
        return fail(DecodeStep::ExteriorPaint);
    if (plate && !LookUp(tables.trims, fields[Field::Trim], ResultItem::Interior, results))
        return fail(DecodeStep::InteriorTrim);
    if (plate && !LookUp(tables.interior_types, RightChars(fields[Field::Body], 1), ResultItem::InteriorType, results))
        return fail(DecodeStep::InteriorType);
    // The plant letter is tested late, after the interior type, not in the
    // order of the positions.
    if (!LookUp(tables.plants, warranty.plant, ResultItem::Plant, results)) return fail(DecodeStep::AssemblyPlant);
    if (plate && !LookUp(tables.transmissions, fields[Field::Trans], ResultItem::Transmission, results))
        return fail(DecodeStep::Transmission);
    if (plate && !LookUp(tables.axles, fields[Field::Axle], ResultItem::Axle, results)) return fail(DecodeStep::RearAxle);
    if (plate && !LookUp(DsoTable(), fields[Field::Dso], ResultItem::Dso, results)) return fail(DecodeStep::Dso);
    if (plate && tables.decodes_date && !DecodeDate(fields[Field::Date], results)) return fail(DecodeStep::DateCode);
    if (plate && !tables.decodes_date) results.SetDateNotApplicable();

    if (!IsDigits(warranty.unit, 6)) return fail(DecodeStep::UnitNumber);
    results.SetUnit(warranty.unit);

    if (warranty_only) MarkDataPlateNotApplicable(results);
    return results;
}

}  // namespace tarnwick
