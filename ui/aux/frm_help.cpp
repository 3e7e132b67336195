// The help page's controls and texts.
#include "ui/aux/frm_help.h"

#include <QLabel>
#include <QPushButton>

#include "ui/aux/aux_fonts.h"
#include "ui/aux/twips.h"

namespace tarnwick {

namespace {

const char* const kWarrantyText =
    "Toggles data plate codes off and on.  When the Warranty Number Only box is checked then decoding is performed "
    "on the VIN number only.  This may be needed when the door data plate is missing.  When the Warranty Number Only "
    "box is not checked then decoding is performed for all data plate fields.";

const char* const kYearText =
    "Select the year of Tarnwick to be decoded.  The program defaults to 1964 1/2 upon startup.  If data is entered "
    "for a different year and the correct year is not select prior to clicking the Decode button then an error will "
    "occur.";

const char* const kNoteText =
    "Special Note:  The data used to decode each particular year is based on information available at the time this "
    "application was development.  There is the possibility that special codes may not be accounted for in this "
    "program.  If any discrepancies are found please forward them to the following address and they will be "
    "incorporated into the program and an updated version will be released.";

}  // namespace

frmHelp::frmHelp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("65-70 Tarnwick Decoder Help Topics"));
    setFont(DialogFont());
    setFixedSize(TwipsSize(5745, 6075));

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(2280, 5640, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmHelp::cmdOK_Click);

    auto* Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(0, 0, 5750, 5535));
    QPalette page = Picture1->palette();
    page.setColor(QPalette::Window, page.color(QPalette::HighlightedText));
    Picture1->setPalette(page);
    Picture1->setAutoFillBackground(true);

    QFont heading = DialogFont(9.75, true);
    heading.setUnderline(true);
    QLabel* Label1 = AddLabel(Picture1, "Label1", QStringLiteral("Options"), TwipsRect(120, 120, 975, 255), heading);
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 0xff));
    Label1->setPalette(blue);

    const QFont term = DialogFont(8.25, true);
    const QFont body = DialogFont();
    AddLabel(Picture1, "Label2", QStringLiteral("Warranty Number Only"), TwipsRect(120, 480, 2055, 375), term);
    AddLabel(Picture1, "Label3", QString::fromLatin1(kWarrantyText), TwipsRect(2280, 480, 3255, 1575), body);
    AddLabel(Picture1, "Label4", QStringLiteral("Year "), TwipsRect(120, 2280, 2055, 375), term);
    AddLabel(Picture1, "Label5", QString::fromLatin1(kYearText), TwipsRect(2280, 2280, 3255, 1575), body);
    AddLabel(Picture1, "Label8", QString::fromLatin1(kNoteText), TwipsRect(120, 3720, 5415, 1575), body);
}

// Every label wraps within its box and shows the page's colour behind it.
QLabel* frmHelp::AddLabel(QWidget* page, const char* name, const QString& text, QRect box, const QFont& font) {
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFont(font);
    label->setGeometry(box);
    return label;
}

void frmHelp::cmdOK_Click() { accept(); }

}  // namespace tarnwick
