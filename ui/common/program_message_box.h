// The message box every window of the program shows: in the windows' own
// font, with a drawn icon that stays sharp at any scale, and buttons that
// carry words only.
#pragma once

#include <QMessageBox>

namespace tarnwick::ui {

class ProgramMessageBox final : public QMessageBox {
public:
    ProgramMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons, QWidget* parent,
                      const QFont& font);

    // A box that only its buttons may answer: Esc and the close request do
    // nothing (a question whose answers both mean something).
    void RequireAnswer() { answer_required_ = true; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool answer_required_ = false;
};

// The box icons, drawn at the given size in logical pixels for a screen of
// the given pixel ratio; a null pixmap for NoIcon.
QPixmap DrawnBoxIcon(QMessageBox::Icon icon, int size, qreal pixel_ratio);

}  // namespace tarnwick::ui
