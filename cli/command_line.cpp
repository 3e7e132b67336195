#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/code_listing.h"
#include "cli/file_io.h"
#include "cli/plate_verdict.h"
#include "cli/record_writers.h"

namespace tarnwick::cli {
namespace {

constexpr const char* kProgram = "tarnwick-decode";

constexpr const char* kDescription =
    "Decodes the warranty number and door data plate codes of Tarnwick cars of the model years 1964-1/2 to 1970, "
    "with the same checks, order and messages as the Tarnwick Decoder window.";

constexpr const char* kFooter = R"(One plate:
  tarnwick-decode --year Y [--warranty-only] --warranty W --body B --color C --trim T
                  --date D --dso S --axle A --trans R [--format text|json]
  Y is 1964 (or 1964-1/2), 1965, 1966, 1967, 1968, 1969 or 1970. An omitted field is empty.
  Fields are taken as they stand (a field of one blank is not empty) and upper-cased
  character by character, as typing in the window does. Most characters per field:
  warranty 11, body 3, color 1, trim 2, date 4, dso 2, axle 1, trans 1; a longer field
  is rejected, never cut. With --warranty-only the seven data plate fields are ignored.
  Judged in the window's order: year, field lengths, missing fields, then the codes.
  text: the twelve results, one "Caption: text" line each; a failure's message lines
        go to standard error.
  json: {"ok":true,"results":{"year":...,...,"unit_number":...}} or
        {"ok":false,"error":{"kind":K,"field":F,"lines":[...]}} where K is
        "incomplete" (a needed field is empty), "invalid" (the decoder rejected a code)
        or "input" (the tool could not take the plate), and F names the field or is null.

A file of plates:
  tarnwick-decode --batch FILE|- [--format csv|jsonl] [--output FILE]
  FILE is CSV (RFC 4180; CRLF or LF, UTF-8, a byte-order mark is skipped) whose header
  names at least year,warranty,body,color,trim,date,dso,axle,trans in any order, and
  optionally warranty_only (1/0, true/false, yes/no; empty means 0). Other columns are
  carried through to csv output. "-" reads standard input. Empty lines are skipped.
  Every data row gives exactly one output record, in input order; a row with too few
  or too many fields or a broken quote gives an "input" error record and the next
  row is read on.
  csv (default): the input columns, then ok, year, body_style, exterior_color,
        interior_color, interior_type, engine, transmission, rear_axle_ratio,
        district_sales_office, assembly_plant, assembly_date, unit_number,
        error_kind, error_field, error_message (lines joined by a line break).
  jsonl: the one-plate json object per row with "row":N first (data rows from 1).

Code tables:
  tarnwick-decode --codes Y [TABLE]
  The valid codes and their texts for year Y, tab separated, in the order they are
  tried: all tables, or one of plant, body, engine, paint, trim, interior, trans,
  axle, dso, month.

Exit status: 0 every plate decoded; 1 at least one plate failed (all rows are still
written); 2 usage error, unreadable input, a header lacking a column, or an output
that could not be written.

Examples:
  tarnwick-decode --year 1965 --warranty 5R09A200000 --body 63A --color M --trim F5 \
                  --date 28K --dso 71 --axle 8 --trans 5
  tarnwick-decode --year 1966 --warranty-only --warranty 6F07C100001 --format json
  tarnwick-decode --batch cars.csv --output decoded.csv
  tarnwick-decode --batch - --format jsonl < cars.csv
  tarnwick-decode --codes 1967 paint
)";

void Complain(std::string_view message) { std::cerr << kProgram << ": " << message << '\n'; }

int FinishOutput(OutputSink& out) {
    out.Close();
    if (!out.failed()) return 0;
    Complain(out.ErrorText());
    return 2;
}

int RunPlate(const std::string& year, bool warranty_only, const std::array<std::string, kAllFields.size()>& texts,
             bool json) {
    PlateRequest request;
    request.year = year;
    request.warranty_only = warranty_only;
    for (std::size_t i = 0; i < kAllFields.size(); ++i)
        request.fields[i] = texts[i];
    PlateJudge judge;
    Verdict verdict;
    judge.Judge(request, verdict);

    OutputSink out("-");
    if (json) {
        WriteJsonRecord(out, verdict, std::nullopt);
    } else if (verdict.ok()) {
        WriteTextResults(out, verdict.results());
    } else {
        for (std::string_view line : verdict.lines())
            std::cerr << line << '\n';
    }
    if (FinishOutput(out) != 0) return 2;
    return verdict.ok() ? 0 : 1;
}

int RunCodes(const std::vector<std::string>& arguments) {
    const std::optional<ModelYear> year = ParseModelYear(arguments.front());
    if (!year) {
        Complain("--codes: unknown model year \"" + arguments.front() +
                 "\"; use 1964 (or 1964-1/2), 1965, 1966, 1967, 1968, 1969 or 1970");
        return 2;
    }
    std::optional<std::string_view> table;
    if (arguments.size() > 1) table = arguments[1];
    OutputSink out("-");
    if (!WriteCodeListing(out, *year, table)) {
        Complain("--codes: unknown table \"" + arguments[1] +
                 "\"; use plant, body, engine, paint, trim, interior, trans, axle, dso or month");
        return 2;
    }
    return FinishOutput(out);
}

}  // namespace

int Run(int argc, const char* const* argv) {
    // A closed pipe must end the run with status 2 and a message, which
    // needs write() to fail with EPIPE instead of the signal ending us.
    std::signal(SIGPIPE, SIG_IGN);

    CLI::App app{kDescription, kProgram};
    app.footer(kFooter);
    app.set_version_flag("--version", TARNWICK_VERSION, "Print the version and exit");

    std::string year;
    bool warranty_only = false;
    std::array<std::string, kAllFields.size()> texts;
    std::string format;
    std::string batch;
    std::string output;
    std::vector<std::string> codes;

    CLI::Option* year_option =
        app.add_option("--year", year, "Model year of one plate: 1964 (or 1964-1/2), 1965 ... 1970")->type_name("Y");
    CLI::Option* only_option =
        app.add_flag("--warranty-only", warranty_only, "Decode the warranty number alone (no door data plate)");
    const std::array<const char*, kAllFields.size()> help = {
        "Vehicle warranty number, up to 11 characters",
        "Body code, up to 3 characters (e.g. 65A)",
        "Exterior paint code, 1 character",
        "Interior trim code, up to 2 characters",
        "Date code, up to 4 characters (not read in 1970)",
        "District Sales Office code, up to 2 characters",
        "Rear axle code, 1 character",
        "Transmission code, 1 character",
    };
    std::vector<CLI::Option*> plate_options = {year_option, only_option};
    for (Field field : kAllFields) {  // value names as in the usage line of the footer
        const std::size_t i = static_cast<std::size_t>(field);
        plate_options.push_back(app.add_option("--" + std::string(FieldName(field)), texts[i], help[i])
                                    ->type_name(std::string(1, "WBCTDSAR"[i])));
    }
    CLI::Option* format_option = app.add_option("--format", format,
                                                "text or json for one plate (default text); csv or jsonl for --batch "
                                                "(default csv)")
                                     ->type_name("FORMAT");
    CLI::Option* batch_option =
        app.add_option("--batch", batch, "Decode every row of a CSV file, or of standard input for -")
            ->type_name("FILE|-");
    CLI::Option* output_option =
        app.add_option("--output", output, "With --batch: write to FILE instead of standard output")
            ->type_name("FILE")
            ->needs(batch_option);
    CLI::Option* codes_option = app.add_option("--codes", codes,
                                               "List the valid codes of year Y: all tables, or one of plant, body, "
                                               "engine, paint, trim, interior, trans, axle, dso, month")
                                    ->type_name("Y [TABLE]")
                                    ->expected(1, 2);
    for (CLI::Option* option : plate_options) {
        batch_option->excludes(option);
        codes_option->excludes(option);
    }
    codes_option->excludes(batch_option);
    codes_option->excludes(format_option);
    codes_option->excludes(output_option);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        app.exit(e, std::cout, std::cerr);
        std::cout.flush();
        return std::cout ? 0 : 2;
    } catch (const CLI::CallForVersion& e) {
        app.exit(e, std::cout, std::cerr);
        std::cout.flush();
        return std::cout ? 0 : 2;
    } catch (const CLI::ParseError& e) {
        Complain(e.what());
        std::cerr << "Run '" << kProgram << " --help' for the options.\n";
        return 2;
    }

    if (codes_option->count() > 0) return RunCodes(codes);

    if (batch_option->count() > 0) {
        BatchOptions options;
        options.input = batch;
        options.output = output;
        if (format.empty() || format == "csv") {
            options.format = BatchFormat::Csv;
        } else if (format == "jsonl") {
            options.format = BatchFormat::Jsonl;
        } else {
            Complain("--format for --batch must be csv or jsonl, not \"" + format + "\"");
            return 2;
        }
        return RunBatch(options, std::cerr);
    }

    if (year_option->count() == 0) {
        Complain("give --year for one plate, --batch FILE for a file of plates, or --codes Y for the code tables");
        std::cerr << "Run '" << kProgram << " --help' for the options.\n";
        return 2;
    }
    if (!format.empty() && format != "text" && format != "json") {
        Complain("--format for one plate must be text or json, not \"" + format + "\"");
        return 2;
    }
    return RunPlate(year, warranty_only, texts, format == "json");
}

}  // namespace tarnwick::cli
