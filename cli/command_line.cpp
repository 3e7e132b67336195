// The tool's arguments parsed with CLI11, checked against one another, and
// handed to the one-plate, batch or --codes command.
#include "cli/command_line.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/blank_text.h"
#include "cli/code_listing.h"
#include "cli/file_io.h"
#include "cli/plate_verdict.h"
#include "cli/record_writers.h"
#include "cli/terminal.h"
#include "tarnwick_version.h"

namespace tarnwick::cli {
namespace {

constexpr const char* kProgram = "tarnwick-decode";

constexpr const char* kDescription =
    "Decodes the warranty number and door data plate codes of Tarnwick cars of\n"
    "the model years 1964-1/2 to 1970, with the same checks, order and messages\n"
    "as the Tarnwick Decoder window.";

constexpr const char* kFooter = R"(One plate:
  tarnwick-decode -y Y [-w] --warranty W --body B --color C --trim T
                  --date D --dso S --axle A --trans R [-f text|json]
  Y is 1964 (or 1964-1/2), 1965 ... 1970. An omitted field is empty. Fields
  are taken as they stand (a blank is a character; --trim-blanks drops
  blanks around them), upper-cased as typing in the window does. Most chars
  per field: warranty 11, body 3, color 1, trim 2, date 4, dso 2, axle 1,
  trans 1; a longer field is rejected, never cut. With -w the seven data
  plate fields are ignored. Judged in the window's order: year, field
  lengths, missing fields, then the codes.
  text: the twelve results, one "Caption: text" line each; a failure's
        message lines go to standard error.
  json: {"ok":true,"results":{"model_year":...,"unit_number":...}} or
        {"ok":false,"error":{"kind":K,"field":F,"lines":[...]}}, K being
        "incomplete" (a needed field is empty), "invalid" (the decoder
        rejected a code) or "input" (the tool could not take the plate);
        F names the field or is null.

A file of plates:
  tarnwick-decode --batch FILE|- [-f csv|jsonl] [-o FILE] [options]
  FILE is CSV (RFC 4180, CRLF or LF) whose header names the columns year,
  warranty, body, color, trim, date, dso, axle, trans in any order, in any
  letter case, blanks around a name ignored; optionally warranty_only (1/0,
  true/false, yes/no in any case; empty is no). With -y no year column is
  read; with -w only the warranty column (and year) is. "-" reads standard
  input; empty lines are skipped. A quote inside an unquoted field is a
  character (12" wheels). Every data row gives exactly one output record,
  in input order; a row the tool cannot take (too few or too many fields,
  a quote never closed, bytes that are not UTF-8) gives an "input" error
  record that keeps the columns read, and the next row is read.
  csv (default): the input columns, then row (data rows from 1), ok,
        model_year, body_style, exterior_color, interior_color,
        interior_type, engine, transmission, rear_axle_ratio,
        district_sales_office, assembly_plant, assembly_date, unit_number,
        error_kind, error_field, error_message (lines joined by a line
        break). An input column named like one of these is kept as
        NAME_input, a second column of a name as NAME_2, each said on
        standard error. A file that ends in these columns (the tool's own
        output) has them replaced, so the output decodes again to itself.
  jsonl: per row the one-plate json object, after "row":N and "input":{the
        row's columns by header name}.
  For spreadsheets (csv only): --output-delimiter ';' or tab, --bom (a
  UTF-8 byte-order mark, for Excel), --crlf (CR LF line ends).
  A summary line goes to standard error when a row failed (not with -q);
  a progress line is shown while a file is read when standard error is a
  terminal that the records do not go to (not with -q).

Code tables:
  tarnwick-decode --codes Y [TABLE] [-f text|csv|json]
  The valid codes of year Y in the order they are tried: all tables, or one
  of plant, body, engine, paint, trim, interior, trans, axle, dso, month.
  text: tab separated, for reading; csv and json: the columns year, table,
  code, text (and serial and warranty_only_text, the body style read from
  the warranty number alone, when the body table is listed).

Exit status: 0 every plate decoded; 1 at least one plate failed (all rows are
still written); 2 usage error, unreadable input, a header lacking a column,
or an output that could not be written.

Examples:
  tarnwick-decode -y 1965 --warranty 5R09A200000 --body 63A --color M \
                  --trim F5 --date 28K --dso 71 --axle 8 --trans 5
  tarnwick-decode -y 1966 -w --warranty 6F07C100001 -f json
  tarnwick-decode --batch cars.csv -o decoded.csv
  tarnwick-decode --batch - -f jsonl < cars.csv
  tarnwick-decode --batch export.csv --encoding windows-1252 --map warranty=VIN
  tarnwick-decode --batch club.csv --delimiter ';' --trim-blanks -q
  tarnwick-decode --batch club.csv -o for-excel.csv --bom --crlf
  tarnwick-decode --batch 1967-cars.csv -y 1967 -w
  tarnwick-decode --codes 1967 paint -f csv
)";

// What the command line asked for.
struct Request {
    std::string year;
    bool warranty_only = false;
    std::array<std::string, kAllFields.size()> texts;
    std::string format;
    std::string batch;
    std::string output;
    std::vector<std::string> codes;
    std::vector<std::string> maps;
    std::string delimiter = "auto";
    std::string output_delimiter = ",";
    std::string encoding = "utf-8";
    bool trim = false;
    bool quiet = false;
    bool bom = false;
    bool crlf = false;
};

// The options as the parser knows them, to ask which were given.
struct Given {
    CLI::Option* year = nullptr;
    CLI::Option* warranty_only = nullptr;
    std::vector<CLI::Option*> fields;
    CLI::Option* format = nullptr;
    CLI::Option* batch = nullptr;
    CLI::Option* output = nullptr;
    CLI::Option* codes = nullptr;
    CLI::Option* map = nullptr;
    CLI::Option* delimiter = nullptr;
    CLI::Option* encoding = nullptr;
    CLI::Option* trim = nullptr;
    // The spreadsheet options, for csv output only.
    std::vector<CLI::Option*> csv_only;
};

int Complain(std::string_view message) {
    std::cerr << kProgram << ": " << message << '\n';
    return 2;
}

int ComplainAboutUsage(std::string_view message) {
    Complain(message);
    std::cerr << "Run '" << kProgram << " --help' for the options.\n";
    return 2;
}

Given AddOptions(CLI::App& app, Request& request) {
    Given given;
    given.year = app.add_option("-y,--year", request.year, "Model year: 1964 (or 1964-1/2) ... 1970")->type_name("Y");
    given.warranty_only =
        app.add_flag("-w,--warranty-only", request.warranty_only, "Decode the warranty number alone");
    const std::array<const char*, kAllFields.size()> help = {
        "Warranty number, up to 11 characters",
        "Body code, up to 3 characters (e.g. 65A)",
        "Exterior paint code, 1 character",
        "Interior trim code, up to 2 characters",
        "Date code, up to 4 characters (not in 1970)",
        "District Sales Office code, up to 2 characters",
        "Rear axle code, 1 character",
        "Transmission code, 1 character",
    };
    for (Field field : kAllFields) {  // value names as in the usage lines of the footer
        const auto i = static_cast<std::size_t>(field);
        given.fields.push_back(app.add_option("--" + std::string(FieldName(field)), request.texts[i], help[i])
                                   ->type_name(std::string(1, "WBCTDSAR"[i])));
    }
    given.format = app.add_option("-f,--format", request.format, "text|json, csv|jsonl with --batch")
                       ->type_name("FORMAT");
    given.batch = app.add_option("--batch", request.batch, "Decode every row of a CSV file (- for stdin)")
                      ->type_name("FILE|-");
    given.output = app.add_option("-o,--output", request.output, "With --batch: write to FILE, not stdout")
                       ->type_name("FILE");
    given.codes = app.add_option("--codes", request.codes, "List the valid codes of year Y")
                      ->type_name("Y [TABLE]")
                      ->expected(1, 2);
    given.map = app.add_option("--map", request.maps, "Read column NAME from the column HEADER")
                    ->type_name("NAME=HEADER");
    given.delimiter =
        app.add_option("--delimiter", request.delimiter, "Field separator: , ; tab or auto (default)")
            ->type_name("D");
    given.encoding = app.add_option("--encoding", request.encoding, "utf-8 (default), windows-1252 or latin-1")
                         ->type_name("E");
    given.csv_only = {
        app.add_option("--output-delimiter", request.output_delimiter, "CSV output's separator: , (default) ; tab")
            ->type_name("D"),
        app.add_flag("--bom", request.bom, "Start CSV output with a UTF-8 byte-order mark"),
        app.add_flag("--crlf", request.crlf, "End CSV output records with CR LF"),
    };
    given.trim = app.add_flag("--trim-blanks", request.trim, "Drop blanks around every code before judging");
    app.add_flag("-q,--quiet", request.quiet, "No summary, renaming or progress lines");
    return given;
}

int FinishOutput(OutputSink& out) {
    out.Close();
    if (!out.failed() || out.reader_gone()) return 0;
    return Complain(out.ErrorText());
}

// Writes --help or --version; status 2 when that cannot be written.
int ShowAndExit(CLI::App& app, const CLI::ParseError& call) {
    std::ostringstream text;
    app.exit(call, text, std::cerr);
    OutputSink out("-");
    out.Append(text.str());
    return FinishOutput(out);
}

// CLI11's messages, said as sentences about this tool's options.
std::string ParseErrorSentence(const CLI::ParseError& error) {
    const std::string what = error.what();
    const std::string option = what.substr(0, what.find(':'));
    if (error.get_name() == "ArgumentMismatch") {
        if (what.find("missing") != std::string::npos && option != "--codes") return option + " needs a value";
        if (option == "--batch") return "--batch takes one file";
        if (option == "--codes") return "--codes takes a model year and at most one table name";
        return option + " takes one value";
    }
    if (what.find("requires at least") != std::string::npos || what.find("required") != std::string::npos)
        return option + " needs a value";
    return what;
}

// A problem with the arguments left over after the options.
std::string ExtrasSentence(const std::vector<std::string>& extras, bool batch) {
    const std::string& first = extras.front();
    if (!first.empty() && first[0] == '-') return "there is no option \"" + first + "\"";
    if (batch) return "--batch takes one file; \"" + first + "\" is one too many (run the tool once per file)";
    return "\"" + first + "\" is not an option or the value of one";
}

std::string FirstGiven(const std::vector<CLI::Option*>& options) {
    for (const CLI::Option* option : options) {
        if (option->count() > 0) return option->get_name();
    }
    return {};
}

std::optional<char> ParseDelimiter(const std::string& name) {
    if (name == "," || name == ";") return name[0];
    if (name == "tab" || name == "\t") return '\t';
    return std::nullopt;
}

// Options that belong to another command than the one given.
std::string CheckCombination(const Given& given) {
    std::vector<CLI::Option*> batch_only = {given.output, given.map, given.delimiter, given.encoding};
    batch_only.insert(batch_only.end(), given.csv_only.begin(), given.csv_only.end());
    if (given.codes->count() > 0) {
        std::vector<CLI::Option*> others = given.fields;
        others.insert(others.end(), batch_only.begin(), batch_only.end());
        others.insert(others.end(), {given.batch, given.year, given.warranty_only, given.trim});
        const std::string other = FirstGiven(others);
        if (!other.empty()) return "--codes lists the code tables; it does not take " + other;
        return {};
    }
    if (given.batch->count() > 0) {
        const std::string field = FirstGiven(given.fields);
        if (!field.empty()) return field + " is for one plate; with --batch the codes come from the file";
        return {};
    }
    const std::string other = FirstGiven(batch_only);
    if (!other.empty()) return other + " is for --batch";
    if (given.year->count() == 0)
        return "give --year for one plate, --batch FILE for a file of plates, or --codes Y for the code tables";
    return {};
}

int RunPlate(const Request& request) {
    if (!request.format.empty() && request.format != "text" && request.format != "json")
        return Complain("--format for one plate must be text or json, not \"" + request.format + "\"");
    PlateRequest plate;
    plate.year = TrimBlanksIf(request.year, request.trim);
    plate.warranty_only = request.warranty_only;
    for (std::size_t i = 0; i < kAllFields.size(); ++i)
        plate.fields[i] = TrimBlanksIf(request.texts[i], request.trim);
    PlateJudge judge;
    Verdict verdict;
    judge.Judge(plate, verdict);

    OutputSink out("-");
    if (request.format == "json") {
        WriteJsonRecord(out, verdict);
    } else if (verdict.ok()) {
        WriteTextResults(out, verdict.results());
    } else {
        for (std::string_view line : verdict.lines())
            std::cerr << line << '\n';
    }
    if (FinishOutput(out) != 0) return 2;
    return verdict.ok() ? 0 : 1;
}

int RunCodes(const Request& request) {
    const std::vector<std::string>& arguments = request.codes;
    ListingFormat format = ListingFormat::Text;
    if (request.format == "csv") {
        format = ListingFormat::Csv;
    } else if (request.format == "json") {
        format = ListingFormat::Json;
    } else if (!request.format.empty() && request.format != "text") {
        return Complain("--format for --codes must be text, csv or json, not \"" + request.format + "\"");
    }
    const std::optional<ModelYear> year = ParseModelYear(arguments.front());
    if (!year) {
        return Complain("--codes: unknown model year \"" + arguments.front() +
                        "\"; use 1964 (or 1964-1/2), 1965, 1966, 1967, 1968, 1969 or 1970");
    }
    std::optional<std::string_view> table;
    if (arguments.size() > 1) table = arguments[1];
    OutputSink out("-");
    if (!WriteCodeListing(out, *year, table, format)) {
        return Complain("--codes: unknown table \"" + arguments[1] +
                        "\"; use plant, body, engine, paint, trim, interior, trans, axle, dso or month");
    }
    return FinishOutput(out);
}

// The batch options from the request; nullopt after saying what is wrong.
std::optional<BatchOptions> MakeBatchOptions(const Request& request, const Given& given) {
    BatchOptions options;
    options.input = request.batch;
    options.output = request.output;
    BatchSettings& settings = options.settings;
    if (request.format.empty() || request.format == "csv") {
        settings.format = BatchFormat::Csv;
    } else if (request.format == "jsonl") {
        settings.format = BatchFormat::Jsonl;
    } else {
        Complain("--format for --batch must be csv or jsonl, not \"" + request.format + "\"");
        return std::nullopt;
    }
    const std::optional<char> delimiter =
        request.delimiter == "auto" ? std::optional<char>(0) : ParseDelimiter(request.delimiter);
    if (!delimiter) {
        Complain("--delimiter takes , ; tab or auto, not \"" + request.delimiter + "\"");
        return std::nullopt;
    }
    settings.delimiter = *delimiter;
    const std::optional<char> output_delimiter = ParseDelimiter(request.output_delimiter);
    if (!output_delimiter) {
        Complain("--output-delimiter takes , ; or tab, not \"" + request.output_delimiter + "\"");
        return std::nullopt;
    }
    if (const std::string csv_only = FirstGiven(given.csv_only);
        !csv_only.empty() && settings.format != BatchFormat::Csv) {
        Complain(csv_only + " is for csv output, which spreadsheets open; json lines have no use for it");
        return std::nullopt;
    }
    settings.output_delimiter = *output_delimiter;
    settings.bom = request.bom;
    settings.crlf = request.crlf;
    const std::optional<InputEncoding> encoding = ParseEncoding(request.encoding);
    if (!encoding) {
        Complain("--encoding takes utf-8, windows-1252 or latin-1, not \"" + request.encoding + "\"");
        return std::nullopt;
    }
    settings.encoding = *encoding;
    if (given.year->count() > 0) {
        const std::string_view year = TrimBlanksIf(request.year, request.trim);
        if (!ParseModelYear(year)) {
            Complain("--year \"" + request.year + "\" is not a model year; use 1964 (or 1964-1/2), 1965 ... 1970");
            return std::nullopt;
        }
        settings.year = std::string(year);
    }
    settings.columns.year_given = settings.year.has_value();
    settings.columns.warranty_only = request.warranty_only;
    for (const std::string& map : request.maps) {
        const std::size_t equals = map.find('=');
        const std::string name = map.substr(0, equals);
        if (equals == std::string::npos || !IsColumnName(name)) {
            Complain("--map takes NAME=HEADER, NAME being year, warranty, body, color, trim, date, dso, axle, "
                     "trans or warranty_only; not \"" + map + "\"");
            return std::nullopt;
        }
        for (const ColumnRename& earlier : settings.columns.renames) {
            if (earlier.name == name) {
                Complain("--map gives the column " + name + " twice, as \"" + earlier.header + "\" and as \"" +
                         map.substr(equals + 1) + "\"; give it once");
                return std::nullopt;
            }
        }
        settings.columns.renames.push_back({name, map.substr(equals + 1)});
    }
    settings.trim = request.trim;
    options.quiet = request.quiet;
    // Never drawn among records on the same terminal.
    const bool records_to_terminal = (options.output.empty() || options.output == "-") && IsTerminal(STDOUT_FILENO);
    options.show_progress = !request.quiet && IsTerminal(STDERR_FILENO) && !records_to_terminal;
    return options;
}

}  // namespace

int Run(int argc, const char* const* argv) {
    CLI::App app{kDescription, kProgram};
    app.footer(kFooter);
    app.set_version_flag("--version", std::string(kVersion), "Print the version and exit");
    app.get_formatter()->column_width(26);
    app.allow_extras();
    Request request;
    const Given given = AddOptions(app, request);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& call) {
        return ShowAndExit(app, call);
    } catch (const CLI::CallForVersion& call) {
        return ShowAndExit(app, call);
    } catch (const CLI::ParseError& error) {
        return ComplainAboutUsage(ParseErrorSentence(error));
    }
    if (!app.remaining().empty()) return ComplainAboutUsage(ExtrasSentence(app.remaining(), given.batch->count() > 0));
    if (const std::string problem = CheckCombination(given); !problem.empty()) return ComplainAboutUsage(problem);

    if (given.codes->count() > 0) return RunCodes(request);
    if (given.batch->count() > 0) {
        const std::optional<BatchOptions> options = MakeBatchOptions(request, given);
        return options ? RunBatch(*options, std::cerr) : 2;
    }
    return RunPlate(request);
}

}  // namespace tarnwick::cli
