// A result on the grille: blue text beside its caption. Assistive
// technology reads the caption as its name and the result as its text, and
// hears once of each change.
#pragma once

#include <QLabel>

namespace tarnwick::ui {

class ResultLabel final : public QLabel {
    Q_OBJECT

public:
    // `caption` as it stands beside the result, "Body Style:" say.
    ResultLabel(const QString& caption, QWidget* parent);

    void ShowResult(const QString& text);
};

}  // namespace tarnwick::ui
