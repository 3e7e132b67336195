// The window's commands: year choice with carry-over, Decode, Clear, Exit,
// Warranty Number Only, the menu routes and every menu shortcut pressed
// inside an entry field.
#include <QClipboard>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>

#include "decoder/year_decoder.h"
#include "window_fixture.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

const QString kCarryOverText = QStringLiteral(
    "You have selected a different year. Do you want to carry over the current data you have already entered?");

// What the core makes of a plate, as the labels should show it.
QStringList CoreResults(const Plate& plate, bool warranty_only = false) {
    const DecodeOutcome outcome = DecodePlate(plate.year, plate.Fields(), warranty_only);
    QStringList texts;
    if (!outcome.ok()) return texts;
    for (ResultItem item : kAllResultItems) {
        const std::string_view text = (*outcome.results())[item];
        texts << QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    return texts;
}

// A snapshot of everything a year choice or mode change can touch.
struct State {
    QStringList fields, results;
    QList<QRect> places;
    QList<bool> visible, enabled, year_checks;
    QString picture, focus;
    bool warranty_box, warranty_check;
    int date_limit;

    static State Of(const Window& w) {
        State s;
        for (Field f : kAllFields) {
            s.fields << w.field(f)->text();
            s.places << w.field(f)->geometry();
            s.visible << w.field(f)->isVisible();
            s.enabled << w.field(f)->isEnabled();
        }
        for (ModelYear year : kAllModelYears)
            s.year_checks << w.yearMenu(year)->isChecked();
        for (const char* picture : {"pic1965", "pic1966", "pic1970"}) {
            if (w.find<QWidget>(picture)->isVisible()) s.picture = QString::fromLatin1(picture);
        }
        s.results = w.results();
        s.focus = w.focus() != nullptr ? w.focus()->objectName() : QString();
        s.warranty_box = w.warrantyBox()->isChecked();
        s.warranty_check = w.menu("mnuWarranty")->isChecked();
        s.date_limit = w.limit(Field::Date);
        return s;
    }

    bool operator==(const State&) const = default;
};

void Decode(const Window& w) { QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton); }

}  // namespace

class tst_DecoderWindowCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::MessageBox::SetScripted(true); }
    void cleanup() { ExpectNoBoxLeft(); }

    void fullDecodeFillsAllTwelveLabels_data() {
        QTest::addColumn<int>("plate");
        for (std::size_t i = 0; i < kGoodPlates.size(); ++i) {
            const std::string_view label = YearLabel(kGoodPlates[i].year);
            QTest::newRow(std::string(label).c_str()) << int(i);
        }
    }

    void fullDecodeFillsAllTwelveLabels() {
        QFETCH(int, plate);
        const Plate& p = kGoodPlates[std::size_t(plate)];
        Window w;
        w.choose(p.year);
        w.fill(p);
        w.field(Field::Trim)->setFocus();
        w.menu("mnuDecode")->trigger();
        QCOMPARE(ui::MessageBox::TakeShown().size(), 0);
        QCOMPARE(w.results(), CoreResults(p));
        QCOMPARE(w.label("lblYearResult")->text(), QString::fromLatin1(std::string(YearLabel(p.year)).c_str()));
        for (const QString& text : w.results())
            QVERIFY(!text.isEmpty());
        QCOMPARE(w.focus(), w.field(Field::Trim));  // a good decode moves no focus
    }

    // After a good decode, a bad code shows the core's message, moves the
    // focus to its field and leaves the earlier results on screen.
    void failedDecodeKeepsTheLabels_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("paint") << "txtColor"
                               << "?"
                               << "Invalid Exterior Paint Color entered for 1965.";
        QTest::newRow("plant, three lines")
            << "txtWarranty"
            << "5?09A200000"
            << "Invalid Warranty Number entered.\nSecond character (Assembly Plant) invalid.";
        QTest::newRow("unit number") << "txtWarranty"
                                     << "5R09A20000X"
                                     << "Invalid Warranty Number entered.\nLast 6 characters (Consecutive Unit "
                                        "Number) invalid.\nMust be six digits.";
        QTest::newRow("body agreement, focus in body") << "txtBody"
                                                       << "76A"
                                                       << "Body Style does not agree with Warranty Number for 1965.";
        QTest::newRow("date") << "txtDate"
                              << "32A"
                              << "Invalid Date Code entered.";
    }

    void failedDecodeKeepsTheLabels() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const Plate& good = kGoodPlates[std::size_t(ModelYear::Y1965)];
        Window w;
        w.choose(ModelYear::Y1965);
        w.fill(good);
        Decode(w);
        const QStringList before = w.results();
        QCOMPARE(before, CoreResults(good));

        w.field(qPrintable(field))->setText(text);
        w.button("cmdClear")->setFocus();
        Decode(w);
        ExpectInputError(message);
        QCOMPARE(w.focus()->objectName(), field);
        QCOMPARE(w.results(), before);
    }

    void carryOver_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes keeps codes and results") << true;
        QTest::newRow("No empties codes and results") << false;
    }

    void carryOver() {
        QFETCH(bool, yes);
        const Plate& plate = kGoodPlates[std::size_t(ModelYear::Y1965)];
        Window w;
        w.choose(ModelYear::Y1965);
        w.fill(plate);
        Decode(w);
        const State before = State::Of(w);

        ui::MessageBox::SetNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        QTest::mouseClick(w.option(ModelYear::Y1966), Qt::LeftButton);

        ExpectOneBox(kCarryOverText, QStringLiteral("Year selection Change"), QMessageBox::Question,
                     QMessageBox::Yes | QMessageBox::No);

        const State after = State::Of(w);
        if (yes) {
            QCOMPARE(after.fields, before.fields);
            QCOMPARE(after.results, before.results);
        } else {
            for (const QString& text : after.fields + after.results)
                QVERIFY(text.isEmpty());
        }
        QCOMPARE(after.picture, QStringLiteral("pic1966"));
        QCOMPARE(after.focus, QStringLiteral("txtWarranty"));
        QVERIFY(w.yearMenu(ModelYear::Y1966)->isChecked());
    }

    void noQuestionWhenEveryFieldIsEmpty() {
        Window w;
        QTest::mouseClick(w.option(ModelYear::Y1970), Qt::LeftButton);
        QCOMPARE(ui::MessageBox::TakeShown().size(), 0);
        QVERIFY(w.find<QWidget>("pic1970")->isVisible());
        QCOMPARE(w.focus(), w.field(Field::Date));
    }

    // The same year again, by the menu, still asks once.
    void sameYearAgainAsksAgain() {
        Window w;
        w.field(Field::Trim)->setText(QStringLiteral("42"));
        ui::MessageBox::SetNextAnswer(QMessageBox::Yes);
        w.menu("mnu1964")->trigger();
        QCOMPARE(ui::MessageBox::TakeShown().size(), 1);
        QCOMPARE(w.field(Field::Trim)->text(), QStringLiteral("42"));
        QVERIFY(w.yearMenu(ModelYear::Y1964Half)->isChecked());
        ui::MessageBox::SetNextAnswer(QMessageBox::No);
        w.menu("mnu1964")->trigger();
        QCOMPARE(ui::MessageBox::TakeShown().size(), 1);
        QVERIFY(w.field(Field::Trim)->text().isEmpty());
        QVERIFY(w.yearMenu(ModelYear::Y1964Half)->isChecked());
    }

    // Each Year menu item does exactly what its option button does.
    void yearMenuEqualsOptionButton_data() {
        QTest::addColumn<int>("year");
        for (ModelYear year : kAllModelYears)
            QTest::newRow(MenuName(year)) << int(year);
    }

    void yearMenuEqualsOptionButton() {
        QFETCH(int, year);
        Window byButton, byMenu;
        for (const Window* w : {&byButton, &byMenu}) {
            w->choose(ModelYear::Y1966);
            w->fill(kGoodPlates[1]);
            ui::MessageBox::SetNextAnswer(QMessageBox::Yes);
        }
        QTest::mouseClick(byButton.option(ModelYear(year)), Qt::LeftButton);
        byMenu.yearMenu(ModelYear(year))->trigger();
        QCOMPARE(ui::MessageBox::TakeShown().size(), 2);
        QVERIFY(byMenu.option(ModelYear(year))->isChecked());
        QVERIFY(State::Of(byMenu) == State::Of(byButton));
    }

    void decodeAndClearMenusEqualButtons() {
        Window byButton, byMenu;
        for (const Window* w : {&byButton, &byMenu}) {
            w->choose(ModelYear::Y1968);
            w->fill(kGoodPlates[std::size_t(ModelYear::Y1968)]);
        }
        Decode(byButton);
        byMenu.menu("mnuDecode")->trigger();
        QVERIFY(!byMenu.results().first().isEmpty());
        QVERIFY(State::Of(byMenu) == State::Of(byButton));

        QTest::mouseClick(byButton.button("cmdClear"), Qt::LeftButton);
        byMenu.menu("mnuClear")->trigger();
        QVERIFY(State::Of(byMenu) == State::Of(byButton));
        for (const QString& text : State::Of(byMenu).fields + byMenu.results())
            QVERIFY(text.isEmpty());
    }

    // Clear empties fields and results and nothing else.
    void clearKeepsYearModeAndLayout() {
        Window w;
        w.choose(ModelYear::Y1970);
        w.fill(kGoodPlates[std::size_t(ModelYear::Y1970)]);
        Decode(w);
        w.field(Field::Color)->setFocus();
        State before = State::Of(w);
        QTest::mouseClick(w.button("cmdClear"), Qt::LeftButton);
        w.field(Field::Color)->setFocus();
        State after = State::Of(w);
        for (const QString& text : after.fields + after.results)
            QVERIFY(text.isEmpty());
        before.fields = after.fields;
        before.results = after.results;
        QVERIFY(after == before);
        QVERIFY(w.option(ModelYear::Y1970)->isChecked());
    }

    // Every menu shortcut works while the focus is in an entry field, and
    // wins over the field's own use of the key.
    void shortcutsWorkInsideAnEntryField_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Ctrl+D decodes") << int(Qt::Key_D) << "txtBody"
                                        << "decode";
        QTest::newRow("Ctrl+C clears, not copies") << int(Qt::Key_C) << "txtBody"
                                                   << "clear";
        QTest::newRow("Ctrl+C in the warranty number") << int(Qt::Key_C) << "txtWarranty"
                                                       << "clear";
        QTest::newRow("Ctrl+X exits, not cuts") << int(Qt::Key_X) << "txtTrim"
                                                << "exit";
        QTest::newRow("Ctrl+W toggles the mode") << int(Qt::Key_W) << "txtWarranty"
                                                 << "warranty";
        QTest::newRow("Ctrl+A opens About, not select all") << int(Qt::Key_A) << "txtBody"
                                                            << "about";
        QTest::newRow("Ctrl+T opens Help") << int(Qt::Key_T) << "txtDSO"
                                           << "help";
        QTest::newRow("Ctrl+F4 1964-1/2") << int(Qt::Key_F4) << "txtBody"
                                          << "opt1964";
        QTest::newRow("Ctrl+F5 1965") << int(Qt::Key_F5) << "txtBody"
                                      << "opt1965";
        QTest::newRow("Ctrl+F6 1966") << int(Qt::Key_F6) << "txtColor"
                                      << "opt1966";
        QTest::newRow("Ctrl+F7 1967") << int(Qt::Key_F7) << "txtTrans"
                                      << "opt1967";
        QTest::newRow("Ctrl+F8 1968") << int(Qt::Key_F8) << "txtAxle"
                                      << "opt1968";
        QTest::newRow("Ctrl+F9 1969") << int(Qt::Key_F9) << "txtDate"
                                      << "opt1969";
        QTest::newRow("Ctrl+F11 1970") << int(Qt::Key_F11) << "txtWarranty"
                                       << "opt1970";
    }

    void shortcutsWorkInsideAnEntryField() {
        QFETCH(int, key);
        QFETCH(QString, field);
        QFETCH(QString, effect);
        Window w;
        QSignalSpy about(w.get(), &ui::DecoderWindow::aboutRequested);
        QSignalSpy help(w.get(), &ui::DecoderWindow::helpRequested);
        if (effect.startsWith(QLatin1String("opt"))) w.choose(ModelYear::Y1967);
        QLineEdit* edit = w.field(qPrintable(field));
        const QString text = QStringLiteral("5F").left(edit->property("characterLimit").toInt());
        if (effect != QLatin1String("decode")) {
            edit->setText(text);
            edit->selectAll();
        }
        edit->setFocus();
        ui::MessageBox::SetNextAnswer(QMessageBox::Yes);  // a year change asks about the text

        QTest::keyClick(edit, Qt::Key(key), Qt::ControlModifier);

        const QList<ui::ShownBox> shown = ui::MessageBox::TakeShown();
        ui::MessageBox::Reset();
        if (effect == QLatin1String("decode")) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].text, QStringLiteral("Please select a Body Style"));
        } else if (effect == QLatin1String("clear")) {
            QVERIFY(edit->text().isEmpty());
            QVERIFY(QGuiApplication::clipboard()->text() != text);
        } else if (effect == QLatin1String("exit")) {
            QCOMPARE(w.exits, 1);
            QCOMPARE(edit->text(), text);
        } else if (effect == QLatin1String("warranty")) {
            QVERIFY(w.warrantyBox()->isChecked());
            QVERIFY(w.menu("mnuWarranty")->isChecked());
        } else if (effect == QLatin1String("about")) {
            QCOMPARE(about.size(), 1);
            QCOMPARE(help.size(), 0);
            QCOMPARE(edit->selectedText(), text);
        } else if (effect == QLatin1String("help")) {
            QCOMPARE(help.size(), 1);
            QCOMPARE(about.size(), 0);
        } else {
            QCOMPARE(shown.size(), 1);
            QVERIFY(w.find<QRadioButton>(qPrintable(effect))->isChecked());
            QCOMPARE(edit->text(), text);
        }
        if (effect != QLatin1String("exit")) QCOMPARE(w.exits, 0);
    }

    void warrantyOnly_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("1966 by the box") << int(ModelYear::Y1966) << false;
        QTest::newRow("1966 by the menu") << int(ModelYear::Y1966) << true;
        QTest::newRow("1970 by the box") << int(ModelYear::Y1970) << false;
        QTest::newRow("1970 by the menu") << int(ModelYear::Y1970) << true;
    }

    // In: everything emptied, door plate fields hidden and disabled. Out:
    // everything emptied, fields back, txtDate hidden again under 1970.
    void warrantyOnly() {
        QFETCH(int, year);
        QFETCH(bool, byMenu);
        Window w;
        w.choose(ModelYear(year));
        const Plate& plate = kGoodPlates[std::size_t(year)];
        w.fill(plate);
        Decode(w);
        QVERIFY(!w.results().first().isEmpty());
        const QList<QRect> places = State::Of(w).places;
        auto toggle = [&] {
            if (byMenu) {
                w.menu("mnuWarranty")->trigger();
            } else {
                QTest::mouseClick(w.warrantyBox(), Qt::LeftButton, {}, QPoint(5, 8));
            }
        };

        toggle();
        State in = State::Of(w);
        QVERIFY(in.warranty_box && in.warranty_check);
        for (const QString& text : in.fields + in.results)
            QVERIFY(text.isEmpty());
        for (Field f : kAllFields) {
            QCOMPARE(w.field(f)->isVisible(), f == Field::Warranty);
            QCOMPARE(w.field(f)->isEnabled(), f == Field::Warranty);
        }
        QCOMPARE(in.places, places);

        w.field(Field::Warranty)->setText(QString::fromLatin1(plate.warranty));
        Decode(w);
        QCOMPARE(w.results(), CoreResults(plate, true));
        QCOMPARE(w.label("lblExteriorResult")->text(), QStringLiteral("n/a"));

        toggle();
        State out = State::Of(w);
        QVERIFY(!out.warranty_box && !out.warranty_check);
        for (const QString& text : out.fields + out.results)
            QVERIFY(text.isEmpty());
        for (Field f : kAllFields) {
            QCOMPARE(w.field(f)->isVisible(), f != Field::Date || year != int(ModelYear::Y1970));
            QVERIFY(w.field(f)->isEnabled());
        }
        QCOMPARE(out.places, places);
        QVERIFY(w.option(ModelYear(year))->isChecked());
    }

    // In the mode a year choice keeps txtDate hidden and focuses the
    // warranty number, in every layout.
    void yearChoiceInWarrantyOnlyMode() {
        Window w;
        w.menu("mnuWarranty")->trigger();
        for (ModelYear year : {ModelYear::Y1970, ModelYear::Y1965, ModelYear::Y1969, ModelYear::Y1970}) {
            w.choose(year);
            QVERIFY(!w.field(Field::Date)->isVisible());
            QVERIFY(!w.field(Field::Body)->isVisible());
            QCOMPARE(w.focus(), w.field(Field::Warranty));
        }
        // Out of the mode under 1970 txtDate stays hidden until a year is chosen.
        w.menu("mnuWarranty")->trigger();
        QVERIFY(!w.field(Field::Date)->isVisible());
        w.choose(ModelYear::Y1970);
        QVERIFY(w.field(Field::Date)->isVisible());
        QCOMPARE(w.focus(), w.field(Field::Date));
    }

    // Box and menu in any mix: the check mark always equals the box.
    void checkMarkFollowsTheBox() {
        Window w;
        const std::array<bool, 6> byMenu = {true, false, false, true, true, false};
        bool on = false;
        for (bool menu : byMenu) {
            if (menu) {
                w.menu("mnuWarranty")->trigger();
            } else {
                QTest::mouseClick(w.warrantyBox(), Qt::LeftButton, {}, QPoint(5, 8));
            }
            on = !on;
            QCOMPARE(w.warrantyBox()->isChecked(), on);
            QCOMPARE(w.menu("mnuWarranty")->isChecked(), on);
        }
    }

    // A year button and the check box take a click anywhere in their boxes
    // from the layout, not only on the mark and the text ("1965" is 48
    // pixels of its 89).
    void wholeBoxTakesTheClick_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QPoint>("spot");
        QTest::addColumn<QString>("menu");  // its menu item, checked by the click
        QTest::newRow("70 px into 1965") << "opt1965" << QPoint(70, 8) << "mnu1965";
        QTest::newRow("last pixel of 1970") << "opt1970" << QPoint(88, 16) << "mnu1970";
        QTest::newRow("last pixel of the check box") << "chkWarranty" << QPoint(111, 16) << "mnuWarranty";
    }

    void wholeBoxTakesTheClick() {
        QFETCH(QString, button);
        QFETCH(QPoint, spot);
        QFETCH(QString, menu);
        Window w;
        auto* clicked = w.find<QAbstractButton>(qPrintable(button));
        QVERIFY(QRect(QPoint(0, 0), clicked->size()).contains(spot));
        QTest::mouseClick(clicked, Qt::LeftButton, {}, spot);
        QVERIFY(clicked->isChecked());
        QVERIFY(w.menu(qPrintable(menu))->isChecked());
    }

    // Arrow keys among the year buttons run the whole year change, and the
    // focus goes on to the layout's first field, as after a click.
    void arrowKeysChangeTheYear_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("warrantyOnly");
        QTest::addColumn<bool>("withText");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Down to 1965") << int(Qt::Key_Down) << false << false << int(ModelYear::Y1965) << "txtBody";
        QTest::newRow("Up round to 1970") << int(Qt::Key_Up) << false << false << int(ModelYear::Y1970) << "txtDate";
        QTest::newRow("Right, Warranty Number Only")
            << int(Qt::Key_Right) << true << false << int(ModelYear::Y1965) << "txtWarranty";
        QTest::newRow("Down, carry-over answered Yes")
            << int(Qt::Key_Down) << false << true << int(ModelYear::Y1965) << "txtBody";
    }
    void arrowKeysChangeTheYear() {
        QFETCH(int, key);
        QFETCH(bool, warrantyOnly);
        QFETCH(bool, withText);
        QFETCH(int, year);
        QFETCH(QString, focus);
        Window w;
        if (warrantyOnly) w.warrantyBox()->click();
        if (withText) w.field(Field::Body)->setText(QStringLiteral("65A"));
        ui::MessageBox::SetNextAnswer(QMessageBox::Yes);
        w.option(ModelYear::Y1964Half)->setFocus();
        QTest::keyClick(w.option(ModelYear::Y1964Half), Qt::Key(key));
        QCOMPARE(ui::MessageBox::TakeShown().size(), withText ? 1 : 0);
        ui::MessageBox::Reset();
        QVERIFY(w.option(ModelYear(year))->isChecked());
        QVERIFY(w.yearMenu(ModelYear(year))->isChecked());
        QCOMPARE(w.focus()->objectName(), focus);
    }

    // Tab and Shift+Tab both enter the year group on the selected year.
    void tabEntersTheYearsOnTheSelectedOne_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("backwards");
        QTest::newRow("Shift+Tab at start") << int(ModelYear::Y1964Half) << true;
        QTest::newRow("Shift+Tab after 1966") << int(ModelYear::Y1966) << true;
        QTest::newRow("Tab after 1968") << int(ModelYear::Y1968) << false;
    }
    void tabEntersTheYearsOnTheSelectedOne() {
        QFETCH(int, year);
        QFETCH(bool, backwards);
        Window w;
        if (year != int(ModelYear::Y1964Half)) w.yearMenu(ModelYear(year))->trigger();
        QWidget* from = backwards ? static_cast<QWidget*>(w.warrantyBox()) : w.button("cmdExit");
        from->setFocus();
        QTest::keyClick(from, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(w.focus(), w.option(ModelYear(year)));
    }

    // Enter presses the focused button, as Space does.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Decode") << "cmdDecode";
        QTest::newRow("Clear") << "cmdClear";
        QTest::newRow("Exit") << "cmdExit";
    }
    void enterPressesTheFocusedButton() {
        QFETCH(QString, button);
        Window w;
        w.field(Field::Trim)->setText(QStringLiteral("42"));
        QPushButton* pressed = w.button(qPrintable(button));
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key_Return);
        QCOMPARE(ui::MessageBox::TakeShown().size(), button == QLatin1String("cmdDecode") ? 1 : 0);
        QCOMPARE(w.field(Field::Trim)->text().isEmpty(), button == QLatin1String("cmdClear"));
        QCOMPARE(w.exits, button == QLatin1String("cmdExit") ? 1 : 0);
    }

    void exitButtonAndMenu() {
        Window w;
        QTest::mouseClick(w.button("cmdExit"), Qt::LeftButton);
        QCOMPARE(w.exits, 1);
        w.menu("mnuExit")->trigger();
        QCOMPARE(w.exits, 2);
        QVERIFY(w->isVisible());  // nothing is closed on the way out
    }

    void aboutAndHelpAreHooks() {
        Window w;
        QSignalSpy about(w.get(), &ui::DecoderWindow::aboutRequested);
        QSignalSpy help(w.get(), &ui::DecoderWindow::helpRequested);
        w.menu("mnuAbout")->trigger();
        w.menu("mnuHelpTopics")->trigger();
        QCOMPARE(about.size(), 1);
        QCOMPARE(help.size(), 1);
    }

    // Last: without a replaced handler, Exit ends the running event loop at
    // once, and such an exit ends every later loop of this process too.
    void exitEndsTheEventLoop() {
        ui::DecoderWindow window;
        window.show();
        QPushButton* exit = window.findChild<QPushButton*>(QStringLiteral("cmdExit"));
        QTimer::singleShot(0, exit, [exit] { exit->click(); });
        QTimer::singleShot(5000, &window, [] { QCoreApplication::exit(99); });
        QEventLoop loop;
        QCOMPARE(loop.exec(), 0);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(tst_DecoderWindowCommands)
#include "tst_decoder_window_commands.moc"
