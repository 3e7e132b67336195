// The help page: its texts exactly, that every text fits its label at the
// font the page uses, and that OK, Enter and Esc close it.
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "modal_helpers.h"
#include "ui/aux/aux_windows.h"
#include "ui/aux/help_window.h"
#include "ui/common/font_substitutes.h"
#include "ui/common/window_fonts.h"

using tarnwick::ui::HelpWindow;
using tarnwick::test::ModalRun;
using tarnwick::test::WhenModalOpens;

class tst_HelpWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tarnwick::ui::InstallFontSubstitutes(); }
    void cleanup() { QVERIFY(tarnwick::test::NoWindowLeft()); }

    void caption();
    void fontsStandIn();
    void textsFitTheirLabels_data();
    void textsFitTheirLabels();
    void waysToClose_data();
    void waysToClose();
};

void tst_HelpWindow::caption() {
    HelpWindow help;
    QCOMPARE(help.windowTitle(), QStringLiteral("65-70 Tarnwick Decoder Help Topics"));
    QCOMPARE(help.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
}

// Where MS Sans Serif and Arial are missing, Liberation Sans takes their place
// rather than whatever the system would pick.
void tst_HelpWindow::fontsStandIn() {
    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        QSKIP("Liberation Sans is not installed here");
    }
    for (const auto* family : {"MS Sans Serif", "Arial"}) {
        if (!QFontDatabase::families().contains(QString::fromLatin1(family))) {
            QCOMPARE(QFontInfo(QFont(QString::fromLatin1(family))).family(), QStringLiteral("Liberation Sans"));
        }
    }
}

void tst_HelpWindow::textsFitTheirLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("oneLine");

    QTest::newRow("heading") << "Label1"
                             << "Options" << true;
    QTest::newRow("Warranty Number Only term") << "Label2"
                                               << "Warranty Number Only" << true;
    QTest::newRow("Warranty Number Only text")
        << "Label3"
        << "Toggles data plate codes off and on.  When the Warranty Number Only box is checked then decoding is "
           "performed on the VIN number only.  This may be needed when the door data plate is missing.  When the "
           "Warranty Number Only box is not checked then decoding is performed for all data plate fields."
        << false;
    QTest::newRow("Year term, with its blank") << "Label4"
                                               << "Year " << true;
    QTest::newRow("Year text")
        << "Label5"
        << "Select the year of Tarnwick to be decoded.  The program defaults to 1964 1/2 upon startup.  If data is "
           "entered for a different year and the correct year is not select prior to clicking the Decode button "
           "then an error will occur."
        << false;
    QTest::newRow("special note")
        << "Label8"
        << "Special Note:  The data used to decode each particular year is based on information available at the "
           "time this application was development.  There is the possibility that special codes may not be "
           "accounted for in this program.  If any discrepancies are found please forward them to the following "
           "address and they will be incorporated into the program and an updated version will be released."
        << false;
}

void tst_HelpWindow::textsFitTheirLabels() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, oneLine);
    HelpWindow help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));

    auto* label = help.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);

    // What the label needs at its own width, margins and font included.
    const int height = label->heightForWidth(label->width());
    QVERIFY2(height <= label->height(),
             qPrintable(QStringLiteral("needs %1 px, has %2").arg(height).arg(label->height())));
    QVERIFY2(label->minimumSizeHint().width() <= label->width(), "a word is wider than the label");
    if (oneLine) {
        QVERIFY2(height < 2 * QFontMetrics(label->font()).lineSpacing(), "the term wraps onto a second line");
    }
    const QWidget* page = help.findChild<QWidget*>(QStringLiteral("Picture1"));
    QVERIFY(page->rect().contains(label->geometry()));
    help.close();
}

void tst_HelpWindow::waysToClose_data() {
    QTest::addColumn<int>("key");  // 0: click OK
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void tst_HelpWindow::waysToClose() {
    QFETCH(int, key);
    ModalRun run;
    QPointer<QWidget> window;
    WhenModalOpens(run, [&](QWidget* modal) {
        window = modal;
        QCOMPARE(modal->objectName(), QStringLiteral("frmHelp"));
        if (key == 0) {
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        } else {
            QTest::keyClick(modal, Qt::Key(key));
        }
    });
    tarnwick::ui::ShowHelpWindow(nullptr);
    QVERIFY(run.seen);
    QVERIFY2(!run.leftOpen, "the help window did not close");
    QVERIFY2(window.isNull(), "the help window was kept after closing");
}

QTEST_MAIN(tst_HelpWindow)
#include "tst_help_window.moc"
