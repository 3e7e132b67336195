// The painted pictures as the window shows them: a white blank under every
// field of every layout, a faded grille, a looping emblem and the icon sizes.
#include <QFrame>

#include "ui/common/emblem.h"
#include "ui/main/plates_grille_emblem.h"
#include "window_fixture.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

bool AllWhite(const QImage& image, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
        }
    }
    return true;
}

}  // namespace

class tst_PlatesGrilleEmblem : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::MessageBox::SetScripted(true); }

    void blanksLieUnderTheFields_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("picture");
        QTest::newRow("1965 plate") << int(ModelYear::Y1965) << "pic1965";
        QTest::newRow("1966 plate") << int(ModelYear::Y1967) << "pic1966";
        QTest::newRow("1970 plate") << int(ModelYear::Y1970) << "pic1970";
    }

    // What the picture box draws is white under each field and one pixel
    // around it, so no field stands on the black of the plate.
    void blanksLieUnderTheFields() {
        QFETCH(int, year);
        QFETCH(QString, picture);
        Window w;
        w.choose(ModelYear(year));
        auto* box = w.find<QFrame>(qPrintable(picture));
        QVERIFY(box->isVisible());
        const QImage drawn = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (Field f : kAllFields) {
            const QRect under = w.field(f)->geometry().translated(-box->pos()).adjusted(-1, -1, 1, 1);
            QVERIFY2(AllWhite(drawn, under), FieldName(f));
        }
        // The plate itself is black lettered in white: mostly dark.
        int dark = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x)
                dark += qGray(drawn.pixel(x, y)) < 64 ? 1 : 0;
        }
        QVERIFY(dark > drawn.width() * drawn.height() / 2);
    }

    void platePicturesAreFullSize() {
        for (ui::PlatePicture picture :
             {ui::PlatePicture::Pic1965, ui::PlatePicture::Pic1966, ui::PlatePicture::Pic1970}) {
            QCOMPARE(ui::PaintPlatePicture(picture).size(), QSize(420, 244));
            QCOMPARE(ui::PaintPlatePicture(picture, 2.0).size(), QSize(840, 488));
        }
    }

    // Blue results and black captions must read well on the grille: its
    // darkest pixel is still light, yet it is a picture, not a plain fill.
    void grilleIsFaded() {
        Window w;
        auto* panel = w.find<QFrame>("Picture1");
        for (QLabel* label : panel->findChildren<QLabel*>())
            label->hide();
        const QImage drawn = panel->grab().toImage();
        const QRect inside = panel->contentsRect();
        int darkest = 255, lightest = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                darkest = std::min(darkest, qGray(drawn.pixel(x, y)));
                lightest = std::max(lightest, qGray(drawn.pixel(x, y)));
            }
        }
        QVERIFY2(darkest >= 190, qPrintable(QString::number(darkest)));
        QVERIFY(lightest - darkest >= 20);
    }

    void emblemLoopsWhileShown() {
        Window w;
        auto* emblem = w.find<ui::EmblemWidget>("Image1");
        QCOMPARE(emblem->size(), QSize(75, 35));
        QVERIFY(emblem->IsAnimating());
        const int first = emblem->Frame();
        QTRY_VERIFY(emblem->Frame() != first);
        QVERIFY(ui::PaintEmblem(emblem->size(), 2) != ui::PaintEmblem(emblem->size(), 8));
        // The loop comes back to its first frame.
        QCOMPARE(ui::PaintEmblem(emblem->size(), 0), ui::PaintEmblem(emblem->size(), 0));
        w->hide();
        QVERIFY(!emblem->IsAnimating());
    }

    void iconComesInSeveralSizes() {
        const QList<QSize> sizes = ui::ProgramIcon().availableSizes();
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY(sizes.contains(QSize(side, side)));
        const QImage small = ui::ProgramIcon().pixmap(16, 16).toImage();
        QVERIFY(small.pixelColor(8, 8).alpha() > 0);
    }
};

QTEST_MAIN(tst_PlatesGrilleEmblem)
#include "tst_plates_grille_emblem.moc"
