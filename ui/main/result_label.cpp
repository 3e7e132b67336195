#include "ui/main/result_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/common/accessibility_notice.h"

namespace tarnwick::ui {
namespace {

class ResultAccessible final : public QAccessibleWidget {
public:
    explicit ResultAccessible(ResultLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* InterfaceForResult(const QString&, QObject* object) {
    auto* label = qobject_cast<ResultLabel*>(object);
    return label ? new ResultAccessible(label) : nullptr;
}

// "Body Style:" is read as "Body Style".
QString NameFromCaption(QString caption) {
    if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    return caption.trimmed();
}

}  // namespace

ResultLabel::ResultLabel(const QString& caption, QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(InterfaceForResult);
        return true;
    }();
    (void)installed;
    setAccessibleName(NameFromCaption(caption));
}

// A result that stays as it was is not announced again.
void ResultLabel::ShowResult(const QString& text) {
    if (text == this->text()) return;
    setText(text);
    QAccessibleValueChangeEvent event(this, text);
    Announce(event);
}

}  // namespace tarnwick::ui
