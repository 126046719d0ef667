#pragma once
#include <QRect>
#include <QSize>

// Window designs are measured in twips; 15 twips make one pixel at 100 %,
// and Qt's high-DPI scaling takes care of larger screens.
constexpr int kTwipsPerPixel = 15;

constexpr int twips(int t) { return t / kTwipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline QSize twipsSize(int width, int height) { return QSize(twips(width), twips(height)); }
