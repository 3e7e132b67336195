// The decoder core as the web page calls it: plain exported functions over
// the module's memory, with no generated loader to download and start. The
// page writes the eight field texts into the input area (their byte lengths,
// then their UTF-8 one after another) and reads each answer back as one json
// text; every rule stays with the core.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "cli/string_output.h"
#include "decoder/code_catalogue.h"
#include "decoder/upper_case.h"
#include "decoder/year_decoder.h"
#include "decoder/year_tables.h"

namespace tarnwick::web {
namespace {

// The fields' byte lengths (32 bits each, in Field order), then their bytes.
std::string input_area;
constexpr std::size_t kLengthsSize = kAllFields.size() * sizeof(std::uint32_t);

// The last answer's json text.
std::string answer;

// The fields as the page wrote them; lengths beyond the area are cut short.
PlateFields FieldsInInput() {
    PlateFields fields;
    std::string_view rest = std::string_view(input_area).substr(std::min(kLengthsSize, input_area.size()));
    for (Field field : kAllFields) {
        std::uint32_t length = 0;
        if (input_area.size() >= kLengthsSize)
            std::memcpy(&length, input_area.data() + static_cast<std::size_t>(field) * sizeof length, sizeof length);
        fields[field] = rest.substr(0, length);
        rest.remove_prefix(fields[field].size());
    }
    return fields;
}

ModelYear YearAt(int index) { return kAllModelYears.at(static_cast<std::size_t>(index)); }

// Writes the answer's json: values, and arrays and objects of them, with the
// commas between.
class JsonAnswer {
public:
    JsonAnswer() : out_(answer) { answer.clear(); }

    JsonAnswer& Text(std::string_view text) {
        Separate();
        Quote(text);
        return *this;
    }
    JsonAnswer& Number(int number) {
        Separate();
        out_.Append(std::to_string(number));
        return *this;
    }
    JsonAnswer& Null() {
        Separate();
        out_.Append("null");
        return *this;
    }
    JsonAnswer& Key(std::string_view key) {
        Text(key);
        out_.Append(':');
        first_ = true;
        return *this;
    }
    JsonAnswer& Open(char bracket) {
        Separate();
        out_.Append(bracket);
        first_ = true;
        return *this;
    }
    JsonAnswer& Close(char bracket) {
        out_.Append(bracket);
        first_ = false;
        return *this;
    }

private:
    // A json string. Bytes that are not UTF-8 are left to the page's
    // TextDecoder, which reads them as U+FFFD: the tool's writer, which
    // mends them itself, would add to every first visit's download.
    void Quote(std::string_view text) {
        out_.Append('"');
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_.Append('\\');
                out_.Append(c);
            } else if (byte < 0x20) {
                constexpr std::string_view kHex = "0123456789abcdef";
                out_.Append("\\u00");
                out_.Append(kHex[byte >> 4]);
                out_.Append(kHex[byte & 15]);
            } else {
                out_.Append(c);
            }
        }
        out_.Append('"');
    }

    void Separate() {
        if (!first_) out_.Append(',');
        first_ = false;
    }

    cli::StringOutput out_;  // hands its bytes to the answer when done
    bool first_ = true;
};

// {"field", "message"} of the first empty field the mode needs, or null.
void CheckSpacesAnswer(int year, bool warranty_only) {
    JsonAnswer json;
    const auto missing = CheckSpaces(YearAt(year), FieldsInInput(), warranty_only);
    if (!missing) {
        json.Null();
        return;
    }
    json.Open('{').Key("field").Number(static_cast<int>(missing->field)).Key("message").Text(missing->message);
    json.Close('}');
}

// {"lines", "field"} of the first input error, or {"results"} with the
// twelve texts in the results panel's order.
void DecodeAnswer(int year, bool warranty_only) {
    JsonAnswer json;
    const DecodeOutcome outcome = DecodePlate(YearAt(year), FieldsInInput(), warranty_only);
    json.Open('{');
    if (const InputError* error = outcome.error()) {
        json.Key("lines").Open('[');
        for (std::string_view line : error->Lines())
            json.Text(line);
        json.Close(']').Key("field").Number(static_cast<int>(error->Focus()));
    } else {
        json.Key("results").Open('[');
        for (ResultItem item : kAllResultItems)
            json.Text((*outcome.results())[item]);
        json.Close(']');
    }
    json.Close('}');
}

void Row(JsonAnswer& json, std::string_view code, std::string_view text) {
    json.Open('[').Text(code).Text(text).Close(']');
}

// A body style's code is its body code and serial, "63A / 07".
void BodyRows(JsonAnswer& json, BodyPairTable bodies) {
    for (const BodyPair& body : bodies) {
        std::string text(body.text);
        if (body.WarrantyOnlyText() != body.text)
            text += " (warranty number alone: " + std::string(body.WarrantyOnlyText()) + ")";
        Row(json, std::string(body.body_code) + " / " + std::string(body.serial), text);
    }
}

// [{"title", "reads", "rows": [[code, text]…]}…]: every table of the year
// that has codes, in the catalogue's order.
void CodeBookAnswer(int year) {
    const YearTables& t = TablesFor(YearAt(year));
    JsonAnswer json;
    json.Open('[');
    for (const CatalogueTable& table : kCodeCatalogue) {
        if (table.result != ResultItem::Year && table.result != ResultItem::BodyStyle && table.rows(t).empty())
            continue;
        json.Open('{').Key("title").Text(TableCaption(table)).Key("reads").Text(table.reads).Key("rows").Open('[');
        if (table.result == ResultItem::Year) {
            Row(json, t.year_digit, YearLabel(t.year));
        } else if (table.result == ResultItem::BodyStyle) {
            BodyRows(json, t.bodies);
        } else {
            for (const CodeRow& row : table.rows(t))
                Row(json, row.code, row.text);
        }
        json.Close(']').Close('}');
    }
    json.Close(']');
}

void YearLabelsAnswer() {
    JsonAnswer json;
    json.Open('[');
    for (ModelYear year : kAllModelYears)
        json.Text(YearLabel(year));
    json.Close(']');
}

}  // namespace
}  // namespace tarnwick::web

extern "C" {

// Room for the field texts of the next call, `size` bytes; its address.
EMSCRIPTEN_KEEPALIVE char* tarnwick_input_area(std::uint32_t size) {
    tarnwick::web::input_area.assign(size, '\0');
    return tarnwick::web::input_area.data();
}

// Each of these answers in json and returns its address; its length is
// tarnwick_answer_size().
EMSCRIPTEN_KEEPALIVE const char* tarnwick_check_spaces(int year, int warranty_only) {
    tarnwick::web::CheckSpacesAnswer(year, warranty_only != 0);
    return tarnwick::web::answer.data();
}

EMSCRIPTEN_KEEPALIVE const char* tarnwick_decode(int year, int warranty_only) {
    tarnwick::web::DecodeAnswer(year, warranty_only != 0);
    return tarnwick::web::answer.data();
}

EMSCRIPTEN_KEEPALIVE const char* tarnwick_code_book(int year) {
    tarnwick::web::CodeBookAnswer(year);
    return tarnwick::web::answer.data();
}

EMSCRIPTEN_KEEPALIVE const char* tarnwick_year_labels() {
    tarnwick::web::YearLabelsAnswer();
    return tarnwick::web::answer.data();
}

EMSCRIPTEN_KEEPALIVE std::uint32_t tarnwick_answer_size() { return static_cast<std::uint32_t>(tarnwick::web::answer.size()); }

// The upper case of one code point, as the window and the tool make it.
EMSCRIPTEN_KEEPALIVE std::uint32_t tarnwick_upper_case_of(std::uint32_t code) {
    return static_cast<std::uint32_t>(tarnwick::SimpleUpperCase(static_cast<char32_t>(code)));
}

}  // extern "C"
