// A frame drawn as the window's controls were laid out for: an etched line
// round it, the caption standing in the top line. The style's own group box
// puts its line below the caption, where it runs through the first control.
#pragma once

#include <QGroupBox>

namespace tarnwick::ui {

class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    CaptionFrame(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarnwick::ui
