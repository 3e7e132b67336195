// Window geometry is laid out in twips (1/1440 inch), as the original forms
// were; at the standard 96 dots per inch fifteen twips make one pixel. Qt
// scales logical pixels on high-density screens by itself.
#pragma once

#include <QRect>
#include <QSize>

namespace tarnwick {

constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

constexpr QSize TwipsSize(int width, int height) { return QSize(Twips(width), Twips(height)); }

}  // namespace tarnwick
