#include "cli/code_listing.h"

#include <algorithm>

#include "decoder/year_tables.h"

namespace tarnwick::cli {
namespace {

// What each table decodes and which characters it reads.
constexpr std::array<std::string_view, kCodeTableNames.size()> kTitles = {
    "Assembly Plant: 2nd character of the warranty number",
    "Body Style: body code (1st and 2nd characters of the body field), serial (3rd and 4th characters of the "
    "warranty number), text, and the text shown when the warranty number is decoded alone where it differs",
    "Engine: 5th character of the warranty number",
    "Exterior Color: the color field",
    "Interior Color: the trim field",
    "Interior Type: 3rd character of the body field",
    "Transmission: the trans field",
    "Rear Axle Ratio: the axle field",
    "District Sales Office: the dso field",
    "Assembly Date: 3rd character of the date field, after the day 01 to 31",
};

void WriteRows(OutputSink& out, CodeTable table) {
    for (const CodeRow& row : table) {
        out.Append(row.code);
        out.Append('\t');
        out.Append(row.text);
        out.Append('\n');
    }
}

void WriteTable(OutputSink& out, const YearTables& tables, std::size_t index) {
    out.Append("# ");
    out.Append(kCodeTableNames[index]);
    out.Append(": ");
    out.Append(kTitles[index]);
    out.Append('\n');
    switch (index) {
        case 0:
            WriteRows(out, tables.plants);
            break;
        case 1:
            for (const BodyPair& row : tables.bodies) {
                out.Append(row.body_code);
                out.Append('\t');
                out.Append(row.serial);
                out.Append('\t');
                out.Append(row.text);
                if (row.WarrantyOnlyText() != row.text) {
                    out.Append('\t');
                    out.Append(row.WarrantyOnlyText());
                }
                out.Append('\n');
            }
            break;
        case 2:
            WriteRows(out, tables.engines);
            break;
        case 3:
            WriteRows(out, tables.paints);
            break;
        case 4:
            WriteRows(out, tables.trims);
            break;
        case 5:
            WriteRows(out, tables.interior_types);
            break;
        case 6:
            WriteRows(out, tables.transmissions);
            break;
        case 7:
            WriteRows(out, tables.axles);
            break;
        case 8:
            WriteRows(out, DsoTable());
            break;
        default:
            if (!tables.decodes_date) {
                out.Append("# ");
                out.Append(YearLabel(tables.year));
                out.Append(" date codes are not decoded; the date reads n/a.\n");
                break;
            }
            // Month texts follow the day directly and so begin with a blank.
            for (const CodeRow& row : MonthLetterTable()) {
                out.Append(row.code);
                out.Append('\t');
                out.Append(row.text.substr(row.text.find_first_not_of(' ')));
                out.Append('\n');
            }
            break;
    }
}

}  // namespace

bool WriteCodeListing(OutputSink& out, ModelYear year, std::optional<std::string_view> table) {
    const YearTables& tables = TablesFor(year);
    if (table) {
        const auto found = std::find(kCodeTableNames.begin(), kCodeTableNames.end(), *table);
        if (found == kCodeTableNames.end()) return false;
        WriteTable(out, tables, static_cast<std::size_t>(found - kCodeTableNames.begin()));
        return true;
    }
    out.Append("# year ");
    out.Append(YearLabel(year));
    out.Append(": year digit ");
    out.Append(tables.year_digit);
    out.Append(" (1st character of the warranty number)\n");
    for (std::size_t i = 0; i < kCodeTableNames.size(); ++i) {
        out.Append('\n');
        WriteTable(out, tables, i);
    }
    return true;
}

}  // namespace tarnwick::cli
