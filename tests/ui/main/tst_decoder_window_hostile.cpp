// Hostile input into the decoder window: 100,000-character pastes, control
// characters, other scripts and characters outside the Basic Multilingual
// Plane, typed and pasted, then Decode. The fields keep their limits and the
// window reports what the decoding core reports for what the fields hold.
#include <QClipboard>

#include "decoder/completeness_check.h"
#include "decoder/utf8_text.h"
#include "decoder/year_decoder.h"
#include "key_typing.h"
#include "window_fixture.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

constexpr int kPasteLength = 100'000;  // characters, not UTF-16 units
constexpr int kTypedLength = 40;       // well past every field's limit

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString Controls() {
    const QChar controls[] = {QChar(0), QChar(u'\t'), QChar(u'\r'), QChar(u'\n'), QChar(0x1b), QChar(0x7f)};
    return QString(controls, std::size(controls));
}

// The pattern's characters over and over, `characters` of them in all.
QString Repeated(const QString& pattern, int characters) {
    const QList<uint> points = pattern.toUcs4();
    QString text;
    text.reserve(2 * characters);
    for (int i = 0; i < characters; ++i)
        text.append(QStringView(QChar::fromUcs4(points[i % points.size()])));
    return text;
}

bool IsPair(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// The first `limit` whole characters of the text: a field's limit counts
// characters, one outside the Basic Multilingual Plane as one.
QString WholeCharactersWithin(const QString& text, qsizetype limit) {
    qsizetype end = 0;
    for (qsizetype count = 0; end < text.size() && count < limit; ++count)
        end += IsPair(text, end) ? 2 : 1;
    return text.left(end);
}

bool HasHalfCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsPair(text, i)) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return true;
        }
    }
    return false;
}

// The pieces of hostile text pasted into the fields.
struct Content {
    const char* name;
    QString pattern;
};

QList<Content> PastedContents() {
    return {
        {"lower-case Latin", QStringLiteral("x")},
        {"control characters", Controls()},
        {"Greek", QString::fromUtf8("αβγδΩ")},
        {"Cyrillic", QString::fromUtf8("жЖяЯ")},
        {"CJK", QString::fromUtf8("車漢字")},
        {"Arabic-Indic digits", QString::fromUtf8("٠١٢٣٤٥٦٧٨٩")},
        {"emoji", QString::fromUtf8("😀🚗")},
        {"mixed scripts, emoji and controls", QString::fromUtf8("aΩж車٣😀\t")},
    };
}

// What the core says of the texts the fields hold, as the window must show it.
struct Outcome {
    QString message;  // the box text; empty when the plate decodes
    QString focus;
    QStringList results;
};

Outcome CoreOutcome(const Window& w, ModelYear year, bool warranty_only) {
    std::array<QByteArray, kAllFields.size()> bytes;
    PlateFields fields;
    for (Field f : kAllFields) {
        QByteArray& text = bytes[std::size_t(f)];
        text = w.field(f)->text().toUtf8();
        fields[f] = std::string_view(text.constData(), std::size_t(text.size()));
    }
    if (const std::optional<MissingField> missing = tarnwick::CheckSpaces(year, fields, warranty_only)) {
        return {FromUtf8(missing->message), QString::fromLatin1(FieldName(missing->field)), {}};
    }
    const DecodeOutcome outcome = DecodePlate(year, fields, warranty_only);
    if (const InputError* error = outcome.error()) {
        QStringList lines;
        for (std::string_view line : error->Lines())
            lines << FromUtf8(line);
        return {lines.join(QLatin1Char('\n')), QString::fromLatin1(FieldName(error->Focus())), {}};
    }
    Outcome decoded;
    for (ResultItem item : kAllResultItems)
        decoded.results << FromUtf8((*outcome.results())[item]);
    return decoded;
}

// Presses Decode and holds the window's outcome against the core's: the box
// text and the focus with the results untouched, or the twelve results.
void DecodeMatchesCore(const Window& w, ModelYear year, bool warranty_only = false) {
    const Outcome expected = CoreOutcome(w, year, warranty_only);
    const QStringList before = w.results();
    QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);
    if (expected.results.isEmpty()) {
        ExpectInputError(expected.message);
        QVERIFY(w.focus() != nullptr);
        QCOMPARE(w.focus()->objectName(), expected.focus);
        QCOMPARE(w.results(), before);
    } else {
        QCOMPARE(ui::MessageBox::TakeShown().size(), 0);
        QCOMPARE(w.results(), expected.results);
    }
}

// The three ways a program puts text into a field, each replacing what the
// field held.
enum class Route { Paste, SetText, Insert };

void Enter(QLineEdit* edit, const QString& text, Route route) {
    switch (route) {
        case Route::Paste:
            QGuiApplication::clipboard()->setText(text);
            edit->selectAll();
            edit->paste();
            break;
        case Route::SetText:
            edit->setText(text);
            break;
        case Route::Insert:
            edit->selectAll();
            edit->insert(text);
            break;
    }
}

const char* RouteName(Route route) {
    switch (route) {
        case Route::Paste:
            return "paste";
        case Route::SetText:
            return "setText";
        case Route::Insert:
            break;
    }
    return "insert";
}

void FieldHoldsWholeCharactersWithin(const QLineEdit* edit, int limit) {
    const QString text = edit->text();
    QVERIFY(utf8::CountChars(text.toUtf8().toStdString()) <= std::size_t(limit));
    QVERIFY2(!HasHalfCharacter(text), "half of a character outside the Basic Multilingual Plane");
}

}  // namespace

class tst_DecoderWindowHostile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::MessageBox::SetScripted(true); }
    void cleanup() { ExpectNoBoxLeft(); }

    // Each field in turn, every other field valid; the rows walk the years.
    void pasteHundredThousandCharacters_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("year");
        int row = 0;
        for (Field f : kAllFields) {
            for (const Content& content : PastedContents()) {
                const ModelYear year = kAllModelYears[std::size_t(row++) % kAllModelYears.size()];
                QTest::addRow("%s, %s, %s", FieldName(f), content.name, std::string(YearLabel(year)).c_str())
                    << int(f) << content.pattern << int(year);
            }
        }
    }

    // Pasted, set and inserted: the field keeps the whole characters that
    // fit its limit, and Decode reports what the core reports for them.
    void pasteHundredThousandCharacters() {
        QFETCH(int, field);
        QFETCH(QString, pattern);
        QFETCH(int, year);
        const Field f = Field(field);
        const ModelYear y = ModelYear(year);
        const QString hostile = Repeated(pattern, kPasteLength);
        const int limit = int(FieldMaxLength(f, y));
        const Plate& good = kGoodPlates[std::size_t(year)];
        Window w;
        w.choose(y);
        // The warranty number once more with Warranty Number Only ticked.
        for (bool warranty_only : {false, true}) {
            if (warranty_only && f != Field::Warranty) break;
            if (warranty_only) QTest::mouseClick(w.warrantyBox(), Qt::LeftButton, {}, QPoint(5, 8));
            for (Route route : {Route::Paste, Route::SetText, Route::Insert}) {
                if (warranty_only) {
                    w.field(Field::Warranty)->setText(QString::fromLatin1(good.warranty));
                } else {
                    w.fill(good);
                }
                QLineEdit* edit = w.field(f);
                Enter(edit, hostile, route);
                QVERIFY2(edit->text() == WholeCharactersWithin(hostile, limit), RouteName(route));
                FieldHoldsWholeCharactersWithin(edit, limit);
                DecodeMatchesCore(w, y, warranty_only);
                if (QTest::currentTestFailed()) qWarning("by %s", RouteName(route));
            }
        }
    }

    // All eight fields hostile at once, in the normal mode.
    void everyFieldAtOnce_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("year");
        int row = 0;
        for (const Content& content : PastedContents()) {
            const ModelYear year = kAllModelYears[std::size_t(row++) % kAllModelYears.size()];
            QTest::addRow("%s, %s", content.name, std::string(YearLabel(year)).c_str()) << content.pattern << int(year);
        }
    }

    void everyFieldAtOnce() {
        QFETCH(QString, pattern);
        QFETCH(int, year);
        const QString hostile = Repeated(pattern, kPasteLength);
        Window w;
        w.choose(ModelYear(year));
        for (Field f : kAllFields) {
            Enter(w.field(f), hostile, Route::Paste);
            FieldHoldsWholeCharactersWithin(w.field(f), int(FieldMaxLength(f, ModelYear(year))));
            if (QTest::currentTestFailed()) return;
        }
        DecodeMatchesCore(w, ModelYear(year));
    }

    void typedHostileCharacters_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // what each typed character becomes
        QTest::addColumn<int>("year");
        struct Typed {
            const char* name;
            QString typed, shown;
        };
        const QChar controls_between[] = {QChar(0), u'a', u'\t',       u'b', u'\r',      u'c',
                                          u'\n',    u'd', QChar(0x1b), u'e', QChar(0x7f)};
        const QList<Typed> contents = {
            {"lower-case Greek", QString::fromUtf8("αβγδ"), QString::fromUtf8("ΑΒΓΔ")},
            {"lower-case Cyrillic", QString::fromUtf8("жзия"), QString::fromUtf8("ЖЗИЯ")},
            {"CJK", QString::fromUtf8("車漢字"), QString::fromUtf8("車漢字")},
            {"Arabic-Indic digits", QString::fromUtf8("٣٤٥"), QString::fromUtf8("٣٤٥")},
            {"emoji", QString::fromUtf8("😀🚗"), QString::fromUtf8("😀🚗")},
            {"lower-case Deseret, outside the BMP", QString::fromUtf8("𐐨𐐩"), QString::fromUtf8("𐐀𐐁")},
            {"control characters between letters", QString(controls_between, std::size(controls_between)),
             QStringLiteral("ABCDE")},
            {"letters whose capitals are ASCII", QString::fromUtf8("ſı"), QStringLiteral("SI")},
        };
        int row = 0;
        for (Field f : kAllFields) {
            for (const Typed& content : contents) {
                const ModelYear year = kAllModelYears[std::size_t(row++) % kAllModelYears.size()];
                QTest::addRow("%s, %s, %s", FieldName(f), content.name, std::string(YearLabel(year)).c_str())
                    << int(f) << content.typed << content.shown << int(year);
            }
        }
    }

    // Typing goes on well past the limit: control characters are refused,
    // the rest arrive as capitals until the field is full, and a character
    // that does not fit whole is refused whole.
    void typedHostileCharacters() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, year);
        const Field f = Field(field);
        const ModelYear y = ModelYear(year);
        const int limit = int(FieldMaxLength(f, y));
        Window w;
        w.choose(y);
        w.fill(kGoodPlates[std::size_t(year)]);
        QLineEdit* edit = w.field(f);
        edit->clear();
        edit->setFocus();
        TypeText(edit, Repeated(typed, kTypedLength));
        QCOMPARE(edit->text(), WholeCharactersWithin(Repeated(shown, kTypedLength), limit));
        FieldHoldsWholeCharactersWithin(edit, limit);
        DecodeMatchesCore(w, y);
    }

    // Cases whose outcome is known by hand, beside the core's word for it.
    void handKnownOutcomes_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("warrantyOnly");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how");  // paste, set or type
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");     // what the field holds after it
        QTest::addColumn<QString>("message");  // empty: the plate decodes
        QTest::addColumn<QString>("where");    // the focus, or label=text after a decode
        const QString x = Repeated(QStringLiteral("x"), kPasteLength);
        const QString arabic = Repeated(QString::fromUtf8("٠١٢٣٤٥٦٧٨٩"), kPasteLength);
        const QString emoji = Repeated(QString::fromUtf8("😀"), kPasteLength);
        const int y64 = int(ModelYear::Y1964Half), y65 = int(ModelYear::Y1965), y66 = int(ModelYear::Y1966),
                  y67 = int(ModelYear::Y1967), y68 = int(ModelYear::Y1968), y69 = int(ModelYear::Y1969),
                  y70 = int(ModelYear::Y1970);
        QTest::newRow("100,000 x pasted into txtColor, 1965") << y65 << false << "txtColor"
                                                              << "paste" << x << "x"
                                                              << "Invalid Exterior Paint Color entered for 1965."
                                                              << "txtColor";
        QTest::newRow("100,000 x set into txtColor, 1970") << y70 << false << "txtColor"
                                                           << "set" << x << "x"
                                                           << "Invalid Exterior Paint Color entered for 1970."
                                                           << "txtColor";
        QTest::newRow("a paint code then 99,999 x pasted into txtColor decodes, 1965")
            << y65 << false << "txtColor"
            << "paste" << QStringLiteral("M") + x.left(kPasteLength - 1) << "M" << QString()
            << "lblExteriorResult=Wimbledon White";
        QTest::newRow("100,000 Cyrillic pasted into txtWarranty, 1966")
            << y66 << false << "txtWarranty"
            << "paste" << Repeated(QString::fromUtf8("ж"), kPasteLength) << Repeated(QString::fromUtf8("ж"), 11)
            << "Invalid Warranty Number entered for 1966.\nFirst character (First Year Digit) invalid."
            << "txtWarranty";
        QTest::newRow("a warranty number then 100,000 x pasted, warranty only decodes, 1964-1/2")
            << y64 << true << "txtWarranty"
            << "paste" << QStringLiteral("5F07K100001") + x << "5F07K100001" << QString() << "lblUnitResult=100001";
        QTest::newRow("100,000 Greek pasted into txtBody, 1969")
            << y69 << false << "txtBody"
            << "paste" << Repeated(QString::fromUtf8("αβγ"), kPasteLength) << QString::fromUtf8("αβγ")
            << "Body Style does not agree with Warranty Number for 1969."
            << "txtBody";
        QTest::newRow("100,000 NULs pasted into txtDSO, 1967")
            << y67 << false << "txtDSO"
            << "paste" << QString(kPasteLength, QChar(0)) << QString(2, QChar(0)) << "Invalid DSO entered."
            << "txtDSO";
        QTest::newRow("100,000 Arabic-Indic digits pasted into txtDate, 1968")
            << y68 << false << "txtDate"
            << "paste" << arabic << arabic.left(3) << "Invalid Date Code entered."
            << "txtDate";
        QTest::newRow("100,000 Arabic-Indic digits pasted into txtDate decode in 1970")
            << y70 << false << "txtDate"
            << "paste" << arabic << arabic.left(4) << QString() << "lblDateResult=n/a";
        QTest::newRow("100,000 emoji pasted into txtColor: one fits, 1966")
            << y66 << false << "txtColor"
            << "paste" << emoji << emoji.left(2) << "Invalid Exterior Paint Color entered for 1966."
            << "txtColor";
        QTest::newRow("100,000 emoji pasted into txtWarranty: eleven fit, 1967")
            << y67 << false << "txtWarranty"
            << "paste" << emoji << emoji.left(22)
            << "Invalid Warranty Number entered for 1967.\nFirst character (First Year Digit) invalid."
            << "txtWarranty";
        QTest::newRow("an emoji typed into txtTrans is one character, 1967")
            << y67 << false << "txtTrans"
            << "type" << QString::fromUtf8("😀") << QString::fromUtf8("😀") << "Invalid Transmission entered for 1967."
            << "txtTrans";
        QTest::newRow("a letter, an emoji, a letter typed into txtTrim: the last does not fit, 1966")
            << y66 << false << "txtTrim"
            << "type" << QString::fromUtf8("a😀b") << QString::fromUtf8("A😀")
            << "Invalid Interior Trim entered for 1966."
            << "txtTrim";
        QTest::newRow("a lone surrogate set into txtAxle is dropped, 1968")
            << y68 << false << "txtAxle"
            << "set" << QString(QChar(0xD83D)) << QString() << "Please select an Axle"
            << "txtAxle";
        QTest::newRow("long s typed into txtDate becomes S, 1966")
            << y66 << false << "txtDate"
            << "type" << QString::fromUtf8("05ſ") << "05S" << QString() << "lblDateResult=05 May";
        QTest::newRow("dotless i typed into txtColor becomes I, 1965")
            << y65 << false << "txtColor"
            << "type" << QString::fromUtf8("ı") << "I" << QString() << "lblExteriorResult=Champagne Beige";
        QTest::newRow("control keys typed around an axle code are refused, 1966")
            << y66 << false << "txtAxle"
            << "type" << Controls() + QStringLiteral("8") + Controls() << "8" << QString() << "lblAxleResult=3.89:1";
    }

    void handKnownOutcomes() {
        QFETCH(int, year);
        QFETCH(bool, warrantyOnly);
        QFETCH(QString, field);
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QFETCH(QString, message);
        QFETCH(QString, where);
        const ModelYear y = ModelYear(year);
        Window w;
        w.choose(y);
        if (warrantyOnly) {
            QTest::mouseClick(w.warrantyBox(), Qt::LeftButton, {}, QPoint(5, 8));
            w.field(Field::Warranty)->setText(QString::fromLatin1(kGoodPlates[std::size_t(year)].warranty));
        } else {
            w.fill(kGoodPlates[std::size_t(year)]);
        }
        QLineEdit* edit = w.field(qPrintable(field));
        if (how == QLatin1String("type")) {
            edit->clear();
            TypeText(edit, text);
        } else {
            Enter(edit, text, how == QLatin1String("paste") ? Route::Paste : Route::SetText);
        }
        QCOMPARE(edit->text(), kept);

        const Outcome core = CoreOutcome(w, y, warrantyOnly);
        QCOMPARE(core.message, message);
        if (!message.isEmpty()) QCOMPARE(core.focus, where);
        DecodeMatchesCore(w, y, warrantyOnly);
        if (message.isEmpty()) {
            const QStringList label = where.split(QLatin1Char('='));
            QCOMPARE(w.label(qPrintable(label[0]))->text(), label[1]);
        }
    }
};

QTEST_MAIN(tst_DecoderWindowHostile)
#include "tst_decoder_window_hostile.moc"
