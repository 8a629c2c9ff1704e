#include "platform/widgets/window_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {
const char *const scaleProperty = "twipsScale";
}

double fitFactor(int widthTwips, int heightTwips, QSize extraPixels)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const QSize room = screen->availableGeometry().size() - QSize(frameAllowanceWidth, frameAllowanceHeight) - extraPixels;
    const double natural[2] = {double(widthTwips) / twipsPerPixel, double(heightTwips) / twipsPerPixel};
    if (natural[0] <= 0 || natural[1] <= 0 || room.width() <= 0 || room.height() <= 0)
        return 1.0;
    return std::min({1.0, room.width() / natural[0], room.height() / natural[1]});
}

double fitWindow(QWidget *window, int widthTwips, int heightTwips, QSize extraPixels)
{
    const double factor = fitFactor(widthTwips, heightTwips, extraPixels);
    window->setProperty(scaleProperty, factor);
    if (factor < 1.0) {
        QFont font = window->font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * factor);
        else if (font.pixelSize() > 0)
            font.setPixelSize(std::max(1, int(font.pixelSize() * factor)));
        window->setFont(font);
    }
    return factor;
}

double windowScale(const QWidget *window)
{
    const QVariant scale = window ? window->window()->property(scaleProperty) : QVariant();
    return scale.isValid() ? scale.toDouble() : 1.0;
}

}  // namespace platform
