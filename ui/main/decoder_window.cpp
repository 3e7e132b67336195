// The decoder window: its controls, menus, year layouts and the Decode,
// Clear and Exit commands. Decoding itself is the core's.
#include "ui/main/decoder_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <string_view>

#include "decoder/completeness_check.h"
#include "decoder/year_decoder.h"
#include "ui/common/accessible_role.h"
#include "ui/common/core_text.h"
#include "ui/common/emblem.h"
#include "ui/common/message_box.h"
#include "ui/common/return_focus.h"
#include "ui/common/window_fonts.h"
#include "ui/main/caption_frame.h"
#include "ui/main/check_mark_menu_style.h"
#include "ui/main/field_texts.h"
#include "ui/main/plate_field_edit.h"
#include "ui/main/plates_grille_emblem.h"
#include "ui/main/results_panel.h"
#include "ui/main/whole_box_button.h"
#include "ui/main/year_frame.h"

namespace tarnwick::ui {
namespace {

const QString kTitle = QStringLiteral("'65-'70 Tarnwick Decoder");
const QString kInputErrorTitle = QStringLiteral("Input Error");
const QString kCarryOverTitle = QStringLiteral("Year selection Change");
const QString kCarryOverText = QStringLiteral(
    "You have selected a different year. Do you want to carry over the current data you have already entered?");

constexpr Twips kClientArea = {0, 0, 9690, 6030};

struct YearMenuItem {
    const char* name;
    const char* caption;
    Qt::Key shortcut_key;
};

// By ModelYear.
constexpr std::array<YearMenuItem, kAllModelYears.size()> kYearMenuItems = {{
    {"mnu1964", "1964 1/2", Qt::Key_F4},
    {"mnu1965", "1965", Qt::Key_F5},
    {"mnu1966", "1966", Qt::Key_F6},
    {"mnu1967", "1967", Qt::Key_F7},
    {"mnu1968", "1968", Qt::Key_F8},
    {"mnu1969", "1969", Qt::Key_F9},
    {"mnu1970", "1970", Qt::Key_F11},
}};

// By Field.
constexpr std::array<const char*, kAllFields.size()> kFieldNames = {
    "txtWarranty", "txtBody", "txtColor", "txtTrim", "txtDate", "txtDSO", "txtAxle", "txtTrans",
};

// The plate's captions in words, by Field.
constexpr std::array<const char*, kAllFields.size()> kFieldSpokenNames = {
    "Vehicle warranty number", "Body code", "Exterior paint code", "Interior trim code",
    "Date code", "District Sales Office code", "Rear axle code", "Transmission code",
};

// By PlatePicture.
constexpr std::array<const char*, kPlatePictureCount> kPictureNames = {
    "1964-1/2 and 1965 door data plate", "1966 to 1969 door data plate", "1970 door data plate"};

// Front to back, so creating them from the back lets later ones lie on top.
constexpr std::array<Field, kAllFields.size()> kFieldsFrontToBack = {
    Field::Warranty, Field::Trans, Field::Axle, Field::Dso, Field::Date, Field::Trim, Field::Color, Field::Body,
};

template <typename T, typename... Args>
T* Make(QWidget* parent, const char* name, Twips geometry, Args&&... args) {
    T* widget = new T(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(ToPixels(geometry));
    return widget;
}

void PaintLine(QWidget* line, const QColor& colour) {
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
}

}  // namespace

DecoderWindow::DecoderWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      exit_handler_([] { QCoreApplication::exit(0); }) {
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("frmDecoder"));
    setWindowTitle(kTitle);
    setWindowIcon(ProgramIcon());
    setFont(DialogFont());

    BuildMenus();
    BuildControls();
    ConnectControls();

    // The window opens in the 1964-1/2 layout; nothing is asked and no menu
    // item is checked yet.
    ApplyLayout(kLayout1965, ModelYear::Y1964Half);
    year_frame_->KeepTabStopOnSelected();
    FieldEdit(Field::Body)->setFocus();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QAction* DecoderWindow::AddMenuItem(QMenu* menu, const char* name, const QString& caption, QKeyCombination shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(shortcut));
    menu_shortcuts_.append(action->shortcut());
    return action;
}

void DecoderWindow::BuildMenus() {
    auto add_menu = [](QMenu* menu, const char* name) {
        menu->setObjectName(QString::fromLatin1(name));
        // Menus open as windows of their own and do not take the window's font.
        menu->setFont(DialogFont());
        menu->setStyle(CheckMarkMenuStyle::Instance());
        return menu;
    };

    QMenu* file = add_menu(menuBar()->addMenu(tr("&File")), "mnuFile");
    connect(AddMenuItem(file, "mnuDecode", tr("&Decode"), Qt::CTRL | Qt::Key_D), &QAction::triggered, this,
            &DecoderWindow::Decode);
    connect(AddMenuItem(file, "mnuClear", tr("&Clear"), Qt::CTRL | Qt::Key_C), &QAction::triggered, this,
            &DecoderWindow::Clear);
    connect(AddMenuItem(file, "mnuExit", tr("&Exit"), Qt::CTRL | Qt::Key_X), &QAction::triggered, this,
            [this] { exit_handler_(); });

    QMenu* options = add_menu(menuBar()->addMenu(tr("&Options")), "mnuOptions");
    warranty_only_item_ = AddMenuItem(options, "mnuWarranty", tr("&Warranty"), Qt::CTRL | Qt::Key_W);
    warranty_only_item_->setCheckable(true);
    QMenu* years = add_menu(options->addMenu(tr("&Year")), "mnuYear");
    for (ModelYear year : kAllModelYears) {
        const YearMenuItem& row = kYearMenuItems[static_cast<std::size_t>(year)];
        QAction* item = AddMenuItem(years, row.name, QString::fromLatin1(row.caption), Qt::CTRL | row.shortcut_key);
        item->setCheckable(true);
        year_menu_items_[static_cast<std::size_t>(year)] = item;
    }

    QMenu* help = add_menu(menuBar()->addMenu(tr("&Help")), "mnuHelp");
    connect(AddMenuItem(help, "mnuAbout", tr("&About..."), Qt::CTRL | Qt::Key_A), &QAction::triggered, this,
            &DecoderWindow::aboutRequested);
    connect(AddMenuItem(help, "mnuHelpTopics", tr("&Topics"), Qt::CTRL | Qt::Key_T), &QAction::triggered, this,
            &DecoderWindow::helpRequested);
}

// From back to front: a later sibling is drawn over an earlier one.
void DecoderWindow::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ToPixels(kClientArea).size());
    setCentralWidget(client);

    auto* white_line = Make<QWidget>(client, "Line1", {90, 0, 9540, 30});
    auto* grey_line = Make<QWidget>(client, "Line2", {120, 0, 9480, 15});
    PaintLine(white_line, Qt::white);
    PaintLine(grey_line, QColor(0x80, 0x80, 0x80));
    PresentAsSeparator(white_line);
    PresentAsSeparator(grey_line);
    PresentAsImage(Make<EmblemWidget>(client, "Image1", {8490, 2040, 1125, 525}), tr("Tarnwick oval emblem"));
    for (PlatePicture picture : {PlatePicture::Pic1970, PlatePicture::Pic1966, PlatePicture::Pic1965}) {
        static constexpr std::array<const char*, kPlatePictureCount> kNames = {"pic1965", "pic1966", "pic1970"};
        const auto index = static_cast<std::size_t>(picture);
        plate_pictures_[index] = Make<PlatePictureBox>(client, kNames[index], kPictureBox, picture);
        PresentAsImage(plate_pictures_[index], QString::fromLatin1(kPictureNames[index]));
    }
    clear_button_ = Make<QPushButton>(client, "cmdClear", {8520, 840, 1095, 495}, tr("&Clear"));
    exit_button_ = Make<QPushButton>(client, "cmdExit", {8520, 3360, 1095, 495}, tr("&Exit"));
    results_panel_ = Make<ResultsPanel>(client, "Picture1", {0, 3960, 9675, 2055});
    decode_button_ = Make<QPushButton>(client, "cmdDecode", {8520, 240, 1095, 495}, tr("&Decode"));
    year_frame_ = Make<YearFrame>(client, "fraYear", {120, 120, 1815, 2775});
    BuildOptionsFrame(client);
    BuildEntryFields(client);

    // Enter presses the focused button, as Space does. Outside a dialog
    // there is no default button, so Enter in an entry field stays idle.
    for (QPushButton* button : {decode_button_, clear_button_, exit_button_})
        button->setAutoDefault(true);
}

void DecoderWindow::BuildOptionsFrame(QWidget* client) {
    auto* frame = Make<CaptionFrame>(client, "fraOptions", {120, 3000, 1815, 855}, tr("Decode Options"));
    auto* second_line = Make<QLabel>(frame, "Label2", {400, 480, 495, 255}, tr("Only"));
    warranty_only_box_ =
        Make<WholeBoxButton<QCheckBox>>(frame, "chkWarranty", {120, 240, 1680, 255}, tr("&Warranty Number"));
    // The caption's two lines are read as one.
    warranty_only_box_->setAccessibleName(tr("Warranty Number Only"));
    second_line->setBuddy(warranty_only_box_);
}

void DecoderWindow::BuildEntryFields(QWidget* client) {
    for (auto field = kFieldsFrontToBack.rbegin(); field != kFieldsFrontToBack.rend(); ++field) {
        const auto index = static_cast<std::size_t>(*field);
        auto* edit = Make<PlateFieldEdit>(client, kFieldNames[index], FieldTwips(kLayout1965, *field));
        edit->setFont(EntryFont());
        edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        edit->SetMenuShortcuts(menu_shortcuts_);
        edit->SetCharacterLimit(static_cast<int>(FieldMaxLength(*field, ModelYear::Y1964Half)));
        edit->setAccessibleName(QString::fromLatin1(kFieldSpokenNames[index]));
        field_edits_[index] = edit;
    }
}

void DecoderWindow::ConnectControls() {
    for (ModelYear year : kAllModelYears) {
        connect(year_frame_->Option(year), &QRadioButton::clicked, this, [this, year] { SelectYear(year); });
        connect(year_menu_items_[static_cast<std::size_t>(year)], &QAction::triggered, this,
                [this, year] { SelectYearFromMenu(year); });
    }
    connect(decode_button_, &QPushButton::clicked, this, &DecoderWindow::Decode);
    connect(clear_button_, &QPushButton::clicked, this, &DecoderWindow::Clear);
    connect(exit_button_, &QPushButton::clicked, this, [this] { exit_handler_(); });
    connect(warranty_only_box_, &QCheckBox::toggled, this, &DecoderWindow::ChangeWarrantyOnly);
    connect(warranty_only_item_, &QAction::triggered, this, &DecoderWindow::ToggleWarrantyOnly);
}

// The year-selection procedure, run in full even for the year already
// selected.
void DecoderWindow::SelectYear(ModelYear year) {
    const bool any_text = std::any_of(field_edits_.begin(), field_edits_.end(),
                                      [](const PlateFieldEdit* edit) { return !edit->text().isEmpty(); });
    if (any_text &&
        MessageBox::Show(this, kCarryOverText, BoxStyle::YesNoQuestion, kCarryOverTitle) == QMessageBox::No) {
        Clear();
    }

    const PlateLayout& layout = LayoutFor(year);
    FieldEdit(Field::Date)->setVisible(!WarrantyOnly());
    FieldEdit(WarrantyOnly() ? Field::Warranty : layout.tab_order.front())->setFocus();
    for (ModelYear each : kAllModelYears)
        year_menu_items_[static_cast<std::size_t>(each)]->setChecked(each == year);
    ApplyLayout(layout, year);
    year_frame_->KeepTabStopOnSelected();
}

void DecoderWindow::SelectYearFromMenu(ModelYear year) {
    year_frame_->Option(year)->setChecked(true);
    SelectYear(year);
}

// Shows the layout's plate picture and moves the fields over its blanks;
// the focus chain follows the layout, then the rest of the window.
void DecoderWindow::ApplyLayout(const PlateLayout& layout, ModelYear year) {
    plate_pictures_[static_cast<std::size_t>(layout.picture)]->show();
    for (PlatePictureBox* picture : plate_pictures_) {
        if (picture != plate_pictures_[static_cast<std::size_t>(layout.picture)]) picture->hide();
    }
    for (Field field : kAllFields)
        FieldEdit(field)->setGeometry(ToPixels(FieldTwips(layout, field)));
    FieldEdit(Field::Date)->SetCharacterLimit(static_cast<int>(FieldMaxLength(Field::Date, year)));
    for (PlateFieldEdit* edit : field_edits_) {
        const int limit = edit->CharacterLimit();
        edit->setAccessibleDescription(limit == 1 ? tr("1 character") : tr("up to %1 characters").arg(limit));
    }

    QList<QWidget*> chain;
    for (Field field : layout.tab_order)
        chain.append(FieldEdit(field));
    chain << decode_button_ << clear_button_ << exit_button_;
    for (QRadioButton* option : year_frame_->Options())
        chain.append(option);
    chain << warranty_only_box_;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void DecoderWindow::Clear() {
    for (PlateFieldEdit* edit : field_edits_)
        edit->setText(QString());
    results_panel_->Clear();
}

void DecoderWindow::Decode() {
    entry_incomplete_ = !EntriesComplete();
    if (!entry_incomplete_) DecodeYear(year_frame_->Selected());
}

// Every field the mode needs holds something; else the first empty one is
// named in a box and takes the focus.
bool DecoderWindow::EntriesComplete() {
    const FieldTexts texts(field_edits_);
    const std::optional<MissingField> missing = CheckSpaces(year_frame_->Selected(), texts.View(), WarrantyOnly());
    if (!missing) return true;
    MessageBox::Show(this, FromUtf8(missing->message), BoxStyle::OkWarning, kInputErrorTitle);
    FieldEdit(missing->field)->setFocus();
    return false;
}

// Either the first input error, with the focus moved after its box closes,
// or all twelve results written together.
void DecoderWindow::DecodeYear(ModelYear year) {
    const FieldTexts texts(field_edits_);
    const DecodeOutcome outcome = DecodePlate(year, texts.View(), WarrantyOnly());
    if (const InputError* error = outcome.error()) {
        QStringList lines;
        for (std::string_view line : error->Lines())
            lines.append(FromUtf8(line));
        MessageBox::Show(this, lines.join(QLatin1Char('\n')), BoxStyle::OkWarning, kInputErrorTitle);
        FieldEdit(error->Focus())->setFocus();
        return;
    }
    results_panel_->Show(*outcome.results());
}

// Entering or leaving warranty-only mode clears everything and hides or
// shows the data-plate fields (the date stays hidden for 1970).
void DecoderWindow::ChangeWarrantyOnly() {
    Clear();
    const bool warranty_only = WarrantyOnly();
    for (Field field : kAllFields) {
        if (!IsDataPlateField(field)) continue;
        FieldEdit(field)->setEnabled(!warranty_only);
        const bool shown = !warranty_only && (field != Field::Date || year_frame_->Selected() != ModelYear::Y1970);
        FieldEdit(field)->setVisible(shown);
    }
    warranty_only_item_->setChecked(warranty_only);
}

// The menu item toggles the box; the box's change does the rest.
void DecoderWindow::ToggleWarrantyOnly() {
    const bool entering = !warranty_only_box_->isChecked();
    warranty_only_item_->setChecked(entering);
    warranty_only_box_->setChecked(entering);
}

// The window takes the keyboard when it appears, also where no window
// manager hands it over.
void DecoderWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    ReturnFocusTo(this);
}

bool DecoderWindow::WarrantyOnly() const { return warranty_only_box_->isChecked(); }

}  // namespace tarnwick::ui
