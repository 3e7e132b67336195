// The decoder window: the plate picture of the selected year with the entry
// fields over its blanks, the year and mode choices, the commands and the
// twelve results.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

#include "decoder/model_year.h"
#include "decoder/plate_fields.h"
#include "ui/main/plate_layout.h"

class QAction;
class QCheckBox;
class QMenu;
class QPushButton;

namespace tarnwick::ui {

class PlateFieldEdit;
class PlatePictureBox;
class ResultsPanel;
class YearFrame;

class DecoderWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit DecoderWindow(QWidget* parent = nullptr);

    // 1 when the last Decode command found a needed field empty, else 0.
    int EntryIncomplete() const { return entry_incomplete_ ? 1 : 0; }

    // What Exit does; by default it ends the program at once.
    void SetExitHandler(std::function<void()> handler) { exit_handler_ = std::move(handler); }

signals:
    // Help, About and Help, Topics: the windows that answer them are hooked
    // here by whoever owns them.
    void aboutRequested();
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption, QKeyCombination shortcut);
    void BuildControls();
    void BuildOptionsFrame(QWidget* client);
    void BuildEntryFields(QWidget* client);
    void ConnectControls();

    void SelectYear(ModelYear year);
    void SelectYearFromMenu(ModelYear year);
    void ApplyLayout(const PlateLayout& layout, ModelYear year);

    void Decode();
    bool EntriesComplete();
    void DecodeYear(ModelYear year);
    void Clear();
    void ChangeWarrantyOnly();
    void ToggleWarrantyOnly();

    bool WarrantyOnly() const;
    PlateFieldEdit* FieldEdit(Field field) const { return field_edits_[static_cast<std::size_t>(field)]; }

    std::array<PlateFieldEdit*, kAllFields.size()> field_edits_{};
    YearFrame* year_frame_ = nullptr;
    std::array<QAction*, kAllModelYears.size()> year_menu_items_{};
    std::array<PlatePictureBox*, kPlatePictureCount> plate_pictures_{};
    ResultsPanel* results_panel_ = nullptr;
    QCheckBox* warranty_only_box_ = nullptr;
    QAction* warranty_only_item_ = nullptr;
    QPushButton* decode_button_ = nullptr;
    QPushButton* clear_button_ = nullptr;
    QPushButton* exit_button_ = nullptr;

    bool entry_incomplete_ = false;
    QList<QKeySequence> menu_shortcuts_;
    std::function<void()> exit_handler_;
};

}  // namespace tarnwick::ui
