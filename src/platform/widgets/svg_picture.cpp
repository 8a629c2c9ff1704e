#include "platform/widgets/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace platform {

QPixmap svgPixmap(const QString &resource, const QSize &size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

}  // namespace platform
