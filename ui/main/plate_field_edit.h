// An entry field of the plate whose length limit counts characters (code
// points), as the decoder and tarnwick-decode do: a character outside the
// Basic Multilingual Plane is one character, not two UTF-16 units.
#pragma once

#include <QLineEdit>

namespace tarnwick::ui {

class PlateFieldEdit final : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int characterLimit READ characterLimit WRITE setCharacterLimit)

public:
    explicit PlateFieldEdit(QWidget* parent = nullptr);

    int characterLimit() const { return limit_; }
    // Typing and pasting stop at the limit. Text that is already longer
    // (carried over from another year) is kept whole; it only grows no more.
    void setCharacterLimit(int limit);

private:
    void KeepWithinLimit();
    void MakeRoom();

    int limit_ = 0;
    int accepted_ = 0;  // characters in the text as last accepted
};

// Characters (code points) in the text; a lone surrogate counts as one.
int CharacterCount(const QString& text);

}  // namespace tarnwick::ui
