// The help page: a fixed white page about the Warranty Number Only option
// and the year selection, with a note on the limits of the decoding data.
#pragma once

#include <QDialog>

class QLabel;

namespace tarnwick::ui {

class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

private:
    QLabel* AddLabel(QWidget* page, const char* name, const QString& text, QRect box, const QFont& font);
};

}  // namespace tarnwick::ui
