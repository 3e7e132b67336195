// Option buttons and check boxes that take a click anywhere in their box, as
// the window's layout gives it, not only on the mark and the caption's text.
#pragma once

#include <QPoint>

namespace tarnwick::ui {

template <typename Button>
class WholeBoxButton final : public Button {
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint& position) const override { return this->rect().contains(position); }
};

}  // namespace tarnwick::ui
