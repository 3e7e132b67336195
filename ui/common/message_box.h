// The one road by which the windows show their message boxes, so that tests
// can read what was asked and give the answer without a box opening.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

namespace tarnwick::ui {

// The box styles the program uses, by their classic style numbers.
enum class BoxStyle : int {
    OkOnly = 0,          // no icon, OK
    YesNoQuestion = 36,  // question icon, Yes and No
    OkWarning = 48,      // warning icon, OK
};

struct ShownBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

class MessageBox {
public:
    // Shows a modal box and returns the button that closed it. Lines of the
    // text are separated by '\n'.
    static QMessageBox::StandardButton Show(QWidget* parent, const QString& text, BoxStyle style, const QString& title);

    static QMessageBox::Icon IconOf(BoxStyle style);
    static QMessageBox::StandardButtons ButtonsOf(BoxStyle style);

    // Test seam. While scripted, no box opens: each is recorded and answered
    // with the next queued answer, or with its default button (the first)
    // when none is queued.
    static void SetScripted(bool scripted);
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    static QList<ShownBox> TakeShown();
    static qsizetype PendingAnswers();
    static void Reset();
};

}  // namespace tarnwick::ui
