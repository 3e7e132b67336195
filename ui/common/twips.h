// Window geometry in twips (1/1440 inch), as every window of the program was
// drawn, and its conversion to pixels.
#pragma once

#include <QRect>

namespace tarnwick::ui {

// Geometry is kept in twips, as the window was drawn; 15 twips make one
// pixel at 96 dpi, and Qt scales pixels on high-density screens.
inline constexpr int kTwipsPerPixel = 15;

struct Twips {
    int left, top, width, height;
};

constexpr int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// Edges are converted rather than sizes, so neighbours keep their gaps.
constexpr QRect ToPixels(Twips t) {
    const int left = TwipsToPixels(t.left);
    const int top = TwipsToPixels(t.top);
    return {left, top, TwipsToPixels(t.left + t.width) - left, TwipsToPixels(t.top + t.height) - top};
}

}  // namespace tarnwick::ui
