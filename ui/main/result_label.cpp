// A result label's text and how it tells assistive technology of a change.
#include "ui/main/result_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/common/accessibility_notice.h"

namespace tarnwick::ui {
namespace {

// Read-only text, so that screen readers can read the result itself; the
// label has no selection and no cursor.
class ResultAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultAccessible(ResultLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Text();
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return Text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Text().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString Text() const { return static_cast<const QLabel*>(widget())->text(); }
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
    const QString before = this->text();
    if (text == before) return;
    setText(text);
    AnnounceTextChange(this, before, text);
}

}  // namespace tarnwick::ui
