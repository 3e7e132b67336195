// One core, proved: plates of every year and both modes, built from the
// core's tables, entered into the decoder window and given to the built
// tarnwick-decode, reach the same outcome in both.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <set>

#include "decoder/year_decoder.h"
#include "decoder/year_tables.h"
#include "key_typing.h"
#include "window_fixture.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The tool's names of the fields and results, as its json output gives them.
constexpr std::array<const char*, kAllFields.size()> kToolFields = {
    "warranty", "body", "color", "trim", "date", "dso", "axle", "trans",
};
constexpr std::array<const char*, kResultCount> kToolResults = {
    "model_year",   "body_style",      "exterior_color",        "interior_color", "interior_type", "engine",
    "transmission", "rear_axle_ratio", "district_sales_office", "assembly_plant", "assembly_date", "unit_number",
};

struct Sample {
    std::string name;
    ModelYear year = ModelYear::Y1964Half;
    bool warranty_only = false;
    bool typed = false;  // typed key by key into the window, else set as a program would
    std::array<QString, kAllFields.size()> texts;

    QString& operator[](Field f) { return texts[std::size_t(f)]; }
    const QString& operator[](Field f) const { return texts[std::size_t(f)]; }
};

// A plate the year decodes, from the first or the last row of each table.
Sample ValidPlate(ModelYear year, bool last) {
    const YearTables& t = TablesFor(year);
    const auto pick = [last](CodeTable table) { return Q(last ? table.back().code : table.front().code); };
    const BodyPair& body = last ? t.bodies.back() : t.bodies.front();
    Sample s;
    s.name = last ? "last rows of every table" : "first rows of every table";
    s.year = year;
    s[Field::Warranty] = Q(t.year_digit) + pick(t.plants) + Q(body.serial) + pick(t.engines) +
                         (last ? QStringLiteral("999999") : QStringLiteral("000123"));
    s[Field::Body] = Q(body.body_code) + pick(t.interior_types);
    s[Field::Color] = pick(t.paints);
    s[Field::Trim] = pick(t.trims);
    s[Field::Date] =
        t.decodes_date ? (last ? QStringLiteral("31") : QStringLiteral("01")) + pick(MonthLetterTable()) : QString();
    s[Field::Dso] = pick(DsoTable());
    s[Field::Axle] = pick(t.axles);
    s[Field::Trans] = pick(t.transmissions);
    return s;
}

// A code that some other year knows and this year does not, or garbage
// when every year knows the same codes.
QString CodeOfAnotherYear(ModelYear year, CodeTable YearTables::*table) {
    const CodeTable mine = TablesFor(year).*table;
    for (ModelYear other : kAllModelYears) {
        for (const CodeRow& row : TablesFor(other).*table) {
            if (FindCode(mine, row.code) == nullptr) return Q(row.code);
        }
    }
    return QStringLiteral("?");
}

Sample Changed(Sample base, std::string name, Field field, const QString& text) {
    base.name = std::move(name);
    base[field] = text;
    return base;
}

QString WithWarrantyPiece(QString warranty, int position, const QString& piece) {
    return warranty.replace(position, int(piece.size()), piece);
}

// Plates of the normal mode: good ones, one failing at each test of the
// decode, one with each field empty, lower case, other scripts.
QList<Sample> NormalSamples(ModelYear year) {
    const YearTables& t = TablesFor(year);
    const Sample base = ValidPlate(year, false);
    const QString warranty = base[Field::Warranty];
    QList<Sample> samples = {base, ValidPlate(year, true)};
    auto add = [&](std::string name, Field field, const QString& text) {
        samples.append(Changed(base, std::move(name), field, text));
    };

    for (ModelYear other : kAllModelYears) {
        if (TablesFor(other).year_digit != t.year_digit) {
            add("year digit of " + std::string(YearLabel(other)), Field::Warranty,
                WithWarrantyPiece(warranty, 0, Q(TablesFor(other).year_digit)));
            break;
        }
    }
    for (const BodyPair& other : t.bodies) {
        if (other.serial != t.bodies.front().serial) {
            add("body code of another body style", Field::Body, Q(other.body_code) + base[Field::Body].right(1));
            break;
        }
    }
    add("body serial no body style has", Field::Warranty, WithWarrantyPiece(warranty, 2, QStringLiteral("99")));
    add("engine of another year", Field::Warranty,
        WithWarrantyPiece(warranty, 4, CodeOfAnotherYear(year, &YearTables::engines)));
    add("paint of another year", Field::Color, CodeOfAnotherYear(year, &YearTables::paints));
    add("paint punctuation", Field::Color, QStringLiteral("?"));
    add("paint a blank", Field::Color, QStringLiteral(" "));
    add("trim of another year", Field::Trim, CodeOfAnotherYear(year, &YearTables::trims));
    add("interior type of another year", Field::Body,
        base[Field::Body].left(2) + CodeOfAnotherYear(year, &YearTables::interior_types));
    add("plant letter no plant has", Field::Warranty, WithWarrantyPiece(warranty, 1, QStringLiteral("X")));
    add("transmission of another year", Field::Trans, CodeOfAnotherYear(year, &YearTables::transmissions));
    add("axle of another year", Field::Axle, CodeOfAnotherYear(year, &YearTables::axles));
    add("DSO 00", Field::Dso, QStringLiteral("00"));
    add("date day 32", Field::Date, QStringLiteral("32A"));
    add("date month letter I", Field::Date, QStringLiteral("05I"));
    if (!t.decodes_date) add("date code not read", Field::Date, QStringLiteral("?!?!"));
    add("unit number with a letter", Field::Warranty, warranty.left(10) + QStringLiteral("X"));
    add("ten-character warranty number", Field::Warranty, warranty.left(10));
    for (Field f : kAllFields)
        add(std::string(FieldName(f)) + " empty", f, QString());
    // Full to the limit counted in characters, the last one two UTF-16 units.
    for (Field f : kAllFields)
        add(std::string(FieldName(f)) + " ending outside the BMP", f,
            base[f].left(qsizetype(FieldMaxLength(f, year)) - 1) + QString::fromUtf8("😀"));

    Sample lower = base;
    lower.name = "typed in lower case";
    lower.typed = true;
    for (QString& text : lower.texts)
        text = text.toLower();
    samples.append(lower);

    auto typed = [&](std::string name, Field field, const QString& text) {
        Sample s = Changed(base, std::move(name), field, text);
        s.typed = true;
        samples.append(s);
    };
    typed("paint e acute", Field::Color, QString::fromUtf8("é"));
    typed("trim Cyrillic", Field::Trim, QString::fromUtf8("жя"));
    typed("body an emoji", Field::Body, QString::fromUtf8("😀"));
    typed("date with a long s, whose capital is S", Field::Date, QString::fromUtf8("05ſ"));
    typed("unit number in Arabic-Indic digits", Field::Warranty, warranty.left(5) + QString::fromUtf8("١٢٣٤٥٦"));

    // Set rather than typed, every other plate, so both ways of entry are
    // met in every kind of plate.
    for (qsizetype i = 0; i < samples.size(); i += 2)
        samples[i].typed = true;
    return samples;
}

// Plates with the warranty number decoded alone. The tool gets data plate
// fields too, which it must not look at; the window's are hidden and empty.
QList<Sample> WarrantyOnlySamples(ModelYear year) {
    Sample base = ValidPlate(year, false);
    base.warranty_only = true;
    for (Field f : kAllFields) {
        if (IsDataPlateField(f)) base[f] = QStringLiteral("?");
    }
    const QString warranty = base[Field::Warranty];
    QList<Sample> samples;
    auto add = [&](std::string name, const QString& text, bool typed) {
        Sample s = Changed(base, std::move(name), Field::Warranty, text);
        s.typed = typed;
        samples.append(s);
    };
    add("good", warranty, false);
    Sample last = ValidPlate(year, true);
    add("good, last rows", last[Field::Warranty], true);
    add("typed in lower case", warranty.toLower(), true);
    add("year digit 1", WithWarrantyPiece(warranty, 0, QStringLiteral("1")), false);
    add("body serial no body style has", WithWarrantyPiece(warranty, 2, QStringLiteral("99")), true);
    add("engine of another year", WithWarrantyPiece(warranty, 4, CodeOfAnotherYear(year, &YearTables::engines)), false);
    add("plant letter no plant has", WithWarrantyPiece(warranty, 1, QStringLiteral("X")), true);
    add("unit number with a letter", warranty.left(10) + QStringLiteral("X"), false);
    add("empty", QString(), true);
    add("Greek", QString::fromUtf8("αβγ"), true);
    add("unit number ending outside the BMP", warranty.left(10) + QString::fromUtf8("𐐀"), false);
    return samples;
}

const QList<Sample>& AllSamples() {
    static const QList<Sample> all = [] {
        QList<Sample> samples;
        for (ModelYear year : kAllModelYears) {
            samples += NormalSamples(year);
            samples += WarrantyOnlySamples(year);
        }
        return samples;
    }();
    return all;
}

std::string RowName(const Sample& s) {
    return std::string(YearLabel(s.year)) + (s.warranty_only ? " warranty only: " : " normal: ") + s.name +
           (s.typed ? ", typed" : ", set");
}

// What the core makes of a sample once typed characters are capitals.
std::optional<DecodeStep> CoreStep(const Sample& s, bool* decodes, std::optional<Field>* missing) {
    std::array<std::string, kAllFields.size()> bytes;
    PlateFields fields;
    for (Field f : kAllFields) {
        const bool entered = !s.warranty_only || !IsDataPlateField(f);
        bytes[std::size_t(f)] = entered ? (s.typed ? s[f].toUpper() : s[f]).toStdString() : std::string();
        fields[f] = bytes[std::size_t(f)];
    }
    *decodes = false;
    if (const std::optional<MissingField> m = CheckSpaces(s.year, fields, s.warranty_only)) {
        *missing = m->field;
        return std::nullopt;
    }
    const DecodeOutcome outcome = DecodePlate(s.year, fields, s.warranty_only);
    *decodes = outcome.ok();
    return outcome.ok() ? std::nullopt : std::optional(outcome.error()->step);
}

void Enter(QLineEdit* edit, const QString& text, bool typed) {
    edit->clear();
    if (typed) {
        TypeText(edit, text);
    } else {
        edit->setText(text);
    }
}

struct ToolOutcome {
    int status = -1;
    QJsonObject record;
};

ToolOutcome RunTool(const Sample& s) {
    QStringList args = {QStringLiteral("--year"), Q(YearLabel(s.year)), QStringLiteral("--format"),
                        QStringLiteral("json")};
    if (s.warranty_only) args << QStringLiteral("--warranty-only");
    for (Field f : kAllFields)
        args << QStringLiteral("--") + QLatin1String(kToolFields[std::size_t(f)]) << s[f];
    QProcess tool;
    tool.start(QStringLiteral(TARNWICK_DECODE_PATH), args);
    ToolOutcome outcome;
    if (!tool.waitForStarted(-1) || !tool.waitForFinished(-1)) return outcome;
    if (tool.exitStatus() != QProcess::NormalExit) return outcome;
    outcome.status = tool.exitCode();
    outcome.record = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
    return outcome;
}

QString WindowFieldName(const QString& tool_field) {
    for (Field f : kAllFields) {
        if (tool_field == QLatin1String(kToolFields[std::size_t(f)])) return QString::fromLatin1(FieldName(f));
    }
    return QStringLiteral("(no field: %1)").arg(tool_field);
}

}  // namespace

class tst_WindowMatchesCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        ui::MessageBox::SetScripted(true);
        QVERIFY2(QFile::exists(QStringLiteral(TARNWICK_DECODE_PATH)), TARNWICK_DECODE_PATH);
    }
    void cleanup() {
        QCOMPARE(ui::MessageBox::PendingAnswers(), 0);
        QCOMPARE(ui::MessageBox::TakeShown().size(), 0);
    }

    // The sample is worth comparing only if it reaches every outcome: each
    // test of the decode that can fail in a year and mode, each field the
    // completeness check asks for, and good decodes, in every year.
    void samplesReachEveryOutcome() {
        for (ModelYear year : kAllModelYears) {
            for (bool warranty_only : {false, true}) {
                std::set<int> steps, missing;
                int decoded = 0;
                for (const Sample& s : AllSamples()) {
                    if (s.year != year || s.warranty_only != warranty_only) continue;
                    bool decodes = false;
                    std::optional<Field> empty;
                    if (const std::optional<DecodeStep> step = CoreStep(s, &decodes, &empty)) steps.insert(int(*step));
                    if (empty) missing.insert(int(*empty));
                    decoded += decodes ? 1 : 0;
                }
                const std::string where = std::string(YearLabel(year)) + (warranty_only ? " warranty only" : "");
                QVERIFY2(decoded >= 2, where.c_str());
                std::set<int> wanted;
                for (int step = 0; step <= int(DecodeStep::UnitNumber); ++step) {
                    const auto s = DecodeStep(step);
                    const bool warranty_step = s == DecodeStep::YearDigit || s == DecodeStep::BodySerial ||
                                               s == DecodeStep::Engine || s == DecodeStep::AssemblyPlant ||
                                               s == DecodeStep::UnitNumber;
                    if (warranty_only ? !warranty_step : s == DecodeStep::BodySerial) continue;
                    if (s == DecodeStep::DateCode && !TablesFor(year).decodes_date) continue;
                    wanted.insert(step);
                }
                QVERIFY2(steps == wanted, where.c_str());
                const std::size_t asked = warranty_only ? 1 : (year == ModelYear::Y1970 ? 7 : 8);
                QVERIFY2(missing.size() == asked, where.c_str());
            }
        }
    }

    void windowEqualsTool_data() {
        QTest::addColumn<int>("sample");
        for (qsizetype i = 0; i < AllSamples().size(); ++i)
            QTest::newRow(RowName(AllSamples()[i]).c_str()) << int(i);
    }

    // The year by its option button, the mode by the check box, the fields
    // typed or set, Decode pressed; after a good decode of the year's first
    // plate, so that a failure can be seen to leave the results alone.
    void windowEqualsTool() {
        QFETCH(int, sample);
        const Sample& s = AllSamples()[sample];
        for (Field f : kAllFields)
            QVERIFY2(s[f].toUcs4().size() <= qsizetype(FieldMaxLength(f, s.year)), "longer than the window's field");

        Window w;
        w.choose(s.year);
        if (s.warranty_only) QTest::mouseClick(w.warrantyBox(), Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(w.warrantyBox()->isChecked(), s.warranty_only);
        const Sample first = ValidPlate(s.year, false);
        for (Field f : kAllFields) {
            if (!s.warranty_only || !IsDataPlateField(f)) Enter(w.field(f), first[f], false);
        }
        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);
        QCOMPARE(ui::MessageBox::TakeShown().size(), 0);
        const QStringList before = w.results();
        QVERIFY(!before.first().isEmpty());

        for (Field f : kAllFields) {
            if (!s.warranty_only || !IsDataPlateField(f)) Enter(w.field(f), s[f], s.typed);
        }
        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);
        const QList<ui::ShownBox> shown = ui::MessageBox::TakeShown();

        const ToolOutcome tool = RunTool(s);
        QVERIFY2(tool.status == 0 || tool.status == 1, "the tool did not run to its end");
        const QJsonObject& record = tool.record;
        const bool ok = record[QStringLiteral("ok")].toBool();
        QCOMPARE(tool.status, ok ? 0 : 1);

        if (ok) {
            QCOMPARE(shown.size(), 0);
            const QJsonObject results = record[QStringLiteral("results")].toObject();
            QCOMPARE(results.size(), qsizetype(kResultCount));
            QStringList from_tool;
            for (const char* key : kToolResults)
                from_tool << results[QLatin1String(key)].toString();
            QCOMPARE(w.results(), from_tool);
            return;
        }
        const QJsonObject error = record[QStringLiteral("error")].toObject();
        const QString kind = error[QStringLiteral("kind")].toString();
        QVERIFY2(kind != QLatin1String("input"), "the tool refused the plate before judging it");
        QStringList lines;
        for (const QJsonValue& line : error[QStringLiteral("lines")].toArray())
            lines << line.toString();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Input Error"));
        QCOMPARE(shown[0].text.split(QLatin1Char('\n')), lines);
        QVERIFY(w.focus() != nullptr);
        QCOMPARE(w.focus()->objectName(), WindowFieldName(error[QStringLiteral("field")].toString()));
        QCOMPARE(w->EntryIncomplete() == 1, kind == QLatin1String("incomplete"));
        QCOMPARE(w.results(), before);
    }
};

QTEST_MAIN(tst_WindowMatchesCli)
#include "tst_window_matches_cli.moc"
