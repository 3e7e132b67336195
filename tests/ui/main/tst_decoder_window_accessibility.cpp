// What assistive technology reads from the window: every focusable control
// named, the entry fields' lengths, the results by their captions, the years
// in order; and what a screen reader hears on the accessibility bus when
// Decode and Clear change the results.
#include <QAccessible>
#include <QProcess>
#include <QRegularExpression>

#include "window_fixture.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// The plate's captions in words.
const QHash<QString, QString> kFieldNames = {
    {"txtWarranty", "Vehicle warranty number"},
    {"txtBody", "Body code"},
    {"txtColor", "Exterior paint code"},
    {"txtTrim", "Interior trim code"},
    {"txtDate", "Date code"},
    {"txtDSO", "District Sales Office code"},
    {"txtAxle", "Rear axle code"},
    {"txtTrans", "Transmission code"},
};

// The results' captions, read as their names, in kResultLabels' order.
const QStringList kResultNames = {
    "Year",         "Body Style",      "Exterior Color",        "Interior Color", "Interior Type", "Engine",
    "Transmission", "Rear Axle Ratio", "District Sales Office", "Assembly Plant", "Assembly Date", "Unit Number",
};

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
    if (object.startsWith(QLatin1String("txt"))) {
        if (name != kFieldNames.value(object)) walk.faults << QStringLiteral("%1 named '%2'").arg(object, name);
        if (!node->text(QAccessible::Description)
                 .contains(QString::number(node->object()->property("characterLimit").toInt())))
            walk.faults << QStringLiteral("no length in ") + object;
    }
    for (int i = 0; i < node->childCount(); ++i)
        WalkTree(node->child(i), walk);
}

// A text change as the listener writes it.
QString TextChange(const char* kind, const char* role, const QString& name, const QString& text) {
    return QStringLiteral("object:text-changed:%1\t%2\t%3\t0\t%4\t%5")
        .arg(QLatin1String(kind), QLatin1String(role), name)
        .arg(text.size())
        .arg(text);
}

}  // namespace

class tst_DecoderWindowAccessibility : public QObject {
    Q_OBJECT

private slots:
    // The listener turns assistive technology on before the first window
    // appears, as a screen reader already running would. Nothing may ask
    // about accessibility before it is listening: Qt looks for the bus once,
    // when first asked, and a bridge made earlier was not heard.
    void initTestCase() {
        listener_.setProgram(QStringLiteral(TARNWICK_ATSPI_LISTENER));
        listener_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        listener_.start();
        QVERIFY(listener_.waitForReadyRead(10000));
        QCOMPARE(listener_.readLine(), QByteArray("listening\n"));
        mark_.setAccessibleName(QStringLiteral("mark"));
    }
    void cleanupTestCase() {
        listener_.closeWriteChannel();
        QVERIFY(listener_.waitForFinished(10000));
        QCOMPARE(listener_.exitCode(), 0);
    }
    void init() { ui::MessageBox::SetScripted(true); }
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

    // What a screen reader hears: on Decode each result appears; on Clear
    // the fields empty, then the results. Nothing is left unsaid and Qt
    // warns of nothing.
    void decodeAndClearHeardOnTheBus() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        Window w;
        w.choose(kGoodPlates[1].year);
        w.fill(kGoodPlates[1]);
        QStringList decoded, cleared, fields_emptied;
        for (std::size_t i = 0; i < kResultLabels.size(); ++i) {
            const QString result = QString::fromUtf8(kGoodPlateResults[1][i]);
            decoded << TextChange("insert", "label", kResultNames[qsizetype(i)], result);
            cleared << TextChange("delete", "label", kResultNames[qsizetype(i)], result);
        }
        for (Field f : kAllFields)
            fields_emptied << TextChange("delete", "text", kFieldNames.value(FieldName(f)), w.field(f)->text());

        HeardUpToMark();
        QTest::mouseClick(w.button("cmdDecode"), Qt::LeftButton);
        QCOMPARE(HeardUpToMark(), decoded);
        QTest::mouseClick(w.button("cmdClear"), Qt::LeftButton);
        QCOMPARE(HeardUpToMark(), fields_emptied + cleared);
    }

private:
    // Every line the listener has written since the last call, up to a mark
    // made now: what was sent before the mark has arrived by the time it does.
    QStringList HeardUpToMark() {
        mark_.setText(QString::number(++marks_));
        const QString mark_line = TextChange("insert", "text", mark_.accessibleName(), mark_.text());
        QStringList lines;
        bool marked = false;
        const auto read_lines = [&] {
            heard_ += QString::fromUtf8(listener_.readAllStandardOutput());
            qsizetype end;
            while (!marked && (end = heard_.indexOf(QLatin1Char('\n'))) >= 0) {
                const QString line = heard_.left(end);
                heard_.remove(0, end + 1);
                marked = line == mark_line;
                if (!line.contains(QLatin1String("\tmark\t"))) lines << line;
            }
            return marked;
        };
        [&] { QTRY_VERIFY_WITH_TIMEOUT(marked || read_lines(), 10000); }();
        return lines;
    }

    QProcess listener_;
    QString heard_;   // read from the listener, not yet split into lines
    QLineEdit mark_;  // never shown; its changes reach the bus all the same
    int marks_ = 0;
};

QTEST_MAIN(tst_DecoderWindowAccessibility)
#include "tst_decoder_window_accessibility.moc"
