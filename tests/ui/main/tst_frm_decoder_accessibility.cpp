// What assistive technology reads from the window: every focusable control
// named, the entry fields' lengths, the results by their captions, the years
// in order, and one change notice per result on a decode.
#include <QAccessible>
#include <QMap>

#include "ui/common/accessibility_notice.h"
#include "window_fixture.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

struct Walk {
    QStringList faults;
    QStringList years;  // radio buttons, in tree order
};

void WalkTree(QAccessibleInterface* node, Walk& walk) {
    const QString name = node->text(QAccessible::Name);
    const QString object = node->object() ? node->object()->objectName() : QString();
    if (node->state().focusable && name.isEmpty()) walk.faults << QStringLiteral("unnamed ") + object;
    if (node->role() == QAccessible::RadioButton) walk.years << name;
    if (node->role() == QAccessible::CheckBox && name != QLatin1String("Warranty Number Only"))
        walk.faults << QStringLiteral("check box named ") + name;
    if (object.endsWith(QLatin1String("Result"))) {
        const auto* caption = node->object()->parent()->findChild<QLabel*>(object.chopped(6));
        if (caption == nullptr || caption->text() != name + QLatin1Char(':'))
            walk.faults << QStringLiteral("result %1 named '%2'").arg(object, name);
    }
    if (object.startsWith(QLatin1String("txt")) &&
        !node->text(QAccessible::Description)
             .contains(QString::number(node->object()->property("characterLimit").toInt())))
        walk.faults << QStringLiteral("no length in ") + object;
    for (int i = 0; i < node->childCount(); ++i)
        WalkTree(node->child(i), walk);
}

}  // namespace

class tst_FrmDecoderAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init() { ui::MessageBox::setScripted(true); }
    void cleanup() { ExpectNoBoxLeft(); }

    void everyControlNamed_data() {
        QTest::addColumn<ModelYear>("year");
        QTest::addColumn<bool>("warranty_only");
        for (ModelYear year : {ModelYear::Y1964Half, ModelYear::Y1966, ModelYear::Y1970}) {
            for (bool warranty_only : {false, true})
                QTest::addRow("%s%s", YearLabel(year).data(), warranty_only ? " warranty only" : "")
                    << year << warranty_only;
        }
    }

    void everyControlNamed() {
        QFETCH(ModelYear, year);
        QFETCH(bool, warranty_only);
        Window w;
        w.choose(year);
        w.warrantyBox()->setChecked(warranty_only);
        Walk walk;
        WalkTree(QAccessible::queryAccessibleInterface(w.get()), walk);
        QCOMPARE(walk.faults, QStringList());
        QCOMPARE(walk.years, QStringList({"1964-1/2", "1965", "1966", "1967", "1968", "1969", "1970"}));
    }

    // One notice per result that changes, none for those that stay empty.
    void decodeNoticesEachResultOnce() {
        Window w;
        w.choose(kGoodPlates[1].year);
        w.fill(kGoodPlates[1]);
        QMap<QString, int> notices;  // by the target's object name
        ui::ListenToNotices([&notices](const QAccessibleEvent& event) { ++notices[event.object()->objectName()]; });
        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);
        ui::ListenToNotices({});
        for (const char* name : kResultLabels) {
            const int expected = w.label(name)->text().isEmpty() ? 0 : 1;
            QCOMPARE(notices.value(QString::fromLatin1(name)), expected);
            QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(w.label(name))->textInterface();
            QCOMPARE(text->text(0, text->characterCount()), w.label(name)->text());
        }
    }
};

QTEST_MAIN(tst_FrmDecoderAccessibility)
#include "tst_frm_decoder_accessibility.moc"
