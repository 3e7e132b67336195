// The decoder window: the plate picture of the selected year with the entry
// fields over its blanks, the year and mode choices, the commands and the
// twelve results.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>

#include "decoder/decode_results.h"
#include "decoder/model_year.h"
#include "decoder/plate_fields.h"
#include "ui/main/plate_layout.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tarnwick::ui {

class EmblemWidget;
class GrillePanel;
class PlateFieldEdit;
class PlatePictureBox;

class frmDecoder : public QMainWindow {
    Q_OBJECT

public:
    explicit frmDecoder(QWidget* parent = nullptr);

    // Empties the eight entry fields and the twelve results.
    void Clear();
    // Checks that every field the mode needs holds something; on the first
    // empty one says so, moves the focus there and sets the flag.
    void CheckSpaces();
    // The decoders of the seven years: read the fields, decode, and show
    // either the results or the first input error.
    void Decode1964();
    void Decode1965();
    void Decode1966();
    void Decode1967();
    void Decode1968();
    void Decode1969();
    void Decode1970();

    // 1 when the last completeness check found a needed field empty.
    std::int16_t entryIncomplete() const { return EntryIncomplete; }

    // What Exit does; by default it ends the program at once.
    void setExitHandler(std::function<void()> handler) { exitHandler_ = std::move(handler); }

signals:
    // Help, About and Help, Topics: the windows that answer them are hooked
    // here by whoever owns them.
    void aboutRequested();
    void helpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Tables;  // the window's constant data: controls by year, field and result

    void BuildControls();
    void BuildResultsPanel();
    void BuildMenus();
    void ConnectControls();

    void Form_Load();
    void optYear_Click(ModelYear year);
    void mnuYear_Click(ModelYear year);
    void cmdDecode_Click();
    void mnuDecode_Click();
    void cmdClear_Click();
    void mnuClear_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void chkWarranty_Click();
    void mnuWarranty_Click();
    void mnuAbout_Click();
    void mnuHelpTopics_Click();
    bool PlateField_KeyPress(QLineEdit* field, QKeyEvent* event);
    bool YearOption_KeyPress(QRadioButton* option, const QKeyEvent* event);
    void KeepTabStopOnSelectedYear();

    void DecodeYear(ModelYear year);
    void ApplyLayout(const PlateLayout& layout, ModelYear year);
    void SetFieldLimit(Field field, int limit);
    ModelYear SelectedYear() const;
    bool WarrantyOnly() const;
    bool IsMenuShortcut(const QKeyEvent* event) const;

    PlateFieldEdit* FieldEdit(Field field) const;
    QRadioButton* OptionButton(ModelYear year) const;
    QAction* YearMenuItem(ModelYear year) const;
    QLabel* ResultLabel(ResultItem item) const;
    PlatePictureBox* PictureBox(PlatePicture picture) const;

    // Entry fields, front to back.
    PlateFieldEdit* txtWarranty = nullptr;
    PlateFieldEdit* txtTrans = nullptr;
    PlateFieldEdit* txtAxle = nullptr;
    PlateFieldEdit* txtDSO = nullptr;
    PlateFieldEdit* txtDate = nullptr;
    PlateFieldEdit* txtTrim = nullptr;
    PlateFieldEdit* txtColor = nullptr;
    PlateFieldEdit* txtBody = nullptr;

    QGroupBox* fraOptions = nullptr;
    QCheckBox* chkWarranty = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* fraYear = nullptr;
    QRadioButton* opt1970 = nullptr;
    QRadioButton* opt1969 = nullptr;
    QRadioButton* opt1968 = nullptr;
    QRadioButton* opt1967 = nullptr;
    QRadioButton* opt1966 = nullptr;
    QRadioButton* opt1965 = nullptr;
    QRadioButton* opt1964 = nullptr;
    QPushButton* cmdDecode = nullptr;
    GrillePanel* Picture1 = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdClear = nullptr;
    PlatePictureBox* pic1965 = nullptr;
    PlatePictureBox* pic1966 = nullptr;
    PlatePictureBox* pic1970 = nullptr;
    EmblemWidget* Image1 = nullptr;
    QWidget* Line2 = nullptr;
    QWidget* Line1 = nullptr;

    // The results panel: captions and results.
    QLabel* lblYear = nullptr;
    QLabel* lblBody = nullptr;
    QLabel* lblExterior = nullptr;
    QLabel* lblInterior = nullptr;
    QLabel* lblInteriorType = nullptr;
    QLabel* lblEngine = nullptr;
    QLabel* lblTrans = nullptr;
    QLabel* lblAxle = nullptr;
    QLabel* lblDSO = nullptr;
    QLabel* lblPlant = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblUnit = nullptr;
    QLabel* lblYearResult = nullptr;
    QLabel* lblBodyResult = nullptr;
    QLabel* lblExteriorResult = nullptr;
    QLabel* lblInteriorResult = nullptr;
    QLabel* lblInteriorTypeResult = nullptr;
    QLabel* lblEngineResult = nullptr;
    QLabel* lblTransResult = nullptr;
    QLabel* lblAxleResult = nullptr;
    QLabel* lblDSOResult = nullptr;
    QLabel* lblPlantResult = nullptr;
    QLabel* lblDateResult = nullptr;
    QLabel* lblUnitResult = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuDecode = nullptr;
    QAction* mnuClear = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuWarranty = nullptr;
    QMenu* mnuYear = nullptr;
    QAction* mnu1964 = nullptr;
    QAction* mnu1965 = nullptr;
    QAction* mnu1966 = nullptr;
    QAction* mnu1967 = nullptr;
    QAction* mnu1968 = nullptr;
    QAction* mnu1969 = nullptr;
    QAction* mnu1970 = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuHelpTopics = nullptr;

    std::int16_t EntryIncomplete = 0;
    QList<QKeySequence> menuShortcuts_;
    std::function<void()> exitHandler_;
};

}  // namespace tarnwick::ui
