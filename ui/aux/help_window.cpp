// The help page's controls and texts.
#include "ui/aux/help_window.h"

#include <QLabel>
#include <QPushButton>

#include "ui/common/twips.h"
#include "ui/common/window_fonts.h"

namespace tarnwick::ui {

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

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("65-70 Tarnwick Decoder Help Topics"));
    setFont(DialogPointFont());
    setFixedSize(ToPixels({0, 0, 5745, 6075}).size());

    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Picture1"));
    page->setGeometry(ToPixels({0, 0, 5750, 5535}));
    QPalette white = page->palette();
    white.setColor(QPalette::Window, white.color(QPalette::HighlightedText));
    page->setPalette(white);
    page->setAutoFillBackground(true);

    QFont heading = DialogPointFont(9.75, true);
    heading.setUnderline(true);
    QLabel* heading_label = AddLabel(page, "Label1", QStringLiteral("Options"), ToPixels({120, 120, 975, 255}), heading);
    QPalette blue = heading_label->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 0xff));
    heading_label->setPalette(blue);

    const QFont term = DialogPointFont(8.25, true);
    const QFont body = DialogPointFont();
    AddLabel(page, "Label2", QStringLiteral("Warranty Number Only"), ToPixels({120, 480, 2055, 375}), term);
    AddLabel(page, "Label3", QString::fromLatin1(kWarrantyText), ToPixels({2280, 480, 3255, 1575}), body);
    AddLabel(page, "Label4", QStringLiteral("Year "), ToPixels({120, 2280, 2055, 375}), term);
    AddLabel(page, "Label5", QString::fromLatin1(kYearText), ToPixels({2280, 2280, 3255, 1575}), body);
    AddLabel(page, "Label8", QString::fromLatin1(kNoteText), ToPixels({120, 3720, 5415, 1575}), body);

    // After the page, so that the window reads from the top down.
    auto* ok_button = new QPushButton(QStringLiteral("OK"), this);
    ok_button->setObjectName(QStringLiteral("cmdOK"));
    ok_button->setGeometry(ToPixels({2280, 5640, 1260, 345}));
    ok_button->setDefault(true);
    connect(ok_button, &QPushButton::clicked, this, &QDialog::accept);
}

// Every label wraps within its box and shows the page's colour behind it.
QLabel* HelpWindow::AddLabel(QWidget* page, const char* name, const QString& text, QRect box, const QFont& font) {
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFont(font);
    label->setGeometry(box);
    return label;
}

}  // namespace tarnwick::ui
