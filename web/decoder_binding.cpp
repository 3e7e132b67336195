// The decoder core as the web page sees it: plain JavaScript values in and
// out, every rule left to the core.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <string>

#include "decoder/code_catalogue.h"
#include "decoder/upper_case.h"
#include "decoder/year_decoder.h"
#include "decoder/year_tables.h"

namespace tarnwick::web {
namespace {

using emscripten::val;

// The texts of the eight fields in Field order; the strings own the bytes
// the PlateFields view.
struct FieldTexts {
    explicit FieldTexts(const val& texts) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = texts[i].as<std::string>();
    }
    PlateFields View() const {
        PlateFields fields;
        for (Field field : kAllFields)
            fields[field] = bytes[static_cast<std::size_t>(field)];
        return fields;
    }
    std::array<std::string, kAllFields.size()> bytes;
};

ModelYear YearAt(int index) { return kAllModelYears.at(static_cast<std::size_t>(index)); }

// std::string crosses to JavaScript as UTF-8.
val Text(std::string_view text) { return val(std::string(text)); }

// {field, message} of the first empty field the mode needs, or null.
val CheckSpacesOf(int year, const val& texts, bool warranty_only) {
    const FieldTexts fields(texts);
    const auto missing = CheckSpaces(YearAt(year), fields.View(), warranty_only);
    if (!missing) return val::null();
    val out = val::object();
    out.set("field", static_cast<int>(missing->field));
    out.set("message", Text(missing->message));
    return out;
}

// {lines, field} of the first input error, or {results} with the twelve
// texts in the results panel's order.
val Decode(int year, const val& texts, bool warranty_only) {
    const FieldTexts fields(texts);
    const DecodeOutcome outcome = DecodePlate(YearAt(year), fields.View(), warranty_only);
    val out = val::object();
    if (const InputError* error = outcome.error()) {
        val lines = val::array();
        for (std::string_view line : error->Lines())
            lines.call<void>("push", Text(line));
        out.set("lines", lines);
        out.set("field", static_cast<int>(error->Focus()));
        return out;
    }
    val results = val::array();
    for (ResultItem item : kAllResultItems)
        results.call<void>("push", Text((*outcome.results())[item]));
    out.set("results", results);
    return out;
}

val Row(std::string_view code, std::string_view text) {
    val row = val::array();
    row.call<void>("push", Text(code));
    row.call<void>("push", Text(text));
    return row;
}

val Table(const CatalogueTable& table, val rows) {
    val book_table = val::object();
    book_table.set("title", Text(TableCaption(table)));
    book_table.set("reads", Text(table.reads));
    book_table.set("rows", rows);
    return book_table;
}

val CodeRows(CodeTable table) {
    val rows = val::array();
    for (const CodeRow& row : table)
        rows.call<void>("push", Row(row.code, row.text));
    return rows;
}

// A body style's code is its body code and serial, "63A / 07".
val BodyRows(BodyPairTable bodies) {
    val rows = val::array();
    for (const BodyPair& body : bodies) {
        std::string text(body.text);
        if (body.WarrantyOnlyText() != body.text)
            text += " (warranty number alone: " + std::string(body.WarrantyOnlyText()) + ")";
        rows.call<void>("push", Row(std::string(body.body_code) + " / " + std::string(body.serial), text));
    }
    return rows;
}

// Every table of the year that has codes, in the catalogue's order.
val CodeBook(int year) {
    const YearTables& t = TablesFor(YearAt(year));
    val book = val::array();
    for (const CatalogueTable& table : kCodeCatalogue) {
        if (table.result == ResultItem::Year) {
            book.call<void>("push", Table(table, CodeRows(std::array{CodeRow(t.year_digit, YearLabel(t.year))})));
        } else if (table.result == ResultItem::BodyStyle) {
            book.call<void>("push", Table(table, BodyRows(t.bodies)));
        } else if (!table.rows(t).empty()) {
            book.call<void>("push", Table(table, CodeRows(table.rows(t))));
        }
    }
    return book;
}

val YearLabels() {
    val labels = val::array();
    for (ModelYear year : kAllModelYears)
        labels.call<void>("push", Text(YearLabel(year)));
    return labels;
}

// The upper case of one code point, as the window and the tool make it.
unsigned UpperCaseOf(unsigned code) { return SimpleUpperCase(static_cast<char32_t>(code)); }

}  // namespace

EMSCRIPTEN_BINDINGS(tarnwick_decoder) {
    emscripten::function("checkSpaces", &CheckSpacesOf);
    emscripten::function("decode", &Decode);
    emscripten::function("codeBook", &CodeBook);
    emscripten::function("yearLabels", &YearLabels);
    emscripten::function("upperCaseOf", &UpperCaseOf);
}

}  // namespace tarnwick::web
