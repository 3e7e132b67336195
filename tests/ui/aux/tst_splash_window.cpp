// The splash: what it shows, and that the timer, a typed character or a click
// on the bare frame close it and open the main window exactly once.
#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "modal_helpers.h"
#include "ui/aux/aux_windows.h"
#include "ui/aux/splash_window.h"
#include "ui/common/font_substitutes.h"
#include "ui/common/window_fonts.h"

using tarnwick::ui::SplashWindow;

class tst_SplashWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tarnwick::ui::InstallFontSubstitutes(); }
    void init();
    void cleanup();

    void labelsShowTheirWholeText_data();
    void labelsShowTheirWholeText();
    void namedAndReadTopToBottom();
    void timerOpensTheMainWindow();
    void characterKeyOpensTheMainWindowOnce_data();
    void characterKeyOpensTheMainWindowOnce();
    void keysWithoutCharacterAreIgnored_data();
    void keysWithoutCharacterAreIgnored();
    void clickClosesOnlyOnTheBareFrame_data();
    void clickClosesOnlyOnTheBareFrame();
    void burstOfEventsOpensOnce();

private:
    // Shows the splash through the start-up entry point and waits until it is
    // active; its timer is stopped unless a test wants it.
    void ShowSplash(bool keepTimer = false);
    QTimer* Timer() const { return splash_->findChild<QTimer*>(QStringLiteral("Timer1")); }
    QWidget* Frame() const { return splash_->findChild<QWidget*>(QStringLiteral("Frame1")); }

    QPointer<SplashWindow> splash_;
    int opened_ = 0;
    bool splashVisibleAtOpen_ = false;
};

void tst_SplashWindow::init() {
    opened_ = 0;
    splashVisibleAtOpen_ = false;
}

void tst_SplashWindow::cleanup() {
    if (splash_) {
        splash_->close();
    }
    QTRY_VERIFY(splash_.isNull());
    QVERIFY(tarnwick::test::NoWindowLeft());
}

void tst_SplashWindow::ShowSplash(bool keepTimer) {
    splash_ = tarnwick::ui::ShowSplashThen([this] {
        ++opened_;
        splashVisibleAtOpen_ = splash_ && splash_->isVisible();
    });
    QVERIFY(QTest::qWaitForWindowActive(splash_));
    QCOMPARE(Timer()->interval(), 4000);
    QVERIFY(Timer()->isActive());
    if (!keepTimer) {
        Timer()->stop();
    }
}

void tst_SplashWindow::labelsShowTheirWholeText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("pointSize");

    QTest::newRow("product name") << "lblProductName"
                                  << "1965-1970" << 32.25;
    QTest::newRow("make") << "Label1"
                          << "Tarnwick" << 27.75;
    QTest::newRow("program") << "Label2"
                             << "Decoder" << 27.75;
    QTest::newRow("platform") << "lblPlatform"
                              << "Windows 95/98/2000/ME/NT4" << 15.75;
    QTest::newRow("fixed version, not the program's") << "lblVersion"
                                                      << "Version: 1.0.1" << 12.0;
}

void tst_SplashWindow::labelsShowTheirWholeText() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(qreal, pointSize);
    ShowSplash();

    auto* label = Frame()->findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QVERIFY(label->font().bold());
    QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height(),
             "text cut off by its label");
    QVERIFY2(Frame()->contentsRect().contains(label->geometry()), "label runs over the frame's edge");
}

// Assistive technology names the card after the program and reads its
// pictures, then its texts from the top down.
void tst_SplashWindow::namedAndReadTopToBottom() {
    ShowSplash();
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(splash_);
    QCOMPARE(card->text(QAccessible::Name), QStringLiteral("Tarnwick Decoder"));
    QAccessibleInterface* frame = card->child(0);
    QCOMPARE(frame->object(), Frame());
    QStringList read;
    for (int i = 0; i < frame->childCount(); ++i)
        read << frame->child(i)->text(QAccessible::Name);
    QCOMPARE(read, QStringList({"Photograph of a Tarnwick", "Tarnwick oval emblem", "1965-1970", "Tarnwick", "Decoder",
                                "Windows 95/98/2000/ME/NT4", "Version: 1.0.1"}));
}

void tst_SplashWindow::timerOpensTheMainWindow() {
    ShowSplash(true);
    QVERIFY(Timer()->isSingleShot());
    QCOMPARE(Timer()->timerType(), Qt::PreciseTimer);  // a coarse one fires up to 200 ms early
    QCOMPARE(opened_, 0);

    Timer()->start(20);  // the 4000 ms are checked above; no need to sit them out
    QTRY_COMPARE(opened_, 1);
    QVERIFY2(!splashVisibleAtOpen_, "the main window came up while the splash was still on the screen");
    QTRY_VERIFY(splash_.isNull());
    QTest::qWait(50);
    QCOMPARE(opened_, 1);
}

void tst_SplashWindow::characterKeyOpensTheMainWindowOnce_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("digit") << int(Qt::Key_7);
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << (Qt::KeypadModifier | Qt::Key_Enter).toCombined();
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace);
}

// The key closes the card at once, long before its timer would, and the
// timer is stopped so that it cannot open a second main window later.
void tst_SplashWindow::characterKeyOpensTheMainWindowOnce() {
    QFETCH(int, key);
    ShowSplash(true);
    const QPointer<QTimer> timer = Timer();

    // Typed at the window, as the user would, not handed to the widget.
    const auto pressed = QKeyCombination::fromCombined(key);
    QTest::keyClick(splash_->windowHandle(), pressed.key(), pressed.keyboardModifiers());
    QTRY_COMPARE_WITH_TIMEOUT(opened_, 1, 1000);
    QVERIFY(timer.isNull() || !timer->isActive());
    QVERIFY(splash_.isNull() || !splash_->isVisible());
}

void tst_SplashWindow::keysWithoutCharacterAreIgnored_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("left arrow") << int(Qt::Key_Left);
    QTest::newRow("down arrow") << int(Qt::Key_Down);
    QTest::newRow("F1") << int(Qt::Key_F1);
    QTest::newRow("Shift alone") << int(Qt::Key_Shift);
    QTest::newRow("Delete") << int(Qt::Key_Delete);
    QTest::newRow("Insert") << int(Qt::Key_Insert);
    QTest::newRow("Alt+A") << (Qt::ALT | Qt::Key_A).toCombined();
}

void tst_SplashWindow::keysWithoutCharacterAreIgnored() {
    QFETCH(int, key);
    ShowSplash(true);

    const auto pressed = QKeyCombination::fromCombined(key);
    QTest::keyClick(splash_->windowHandle(), pressed.key(), pressed.keyboardModifiers());
    QTest::qWait(20);
    QVERIFY(splash_ && splash_->isVisible());
    QVERIFY(Timer()->isActive());
    QCOMPARE(opened_, 0);
}

void tst_SplashWindow::clickClosesOnlyOnTheBareFrame_data() {
    QTest::addColumn<QString>("target");  // object name, or "frmSplash" for the window itself
    QTest::addColumn<QPoint>("spot");     // in the target; a null point means its centre
    QTest::addColumn<bool>("closes");

    QTest::newRow("frame above the photograph") << "Frame1" << QPoint(236, 6) << true;
    QTest::newRow("frame below the photograph") << "Frame1" << QPoint(236, 266) << true;
    QTest::newRow("frame left of the photograph") << "Frame1" << QPoint(2, 135) << true;
    QTest::newRow("photograph") << "Image1" << QPoint() << false;
    QTest::newRow("emblem") << "imgLogo" << QPoint() << false;
    QTest::newRow("make label") << "Label1" << QPoint() << false;
    QTest::newRow("version label") << "lblVersion" << QPoint() << false;
    QTest::newRow("margin outside the frame") << "frmSplash" << QPoint(3, 2) << false;
}

void tst_SplashWindow::clickClosesOnlyOnTheBareFrame() {
    QFETCH(QString, target);
    QFETCH(QPoint, spot);
    QFETCH(bool, closes);
    ShowSplash();

    QWidget* widget = target == QLatin1String("frmSplash") ? splash_.data() : splash_->findChild<QWidget*>(target);
    QVERIFY(widget);
    if (spot.isNull()) {
        spot = widget->rect().center();
    }
    QTest::mouseClick(widget, Qt::LeftButton, {}, spot);
    QTest::qWait(20);
    QCOMPARE(opened_, closes ? 1 : 0);
    QCOMPARE(splash_.isNull() || !splash_->isVisible(), closes);
}

void tst_SplashWindow::burstOfEventsOpensOnce() {
    ShowSplash(true);
    Timer()->start(1);

    // Everything that could close the card, queued before any of it is handled.
    for (const char letter : {'a', 'b', ' '}) {
        QCoreApplication::postEvent(
            splash_, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(QLatin1Char(letter))));
    }
    const QPointF bare(236, 6);
    const QPointF global = Frame()->mapToGlobal(bare);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            Frame(), new QMouseEvent(type, bare, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    }
    QCoreApplication::postEvent(splash_, new QCloseEvent);
    QTRY_VERIFY(splash_.isNull());
    QTest::qWait(50);
    QCOMPARE(opened_, 1);
}

QTEST_MAIN(tst_SplashWindow)
#include "tst_splash_window.moc"
