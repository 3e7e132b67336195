// The splash window: controls, artwork and the three ways it closes.
#include "ui/aux/frm_splash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "ui/aux/artwork.h"
#include "ui/aux/aux_fonts.h"
#include "ui/aux/twips.h"

namespace tarnwick {

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

frmSplash::frmSplash(QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    setLineWidth(kBorder);
    setFocusPolicy(Qt::StrongFocus);
    const QPoint client(kBorder, kBorder);
    setFixedSize(TwipsSize(7305, 4245) + QSize(2 * kBorder, 2 * kBorder));

    Frame1 = new SplashFrame(this);
    Frame1->setGeometry(TwipsRect(120, 60, 7080, 4050).translated(client));

    // Created back to front, so the photograph lies behind everything else.
    auto* Image1 = new QLabel(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(TwipsRect(75, 195, 6930, 3735));
    Image1->setPixmap(BackdropPixmap(Image1->size(), devicePixelRatioF()));

    AddLabel("lblProductName", QStringLiteral("1965-1970"), TwipsRect(2400, 600, 3090, 765), 32.25, Qt::AlignLeft);
    AddLabel("lblPlatform", QStringLiteral("Windows 95/98/2000/ME/NT4"), TwipsRect(2535, 3120, 4320, 360), 15.75,
             Qt::AlignRight);
    AddLabel("lblVersion", QStringLiteral("Version: 1.0.1"), TwipsRect(5370, 3600, 1560, 285), 12, Qt::AlignRight);

    auto* imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(TwipsRect(480, 720, 1815, 1785));
    imgLogo->setPixmap(EmblemPixmap(imgLogo->size(), devicePixelRatioF()));

    AddLabel("Label1", QStringLiteral("Tarnwick"), TwipsRect(2400, 1320, 4485, 660), 27.75, Qt::AlignLeft);
    AddLabel("Label2", QStringLiteral("Decoder"), TwipsRect(2400, 1920, 2250, 660), 27.75, Qt::AlignLeft);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the card stays its full time.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    connect(Frame1, &SplashFrame::clicked, this, &frmSplash::Frame1_Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred = rect();
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }
    Form_Load();
}

// Labels are sized to their text, as on the original card: a left-aligned
// label keeps its left edge, a right-aligned one its right edge.
QLabel* frmSplash::AddLabel(const char* name, const QString& text, QRect box, qreal pointSize,
                            Qt::Alignment alignment) {
    auto* label = new QLabel(text, Frame1);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(ArialBold(pointSize));
    label->setAlignment(alignment | Qt::AlignTop);
    const QSize fitted = label->sizeHint();
    const int width = qMax(box.width(), fitted.width());
    const int height = qMax(box.height(), fitted.height());
    const int left = alignment & Qt::AlignRight ? box.right() + 1 - width : box.left();
    label->setGeometry(left, box.top(), width, height);
    return label;
}

void frmSplash::Form_Load() { Timer1->start(kSplashMilliseconds); }

void frmSplash::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void frmSplash::Timer1_Timer() { close(); }

void frmSplash::Frame1_Click() { close(); }

void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (!TypesACharacter(event)) {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    Form_KeyPress();
}

void frmSplash::Form_KeyPress() { close(); }

void frmSplash::closeEvent(QCloseEvent* event) {
    QFrame::closeEvent(event);
    Form_Unload();
}

void frmSplash::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    Timer1->stop();
    emit unloaded();
}

}  // namespace tarnwick
