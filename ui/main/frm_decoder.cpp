// The decoder window: its controls, menus, year layouts, entry rules and the
// Decode, Clear and Exit commands. Decoding itself is the core's.
#include "ui/main/frm_decoder.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <string_view>

#include "decoder/completeness_check.h"
#include "decoder/year_decoder.h"
#include "ui/common/return_focus.h"
#include "ui/main/artwork.h"
#include "ui/main/caption_frame.h"
#include "ui/main/check_mark_menu_style.h"
#include "ui/main/message_box.h"
#include "ui/main/plate_field_edit.h"
#include "ui/main/window_fonts.h"

namespace tarnwick::ui {
namespace {

const QString kTitle = QStringLiteral("'65-'70 Tarnwick Decoder");
const QString kInputErrorTitle = QStringLiteral("Input Error");
const QString kCarryOverTitle = QStringLiteral("Year selection Change");
const QString kCarryOverText = QStringLiteral(
    "You have selected a different year. Do you want to carry over the current data you have already entered?");

constexpr Twips kClientArea = {0, 0, 9690, 6030};

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <typename T, typename... Args>
T* Make(QWidget* parent, const char* name, Twips geometry, Args&&... args) {
    T* widget = new T(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(ToPixels(geometry));
    return widget;
}

// The field texts as UTF-8, kept alive while the core reads them.
class FieldTexts {
public:
    template <typename FieldEditOf>
    explicit FieldTexts(FieldEditOf edit_of) {
        for (Field field : kAllFields)
            bytes_[Index(field)] = edit_of(field)->text().toUtf8();
    }

    PlateFields View() const {
        PlateFields fields;
        for (Field field : kAllFields) {
            const QByteArray& text = bytes_[Index(field)];
            fields[field] = std::string_view(text.constData(), static_cast<std::size_t>(text.size()));
        }
        return fields;
    }

private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
    std::array<QByteArray, kAllFields.size()> bytes_;
};

}  // namespace

struct frmDecoder::Tables {
    struct Year {
        ModelYear year;
        QRadioButton* frmDecoder::*option;
        const char* option_name;
        int option_top;  // twips in the Year frame
        QAction* frmDecoder::*menu_item;
        const char* menu_name;
        const char* menu_caption;
        Qt::Key shortcut_key;
        void (frmDecoder::*decoder)();
    };

    // In the order the Decode command tests the option buttons.
    static constexpr std::array<Year, kAllModelYears.size()> kYears = {{
        {ModelYear::Y1964Half, &frmDecoder::opt1964, "opt1964", 250, &frmDecoder::mnu1964, "mnu1964", "1964 1/2",
         Qt::Key_F4, &frmDecoder::Decode1964},
        {ModelYear::Y1965, &frmDecoder::opt1965, "opt1965", 600, &frmDecoder::mnu1965, "mnu1965", "1965", Qt::Key_F5,
         &frmDecoder::Decode1965},
        {ModelYear::Y1966, &frmDecoder::opt1966, "opt1966", 950, &frmDecoder::mnu1966, "mnu1966", "1966", Qt::Key_F6,
         &frmDecoder::Decode1966},
        {ModelYear::Y1967, &frmDecoder::opt1967, "opt1967", 1300, &frmDecoder::mnu1967, "mnu1967", "1967", Qt::Key_F7,
         &frmDecoder::Decode1967},
        {ModelYear::Y1968, &frmDecoder::opt1968, "opt1968", 1650, &frmDecoder::mnu1968, "mnu1968", "1968", Qt::Key_F8,
         &frmDecoder::Decode1968},
        {ModelYear::Y1969, &frmDecoder::opt1969, "opt1969", 2000, &frmDecoder::mnu1969, "mnu1969", "1969", Qt::Key_F9,
         &frmDecoder::Decode1969},
        {ModelYear::Y1970, &frmDecoder::opt1970, "opt1970", 2350, &frmDecoder::mnu1970, "mnu1970", "1970", Qt::Key_F11,
         &frmDecoder::Decode1970},
    }};

    struct EntryField {
        PlateFieldEdit* frmDecoder::*edit;
        const char* name;
    };

    // By Field: warranty, body, color, trim, date, DSO, axle, trans.
    static constexpr std::array<EntryField, kAllFields.size()> kFields = {{
        {&frmDecoder::txtWarranty, "txtWarranty"},
        {&frmDecoder::txtBody, "txtBody"},
        {&frmDecoder::txtColor, "txtColor"},
        {&frmDecoder::txtTrim, "txtTrim"},
        {&frmDecoder::txtDate, "txtDate"},
        {&frmDecoder::txtDSO, "txtDSO"},
        {&frmDecoder::txtAxle, "txtAxle"},
        {&frmDecoder::txtTrans, "txtTrans"},
    }};

    // Front to back, so creating them from the back lets later ones lie on top.
    static constexpr std::array<Field, kAllFields.size()> kFieldsFrontToBack = {
        Field::Warranty, Field::Trans, Field::Axle, Field::Dso, Field::Date, Field::Trim, Field::Color, Field::Body,
    };

    struct Result {
        ResultItem item;
        QLabel* frmDecoder::*caption;
        const char* caption_name;
        QLabel* frmDecoder::*result;
        const char* result_name;
        int column;  // 0 left, 1 right
        int row;
    };

    // By ResultItem.
    static constexpr std::array<Result, kResultCount> kResults = {{
        {ResultItem::Year, &frmDecoder::lblYear, "lblYear", &frmDecoder::lblYearResult, "lblYearResult", 0, 0},
        {ResultItem::BodyStyle, &frmDecoder::lblBody, "lblBody", &frmDecoder::lblBodyResult, "lblBodyResult", 0, 1},
        {ResultItem::Exterior, &frmDecoder::lblExterior, "lblExterior", &frmDecoder::lblExteriorResult,
         "lblExteriorResult", 0, 2},
        {ResultItem::Interior, &frmDecoder::lblInterior, "lblInterior", &frmDecoder::lblInteriorResult,
         "lblInteriorResult", 0, 3},
        {ResultItem::InteriorType, &frmDecoder::lblInteriorType, "lblInteriorType", &frmDecoder::lblInteriorTypeResult,
         "lblInteriorTypeResult", 0, 4},
        {ResultItem::Engine, &frmDecoder::lblEngine, "lblEngine", &frmDecoder::lblEngineResult, "lblEngineResult", 0,
         5},
        {ResultItem::Transmission, &frmDecoder::lblTrans, "lblTrans", &frmDecoder::lblTransResult, "lblTransResult", 0,
         6},
        {ResultItem::Axle, &frmDecoder::lblAxle, "lblAxle", &frmDecoder::lblAxleResult, "lblAxleResult", 1, 0},
        {ResultItem::Dso, &frmDecoder::lblDSO, "lblDSO", &frmDecoder::lblDSOResult, "lblDSOResult", 1, 1},
        {ResultItem::Plant, &frmDecoder::lblPlant, "lblPlant", &frmDecoder::lblPlantResult, "lblPlantResult", 1, 2},
        {ResultItem::Date, &frmDecoder::lblDate, "lblDate", &frmDecoder::lblDateResult, "lblDateResult", 1, 3},
        {ResultItem::Unit, &frmDecoder::lblUnit, "lblUnit", &frmDecoder::lblUnitResult, "lblUnitResult", 1, 4},
    }};

    // Results panel geometry, in twips inside the panel.
    static constexpr std::array<int, 2> kCaptionLeft = {120, 4680};
    static constexpr std::array<int, 2> kResultLeft = {1440, 6480};
    static constexpr int kFirstRowTop = 120;
    static constexpr int kRowStep = 240;
    static constexpr int kCaptionHeight = 195;
    // The left results reach to the right captions: the longest interior
    // texts need more than the right column's width.
    static constexpr std::array<int, 2> kResultWidth = {3210, 2895};
    static constexpr int kResultHeight = 255;

    // The tables are indexed by year and by result.
    static constexpr bool InOrder() {
        for (std::size_t i = 0; i < kYears.size(); ++i) {
            if (kYears[i].year != kAllModelYears[i]) return false;
        }
        for (std::size_t i = 0; i < kResults.size(); ++i) {
            if (kResults[i].item != kAllResultItems[i]) return false;
        }
        return true;
    }
};

frmDecoder::frmDecoder(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      exitHandler_([] { QCoreApplication::exit(0); }) {
    static_assert(Tables::InOrder());
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("frmDecoder"));
    setWindowTitle(kTitle);
    setWindowIcon(ProgramIcon());
    setFont(DialogFont());

    BuildMenus();
    BuildControls();
    ConnectControls();
    Form_Load();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void frmDecoder::BuildMenus() {
    auto item = [this](QMenu* menu, QAction* frmDecoder::*member, const char* name, const QString& caption,
                       QKeyCombination shortcut) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(QKeySequence(shortcut));
        this->*member = action;
        return action;
    };
    auto menu = [this](QMenu* frmDecoder::*member, const char* name, const QString& caption, QMenu* parent) {
        QMenu* created = parent != nullptr ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        created->setObjectName(QString::fromLatin1(name));
        this->*member = created;
        return created;
    };

    menu(&frmDecoder::mnuFile, "mnuFile", tr("&File"), nullptr);
    item(mnuFile, &frmDecoder::mnuDecode, "mnuDecode", tr("&Decode"), Qt::CTRL | Qt::Key_D);
    item(mnuFile, &frmDecoder::mnuClear, "mnuClear", tr("&Clear"), Qt::CTRL | Qt::Key_C);
    item(mnuFile, &frmDecoder::mnuExit, "mnuExit", tr("&Exit"), Qt::CTRL | Qt::Key_X);

    menu(&frmDecoder::mnuOptions, "mnuOptions", tr("&Options"), nullptr);
    item(mnuOptions, &frmDecoder::mnuWarranty, "mnuWarranty", tr("&Warranty"), Qt::CTRL | Qt::Key_W)
        ->setCheckable(true);
    menu(&frmDecoder::mnuYear, "mnuYear", tr("&Year"), mnuOptions);
    for (const Tables::Year& year : Tables::kYears) {
        item(mnuYear, year.menu_item, year.menu_name, QString::fromLatin1(year.menu_caption),
             Qt::CTRL | year.shortcut_key)
            ->setCheckable(true);
    }

    menu(&frmDecoder::mnuHelp, "mnuHelp", tr("&Help"), nullptr);
    item(mnuHelp, &frmDecoder::mnuAbout, "mnuAbout", tr("&About..."), Qt::CTRL | Qt::Key_A);
    item(mnuHelp, &frmDecoder::mnuHelpTopics, "mnuHelpTopics", tr("&Topics"), Qt::CTRL | Qt::Key_T);

    // Menus open as windows of their own and do not take the window's font.
    for (QMenu* each : {mnuFile, mnuOptions, mnuYear, mnuHelp}) {
        each->setFont(DialogFont());
        each->setStyle(CheckMarkMenuStyle::instance());
        for (const QAction* action : each->actions()) {
            if (!action->shortcut().isEmpty()) menuShortcuts_.append(action->shortcut());
        }
    }
}

void frmDecoder::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ToPixels(kClientArea).size());
    setCentralWidget(client);

    // From back to front: a later sibling is drawn over an earlier one.
    Line1 = Make<QWidget>(client, "Line1", {90, 0, 9540, 30});
    Line2 = Make<QWidget>(client, "Line2", {120, 0, 9480, 15});
    for (auto [line, colour] : {std::pair{Line1, QColor(Qt::white)}, std::pair{Line2, QColor(0x80, 0x80, 0x80)}}) {
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, colour);
        line->setPalette(palette);
        line->setAutoFillBackground(true);
    }

    Image1 = Make<EmblemWidget>(client, "Image1", {8490, 2040, 1125, 525});
    pic1970 = Make<PlatePictureBox>(client, "pic1970", kPictureBox, PlatePicture::Pic1970);
    pic1966 = Make<PlatePictureBox>(client, "pic1966", kPictureBox, PlatePicture::Pic1966);
    pic1965 = Make<PlatePictureBox>(client, "pic1965", kPictureBox, PlatePicture::Pic1965);
    cmdClear = Make<QPushButton>(client, "cmdClear", {8520, 840, 1095, 495}, tr("&Clear"));
    cmdExit = Make<QPushButton>(client, "cmdExit", {8520, 3360, 1095, 495}, tr("&Exit"));
    Picture1 = Make<GrillePanel>(client, "Picture1", {0, 3960, 9675, 2055});
    BuildResultsPanel();
    cmdDecode = Make<QPushButton>(client, "cmdDecode", {8520, 240, 1095, 495}, tr("&Decode"));

    fraYear = Make<CaptionFrame>(client, "fraYear", {120, 120, 1815, 2775}, tr("Year"));
    for (auto year = Tables::kYears.rbegin(); year != Tables::kYears.rend(); ++year) {
        this->*year->option = Make<QRadioButton>(fraYear, year->option_name, {120, year->option_top, 1335, 255},
                                                 FromUtf8(YearLabel(year->year)));
    }
    opt1964->setChecked(true);

    fraOptions = Make<CaptionFrame>(client, "fraOptions", {120, 3000, 1815, 855}, tr("Decode Options"));
    Label2 = Make<QLabel>(fraOptions, "Label2", {400, 480, 495, 255}, tr("Only"));
    chkWarranty = Make<QCheckBox>(fraOptions, "chkWarranty", {120, 240, 1680, 255}, tr("&Warranty Number"));

    for (auto field = Tables::kFieldsFrontToBack.rbegin(); field != Tables::kFieldsFrontToBack.rend(); ++field) {
        const Tables::EntryField& entry = Tables::kFields[static_cast<std::size_t>(*field)];
        auto* edit = Make<PlateFieldEdit>(client, entry.name, FieldTwips(kLayout1965, *field));
        edit->setFont(EntryFont());
        edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        edit->installEventFilter(this);
        this->*entry.edit = edit;
        SetFieldLimit(*field, static_cast<int>(FieldMaxLength(*field, ModelYear::Y1964Half)));
    }

    // Enter presses the focused button, as Space does. Outside a dialog
    // there is no default button, so Enter in an entry field stays idle.
    for (QPushButton* button : {cmdDecode, cmdClear, cmdExit})
        button->setAutoDefault(true);
    for (const Tables::Year& row : Tables::kYears)
        (this->*row.option)->installEventFilter(this);
}

void frmDecoder::BuildResultsPanel() {
    const QPoint origin = Picture1->contentsRect().topLeft();
    QPalette blue = Picture1->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);

    for (const Tables::Result& row : Tables::kResults) {
        const int top = Tables::kFirstRowTop + row.row * Tables::kRowStep;
        const auto column = static_cast<std::size_t>(row.column);

        auto* caption = new QLabel(FromUtf8(ResultCaption(row.item)), Picture1);
        caption->setObjectName(QString::fromLatin1(row.caption_name));
        caption->setFont(CaptionFont());
        caption->setTextFormat(Qt::PlainText);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const QRect place = ToPixels({Tables::kCaptionLeft[column], top, 0, Tables::kCaptionHeight});
        caption->setGeometry(QRect(place.topLeft() + origin, QSize(caption->sizeHint().width(), place.height())));
        this->*row.caption = caption;

        auto* result = new QLabel(Picture1);
        result->setObjectName(QString::fromLatin1(row.result_name));
        result->setTextFormat(Qt::PlainText);
        result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        result->setPalette(blue);
        result->setGeometry(
            ToPixels({Tables::kResultLeft[column], top, Tables::kResultWidth[column], Tables::kResultHeight})
                .translated(origin));
        this->*row.result = result;
    }
}

void frmDecoder::ConnectControls() {
    for (const Tables::Year& row : Tables::kYears) {
        const ModelYear year = row.year;
        connect(this->*row.option, &QRadioButton::clicked, this, [this, year] { optYear_Click(year); });
        connect(this->*row.menu_item, &QAction::triggered, this, [this, year] { mnuYear_Click(year); });
    }
    connect(cmdDecode, &QPushButton::clicked, this, &frmDecoder::cmdDecode_Click);
    connect(mnuDecode, &QAction::triggered, this, &frmDecoder::mnuDecode_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmDecoder::cmdClear_Click);
    connect(mnuClear, &QAction::triggered, this, &frmDecoder::mnuClear_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDecoder::cmdExit_Click);
    connect(mnuExit, &QAction::triggered, this, &frmDecoder::mnuExit_Click);
    connect(chkWarranty, &QCheckBox::toggled, this, &frmDecoder::chkWarranty_Click);
    connect(mnuWarranty, &QAction::triggered, this, &frmDecoder::mnuWarranty_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmDecoder::mnuAbout_Click);
    connect(mnuHelpTopics, &QAction::triggered, this, &frmDecoder::mnuHelpTopics_Click);
}

// The window opens in the 1964-1/2 layout; nothing is asked and no menu item
// is checked yet.
void frmDecoder::Form_Load() {
    ApplyLayout(kLayout1965, ModelYear::Y1964Half);
    KeepTabStopOnSelectedYear();
    txtBody->setFocus();
}

// The year-selection procedure, run in full even for the year already
// selected.
void frmDecoder::optYear_Click(ModelYear year) {
    const bool any_text = std::any_of(kAllFields.begin(), kAllFields.end(),
                                      [this](Field field) { return !FieldEdit(field)->text().isEmpty(); });
    if (any_text &&
        MessageBox::show(this, kCarryOverText, BoxStyle::YesNoQuestion, kCarryOverTitle) == QMessageBox::No) {
        Clear();
    }

    const PlateLayout& layout = LayoutFor(year);
    if (WarrantyOnly()) {
        txtDate->hide();
        txtWarranty->setFocus();
    } else {
        txtDate->show();
        FieldEdit(layout.tab_order.front())->setFocus();
    }
    for (ModelYear each : kAllModelYears)
        YearMenuItem(each)->setChecked(each == year);
    ApplyLayout(layout, year);
    KeepTabStopOnSelectedYear();
}

// Tab and Shift+Tab enter the year group on the selected year only; the
// others are reached with the arrow keys.
void frmDecoder::KeepTabStopOnSelectedYear() {
    for (const Tables::Year& row : Tables::kYears) {
        QRadioButton* option = this->*row.option;
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// An arrow key selects the next or previous year, round the group, and runs
// the year change as a click would, focus move included.
bool frmDecoder::YearOption_KeyPress(QRadioButton* option, const QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        default:
            return false;
    }
    const auto count = static_cast<int>(Tables::kYears.size());
    for (int i = 0; i < count; ++i) {
        if (this->*Tables::kYears[static_cast<std::size_t>(i)].option != option) continue;
        QRadioButton* next = this->*Tables::kYears[static_cast<std::size_t>((i + step + count) % count)].option;
        next->setFocus(Qt::TabFocusReason);
        next->click();
        return true;
    }
    return false;
}

void frmDecoder::mnuYear_Click(ModelYear year) {
    OptionButton(year)->setChecked(true);
    optYear_Click(year);
}

// Shows the layout's plate picture and moves the fields over its blanks;
// the focus chain follows the layout, then the rest of the window.
void frmDecoder::ApplyLayout(const PlateLayout& layout, ModelYear year) {
    PictureBox(layout.picture)->show();
    for (PlatePicture picture : {PlatePicture::Pic1965, PlatePicture::Pic1966, PlatePicture::Pic1970}) {
        if (picture != layout.picture) PictureBox(picture)->hide();
    }
    for (Field field : kAllFields)
        FieldEdit(field)->setGeometry(ToPixels(FieldTwips(layout, field)));
    SetFieldLimit(Field::Date, static_cast<int>(FieldMaxLength(Field::Date, year)));

    QList<QWidget*> chain;
    for (Field field : layout.tab_order)
        chain.append(FieldEdit(field));
    chain << cmdDecode << cmdClear << cmdExit;
    for (const Tables::Year& row : Tables::kYears)
        chain.append(this->*row.option);
    chain << chkWarranty;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmDecoder::SetFieldLimit(Field field, int limit) { FieldEdit(field)->setCharacterLimit(limit); }

void frmDecoder::Clear() {
    for (Field field : {Field::Body, Field::Color, Field::Trim, Field::Date, Field::Dso, Field::Axle, Field::Trans,
                        Field::Warranty}) {
        FieldEdit(field)->setText(QString());
    }
    for (ResultItem item : kAllResultItems)
        ResultLabel(item)->setText(QString());
}

void frmDecoder::CheckSpaces() {
    const FieldTexts texts([this](Field field) { return FieldEdit(field); });
    const std::optional<MissingField> missing = tarnwick::CheckSpaces(SelectedYear(), texts.View(), WarrantyOnly());
    if (!missing) {
        if (!WarrantyOnly()) EntryIncomplete = 0;
        return;
    }
    MessageBox::show(this, FromUtf8(missing->message), BoxStyle::OkWarning, kInputErrorTitle);
    FieldEdit(missing->field)->setFocus();
    EntryIncomplete = 1;
}

void frmDecoder::cmdDecode_Click() {
    EntryIncomplete = 0;
    CheckSpaces();
    if (EntryIncomplete == 1) return;
    for (const Tables::Year& row : Tables::kYears) {
        if ((this->*row.option)->isChecked()) {
            (this->*row.decoder)();
            return;
        }
    }
}

void frmDecoder::mnuDecode_Click() { cmdDecode_Click(); }
void frmDecoder::cmdClear_Click() { Clear(); }
void frmDecoder::mnuClear_Click() { Clear(); }
void frmDecoder::cmdExit_Click() { exitHandler_(); }
void frmDecoder::mnuExit_Click() { exitHandler_(); }
void frmDecoder::mnuAbout_Click() { emit aboutRequested(); }
void frmDecoder::mnuHelpTopics_Click() { emit helpRequested(); }

void frmDecoder::Decode1964() { DecodeYear(ModelYear::Y1964Half); }
void frmDecoder::Decode1965() { DecodeYear(ModelYear::Y1965); }
void frmDecoder::Decode1966() { DecodeYear(ModelYear::Y1966); }
void frmDecoder::Decode1967() { DecodeYear(ModelYear::Y1967); }
void frmDecoder::Decode1968() { DecodeYear(ModelYear::Y1968); }
void frmDecoder::Decode1969() { DecodeYear(ModelYear::Y1969); }
void frmDecoder::Decode1970() { DecodeYear(ModelYear::Y1970); }

// Either the first input error, with the focus moved after its box closes,
// or all twelve results written together.
void frmDecoder::DecodeYear(ModelYear year) {
    const FieldTexts texts([this](Field field) { return FieldEdit(field); });
    const DecodeOutcome outcome = DecodePlate(year, texts.View(), WarrantyOnly());
    if (const InputError* error = outcome.error()) {
        QStringList lines;
        for (const std::string& line : error->Lines())
            lines.append(QString::fromStdString(line));
        MessageBox::show(this, lines.join(QLatin1Char('\n')), BoxStyle::OkWarning, kInputErrorTitle);
        FieldEdit(error->Focus())->setFocus();
        return;
    }
    const DecodeResults& results = *outcome.results();
    for (ResultItem item : kAllResultItems)
        ResultLabel(item)->setText(FromUtf8(results[item]));
}

void frmDecoder::chkWarranty_Click() {
    Clear();
    if (chkWarranty->isChecked()) {
        for (Field field : kAllFields) {
            if (!IsDataPlateField(field)) continue;
            FieldEdit(field)->setEnabled(false);
            FieldEdit(field)->hide();
            FieldEdit(field)->setText(QString());
        }
        mnuWarranty->setChecked(true);
    } else {
        for (Field field : kAllFields) {
            if (!IsDataPlateField(field)) continue;
            if (field != Field::Date) FieldEdit(field)->show();
            FieldEdit(field)->setEnabled(true);
        }
        mnuWarranty->setChecked(false);
        txtDate->setVisible(!opt1970->isChecked());
    }
}

// The menu item toggles the box; the box's change does the rest.
void frmDecoder::mnuWarranty_Click() {
    const bool entering = !chkWarranty->isChecked();
    mnuWarranty->setChecked(entering);
    chkWarranty->setChecked(entering);
}

// The window takes the keyboard when it appears, also where no window
// manager hands it over.
void frmDecoder::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    ReturnFocusTo(this);
}

bool frmDecoder::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field != nullptr && event->type() == QEvent::ShortcutOverride &&
        IsMenuShortcut(static_cast<QKeyEvent*>(event))) {
        // The field would claim Ctrl+C, Ctrl+X, Ctrl+A… for itself; here the
        // menu command wins.
        event->ignore();
        return true;
    }
    if (field != nullptr && event->type() == QEvent::KeyPress) {
        return PlateField_KeyPress(field, static_cast<QKeyEvent*>(event));
    }
    auto* option = qobject_cast<QRadioButton*>(watched);
    if (option != nullptr && event->type() == QEvent::KeyPress) {
        return YearOption_KeyPress(option, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

// A typed character reaches the field in its upper-case form. Pasted text
// does not come this way and stays as it is.
bool frmDecoder::PlateField_KeyPress(QLineEdit* field, QKeyEvent* event) {
    const Qt::KeyboardModifiers chord = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const QString typed = event->text();
    if (chord != Qt::NoModifier || typed.isEmpty()) return false;
    // By whole characters: one outside the Basic Multilingual Plane comes
    // as two UTF-16 halves that have no case of their own.
    const QList<uint> characters = typed.toUcs4();
    if (!QChar::isPrint(characters.front())) return false;
    QString upper;
    for (uint c : characters)
        upper.append(QStringView(QChar::fromUcs4(QChar::toUpper(c))));
    if (upper == typed) return false;
    field->insert(upper);
    return true;
}

bool frmDecoder::IsMenuShortcut(const QKeyEvent* event) const {
    const QKeySequence pressed(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    return menuShortcuts_.contains(pressed);
}

ModelYear frmDecoder::SelectedYear() const {
    for (const Tables::Year& row : Tables::kYears) {
        if ((this->*row.option)->isChecked()) return row.year;
    }
    return ModelYear::Y1964Half;
}

bool frmDecoder::WarrantyOnly() const { return chkWarranty->isChecked(); }

PlateFieldEdit* frmDecoder::FieldEdit(Field field) const {
    return this->*Tables::kFields[static_cast<std::size_t>(field)].edit;
}

QRadioButton* frmDecoder::OptionButton(ModelYear year) const {
    return this->*Tables::kYears[static_cast<std::size_t>(year)].option;
}

QAction* frmDecoder::YearMenuItem(ModelYear year) const {
    return this->*Tables::kYears[static_cast<std::size_t>(year)].menu_item;
}

QLabel* frmDecoder::ResultLabel(ResultItem item) const {
    return this->*Tables::kResults[static_cast<std::size_t>(item)].result;
}

PlatePictureBox* frmDecoder::PictureBox(PlatePicture picture) const {
    switch (picture) {
        case PlatePicture::Pic1966:
            return pic1966;
        case PlatePicture::Pic1970:
            return pic1970;
        case PlatePicture::Pic1965:
            break;
    }
    return pic1965;
}

}  // namespace tarnwick::ui
