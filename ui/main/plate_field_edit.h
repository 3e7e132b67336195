// An entry field of the plate with the entry rules: a typed letter comes in
// upper case, the length limit counts characters (code points) as the
// decoder and tarnwick-decode do, only whole characters are kept, and the
// window's menu shortcuts win over the field's own.
#pragma once

#include <QKeySequence>
#include <QLineEdit>

namespace tarnwick::ui {

class PlateFieldEdit final : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int characterLimit READ CharacterLimit WRITE SetCharacterLimit)

public:
    explicit PlateFieldEdit(QWidget* parent = nullptr);

    int CharacterLimit() const { return limit_; }
    // Typing and pasting stop at the limit. Text that is already longer
    // (carried over from another year) is kept whole; it only grows no more.
    void SetCharacterLimit(int limit);

    // Key chords the field leaves to the window's menus.
    void SetMenuShortcuts(QList<QKeySequence> shortcuts) { menu_shortcuts_ = std::move(shortcuts); }

protected:
    bool event(QEvent* event) override;

private:
    bool IsMenuShortcut(const QKeyEvent* event) const;
    bool TypeInUpperCase(const QKeyEvent* event);
    void KeepWithinLimit();
    void MakeRoom();

    int limit_ = 0;
    int accepted_ = 0;  // characters in the text as last accepted
    QList<QKeySequence> menu_shortcuts_;
};

// Characters (code points) in the text; a lone surrogate counts as one.
int CharacterCount(const QString& text);

}  // namespace tarnwick::ui
