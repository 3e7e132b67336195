// The catalogue of the decoder's code tables: the result each decodes, where
// on the plate its codes stand and its rows in a year, for the tool's --codes
// listing and the web page's code book alike.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "decoder/code_table.h"
#include "decoder/decode_results.h"
#include "decoder/plate_fields.h"
#include "decoder/year_tables.h"

namespace tarnwick {

struct CatalogueTable {
    ResultItem result;                 // what it decodes; its caption is the result's
    std::string_view name;             // its name on the command line; empty for the year digit
    std::string_view reads;            // where its codes stand, in words
    std::optional<Field> whole_field;  // the field the codes fill, when they fill one
    CodeTable (*rows)(const YearTables&);  // null for the year digit and the body pairs
};

// In the order the results panel reads them. The month letters have no rows
// in a year whose date codes are not decoded.
inline constexpr std::array<CatalogueTable, 11> kCodeCatalogue = {{
    {ResultItem::Year, "", "1st character of the warranty number", std::nullopt, nullptr},
    {ResultItem::BodyStyle, "body", "body code (body field) with serial (3rd and 4th of the warranty number)",
     std::nullopt, nullptr},
    {ResultItem::Exterior, "paint", "color field", Field::Color, [](const YearTables& t) { return t.paints; }},
    {ResultItem::Interior, "trim", "trim field", Field::Trim, [](const YearTables& t) { return t.trims; }},
    {ResultItem::InteriorType, "interior", "3rd character of the body field", std::nullopt,
     [](const YearTables& t) { return t.interior_types; }},
    {ResultItem::Engine, "engine", "5th character of the warranty number", std::nullopt,
     [](const YearTables& t) { return t.engines; }},
    {ResultItem::Transmission, "trans", "trans field", Field::Trans,
     [](const YearTables& t) { return t.transmissions; }},
    {ResultItem::Axle, "axle", "axle field", Field::Axle, [](const YearTables& t) { return t.axles; }},
    {ResultItem::Dso, "dso", "DSO field", Field::Dso, [](const YearTables&) { return DsoTable(); }},
    {ResultItem::Plant, "plant", "2nd character of the warranty number", std::nullopt,
     [](const YearTables& t) { return t.plants; }},
    {ResultItem::Date, "month", "3rd character of the date field, after the day 01 to 31", std::nullopt,
     [](const YearTables& t) { return t.decodes_date ? MonthLetterTable() : CodeTable(); }},
}};

// "Exterior Color": the results panel's caption without its colon.
inline std::string_view TableCaption(const CatalogueTable& table) {
    std::string_view caption = ResultCaption(table.result);
    caption.remove_suffix(1);
    return caption;
}

}  // namespace tarnwick
