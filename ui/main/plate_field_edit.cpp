// Entry fields: upper-casing typed letters, menu shortcuts, and the limit
// counted in characters rather than UTF-16 units.
#include "ui/main/plate_field_edit.h"

#include <QKeyEvent>
#include <algorithm>

#include "decoder/upper_case.h"

namespace tarnwick::ui {
namespace {

// The UTF-16 units a character takes at most.
constexpr int kUnitsPerCharacter = 2;

bool IsWholePair(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// A field cut inside a character outside the Basic Multilingual Plane keeps
// half of it, which is no character at all. The halves go; the cursor keeps
// its place among what is left.
void DropHalfCharacters(QString& text, int& cursor) {
    QString whole;
    const int old_cursor = cursor;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsWholePair(text, i)) {
            whole.append(text[i]).append(text[i + 1]);
            ++i;
        } else if (text[i].isSurrogate()) {
            if (i < old_cursor) --cursor;
        } else {
            whole.append(text[i]);
        }
    }
    text = whole;
}

// Removes `count` characters just before the cursor: the end of what was
// just typed or pasted, so that an insertion is cut and the old text stays.
void RemoveBeforeCursor(QString& text, int& cursor, int count) {
    int start = cursor;
    for (; count > 0 && start > 0; --count) {
        --start;
        if (start > 0 && text[start].isLowSurrogate() && text[start - 1].isHighSurrogate()) --start;
    }
    text.remove(start, cursor - start);
    cursor = start;
}

}  // namespace

int CharacterCount(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (IsWholePair(text, i)) ++i;
    }
    return count;
}

PlateFieldEdit::PlateFieldEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &PlateFieldEdit::KeepWithinLimit);
}

void PlateFieldEdit::SetCharacterLimit(int limit) {
    limit_ = limit;
    accepted_ = CharacterCount(text());
    MakeRoom();
}

bool PlateFieldEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && IsMenuShortcut(static_cast<QKeyEvent*>(event))) {
        // QLineEdit would claim Ctrl+C, Ctrl+X, Ctrl+A… for itself; here the
        // menu command wins.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress && TypeInUpperCase(static_cast<QKeyEvent*>(event))) return true;
    return QLineEdit::event(event);
}

bool PlateFieldEdit::IsMenuShortcut(const QKeyEvent* event) const {
    const QKeySequence pressed(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    return menu_shortcuts_.contains(pressed);
}

// A typed character reaches the field in its upper-case form. Pasted text
// does not come this way and stays as it is.
bool PlateFieldEdit::TypeInUpperCase(const QKeyEvent* event) {
    const Qt::KeyboardModifiers chord = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const QString typed = event->text();
    if (chord != Qt::NoModifier || typed.isEmpty()) return false;
    // By whole characters: one outside the Basic Multilingual Plane comes
    // as two UTF-16 halves that have no case of their own.
    const QList<uint> characters = typed.toUcs4();
    if (!QChar::isPrint(characters.front())) return false;
    QString upper;
    for (uint c : characters)
        upper.append(QStringView(QChar::fromUcs4(SimpleUpperCase(c))));
    if (upper == typed) return false;
    insert(upper);
    return true;
}

void PlateFieldEdit::KeepWithinLimit() {
    QString kept = text();
    int cursor = cursorPosition();
    if (std::any_of(kept.begin(), kept.end(), [](QChar c) { return c.isSurrogate(); })) {
        DropHalfCharacters(kept, cursor);
    }
    const int excess = CharacterCount(kept) - std::max(limit_, accepted_);
    if (excess > 0) RemoveBeforeCursor(kept, cursor, excess);
    accepted_ = CharacterCount(kept);
    if (kept != text()) {
        setText(kept);  // comes back here once, with nothing left to do
        setCursorPosition(cursor);
    }
    MakeRoom();
}

// QLineEdit counts UTF-16 units: give it room for the longest text the limit
// allows; the characters are counted above. Changing its limit rewrites the
// text and moves the cursor, so only when the room really changes.
void PlateFieldEdit::MakeRoom() {
    const int room = kUnitsPerCharacter * std::max(limit_, accepted_);
    if (maxLength() == room) return;
    const int cursor = cursorPosition();
    setMaxLength(room);
    setCursorPosition(cursor);
}

}  // namespace tarnwick::ui
