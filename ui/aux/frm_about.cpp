// The About window's controls and its two buttons.
#include "ui/aux/frm_about.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "ui/aux/app_identity.h"
#include "ui/aux/artwork.h"
#include "ui/aux/aux_fonts.h"
#include "ui/aux/sys_info.h"
#include "ui/aux/system_access.h"
#include "ui/aux/twips.h"

namespace tarnwick {

namespace {

// Both lines end at the same place; the white one starts a pixel later and
// one lower, which gives the etched look.
constexpr QPoint kGreyStart(Twips(90), Twips(2445));
constexpr QPoint kWhiteStart(Twips(105), Twips(2460));
constexpr int kLineEnd = Twips(5654);

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

frmAbout::frmAbout(QWidget* parent, SystemAccess* system)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      system_(system ? system : &RealSystem()) {
    setObjectName(QStringLiteral("frmAbout"));
    setFont(DialogFont());
    setFixedSize(TwipsSize(5730, 3555));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(TwipsRect(4260, 3075, 1245, 345));
    setTabOrder(cmdOK, cmdSysInfo);

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(TwipsRect(120, 240, 1500, 1335));
    Image1->setPixmap(EmblemPixmap(Image1->size(), devicePixelRatioF()));

    lblTitle = AddLabel("lblTitle", QString(), TwipsRect(1800, 240, 3885, 360));
    lblTitle->setFont(DialogFont(9.75, true));
    lblVersion = AddLabel("lblVersion", QString(), TwipsRect(1800, 795, 2445, 225));
    AddLabel("Label1", QStringLiteral("Written by the Tarnwick Decoder team"), TwipsRect(1800, 1080, 2895, 255));
    AddLabel("Label4", QStringLiteral("Original Creation Date: February 10, 2000"), TwipsRect(1800, 1440, 3165, 330));
    AddLabel("lblDescription", QStringLiteral("Latest Version Creation Date: February 18, 2002"),
             TwipsRect(1800, 1800, 3765, 330));
    AddLabel("Label2", QStringLiteral("Send Inquiries to:"), TwipsRect(1800, 2160, 1335, 255));
    QLabel* Label3 = AddLabel("Label3", QStringLiteral("decoder@tarnwick.example"), TwipsRect(3240, 2160, 2175, 255));
    QPalette blue = Label3->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 0xff));
    Label3->setPalette(blue);

    new EtchedLine(this);

    QLabel* lblDisclaimer = AddLabel("lblDisclaimer", QString(), TwipsRect(255, 2625, 3870, 825));
    lblDisclaimer->setWordWrap(true);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

QLabel* frmAbout::AddLabel(const char* name, const QString& text, QRect box) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(box);
    return label;
}

void frmAbout::Form_Load() {
    const AppIdentity app = ThisApp();
    setWindowTitle(QStringLiteral("About ") + app.title);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3").arg(app.major).arg(app.minor).arg(app.revision));
    lblTitle->setText(app.title);
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(*system_, this); }

}  // namespace tarnwick
