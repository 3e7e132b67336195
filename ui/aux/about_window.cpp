// The About window's controls and its two buttons.
#include "ui/aux/about_window.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "ui/aux/app_identity.h"
#include "ui/aux/sys_info.h"
#include "ui/aux/system_access.h"
#include "ui/common/emblem.h"
#include "ui/common/twips.h"
#include "ui/common/window_fonts.h"

namespace tarnwick::ui {

namespace {

// Both lines end at the same place; the white one starts a pixel later and
// one lower, which gives the etched look.
constexpr QPoint kGreyStart(TwipsToPixels(90), TwipsToPixels(2445));
constexpr QPoint kWhiteStart(TwipsToPixels(105), TwipsToPixels(2460));
constexpr int kLineEnd = TwipsToPixels(5654);

}  // namespace

EtchedLine::EtchedLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Line1"));
    setGeometry(kGreyStart.x(), kGreyStart.y(), kLineEnd - kGreyStart.x() + 1, 3);
}

void EtchedLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int right = width() - 1;
    const QPoint white = kWhiteStart - kGreyStart;
    painter.fillRect(QRect(white.x(), white.y(), right - white.x() + 1, 2), Qt::white);
    painter.fillRect(QRect(0, 0, right + 1, 1), QColor(0x80, 0x80, 0x80));
}

AboutWindow::AboutWindow(QWidget* parent, SystemAccess* system)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      system_(system ? system : &RealSystem()) {
    setObjectName(QStringLiteral("frmAbout"));
    setFont(DialogPointFont());
    setFixedSize(ToPixels({0, 0, 5730, 3555}).size());

    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("Image1"));
    emblem->setGeometry(ToPixels({120, 240, 1500, 1335}));
    emblem->setPixmap(EmblemOverBars(emblem->size(), devicePixelRatioF()));
    emblem->setAccessibleName(QStringLiteral("Tarnwick oval emblem"));

    title_label_ = AddLabel("lblTitle", QString(), ToPixels({1800, 240, 3885, 360}));
    title_label_->setFont(DialogPointFont(9.75, true));
    version_label_ = AddLabel("lblVersion", QString(), ToPixels({1800, 795, 2445, 225}));
    AddLabel("Label1", QStringLiteral("Written by the Tarnwick Decoder team"), ToPixels({1800, 1080, 2895, 255}));
    AddLabel("Label4", QStringLiteral("Original Creation Date: February 10, 2000"), ToPixels({1800, 1440, 3165, 330}));
    AddLabel("lblDescription", QStringLiteral("Latest Version Creation Date: February 18, 2002"),
             ToPixels({1800, 1800, 3765, 330}));
    AddLabel("Label2", QStringLiteral("Send Inquiries to:"), ToPixels({1800, 2160, 1335, 255}));
    QLabel* address = AddLabel("Label3", QStringLiteral("decoder@tarnwick.example"), ToPixels({3240, 2160, 2175, 255}));
    QPalette blue = address->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 0xff));
    address->setPalette(blue);

    new EtchedLine(this);

    QLabel* disclaimer = AddLabel("lblDisclaimer", QString(), ToPixels({255, 2625, 3870, 825}));
    disclaimer->setWordWrap(true);
    // It stays empty; hidden, it is not offered to assistive technology as
    // a blank label.
    disclaimer->hide();

    // The buttons come after the texts, so that the window reads from the
    // top down.
    ok_button_ = new QPushButton(QStringLiteral("OK"), this);
    ok_button_->setObjectName(QStringLiteral("cmdOK"));
    ok_button_->setGeometry(ToPixels({4245, 2625, 1260, 345}));
    ok_button_->setDefault(true);

    sys_info_button_ = new QPushButton(QStringLiteral("&System Info..."), this);
    sys_info_button_->setObjectName(QStringLiteral("cmdSysInfo"));
    sys_info_button_->setGeometry(ToPixels({4260, 3075, 1245, 345}));
    setTabOrder(ok_button_, sys_info_button_);

    connect(ok_button_, &QPushButton::clicked, this, &QDialog::accept);
    connect(sys_info_button_, &QPushButton::clicked, this, &AboutWindow::StartSystemInformation);

    ShowIdentity();
}

QLabel* AboutWindow::AddLabel(const char* name, const QString& text, QRect box) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(box);
    return label;
}

void AboutWindow::ShowIdentity() {
    const AppIdentity app = ThisApp();
    setWindowTitle(QStringLiteral("About ") + app.title);
    version_label_->setText(QStringLiteral("Version %1.%2.%3").arg(app.major).arg(app.minor).arg(app.revision));
    title_label_->setText(app.title);
}

void AboutWindow::StartSystemInformation() { StartSysInfo(*system_, this); }

}  // namespace tarnwick::ui
