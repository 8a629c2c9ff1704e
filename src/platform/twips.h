#pragma once
// Positions and sizes are given in twips, 1/1440 inch: 15 twips to a logical pixel at 96 dpi.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform {
inline constexpr int twipsPerPixel = 15;
inline constexpr int twips(int n) { return (n >= 0 ? n + twipsPerPixel / 2 : n - twipsPerPixel / 2) / twipsPerPixel; }
inline constexpr int toTwips(int pixels) { return pixels * twipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
inline QSize twipsSize(int width, int height) { return QSize(twips(width), twips(height)); }
}  // namespace platform
