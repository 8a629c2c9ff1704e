#include "platform/widgets/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace platform {

namespace {
QPixmap rendered(QSvgRenderer &renderer, const QSize &size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}
}  // namespace

QPixmap svgPixmap(const QString &resource, const QSize &size, qreal ratio)
{
    QSvgRenderer renderer(resource);
    return rendered(renderer, size, ratio);
}

QPixmap svgPixmap(const QByteArray &contents, const QSize &size, qreal ratio)
{
    QSvgRenderer renderer(contents);
    return rendered(renderer, size, ratio);
}

}  // namespace platform
