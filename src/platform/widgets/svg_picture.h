#pragma once
// Pictures are drawn from the SVGs of the resources at the size and pixel ratio
// of the screen they are shown on, so they stay sharp at any scale.
#include <QPixmap>
#include <QSize>
#include <QString>

namespace platform {
QPixmap svgPixmap(const QString &resource, const QSize &size, qreal ratio);
// The same from the text of an SVG made or changed in memory.
QPixmap svgPixmap(const QByteArray &contents, const QSize &size, qreal ratio);
}
