// Painting of the plate pictures and the grille, and the emblem's glint.
#include "ui/main/plates_grille_emblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <span>

#include "ui/common/emblem.h"
#include "ui/common/window_fonts.h"

namespace tarnwick::ui {
namespace {

// White blanks reach this far beyond the fields they carry, so the field
// frames stand on white.
constexpr int kBlankMargin = 2;

const QColor kPlateBlack(0x10, 0x10, 0x10);
const QColor kPlateRim(0x9A, 0x9A, 0x9A);

// A word stamped on the plate next to one field: centred above or below it.
struct Heading {
    Field field;
    const char* text;
    bool below;
};

// Lettering at a fixed place on the plate.
struct Lettering {
    QRect rect;
    const char* text;
    int pixels;
    int flags;
};

struct PlateArt {
    PlatePicture picture;
    bool plate_codes_share_blank;  // one long blank under the seven door plate fields
    std::span<const Heading> headings;
    std::span<const Lettering> lettering;
    bool script_logo;
};

constexpr int kCentred = Qt::AlignCenter;
constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;

constexpr std::array<Heading, 8> k1965Headings = {{
    {Field::Body, "BODY", false},
    {Field::Color, "COLOR", false},
    {Field::Trim, "TRIM", false},
    {Field::Date, "DATE", false},
    {Field::Dso, "DSO", false},
    {Field::Axle, "AXLE", false},
    {Field::Trans, "TRANS", false},
    {Field::Warranty, "VEHICLE WARRANTY NUMBER", false},
}};
constexpr std::array<Lettering, 1> k1965Lettering = {{
    {QRect(0, 12, 420, 14), "TARNWICK MOTOR COMPANY", 11, kCentred},
}};

constexpr std::array<Heading, 7> k1966Headings = {{
    {Field::Body, "BODY", true},
    {Field::Color, "COLOR", true},
    {Field::Trim, "TRIM", true},
    {Field::Date, "DATE", true},
    {Field::Dso, "DSO", true},
    {Field::Axle, "AXLE", true},
    {Field::Trans, "TRANS", true},
}};
constexpr std::array<Lettering, 3> k1966Lettering = {{
    {QRect(0, 12, 420, 14), "TARNWICK MOTOR COMPANY", 11, kCentred},
    {QRect(200, 56, 200, 30), "WARRANTY NUMBER", 10, kLeft},
    {QRect(50, 88, 200, 10), "NOT FOR TITLE OR REGISTRATION", 7, kLeft},
}};

constexpr std::array<Heading, 7> k1970Headings = {{
    {Field::Warranty, "VEHICLE IDENT NO", false},
    {Field::Body, "BODY", false},
    {Field::Color, "COLOR", false},
    {Field::Trim, "TRIM", false},
    {Field::Axle, "AXLE", false},
    {Field::Trans, "TRANS", false},
    {Field::Dso, "DSO", false},
}};
constexpr std::array<Lettering, 3> k1970Lettering = {{
    {QRect(0, 8, 420, 12), "MANUFACTURED BY", 8, kCentred},
    {QRect(0, 21, 420, 16), "TARNWICK MOTOR COMPANY", 13, kCentred},
    {QRect(140, 50, 262, 40),
     "THIS VEHICLE CONFORMS TO ALL APPLICABLE FEDERAL MOTOR VEHICLE SAFETY STANDARDS IN EFFECT ON THE DATE OF "
     "MANUFACTURE SHOWN ABOVE",
     8, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap},
}};

constexpr std::array<PlateArt, kPlatePictureCount> kPlateArt = {{
    {PlatePicture::Pic1965, true, k1965Headings, k1965Lettering, true},
    {PlatePicture::Pic1966, true, k1966Headings, k1966Lettering, true},
    {PlatePicture::Pic1970, false, k1970Headings, k1970Lettering, false},
}};

const PlateArt& ArtFor(PlatePicture picture) { return kPlateArt[static_cast<std::size_t>(picture)]; }

void PaintRivet(QPainter& p, QPointF centre) {
    QRadialGradient shine(centre - QPointF(1.5, 1.5), 5);
    shine.setColorAt(0, QColor(0xF0, 0xF0, 0xF0));
    shine.setColorAt(1, QColor(0x50, 0x50, 0x50));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(centre, 4.5, 4.5);
}

void PaintScriptLogo(QPainter& p, const QRect& rect) {
    QFont script(QStringLiteral("Liberation Serif"));
    script.setStyleHint(QFont::Serif);
    script.setPixelSize(38);
    script.setItalic(true);
    script.setBold(true);
    p.setFont(script);
    p.setPen(Qt::white);
    p.drawText(rect, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Tarnwick"));
    // The underline swash of the script.
    QPainterPath swash;
    swash.moveTo(rect.left() + 30, rect.bottom() + 4);
    swash.cubicTo(rect.left() + 80, rect.bottom() - 2, rect.right() - 60, rect.bottom() + 10, rect.right(),
                  rect.bottom() + 1);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(swash);
}

}  // namespace

QList<QRect> PlateBlanks(PlatePicture picture) {
    const PlateArt& art = ArtFor(picture);
    const PlateLayout& layout = *kLayouts[static_cast<std::size_t>(picture)];
    const QMargins margin(kBlankMargin, kBlankMargin, kBlankMargin, kBlankMargin);
    QList<QRect> blanks;
    QRect shared;
    for (Field field : kAllFields) {
        const QRect rect = FieldOnPicture(layout, field).marginsAdded(margin);
        if (art.plate_codes_share_blank && IsDataPlateField(field)) {
            shared = shared.united(rect);
        } else {
            blanks.append(rect);
        }
    }
    if (!shared.isNull()) blanks.append(shared);
    return blanks;
}

QImage PaintPlatePicture(PlatePicture picture, qreal device_pixel_ratio) {
    QImage image(kPlatePictureSize * device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(device_pixel_ratio);
    QPainter p(&image);
    DrawPlatePicture(p, picture);
    return image;
}

void DrawPlatePicture(QPainter& p, PlatePicture picture) {
    const PlateArt& art = ArtFor(picture);
    const PlateLayout& layout = *kLayouts[static_cast<std::size_t>(picture)];

    p.fillRect(QRect(QPoint(0, 0), kPlatePictureSize), kPlateBlack);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(QPointF(0, 0), kPlatePictureSize).adjusted(3.5, 3.5, -3.5, -3.5);
    p.setPen(QPen(kPlateRim, 1));
    p.drawRoundedRect(plate, 8, 8);
    for (QPointF corner : {plate.topLeft() + QPointF(10, 10), plate.topRight() + QPointF(-10, 10),
                           plate.bottomLeft() + QPointF(10, -10), plate.bottomRight() + QPointF(-10, -10)}) {
        PaintRivet(p, corner);
    }

    p.setRenderHint(QPainter::Antialiasing, false);
    for (const QRect& blank : PlateBlanks(picture))
        p.fillRect(blank, Qt::white);

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::white);
    for (const Lettering& text : art.lettering) {
        p.setFont(LetteringFont(text.pixels));
        p.drawText(text.rect, text.flags, QString::fromLatin1(text.text));
    }
    p.setFont(LetteringFont(8));
    for (const Heading& heading : art.headings) {
        const QRect field = FieldOnPicture(layout, heading.field);
        const int top = heading.below ? field.bottom() + kBlankMargin + 2 : field.top() - kBlankMargin - 11;
        const QRect rect(field.center().x() - 60, top, 120, 10);
        p.drawText(rect, Qt::AlignCenter, QString::fromLatin1(heading.text));
    }
    if (art.script_logo) PaintScriptLogo(p, QRect(220, 168, 180, 46));
}

PlatePictureBox::PlatePictureBox(PlatePicture picture, QWidget* parent) : QFrame(parent), picture_(picture) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(kPictureBorder / 2);
}

void PlatePictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cache_.devicePixelRatio() != ratio) {
        cache_ = QPixmap::fromImage(PaintPlatePicture(picture_, ratio));
    }
    QPainter p(this);
    p.setClipRect(contentsRect());
    p.drawPixmap(contentsRect().topLeft(), cache_);
}

namespace {

QPixmap PaintGrille(QSize size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    QPainter p(&pixmap);
    const QRectF all(QPointF(0, 0), size);

    QLinearGradient ground(all.topLeft(), all.bottomLeft());
    ground.setColorAt(0, QColor(0xF4, 0xF4, 0xF2));
    ground.setColorAt(0.5, QColor(0xE6, 0xE6, 0xE4));
    ground.setColorAt(1, QColor(0xF0, 0xF0, 0xEE));
    p.fillRect(all, ground);

    // The egg-crate of the grille: fine horizontal bars crossed by wider
    // spaced uprights, each with a faint shadow and highlight.
    for (int y = 6; y < size.height(); y += 8) {
        p.setPen(QColor(0xD6, 0xD6, 0xD4));
        p.drawLine(0, y, size.width(), y);
        p.setPen(QColor(0xFA, 0xFA, 0xFA));
        p.drawLine(0, y + 1, size.width(), y + 1);
    }
    for (int x = 10; x < size.width(); x += 22) {
        p.setPen(QColor(0xDA, 0xDA, 0xD8));
        p.drawLine(x, 0, x, size.height());
        p.setPen(QColor(0xFB, 0xFB, 0xFB));
        p.drawLine(x + 1, 0, x + 1, size.height());
    }

    // The chrome surround and the faint shape of the emblem in the middle.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xD0, 0xD0, 0xCE), 5));
    p.drawRoundedRect(all.adjusted(4, 4, -4, -4), 30, 30);
    p.setPen(QPen(QColor(0xFC, 0xFC, 0xFC), 1.5));
    p.drawRoundedRect(all.adjusted(6, 6, -6, -6), 28, 28);
    const QPointF centre = all.center();
    p.setPen(QPen(QColor(0xD4, 0xD4, 0xD2), 3));
    p.setBrush(QColor(0xEC, 0xEC, 0xEA));
    p.drawEllipse(centre, 46, 22);
    p.setPen(QPen(QColor(0xD8, 0xD8, 0xD6), 4));
    p.drawLine(QPointF(12, centre.y()), QPointF(centre.x() - 48, centre.y()));
    p.drawLine(QPointF(centre.x() + 48, centre.y()), QPointF(size.width() - 12, centre.y()));
    return pixmap;
}

}  // namespace

GrillePanel::GrillePanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(1);
}

void GrillePanel::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cache_.devicePixelRatio() != ratio ||
        cache_.deviceIndependentSize() != contentsRect().size()) {
        cache_ = PaintGrille(contentsRect().size(), ratio);
    }
    {
        QPainter p(this);
        p.drawPixmap(contentsRect().topLeft(), cache_);
    }
    QFrame::paintEvent(event);
}

namespace {

// The glint crosses the emblem in the first half of the loop; the second
// half is still.
constexpr int kSweepFrames = EmblemWidget::kFrameCount / 2;

// The emblem filling the widget's rectangle but for a pixel all round, with
// the glint at its place in `frame`.
void DrawEmblemFrame(QPainter& p, QSize size, int frame) {
    const QRectF oval = QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1);
    DrawEmblem(p, oval);
    if (frame >= kSweepFrames) return;
    p.setRenderHint(QPainter::Antialiasing);
    const qreal x = oval.left() - oval.width() * 0.4 + (oval.width() * 1.8) * frame / (kSweepFrames - 1);
    QLinearGradient glint(QPointF(x - 10, 0), QPointF(x + 10, 0));
    glint.setColorAt(0, QColor(255, 255, 255, 0));
    glint.setColorAt(0.5, QColor(255, 255, 255, 150));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    QPainterPath clip;
    clip.addEllipse(oval);
    p.setClipPath(clip);
    p.fillRect(oval, glint);
}

}  // namespace

QImage PaintEmblem(QSize size, int frame) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DrawEmblemFrame(p, size, frame);
    return image;
}

EmblemWidget::EmblemWidget(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kFrameCount;
        // The still frames look alike: repaint only while the glint moves
        // and once more to take it away.
        if (frame_ <= kSweepFrames) update();
    });
}

// Drawn straight onto the widget, so it is sharp at any screen density.
void EmblemWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawEmblemFrame(p, size(), frame_);
}

void EmblemWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_.start();
}

void EmblemWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_.stop();
}

}  // namespace tarnwick::ui
