// The message box seam: scripted answers and records, and the real modal
// box, opened by the window and closed from a timer as a user would.
#include <QAccessible>
#include <QFontInfo>
#include <QMetaEnum>
#include <QTimer>
#include <functional>

#include "tests/ui/main/window_fixture.h"

using namespace tarnwick;
using namespace tarnwick::testing;
using tarnwick::ui::BoxStyle;
using tarnwick::ui::MessageBox;

namespace {

// What the real box showed, read while it was open.
struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QString font;                 // the family really used
    bool buttonIcon = false;      // a button carries an icon
    qreal iconPixelRatio = 0;     // of the icon's picture
    bool openAfterFirst = false;  // still open after the first action
    QStringList spoken;           // for assistive technology: the box's role, name and description,
                                  // then each part's role and name
};

QString RoleName(QAccessibleInterface* part) {
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(part->role()));
}

// Closes the next modal box with the given button once it is open, after
// trying `first` on it, if given.
void CloseNextBox(QMessageBox::StandardButton answer, SeenBox* seen,
                  std::function<void(QMessageBox*)> first = nullptr) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, answer, seen, first] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen->buttons << box->standardButton(button);
            seen->buttonIcon = seen->buttonIcon || !button->icon().isNull();
        }
        seen->font = QFontInfo(box->font()).family();
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(box);
        seen->spoken = {RoleName(spoken), spoken->text(QAccessible::Name), spoken->text(QAccessible::Description)};
        for (int i = 0; i < spoken->childCount(); ++i)
            seen->spoken << RoleName(spoken->child(i)) + QLatin1Char(' ') + spoken->child(i)->text(QAccessible::Name);
        if (auto* picture = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
            seen->iconPixelRatio = picture->pixmap().devicePixelRatio() / box->devicePixelRatioF();
        poll->deleteLater();
        if (first) {
            first(box);
            seen->openAfterFirst = box->isVisible();
            if (!seen->openAfterFirst) return;
        }
        box->button(answer)->click();
    });
    poll->start(10);
}

}  // namespace

class tst_MessageBox : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        MessageBox::SetScripted(false);
        MessageBox::Reset();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }

    void stylesMapToIconsAndButtons_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::newRow("0: OK, no icon") << 0 << int(QMessageBox::NoIcon) << int(QMessageBox::Ok);
        QTest::newRow("36: question, Yes and No")
            << 36 << int(QMessageBox::Question) << int(QMessageBox::Yes | QMessageBox::No);
        QTest::newRow("48: warning, OK") << 48 << int(QMessageBox::Warning) << int(QMessageBox::Ok);
    }

    void stylesMapToIconsAndButtons() {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QCOMPARE(int(MessageBox::IconOf(BoxStyle(style))), icon);
        QCOMPARE(int(MessageBox::ButtonsOf(BoxStyle(style))), buttons);
    }

    // Scripted boxes are recorded in order and answered from the queue, then
    // with their first button.
    void scriptedAnswersInOrder() {
        MessageBox::SetScripted(true);
        MessageBox::SetNextAnswer(QMessageBox::No);
        QCOMPARE(MessageBox::Show(nullptr, QStringLiteral("a?"), BoxStyle::YesNoQuestion, QStringLiteral("A")),
                 QMessageBox::No);
        QCOMPARE(MessageBox::Show(nullptr, QStringLiteral("b?"), BoxStyle::YesNoQuestion, QStringLiteral("B")),
                 QMessageBox::Yes);
        QCOMPARE(MessageBox::Show(nullptr, QStringLiteral("c"), BoxStyle::OkWarning, QStringLiteral("C")),
                 QMessageBox::Ok);
        const QList<ui::ShownBox> shown = MessageBox::TakeShown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].text, QStringLiteral("a?"));
        QCOMPARE(shown[1].title, QStringLiteral("B"));
        QCOMPARE(shown[2].icon, QMessageBox::Warning);
        QCOMPARE(MessageBox::TakeShown().size(), 0);
        QCOMPARE(MessageBox::PendingAnswers(), 0);
    }

    // The window's carry-over question in a real box: answered No, it
    // empties the fields, and the focus lands in the new layout.
    void realCarryOverBox() {
        Window w;
        w.field(Field::Body)->setText(QStringLiteral("65A"));
        SeenBox seen;
        CloseNextBox(QMessageBox::No, &seen);
        QTest::mouseClick(w.option(ModelYear::Y1966), Qt::LeftButton);

        QCOMPARE(seen.title, QStringLiteral("Year selection Change"));
        QCOMPARE(seen.text, QStringLiteral("You have selected a different year. Do you want to carry over the "
                                           "current data you have already entered?"));
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.buttons, (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
        QCOMPARE(seen.spoken.value(3), QStringLiteral("Graphic Question"));
        QVERIFY(w.field(Field::Body)->text().isEmpty());
        QCOMPARE(w->focusWidget(), w.field(Field::Warranty));
        w->hide();
    }

    // A real Input Error box; the focus moves only after it is closed.
    void realInputErrorBox() {
        Window w;
        w.fill(kGoodPlates[0]);
        w.field(Field::Axle)->setText(QStringLiteral("?"));
        SeenBox seen;
        CloseNextBox(QMessageBox::Ok, &seen);
        w.button("cmdClear")->setFocus();
        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);

        QCOMPARE(seen.title, QStringLiteral("Input Error"));
        QCOMPARE(seen.text, QStringLiteral("Invalid Rear Axle entered for 1964-1/2."));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QCOMPARE(w->focusWidget(), w.field(Field::Axle));
        QTRY_COMPARE(QApplication::activeWindow(), w.get());
        // The windows' look: their font, no button icons, a sharp icon.
        QCOMPARE(seen.font, QStringLiteral("Liberation Sans"));
        QVERIFY(!seen.buttonIcon);
        QCOMPARE(seen.iconPixelRatio, 1.0);
        // The picture named, the panel of buttons passed over to its button.
        QCOMPARE(seen.spoken, QStringList({"AlertMessage", seen.title, seen.text, "Graphic Warning",
                                           "StaticText " + seen.text, "Client "}));
        w->hide();
    }

    // Only Yes or No answers the carry-over question: Esc and the close
    // request leave it open and the codes untouched.
    void carryOverQuestionWantsAnAnswer_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("close request") << false;
    }
    void carryOverQuestionWantsAnAnswer() {
        QFETCH(bool, escape);
        Window w;
        w.field(Field::Body)->setText(QStringLiteral("65A"));
        SeenBox seen;
        CloseNextBox(QMessageBox::Yes, &seen, [escape](QMessageBox* box) {
            if (escape) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                box->close();
            }
        });
        QTest::mouseClick(w.option(ModelYear::Y1966), Qt::LeftButton);
        QVERIFY(seen.openAfterFirst);
        QCOMPARE(w.field(Field::Body)->text(), QStringLiteral("65A"));
        QTRY_COMPARE(QApplication::activeWindow(), w.get());
        w->hide();
    }
};

QTEST_MAIN(tst_MessageBox)
#include "tst_message_box.moc"
