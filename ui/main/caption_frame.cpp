// Painting the Year and Decode Options frames: the etched line and the
// caption standing in it.
#include "ui/main/caption_frame.h"

#include <QPainter>

namespace tarnwick::ui {
namespace {

constexpr int kCaptionLeft = 8;  // pixels from the frame's left edge
constexpr int kCaptionGap = 2;   // clear space either side of the caption

}  // namespace

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

// The top line runs through the middle of the caption, as the platform's
// frames have it, and breaks for the caption's text.
void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const int right = width() - 1;
    const int bottom = height() - 1;
    const int gap_start = kCaptionLeft - kCaptionGap;
    const int gap_end = kCaptionLeft + metrics.horizontalAdvance(title()) + kCaptionGap;

    // Etched: a shadow line with a light line one pixel inside and below it.
    const auto etch = [&](int offset, const QColor& colour) {
        painter.setPen(colour);
        painter.drawLine(offset, top + offset, offset, bottom - 1 + offset);
        painter.drawLine(offset, bottom - 1 + offset, right - 1 + offset, bottom - 1 + offset);
        painter.drawLine(right - 1 + offset, top + offset, right - 1 + offset, bottom - 1 + offset);
        painter.drawLine(offset, top + offset, gap_start, top + offset);
        painter.drawLine(gap_end, top + offset, right - 1 + offset, top + offset);
    };
    etch(0, palette().color(QPalette::Mid));
    etch(1, palette().color(QPalette::Light));

    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(QRect(kCaptionLeft, 0, gap_end - kCaptionLeft, metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                     title());
}

}  // namespace tarnwick::ui
