#pragma once

#include <QPoint>
#include <QRect>

// Layouts are designed in twips (1/1440 inch); 15 twips make one pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return static_cast<int>(twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                                       : (twips - kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// Left, top, width and height in twips.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    // Edges are rounded rather than sizes, so neighbouring controls stay flush.
    QRect toPixels() const {
        const int x = px(left);
        const int y = px(top);
        return QRect(x, y, px(left + width) - x, px(top + height) - y);
    }
};

constexpr QPoint pxPoint(int xTwips, int yTwips) {
    return QPoint(px(xTwips), px(yTwips));
}
