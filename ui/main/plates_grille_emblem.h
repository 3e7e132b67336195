// The window's pictures, all painted here: the three door plates (their
// white blanks computed from the field layouts), the faded grille behind the
// results, and the oval emblem with its moving glint.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include "ui/main/plate_layout.h"

namespace tarnwick::ui {

// The blanks of a plate picture, in picture pixels: one white area under
// every field of the picture's layout.
QList<QRect> PlateBlanks(PlatePicture picture);

// A 420 x 244 plate picture, white lettering on black.
QImage PaintPlatePicture(PlatePicture picture, qreal device_pixel_ratio = 1.0);

// The same picture onto any painter (an SVG file for the web page, say),
// in picture pixels from (0, 0).
void DrawPlatePicture(QPainter& p, PlatePicture picture);

// A picture box with a sunken border showing one plate picture; the picture
// is painted the first time the box is shown.
class PlatePictureBox : public QFrame {
public:
    PlatePictureBox(PlatePicture picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlatePicture picture_;
    QPixmap cache_;
};

// The results panel: a sunken box over a faded picture of a front grille.
class GrillePanel : public QFrame {
public:
    explicit GrillePanel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap cache_;
};

// The maker's oval emblem with a glint that sweeps across it, looping while
// the emblem is visible.
class EmblemWidget : public QWidget {
public:
    static constexpr int kFrameCount = 40;
    static constexpr int kFrameMs = 60;

    explicit EmblemWidget(QWidget* parent);
    int Frame() const { return frame_; }
    bool IsAnimating() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer timer_;
    int frame_ = 0;
};

// The emblem in one frame of its animation, on a transparent ground.
QImage PaintEmblem(QSize size, int frame);

}  // namespace tarnwick::ui
