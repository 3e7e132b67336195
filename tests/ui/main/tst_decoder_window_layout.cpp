// The window as it opens, the three field layouts over the plate pictures,
// tab orders and first focus, check marks, and that every caption, code and
// result fits where it is shown.
#include <QFontInfo>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "decoder/year_tables.h"
#include "window_fixture.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// Positions as the window was drawn, in twips: (Left, Top) per field.
struct ExpectedLayout {
    const char* picture;
    std::array<std::pair<const char*, QPoint>, 8> positions;
    int date_width;
    int date_limit;
    std::array<const char*, 8> tab_order;
};

const ExpectedLayout kA = {
    "pic1965",
    {{{"txtBody", {2700, 1080}},
      {"txtColor", {3400, 1080}},
      {"txtTrim", {4100, 1080}},
      {"txtDate", {4680, 1080}},
      {"txtDSO", {5500, 1080}},
      {"txtAxle", {6360, 1080}},
      {"txtTrans", {7200, 1080}},
      {"txtWarranty", {3450, 1950}}}},
    495,
    3,
    {"txtBody", "txtColor", "txtTrim", "txtDate", "txtDSO", "txtAxle", "txtTrans", "txtWarranty"}};
const ExpectedLayout kB = {
    "pic1966",
    {{{"txtBody", {2970, 1980}},
      {"txtColor", {3620, 1980}},
      {"txtTrim", {4260, 1980}},
      {"txtDate", {4800, 1980}},
      {"txtDSO", {5520, 1980}},
      {"txtAxle", {6260, 1980}},
      {"txtTrans", {6900, 1980}},
      {"txtWarranty", {2850, 1140}}}},
    495,
    3,
    {"txtWarranty", "txtBody", "txtColor", "txtTrim", "txtDate", "txtDSO", "txtAxle", "txtTrans"}};
const ExpectedLayout kC = {
    "pic1970",
    {{{"txtBody", {5480, 2600}},
      {"txtColor", {6440, 2600}},
      {"txtTrim", {3260, 3240}},
      {"txtDate", {3400, 1160}},
      {"txtDSO", {6640, 3240}},
      {"txtAxle", {4350, 3240}},
      {"txtTrans", {5580, 3240}},
      {"txtWarranty", {3120, 2600}}}},
    600,
    4,
    {"txtDate", "txtWarranty", "txtBody", "txtColor", "txtTrim", "txtAxle", "txtTrans", "txtDSO"}};

int Px(int twips) { return qRound(twips / 15.0); }

// Room for text inside an entry field: its width less the frame and the
// field's own margins on both sides.
int TextRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    option.rect = edit->rect();
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    return contents.width() - 2 * 2;  // the line edit keeps two pixels each side
}

}  // namespace

class tst_DecoderWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::MessageBox::SetScripted(true); }
    void cleanup() { ExpectNoBoxLeft(); }

    void startState() {
        Window w;
        QCOMPARE(w->windowTitle(), QStringLiteral("'65-'70 Tarnwick Decoder"));
        QVERIFY(w.option(ModelYear::Y1964Half)->isChecked());
        QVERIFY(w.find<QWidget>("pic1965")->isVisible());
        QVERIFY(!w.find<QWidget>("pic1966")->isVisible());
        QVERIFY(!w.find<QWidget>("pic1970")->isVisible());
        for (Field f : kAllFields) {
            QVERIFY2(w.field(f)->text().isEmpty(), FieldName(f));
            QVERIFY2(w.field(f)->isVisible() && w.field(f)->isEnabled(), FieldName(f));
        }
        QVERIFY(!w.warrantyBox()->isChecked());
        QVERIFY(!w.menu("mnuWarranty")->isChecked());
        for (ModelYear year : kAllModelYears)
            QVERIFY2(!w.yearMenu(year)->isChecked(), MenuName(year));
        for (const QString& text : w.results())
            QVERIFY(text.isEmpty());
        QCOMPARE(w->EntryIncomplete(), 0);
        QCOMPARE(w.focus(), w.field(Field::Body));
        QVERIFY(!w->windowIcon().isNull());
    }

    void windowIsFixedWithoutMaximise() {
        Window w;
        QCOMPARE(w->centralWidget()->size(), QSize(646, 402));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    }

    void menuTree() {
        Window w;
        const QList<QAction*> bar = w->menuBar()->actions();
        QStringList captions;
        for (const QAction* a : bar)
            captions << a->text();
        QCOMPARE(captions, (QStringList{"&File", "&Options", "&Help"}));
        const std::array<std::pair<const char*, const char*>, 14> items = {{
            {"mnuDecode", "Ctrl+D"},
            {"mnuClear", "Ctrl+C"},
            {"mnuExit", "Ctrl+X"},
            {"mnuWarranty", "Ctrl+W"},
            {"mnu1964", "Ctrl+F4"},
            {"mnu1965", "Ctrl+F5"},
            {"mnu1966", "Ctrl+F6"},
            {"mnu1967", "Ctrl+F7"},
            {"mnu1968", "Ctrl+F8"},
            {"mnu1969", "Ctrl+F9"},
            {"mnu1970", "Ctrl+F11"},
            {"mnuAbout", "Ctrl+A"},
            {"mnuHelpTopics", "Ctrl+T"},
            {"mnuYear", ""},
        }};
        for (const auto& [name, keys] : items) {
            if (QString::fromLatin1(keys).isEmpty()) continue;
            QCOMPARE(w.menu(name)->shortcut(), QKeySequence(QString::fromLatin1(keys)));
        }
        QCOMPARE(w.menu("mnu1964")->text(), QStringLiteral("1964 1/2"));
        QCOMPARE(w.option(ModelYear::Y1964Half)->text(), QStringLiteral("1964-1/2"));
        QCOMPARE(w.find<QMenu>("mnuYear")->menuAction()->text(), QStringLiteral("&Year"));
        QCOMPARE(w.find<QMenu>("mnuOptions")->actions().first()->objectName(), QStringLiteral("mnuWarranty"));
    }

    // Menus in the windows' font; a checkable item shows a check mark when
    // checked and nothing at all when not.
    void menusLookLikeTheWindow() {
        Window w;
        w.choose(ModelYear::Y1966);
        for (const char* name : {"mnuFile", "mnuOptions", "mnuYear", "mnuHelp"})
            QCOMPARE(QFontInfo(w.find<QMenu>(name)->font()).family(), QStringLiteral("Liberation Sans"));
        auto* years = w.find<QMenu>("mnuYear");
        years->adjustSize();
        const QImage picture = years->grab().toImage();
        const auto marked = [&](const char* item) {
            const QRect check = years->actionGeometry(w.menu(item)).adjusted(2, 2, 0, -2);
            const QRgb background = picture.pixel(check.topLeft());
            for (int y = check.top(); y <= check.bottom(); ++y) {
                for (int x = check.left(); x < check.left() + check.height() + 6; ++x) {
                    if (picture.pixel(x, y) != background) return true;
                }
            }
            return false;
        };
        QVERIFY(marked("mnu1966"));
        QVERIFY2(!marked("mnu1965"), "an unchecked item shows a box");
    }

    // The caption stands in the frame's top line, and no line of the frame
    // runs through a control inside it.
    void framesCarryTheirCaptionInTheTopLine_data() {
        QTest::addColumn<QString>("frame");
        QTest::newRow("Year") << "fraYear";
        QTest::newRow("Decode Options") << "fraOptions";
    }
    void framesCarryTheirCaptionInTheTopLine() {
        QFETCH(QString, frame);
        Window w;
        auto* box = w.find<QGroupBox>(qPrintable(frame));
        const QImage picture = box->grab().toImage();
        const int x = box->width() - 6;
        int line = 0;
        while (line < picture.height() && picture.pixel(x, line) == picture.pixel(x, 0))
            ++line;
        const int caption_height = QFontMetrics(box->font()).height();
        QVERIFY2(line > 0 && line < caption_height, qPrintable(QStringLiteral("top line at %1").arg(line)));
        for (const QWidget* control : box->findChildren<QWidget*>())
            QVERIFY2(control->geometry().top() > line + 1, qPrintable(control->objectName()));
    }

    void layout_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<const ExpectedLayout*>("expected");
        QTest::newRow("1964-1/2 on the 1965 plate") << int(ModelYear::Y1964Half) << &kA;
        QTest::newRow("1965 on the 1965 plate") << int(ModelYear::Y1965) << &kA;
        QTest::newRow("1966 on the 1966 plate") << int(ModelYear::Y1966) << &kB;
        QTest::newRow("1967 on the 1966 plate") << int(ModelYear::Y1967) << &kB;
        QTest::newRow("1968 on the 1966 plate") << int(ModelYear::Y1968) << &kB;
        QTest::newRow("1969 on the 1966 plate") << int(ModelYear::Y1969) << &kB;
        QTest::newRow("1970 on the 1970 plate") << int(ModelYear::Y1970) << &kC;
    }

    // Positions, picture, txtDate's width and limit, first focus and tab
    // order after a year is chosen; each layout is reached from another one.
    void layout() {
        QFETCH(int, year);
        QFETCH(const ExpectedLayout*, expected);
        Window w;
        w.choose(year == int(ModelYear::Y1970) ? ModelYear::Y1966 : ModelYear::Y1970);
        w.choose(ModelYear(year));

        for (const char* picture : {"pic1965", "pic1966", "pic1970"}) {
            QCOMPARE(w.find<QWidget>(picture)->isVisible(), QString::fromLatin1(picture) == expected->picture);
        }
        for (const auto& [name, at] : expected->positions) {
            const QLineEdit* edit = w.field(name);
            QCOMPARE(edit->pos(), QPoint(Px(at.x()), Px(at.y())));
            QCOMPARE(edit->height(), 25);
        }
        QCOMPARE(w.field(Field::Date)->width(), Px(expected->date_width));
        QCOMPARE(w.limit(Field::Date), expected->date_limit);
        QCOMPARE(w.field(Field::Warranty)->width(), Px(3450 + 2080) - Px(3450));

        QCOMPARE(w.focus(), w.field(expected->tab_order[0]));
        for (std::size_t i = 1; i < expected->tab_order.size(); ++i) {
            QTest::keyClick(w.focus(), Qt::Key_Tab);
            QCOMPARE(w.focus()->objectName(), QString::fromLatin1(expected->tab_order[i]));
        }
        for (const char* next : {"cmdDecode", "cmdClear", "cmdExit", OptionName(ModelYear(year)), "chkWarranty"}) {
            QTest::keyClick(w.focus(), Qt::Key_Tab);
            QCOMPARE(w.focus()->objectName(), QString::fromLatin1(next));
        }
    }

    void startLayoutIsTheFirstLayout() {
        Window w;
        for (const auto& [name, at] : kA.positions)
            QCOMPARE(w.field(name)->pos(), QPoint(Px(at.x()), Px(at.y())));
        QCOMPARE(w.limit(Field::Date), 3);
    }

    void checkMarksFollowTheYear() {
        Window w;
        for (ModelYear chosen : {ModelYear::Y1968, ModelYear::Y1964Half, ModelYear::Y1970, ModelYear::Y1965}) {
            w.choose(chosen);
            for (ModelYear year : kAllModelYears)
                QCOMPARE(w.yearMenu(year)->isChecked(), year == chosen);
            QVERIFY(w.option(chosen)->isChecked());
        }
        QVERIFY(!w.menu("mnuWarranty")->isChecked());
    }

    // The fields lie in front of the plate pictures, and the plate pictures
    // all lie in one place.
    void fieldsLieOverThePicture() {
        Window w;
        for (ModelYear year : {ModelYear::Y1965, ModelYear::Y1966, ModelYear::Y1970}) {
            w.choose(year);
            for (Field f : kAllFields) {
                QLineEdit* edit = w.field(f);
                QCOMPARE(w->centralWidget()->childAt(edit->geometry().center()), edit);
            }
        }
        const QRect place = w.find<QWidget>("pic1965")->geometry();
        QCOMPARE(w.find<QWidget>("pic1966")->geometry(), place);
        QCOMPARE(w.find<QWidget>("pic1970")->geometry(), place);
        QCOMPARE(place, QRect(136, 16, 423, 247));
    }

    // Every button, option, check box and caption shows its whole text.
    void captionsFit() {
        Window w;
        for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
            if (qobject_cast<QPushButton*>(button) != nullptr) {
                // Push buttons ask for a minimum width beyond their text.
                const QString text = button->text().remove(QLatin1Char('&'));
                QVERIFY2(button->fontMetrics().horizontalAdvance(text) + 12 <= button->width(),
                         qPrintable(button->objectName()));
            } else {
                QVERIFY2(button->sizeHint().width() <= button->width(),
                         qPrintable(QStringLiteral("%1 needs %2 pixels, has %3")
                                        .arg(button->objectName())
                                        .arg(button->sizeHint().width())
                                        .arg(button->width())));
            }
        }
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
            QVERIFY2(label->fontMetrics().height() <= label->height() + 1, qPrintable(label->objectName()));
        }
        // A caption ends before its result begins.
        for (const char* name : kResultLabels) {
            const QLabel* result = w.label(name);
            QString caption = QString::fromLatin1(name);
            caption.chop(int(strlen("Result")));
            QVERIFY2(w.label(qPrintable(caption))->geometry().right() < result->x(), name);
        }
    }

    // Every text any year's tables can put into a result label fits it.
    void everyResultTextFits() {
        Window w;
        auto check = [&](const char* label_name, std::string_view text) {
            const QLabel* label = w.label(label_name);
            const QString shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
            QVERIFY2(label->fontMetrics().horizontalAdvance(shown) <= label->width(), qPrintable(shown));
        };
        for (ModelYear year : kAllModelYears) {
            const YearTables& t = TablesFor(year);
            for (const BodyPair& body : t.bodies) {
                check("lblBodyResult", body.text);
                check("lblBodyResult", body.WarrantyOnlyText());
            }
            const std::array<std::pair<const char*, CodeTable>, 8> tables = {{
                {"lblEngineResult", t.engines},
                {"lblPlantResult", t.plants},
                {"lblExteriorResult", t.paints},
                {"lblInteriorResult", t.trims},
                {"lblInteriorTypeResult", t.interior_types},
                {"lblTransResult", t.transmissions},
                {"lblAxleResult", t.axles},
                {"lblDSOResult", DsoTable()},
            }};
            for (const auto& [label, table] : tables) {
                for (const CodeRow& row : table)
                    check(label, row.text);
            }
        }
        for (const CodeRow& month : MonthLetterTable()) {
            check("lblDateResult", std::string("31 ") + std::string(month.text));
        }
    }

    // Every code of every table is fully visible in its field.
    void everyCodeFitsItsField() {
        Window w;
        auto check = [&](Field field, std::string_view code) {
            const QLineEdit* edit = w.field(field);
            const QString shown = QString::fromUtf8(code.data(), qsizetype(code.size()));
            QVERIFY2(edit->fontMetrics().horizontalAdvance(shown) <= TextRoom(edit), qPrintable(shown));
        };
        for (ModelYear year : kAllModelYears) {
            const YearTables& t = TablesFor(year);
            for (const BodyPair& body : t.bodies) {
                for (const CodeRow& type : t.interior_types)
                    check(Field::Body, std::string(body.body_code) + std::string(type.code));
            }
            for (const CodeRow& row : t.paints)
                check(Field::Color, row.code);
            for (const CodeRow& row : t.trims)
                check(Field::Trim, row.code);
            for (const CodeRow& row : t.transmissions)
                check(Field::Trans, row.code);
            for (const CodeRow& row : t.axles)
                check(Field::Axle, row.code);
        }
        for (const CodeRow& row : DsoTable())
            check(Field::Dso, row.code);
        for (const CodeRow& month : MonthLetterTable())
            check(Field::Date, std::string("28") + std::string(month.code));
        check(Field::Warranty, "8F02J100001");
        check(Field::Warranty, "0F05M888888");
    }
};

QTEST_MAIN(tst_DecoderWindowLayout)
#include "tst_decoder_window_layout.moc"
