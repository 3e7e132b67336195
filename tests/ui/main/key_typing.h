// Typing into a widget the way a keyboard does: one key press per
// character, carrying the character as its text, also beyond Latin-1 and
// outside the Basic Multilingual Plane (a surrogate pair in one press).
#pragma once

#include <QString>
#include <QTest>

namespace tarnwick::testing {

// The key a keyboard reports with the character: the named key for the
// control characters it can send, the character's capital for the rest.
inline Qt::Key KeyOf(char32_t c) {
    switch (c) {
        case U'\t':
            return Qt::Key_Tab;
        case U'\r':
            return Qt::Key_Return;
        case U'\n':
            return Qt::Key_Enter;
        case U'\x1b':
            return Qt::Key_Escape;
        case U'\x7f':
            return Qt::Key_Delete;
        default:
            break;
    }
    return QChar::isPrint(c) ? Qt::Key(QChar::toUpper(c)) : Qt::Key_unknown;
}

inline void TypeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString one = text.mid(i, pair ? 2 : 1);
        const Qt::Key key = KeyOf(one.toUcs4().front());
        QTest::sendKeyEvent(QTest::Press, widget, key, one, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, one, Qt::NoModifier);
        i += one.size();
    }
}

}  // namespace tarnwick::testing
