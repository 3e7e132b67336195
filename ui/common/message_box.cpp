// Message boxes, real or scripted.
#include "ui/common/message_box.h"

#include <QPushButton>

#include "ui/common/program_message_box.h"
#include "ui/common/return_focus.h"
#include "ui/common/window_fonts.h"

namespace tarnwick::ui {
namespace {

struct Script {
    bool scripted = false;
    QList<QMessageBox::StandardButton> answers;
    QList<ShownBox> shown;
};

Script& ScriptState() {
    static Script instance;
    return instance;
}

QMessageBox::StandardButton DefaultButton(BoxStyle style) {
    return style == BoxStyle::YesNoQuestion ? QMessageBox::Yes : QMessageBox::Ok;
}

}  // namespace

QMessageBox::Icon MessageBox::IconOf(BoxStyle style) {
    switch (style) {
        case BoxStyle::YesNoQuestion:
            return QMessageBox::Question;
        case BoxStyle::OkWarning:
            return QMessageBox::Warning;
        case BoxStyle::OkOnly:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons MessageBox::ButtonsOf(BoxStyle style) {
    return style == BoxStyle::YesNoQuestion ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
}

QMessageBox::StandardButton MessageBox::Show(QWidget* parent, const QString& text, BoxStyle style,
                                             const QString& title) {
    Script& s = ScriptState();
    if (s.scripted) {
        s.shown.append({text, title, IconOf(style), ButtonsOf(style)});
        return s.answers.isEmpty() ? DefaultButton(style) : s.answers.takeFirst();
    }
    ProgramMessageBox box(IconOf(style), title, text, ButtonsOf(style), parent, DialogFont());
    if (style == BoxStyle::YesNoQuestion) box.RequireAnswer();
    box.setDefaultButton(DefaultButton(style));
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    ReturnFocusTo(parent);
    return answer;
}

void MessageBox::SetScripted(bool scripted) { ScriptState().scripted = scripted; }

void MessageBox::SetNextAnswer(QMessageBox::StandardButton answer) { ScriptState().answers.append(answer); }

QList<ShownBox> MessageBox::TakeShown() { return std::exchange(ScriptState().shown, {}); }

qsizetype MessageBox::PendingAnswers() { return ScriptState().answers.size(); }

void MessageBox::Reset() {
    ScriptState().answers.clear();
    ScriptState().shown.clear();
}

}  // namespace tarnwick::ui
