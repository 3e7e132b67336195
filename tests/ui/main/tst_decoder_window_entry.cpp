// Typing into the fields: upper-casing of typed characters, pasted text,
// length limits, and the completeness check before a decode.
#include <QClipboard>

#include "decoder/upper_case.h"
#include "key_typing.h"
#include "window_fixture.h"

using namespace tarnwick;
using namespace tarnwick::testing;

class tst_DecoderWindowEntry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::MessageBox::SetScripted(true); }
    void cleanup() {
        QCOMPARE(ui::MessageBox::PendingAnswers(), 0);
        QCOMPARE(ui::MessageBox::TakeShown().size(), 0);
    }

    void typedCharactersBecomeCapitals_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lower-case letters") << "6f07k"
                                            << "6F07K";
        QTest::newRow("capitals stay") << "ABC"
                                       << "ABC";
        QTest::newRow("digits, blank and punctuation stay") << "1 -*/"
                                                            << "1 -*/";
        QTest::newRow("accented letter") << QString::fromUtf8("é") << QString::fromUtf8("É");
        // Every character the core's upper-case table changes, ten at a time
        // (the field's limit is eleven), as the tool and the page change them.
        QString typed;
        QString shown;
        for (std::size_t i = 0; i < UpperCasePairCount(); ++i) {
            const UpperCasePair pair = UpperCasePairAt(i);
            typed += QString::fromUcs4(&pair.code, 1);
            shown += QString::fromUcs4(&pair.upper, 1);
            if ((i + 1) % 10 == 0 || i + 1 == UpperCasePairCount()) {
                QTest::addRow("upper-case table up to U+%04X", static_cast<unsigned>(pair.code)) << typed << shown;
                typed.clear();
                shown.clear();
            }
        }
    }

    void typedCharactersBecomeCapitals() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Window w;
        TypeText(w.field(Field::Warranty), typed);
        QCOMPARE(w.field(Field::Warranty)->text(), shown);
    }

    // All eight fields upper-case, and Backspace still works in them.
    void everyFieldUpperCases() {
        Window w;
        for (Field f : kAllFields) {
            QLineEdit* edit = w.field(f);
            QTest::keyClicks(edit, QStringLiteral("c"));
            QCOMPARE(edit->text(), QStringLiteral("C"));
            QTest::keyClick(edit, Qt::Key_Backspace);
            QVERIFY(edit->text().isEmpty());
        }
    }

    // Typing in the middle keeps the cursor where the user typed.
    void typingInTheMiddleKeepsTheCursor() {
        Window w;
        QLineEdit* edit = w.field(Field::Warranty);
        QTest::keyClicks(edit, QStringLiteral("5f09"));
        edit->setCursorPosition(1);
        QTest::keyClicks(edit, QStringLiteral("x"));
        QCOMPARE(edit->text(), QStringLiteral("5XF09"));
        QCOMPARE(edit->cursorPosition(), 2);
    }

    void pastedTextStaysAsItIs() {
        Window w;
        QGuiApplication::clipboard()->setText(QStringLiteral("5f07k"));
        QLineEdit* edit = w.field(Field::Warranty);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("5f07k"));
    }

    void typingStopsAtTheLimit_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("limit");
        QTest::newRow("txtWarranty 11") << int(Field::Warranty) << 11;
        QTest::newRow("txtBody 3") << int(Field::Body) << 3;
        QTest::newRow("txtColor 1") << int(Field::Color) << 1;
        QTest::newRow("txtTrim 2") << int(Field::Trim) << 2;
        QTest::newRow("txtDate 3") << int(Field::Date) << 3;
        QTest::newRow("txtDSO 2") << int(Field::Dso) << 2;
        QTest::newRow("txtAxle 1") << int(Field::Axle) << 1;
        QTest::newRow("txtTrans 1") << int(Field::Trans) << 1;
    }

    void typingStopsAtTheLimit() {
        QFETCH(int, field);
        QFETCH(int, limit);
        Window w;
        QLineEdit* edit = w.field(Field(field));
        QTest::keyClicks(edit, QStringLiteral("1234567890ABCD"));
        QCOMPARE(edit->text(), QStringLiteral("1234567890ABCD").left(limit));
    }

    // 1970 date codes have four characters; carried into another year they
    // stay whole, and only further typing is held to three.
    void fourDateCharactersCarriedOverFrom1970() {
        Window w;
        w.choose(ModelYear::Y1970);
        QLineEdit* date = w.field(Field::Date);
        QTest::keyClicks(date, QStringLiteral("12345"));
        QCOMPARE(date->text(), QStringLiteral("1234"));

        ui::MessageBox::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(w.option(ModelYear::Y1966), Qt::LeftButton);
        QCOMPARE(ui::MessageBox::TakeShown().size(), 1);
        QCOMPARE(date->text(), QStringLiteral("1234"));

        date->setFocus();
        date->end(false);
        QTest::keyClick(date, Qt::Key_Backspace);
        QTest::keyClicks(date, QStringLiteral("99"));
        QCOMPARE(date->text(), QStringLiteral("123"));
        QCOMPARE(w.limit(Field::Date), 3);
    }

    // The seven door plate fields are asked for in a fixed order, then the
    // warranty number; 1970 never asks for the date.
    void checkSpacesAsksForTheFirstEmptyField_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("empty");  // names of the empty fields
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const int y65 = int(ModelYear::Y1965);
        QTest::newRow("all empty: body first")
            << y65 << "txtWarranty txtBody txtColor txtTrim txtDate txtDSO txtAxle txtTrans"
            << "Please select a Body Style"
            << "txtBody";
        QTest::newRow("paint") << y65 << "txtColor txtTrim txtWarranty"
                               << "Please select an Exterior Paint Color"
                               << "txtColor";
        QTest::newRow("trim") << y65 << "txtTrim txtDSO"
                              << "Please select an Interior Trim"
                              << "txtTrim";
        QTest::newRow("date") << y65 << "txtDate"
                              << "Please select a Date Code"
                              << "txtDate";
        QTest::newRow("district") << y65 << "txtDSO txtTrans"
                                  << "Please select a District"
                                  << "txtDSO";
        QTest::newRow("axle") << y65 << "txtAxle"
                              << "Please select an Axle"
                              << "txtAxle";
        QTest::newRow("transmission") << y65 << "txtTrans txtWarranty"
                                      << "Please select a Transmission"
                                      << "txtTrans";
        QTest::newRow("warranty number last") << y65 << "txtWarranty"
                                              << "Please enter a Vehicle Warranty Number"
                                              << "txtWarranty";
        QTest::newRow("1966 date") << int(ModelYear::Y1966) << "txtDate"
                                   << "Please select a Date Code"
                                   << "txtDate";
        QTest::newRow("1970 skips the date") << int(ModelYear::Y1970) << "txtDate txtAxle"
                                             << "Please select an Axle"
                                             << "txtAxle";
        QTest::newRow("1970 warranty number after an empty date") << int(ModelYear::Y1970) << "txtDate txtWarranty"
                                                                  << "Please enter a Vehicle Warranty Number"
                                                                  << "txtWarranty";
    }

    void checkSpacesAsksForTheFirstEmptyField() {
        QFETCH(int, year);
        QFETCH(QString, empty);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Window w;
        w.choose(ModelYear(year));
        const Plate& plate = kGoodPlates[std::size_t(year)];
        w.fill(plate);
        for (const QString& name : empty.split(QLatin1Char(' ')))
            w.field(qPrintable(name))->clear();
        w.button("cmdClear")->setFocus();
        const QStringList before = w.results();

        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);

        ExpectInputError(message);
        QCOMPARE(w.focus()->objectName(), focus);
        QCOMPARE(w->EntryIncomplete(), 1);
        QCOMPARE(w.results(), before);
    }

    // A field holding a blank is filled: the decoder, not the check, judges it.
    void aBlankCountsAsFilled() {
        Window w;
        w.fill(kGoodPlates[0]);
        w.field(Field::Color)->setText(QStringLiteral(" "));
        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);
        ExpectInputError(QStringLiteral("Invalid Exterior Paint Color entered for 1964-1/2."));
        QCOMPARE(w->EntryIncomplete(), 0);
        QCOMPARE(w.focus(), w.field(Field::Color));
    }

    // The flag goes back to 0 when a later check passes.
    void entryIncompleteClearsOnAPassingCheck() {
        Window w;
        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);
        QCOMPARE(ui::MessageBox::TakeShown().size(), 1);
        QCOMPARE(w->EntryIncomplete(), 1);
        w.fill(kGoodPlates[0]);
        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);
        QCOMPARE(ui::MessageBox::TakeShown().size(), 0);
        QCOMPARE(w->EntryIncomplete(), 0);
        QCOMPARE(w.label("lblYearResult")->text(), QStringLiteral("1964-1/2"));
    }

    void warrantyOnlyAsksOnlyForTheWarrantyNumber() {
        Window w;
        QTest::mouseClick(w.warrantyBox(), Qt::LeftButton);
        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);
        ExpectInputError(QStringLiteral("Please enter a Vehicle Warranty Number"));
        QCOMPARE(w.focus(), w.field(Field::Warranty));
        QCOMPARE(w->EntryIncomplete(), 1);
    }
};

QTEST_MAIN(tst_DecoderWindowEntry)
#include "tst_decoder_window_entry.moc"
