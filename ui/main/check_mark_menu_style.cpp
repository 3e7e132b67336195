// Drawing a checked menu item's bare check mark and leaving an unchecked
// one blank.
#include "ui/main/check_mark_menu_style.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>

namespace tarnwick::ui {
namespace {

constexpr int kMarkLeft = 6;  // pixels from the item's left edge
constexpr int kMarkSize = 9;

void DrawCheckMark(QPainter* painter, const QStyleOptionMenuItem& item) {
    const QRectF box(item.rect.left() + kMarkLeft, item.rect.center().y() - kMarkSize / 2.0, kMarkSize, kMarkSize);
    QPainterPath mark;
    mark.moveTo(box.left(), box.top() + box.height() * 0.55);
    mark.lineTo(box.left() + box.width() * 0.38, box.bottom());
    mark.lineTo(box.right(), box.top());
    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 1.8));
    painter->drawPath(mark);
    painter->restore();
}

}  // namespace

CheckMarkMenuStyle* CheckMarkMenuStyle::Instance() {
    static CheckMarkMenuStyle* style = [] {
        auto* created = new CheckMarkMenuStyle;
        created->setParent(QCoreApplication::instance());
        return created;
    }();
    return style;
}

void CheckMarkMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || item == nullptr || item->checkType == QStyleOptionMenuItem::NotCheckable) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem plain = *item;
    plain.checkType = QStyleOptionMenuItem::NotCheckable;
    plain.checked = false;
    QProxyStyle::drawControl(element, &plain, painter, widget);
    if (item->checked) DrawCheckMark(painter, *item);
}

}  // namespace tarnwick::ui
