#include "cli/code_listing.h"

#include <algorithm>
#include <initializer_list>

#include "cli/record_writers.h"
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

void WriteLine(OutputBuffer& out, std::initializer_list<std::string_view> columns) {
    bool first = true;
    for (std::string_view column : columns) {
        if (!first) out.Append('\t');
        first = false;
        out.Append(column);
    }
    out.Append('\n');
}

void WriteTable(OutputBuffer& out, const YearTables& tables, std::size_t index) {
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
        for (const CodeRow& row : MonthLetterTable())
            WriteLine(out, {row.code, row.text});
    }
}

// One code of a table as csv and json list it.
struct CodeEntry {
    std::string_view table;
    std::string_view code;
    std::string_view serial;  // the body table's only
    std::string_view text;
    std::string_view warranty_only_text;  // the body table's only
};

// Calls emit for every code of the table, in the order the decoder tries them.
template <typename Emit>
void ForEachCode(const YearTables& tables, std::size_t index, Emit emit) {
    const std::string_view name = kCodeTableNames[index];
    if (kListings[index].rows != nullptr) {
        for (const CodeRow& row : kListings[index].rows(tables))
            emit(CodeEntry{name, row.code, {}, row.text, {}});
    } else if (index == kBodyIndex) {
        for (const BodyPair& row : tables.bodies)
            emit(CodeEntry{name, row.body_code, row.serial, row.text, row.WarrantyOnlyText()});
    } else if (tables.decodes_date) {
        for (const CodeRow& row : MonthLetterTable())
            emit(CodeEntry{name, row.code, {}, row.text, {}});
    }
}

class RecordListing {
public:
    RecordListing(OutputBuffer& out, ModelYear year, ListingFormat format, bool with_body_columns)
        : out_(out), year_(YearLabel(year)), format_(format), with_body_columns_(with_body_columns) {
        if (format_ == ListingFormat::Json) {
            out_.Append('[');
        } else {
            out_.Append(with_body_columns_ ? "year,table,code,serial,text,warranty_only_text\n"
                                           : "year,table,code,text\n");
        }
    }

    void operator()(const CodeEntry& entry) {
        if (format_ == ListingFormat::Csv) {
            for (std::string_view column : {year_, entry.table, entry.code}) {
                WriteCsvField(out_, column);
                out_.Append(',');
            }
            if (with_body_columns_) {
                WriteCsvField(out_, entry.serial);
                out_.Append(',');
            }
            WriteCsvField(out_, entry.text);
            if (with_body_columns_) {
                out_.Append(',');
                WriteCsvField(out_, entry.warranty_only_text);
            }
            out_.Append('\n');
            return;
        }
        if (!first_) out_.Append(',');
        out_.Append('\n');
        first_ = false;
        out_.Append("{\"year\":");
        WriteJsonString(out_, year_);
        out_.Append(",\"table\":");
        WriteJsonString(out_, entry.table);
        out_.Append(",\"code\":");
        WriteJsonString(out_, entry.code);
        if (with_body_columns_) {
            out_.Append(",\"serial\":");
            WriteJsonString(out_, entry.serial);
        }
        out_.Append(",\"text\":");
        WriteJsonString(out_, entry.text);
        if (with_body_columns_) {
            out_.Append(",\"warranty_only_text\":");
            WriteJsonString(out_, entry.warranty_only_text);
        }
        out_.Append('}');
    }

    void Finish() {
        if (format_ == ListingFormat::Json) out_.Append("\n]\n");
    }

private:
    OutputBuffer& out_;
    std::string_view year_;
    ListingFormat format_;
    bool with_body_columns_;  // serial and warranty_only_text, empty but for the body table
    bool first_ = true;
};

void WriteTextListing(OutputBuffer& out, const YearTables& tables, std::optional<std::size_t> index) {
    if (index) {
        WriteTable(out, tables, *index);
        return;
    }
    out.Append("# year ");
    out.Append(YearLabel(tables.year));
    out.Append(": year digit ");
    out.Append(tables.year_digit);
    out.Append(" (1st character of the warranty number)\n");
    for (std::size_t i = 0; i < kCodeTableNames.size(); ++i) {
        out.Append('\n');
        WriteTable(out, tables, i);
    }
}

}  // namespace

bool WriteCodeListing(OutputBuffer& out, ModelYear year, std::optional<std::string_view> table, ListingFormat format) {
    const YearTables& tables = TablesFor(year);
    std::optional<std::size_t> index;
    if (table) {
        const auto found = std::find(kCodeTableNames.begin(), kCodeTableNames.end(), *table);
        if (found == kCodeTableNames.end()) return false;
        index = static_cast<std::size_t>(found - kCodeTableNames.begin());
    }
    if (format == ListingFormat::Text) {
        WriteTextListing(out, tables, index);
        return true;
    }
    RecordListing listing(out, year, format, !index || *index == kBodyIndex);
    for (std::size_t i = 0; i < kCodeTableNames.size(); ++i) {
        if (!index || *index == i) ForEachCode(tables, i, [&listing](const CodeEntry& entry) { listing(entry); });
    }
    listing.Finish();
    return true;
}

}  // namespace tarnwick::cli
