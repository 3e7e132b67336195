// Writes --codes from the decoder's code catalogue: commented text lines for
// reading, or one csv or json record per code for programs.
#include "cli/code_listing.h"

#include <algorithm>
#include <initializer_list>

#include "cli/plate_verdict.h"
#include "cli/record_writers.h"
#include "decoder/code_catalogue.h"
#include "decoder/year_tables.h"

namespace tarnwick::cli {
namespace {

// The tables in the order the full listing shows them.
constexpr std::array<ResultItem, 10> kListingOrder = {
    ResultItem::Plant,        ResultItem::BodyStyle,    ResultItem::Engine, ResultItem::Exterior, ResultItem::Interior,
    ResultItem::InteriorType, ResultItem::Transmission, ResultItem::Axle,   ResultItem::Dso,      ResultItem::Date,
};

const CatalogueTable& TableOf(ResultItem result) {
    return *std::find_if(kCodeCatalogue.begin(), kCodeCatalogue.end(),
                         [result](const CatalogueTable& table) { return table.result == result; });
}

// The body listing's columns, which say more than where the codes stand.
constexpr std::string_view kBodyColumns =
    "body code (1st and 2nd characters of the body field), serial (3rd and 4th characters of the warranty number), "
    "text, and the text shown when the warranty number is decoded alone where it differs";

void WriteLine(OutputBuffer& out, std::initializer_list<std::string_view> columns) {
    bool first = true;
    for (std::string_view column : columns) {
        if (!first) out.Append('\t');
        first = false;
        out.Append(column);
    }
    out.Append('\n');
}

void WriteTitle(OutputBuffer& out, const CatalogueTable& table) {
    out.Append("# ");
    out.Append(table.name);
    out.Append(": ");
    out.Append(TableCaption(table));
    out.Append(": ");
    if (table.result == ResultItem::BodyStyle) {
        out.Append(kBodyColumns);
    } else if (table.whole_field) {
        out.Append("the ");
        out.Append(FieldName(*table.whole_field));
        out.Append(" field");
    } else {
        out.Append(table.reads);
    }
    out.Append('\n');
}

void WriteTable(OutputBuffer& out, const YearTables& tables, const CatalogueTable& table) {
    WriteTitle(out, table);
    if (table.rows != nullptr && !table.rows(tables).empty()) {
        for (const CodeRow& row : table.rows(tables))
            WriteLine(out, {row.code, row.text});
    } else if (table.result == ResultItem::BodyStyle) {
        for (const BodyPair& row : tables.bodies) {
            if (row.WarrantyOnlyText() == row.text) {
                WriteLine(out, {row.body_code, row.serial, row.text});
            } else {
                WriteLine(out, {row.body_code, row.serial, row.text, row.WarrantyOnlyText()});
            }
        }
    } else {
        out.Append("# ");
        out.Append(YearLabel(tables.year));
        out.Append(" date codes are not decoded; the date reads n/a.\n");
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
void ForEachCode(const YearTables& tables, const CatalogueTable& table, Emit emit) {
    if (table.rows != nullptr) {
        for (const CodeRow& row : table.rows(tables))
            emit(CodeEntry{table.name, row.code, {}, row.text, {}});
    } else {
        for (const BodyPair& row : tables.bodies)
            emit(CodeEntry{table.name, row.body_code, row.serial, row.text, row.WarrantyOnlyText()});
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

void WriteTextListing(OutputBuffer& out, const YearTables& tables, const CatalogueTable* only) {
    if (only != nullptr) {
        WriteTable(out, tables, *only);
        return;
    }
    out.Append("# year ");
    out.Append(YearLabel(tables.year));
    out.Append(": year digit ");
    out.Append(tables.year_digit);
    out.Append(" (");
    out.Append(TableOf(ResultItem::Year).reads);
    out.Append(")\n");
    for (ResultItem result : kListingOrder) {
        out.Append('\n');
        WriteTable(out, tables, TableOf(result));
    }
}

const CatalogueTable* TableNamed(std::string_view name) {
    for (ResultItem result : kListingOrder) {
        if (TableOf(result).name == name) return &TableOf(result);
    }
    return nullptr;
}

}  // namespace

bool WriteCodeListing(OutputBuffer& out, ModelYear year, std::optional<std::string_view> table, ListingFormat format) {
    const YearTables& tables = TablesFor(year);
    const CatalogueTable* only = nullptr;
    if (table) {
        only = TableNamed(*table);
        if (only == nullptr) return false;
    }
    if (format == ListingFormat::Text) {
        WriteTextListing(out, tables, only);
        return true;
    }
    RecordListing listing(out, year, format, only == nullptr || only->result == ResultItem::BodyStyle);
    for (ResultItem result : kListingOrder) {
        const CatalogueTable& listed = TableOf(result);
        if (only == nullptr || only == &listed)
            ForEachCode(tables, listed, [&listing](const CodeEntry& entry) { listing(entry); });
    }
    listing.Finish();
    return true;
}

}  // namespace tarnwick::cli
