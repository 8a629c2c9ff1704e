#pragma once
// Windows that fit their screen. A window's natural size is given in twips; where the screen's
// available area is smaller (a 1024 x 600 netbook, a 1366 x 768 laptop with a panel), the window is
// built smaller as a whole, its geometry and its fonts by one factor, never cut off. On a larger
// screen the factor is 1 and the window is as designed.
//
//     RaceWindow::RaceWindow()
//     {
//         const platform::TwipsScale scaled(platform::fitWindow(this, formWidth, formHeight));
//         ... every twips measure taken here is at the window's factor ...
//     }
#include "platform/twips.h"

#include <QSize>

class QWidget;

namespace platform {

// The room a window's frame takes around it on a desktop (title bar and borders), in pixels.
inline constexpr int frameAllowanceWidth = 12;
inline constexpr int frameAllowanceHeight = 40;

// The factor a window of this natural size (its inside, in twips, plus `extraPixels` for a menu
// bar, a toolbar and a status bar) is built at on the primary screen: 1 when it fits the available
// area with its frame, else the largest that does.
double fitFactor(int widthTwips, int heightTwips, QSize extraPixels = QSize());

// Works out the window's factor, scales its font with it (its controls inherit the font) and
// remembers it for the measures the window takes later (windowScale). Returns the factor.
double fitWindow(QWidget *window, int widthTwips, int heightTwips, QSize extraPixels = QSize());

// The factor a window was built at (1 for a window that was not fitted).
double windowScale(const QWidget *window);

}  // namespace platform
