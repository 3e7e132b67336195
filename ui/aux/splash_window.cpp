// The splash window: controls, artwork and the three ways it closes.
#include "ui/aux/splash_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "ui/aux/splash_backdrop.h"
#include "ui/common/emblem.h"
#include "ui/common/twips.h"
#include "ui/common/window_fonts.h"

namespace tarnwick::ui {

namespace {

constexpr int kSplashMilliseconds = 4000;

// The window draws its own raised dialog border: it has no title bar, so the
// window manager draws none.
constexpr int kBorder = 2;

// Only keys that type a character close the card: a printable one, Space,
// Enter, Esc or Backspace. Arrows, function keys, Insert and Delete type
// none, and Alt+letter is a menu key, not typing.
bool TypesACharacter(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return false;
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Backspace:
            return true;
        case Qt::Key_Delete:
            return false;
        default:
            break;
    }
    const QString text = event->text();
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

SplashFrame::SplashFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame1"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
}

bool SplashFrame::IsBare(QPointF position) const {
    const QPoint point = position.toPoint();
    return rect().contains(point) && childAt(point) == nullptr;
}

void SplashFrame::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton && IsBare(event->position());
    if (pressed_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void SplashFrame::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && IsBare(event->position());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

SplashWindow::SplashWindow(QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    // The card has no caption; assistive technology names it after the
    // program it introduces.
    setAccessibleName(QStringLiteral("Tarnwick Decoder"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    setLineWidth(kBorder);
    setFocusPolicy(Qt::StrongFocus);
    const QPoint client(kBorder, kBorder);
    setFixedSize(ToPixels({0, 0, 7305, 4245}).size() + QSize(2 * kBorder, 2 * kBorder));

    frame_ = new SplashFrame(this);
    frame_->setGeometry(ToPixels({120, 60, 7080, 4050}).translated(client));

    // The photograph is created first, so that it lies behind everything
    // else; then the emblem and the texts from the top down, the order in
    // which assistive technology reads them. The labels are transparent and
    // no two texts touch, so this order changes nothing on the screen.
    auto* backdrop = new QLabel(frame_);
    backdrop->setObjectName(QStringLiteral("Image1"));
    backdrop->setGeometry(ToPixels({75, 195, 6930, 3735}));
    backdrop->setPixmap(BackdropPixmap(backdrop->size(), devicePixelRatioF()));
    backdrop->setAccessibleName(QStringLiteral("Photograph of a Tarnwick"));

    auto* emblem = new QLabel(frame_);
    emblem->setObjectName(QStringLiteral("imgLogo"));
    emblem->setGeometry(ToPixels({480, 720, 1815, 1785}));
    emblem->setPixmap(EmblemOverBars(emblem->size(), devicePixelRatioF()));
    emblem->setAccessibleName(QStringLiteral("Tarnwick oval emblem"));

    AddLabel("lblProductName", QStringLiteral("1965-1970"), ToPixels({2400, 600, 3090, 765}), 32.25, Qt::AlignLeft);
    AddLabel("Label1", QStringLiteral("Tarnwick"), ToPixels({2400, 1320, 4485, 660}), 27.75, Qt::AlignLeft);
    AddLabel("Label2", QStringLiteral("Decoder"), ToPixels({2400, 1920, 2250, 660}), 27.75, Qt::AlignLeft);
    AddLabel("lblPlatform", QStringLiteral("Windows 95/98/2000/ME/NT4"), ToPixels({2535, 3120, 4320, 360}), 15.75,
             Qt::AlignRight);
    AddLabel("lblVersion", QStringLiteral("Version: 1.0.1"), ToPixels({5370, 3600, 1560, 285}), 12, Qt::AlignRight);

    close_timer_ = new QTimer(this);
    close_timer_->setObjectName(QStringLiteral("Timer1"));
    close_timer_->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the card stays its full time.
    close_timer_->setTimerType(Qt::PreciseTimer);
    connect(close_timer_, &QTimer::timeout, this, &QWidget::close);
    connect(frame_, &SplashFrame::clicked, this, &QWidget::close);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred = rect();
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }
    close_timer_->start(kSplashMilliseconds);
}

// Labels are sized to their text, as on the original card: a left-aligned
// label keeps its left edge, a right-aligned one its right edge.
QLabel* SplashWindow::AddLabel(const char* name, const QString& text, QRect box, qreal point_size,
                               Qt::Alignment alignment) {
    auto* label = new QLabel(text, frame_);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(LetteringPointFont(point_size));
    label->setAlignment(alignment | Qt::AlignTop);
    const QSize fitted = label->sizeHint();
    const int width = qMax(box.width(), fitted.width());
    const int height = qMax(box.height(), fitted.height());
    const int left = alignment & Qt::AlignRight ? box.right() + 1 - width : box.left();
    label->setGeometry(left, box.top(), width, height);
    return label;
}

void SplashWindow::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    if (!TypesACharacter(event)) {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    close();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    QFrame::closeEvent(event);
    AnnounceUnload();
}

void SplashWindow::AnnounceUnload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    close_timer_->stop();
    emit unloaded();
}

}  // namespace tarnwick::ui
