// Everything the decoding procedure needs to know about one model year.
#pragma once

#include <span>
#include <string_view>

#include "decoder/code_table.h"
#include "decoder/model_year.h"

namespace tarnwick {

struct YearTables {
    ModelYear year;
    std::string_view year_digit;  // the only first character its warranty numbers have
    BodyPairTable bodies;         // tested in this order when the door plate is read
    CodeTable engines;
    CodeTable plants;
    CodeTable paints;
    CodeTable trims;
    CodeTable interior_types;
    CodeTable transmissions;
    CodeTable axles;
    bool decodes_date;  // 1970 plates carry a date the decoder does not read
};

const YearTables& TablesFor(ModelYear year);

// The District Sales Offices and the month letters, the same in every year.
CodeTable DsoTable();
CodeTable MonthLetterTable();

}  // namespace tarnwick
