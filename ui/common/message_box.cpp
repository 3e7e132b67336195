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

Script& script() {
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

QMessageBox::StandardButton MessageBox::show(QWidget* parent, const QString& text, BoxStyle style,
                                             const QString& title) {
    Script& s = script();
    if (s.scripted) {
        s.shown.append({text, title, IconOf(style), ButtonsOf(style)});
        return s.answers.isEmpty() ? DefaultButton(style) : s.answers.takeFirst();
    }
    ProgramMessageBox box(IconOf(style), title, text, ButtonsOf(style), parent, DialogFont());
    if (style == BoxStyle::YesNoQuestion) box.requireAnswer();
    box.setDefaultButton(DefaultButton(style));
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    ReturnFocusTo(parent);
    return answer;
}

void MessageBox::setScripted(bool scripted) { script().scripted = scripted; }

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) { script().answers.append(answer); }

QList<ShownBox> MessageBox::takeShown() { return std::exchange(script().shown, {}); }

qsizetype MessageBox::pendingAnswers() { return script().answers.size(); }

void MessageBox::reset() {
    script().answers.clear();
    script().shown.clear();
}

}  // namespace tarnwick::ui
