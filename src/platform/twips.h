#pragma once
// Positions and sizes are given in twips, 1/1440 inch: 15 twips to a logical pixel at 96 dpi.
// A window that would not fit its screen is drawn smaller as a whole: while it is built, a
// TwipsScale holds its factor, and every measure in twips is taken at that factor.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace platform {

inline constexpr int twipsPerPixel = 15;

// The factor in force while a window is built: 1 unless a TwipsScale says otherwise.
class TwipsScale {
public:
    explicit TwipsScale(double factor) : previous_(current()) { current() = factor; }
    ~TwipsScale() { current() = previous_; }
    TwipsScale(const TwipsScale &) = delete;
    TwipsScale &operator=(const TwipsScale &) = delete;
    static double factor() { return current(); }

private:
    static double &current()
    {
        thread_local double scale = 1.0;
        return scale;
    }
    double previous_;
};

// A measure in twips as logical pixels at a window's factor (half a pixel away from zero).
inline int twips(int n, double scale) { return int(std::lround(n * scale / twipsPerPixel)); }
inline int twips(int n) { return twips(n, TwipsScale::factor()); }
inline int toTwips(int pixels) { return int(std::lround(pixels * twipsPerPixel / TwipsScale::factor())); }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
inline QSize twipsSize(int width, int height) { return QSize(twips(width), twips(height)); }

}  // namespace platform
