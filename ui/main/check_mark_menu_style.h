// Menus whose checkable items show a bare check mark when checked and
// nothing when not, instead of the style's empty box.
#pragma once

#include <QProxyStyle>

namespace tarnwick::ui {

class CheckMarkMenuStyle final : public QProxyStyle {
    Q_OBJECT

public:
    // One for the whole program, living as long as the application.
    static CheckMarkMenuStyle* Instance();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    CheckMarkMenuStyle() = default;
};

}  // namespace tarnwick::ui
