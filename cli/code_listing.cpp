#include "cli/code_listing.h"

#include <algorithm>
#include <initializer_list>

#include "decoder/year_tables.h"

namespace tarnwick::cli {
namespace {

struct TableListing {
    std::string_view title;                // what the table decodes and which characters it reads
    CodeTable (*rows)(const YearTables&);  // null for the body and month tables, listed their own way
};

// In the order of kCodeTableNames.
constexpr std::array<TableListing, kCodeTableNames.size()> kListings = {{
    {"Assembly Plant: 2nd character of the warranty number", [](const YearTables& t) { return t.plants; }},
    {"Body Style: body code (1st and 2nd characters of the body field), serial (3rd and 4th characters of the "
     "warranty number), text, and the text shown when the warranty number is decoded alone where it differs",
     nullptr},
    {"Engine: 5th character of the warranty number", [](const YearTables& t) { return t.engines; }},
    {"Exterior Color: the color field", [](const YearTables& t) { return t.paints; }},
    {"Interior Color: the trim field", [](const YearTables& t) { return t.trims; }},
    {"Interior Type: 3rd character of the body field", [](const YearTables& t) { return t.interior_types; }},
    {"Transmission: the trans field", [](const YearTables& t) { return t.transmissions; }},
    {"Rear Axle Ratio: the axle field", [](const YearTables& t) { return t.axles; }},
    {"District Sales Office: the dso field", [](const YearTables&) { return DsoTable(); }},
    {"Assembly Date: 3rd character of the date field, after the day 01 to 31", nullptr},
}};

constexpr std::size_t kBodyIndex = 1;

void WriteLine(OutputSink& out, std::initializer_list<std::string_view> columns) {
    bool first = true;
    for (std::string_view column : columns) {
        if (!first) out.Append('\t');
        first = false;
        out.Append(column);
    }
    out.Append('\n');
}

void WriteTable(OutputSink& out, const YearTables& tables, std::size_t index) {
    out.Append("# ");
    out.Append(kCodeTableNames[index]);
    out.Append(": ");
    out.Append(kListings[index].title);
    out.Append('\n');
    if (kListings[index].rows != nullptr) {
        for (const CodeRow& row : kListings[index].rows(tables))
            WriteLine(out, {row.code, row.text});
    } else if (index == kBodyIndex) {
        for (const BodyPair& row : tables.bodies) {
            if (row.WarrantyOnlyText() == row.text) {
                WriteLine(out, {row.body_code, row.serial, row.text});
            } else {
                WriteLine(out, {row.body_code, row.serial, row.text, row.WarrantyOnlyText()});
            }
        }
    } else if (!tables.decodes_date) {
        out.Append("# ");
        out.Append(YearLabel(tables.year));
        out.Append(" date codes are not decoded; the date reads n/a.\n");
    } else {
        // Month texts follow the day directly and so begin with a blank.
        for (const CodeRow& row : MonthLetterTable())
            WriteLine(out, {row.code, row.text.substr(row.text.find_first_not_of(' '))});
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
