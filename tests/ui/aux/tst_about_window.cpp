// The About window: its texts, that each of its ways out closes it, and that
// every opening builds it afresh.
#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "modal_helpers.h"
#include "ui/aux/about_window.h"
#include "ui/aux/aux_windows.h"
#include "ui/common/font_substitutes.h"
#include "ui/common/window_fonts.h"

using tarnwick::test::ModalRun;
using tarnwick::test::WhenModalOpens;
using tarnwick::ui::AboutWindow;

namespace {

QPushButton* Button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

class tst_AboutWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tarnwick::ui::InstallFontSubstitutes(); }
    void cleanup() { QVERIFY(tarnwick::test::NoWindowLeft()); }

    void captionTitleAndVersion();
    void labels_data();
    void labels();
    void emptyDisclaimerNotRead();
    void buttonsAndTabOrder();
    void waysToClose_data();
    void waysToClose();
    void openedTwiceIsFreshEachTime();
};

void tst_AboutWindow::captionTitleAndVersion() {
    AboutWindow about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Decoder"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Decoder"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.0.3"));
    const QFont title = about.findChild<QLabel*>(QStringLiteral("lblTitle"))->font();
    QVERIFY(title.bold());
    QCOMPARE(title.pointSizeF(), 9.75);
}

void tst_AboutWindow::labels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");  // empty: any text of our own

    QTest::newRow("title") << "lblTitle"
                           << "Decoder";
    QTest::newRow("version") << "lblVersion"
                             << "Version 1.0.3";
    QTest::newRow("credit") << "Label1"
                            << "";
    QTest::newRow("first date") << "Label4"
                                << "Original Creation Date: February 10, 2000";
    QTest::newRow("latest date") << "lblDescription"
                                 << "Latest Version Creation Date: February 18, 2002";
    QTest::newRow("inquiries") << "Label2"
                               << "Send Inquiries to:";
    QTest::newRow("address") << "Label3"
                             << "";
}

void tst_AboutWindow::labels() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    AboutWindow about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    auto* label = about.findChild<QLabel*>(name);
    QVERIFY(label);
    if (text.isEmpty()) {
        QVERIFY(!label->text().isEmpty());
    } else {
        QCOMPARE(label->text(), text);
    }
    const QSize needed = label->sizeHint();
    QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
             qPrintable(QStringLiteral("needs %1x%2, has %3x%4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(label->width())
                            .arg(label->height())));
    QVERIFY(about.rect().contains(label->geometry()));
    about.close();
}

// The empty disclaimer is hidden from assistive technology; the texts
// around it are not.
void tst_AboutWindow::emptyDisclaimerNotRead() {
    AboutWindow about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    for (const char* name : {"lblDisclaimer", "lblDescription"}) {
        auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
        const bool empty = label->text().isEmpty();
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->state().invisible, empty);
    }
    about.close();
}

void tst_AboutWindow::buttonsAndTabOrder() {
    AboutWindow about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QPushButton* ok = Button(&about, "cmdOK");
    QPushButton* sysInfo = Button(&about, "cmdSysInfo");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(sysInfo->text(), QStringLiteral("&System Info..."));
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);
    QCOMPARE(ok->nextInFocusChain(), sysInfo);
    QVERIFY(about.isVisible());
    about.close();
}

void tst_AboutWindow::waysToClose_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("OK") << "OK";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("close box") << "close box";
}

void tst_AboutWindow::waysToClose() {
    QFETCH(QString, way);
    ModalRun run;
    QPointer<QWidget> window;
    WhenModalOpens(run, [&](QWidget* modal) {
        window = modal;
        if (way == QLatin1String("OK")) {
            QTest::mouseClick(Button(modal, "cmdOK"), Qt::LeftButton);
        } else if (way == QLatin1String("Enter")) {
            QTest::keyClick(modal, Qt::Key_Return);
        } else if (way == QLatin1String("Esc")) {
            QTest::keyClick(modal, Qt::Key_Escape);
        } else {
            modal->close();
        }
    });
    tarnwick::ui::ShowAboutWindow(nullptr);
    QVERIFY(run.seen);
    QVERIFY2(!run.leftOpen, "the About window did not close");
    QVERIFY2(window.isNull(), "the About window was kept after closing");
}

void tst_AboutWindow::openedTwiceIsFreshEachTime() {
    QStringList seen;
    for (int time = 0; time < 2; ++time) {
        ModalRun run;
        WhenModalOpens(run, [&](QWidget* modal) {
            seen << modal->windowTitle() + QLatin1Char('|') +
                        modal->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
            // Leaves a mark on this window that a reused one would still carry.
            QVERIFY(!modal->property("tarnwickSeen").isValid());
            modal->setProperty("tarnwickSeen", true);
            Button(modal, "cmdOK")->click();
        });
        tarnwick::ui::ShowAboutWindow(nullptr);
        QVERIFY(run.seen);
        QVERIFY(!run.leftOpen);
    }
    QCOMPARE(seen, (QStringList{QStringLiteral("About Decoder|Version 1.0.3"),
                                QStringLiteral("About Decoder|Version 1.0.3")}));
}

QTEST_MAIN(tst_AboutWindow)
#include "tst_about_window.moc"
