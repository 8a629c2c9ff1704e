#include "race/race_window_horse.h"

#include "platform/widgets/svg_picture.h"

#include <QPainter>

namespace race {

HorsePicture::HorsePicture(int lane, QWidget *parent) : QWidget(parent), lane_(lane)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void HorsePicture::setStride(int stride)
{
    if (stride != stride_) {
        stride_ = stride;
        update();
    }
}

void HorsePicture::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    QPixmap &frame = frames_[stride_];
    if (frame.isNull() || frame.devicePixelRatio() != ratio) {
        const QString file = QStringLiteral(":/race/horse%1%2.svg").arg(lane_).arg(stride_ ? "_gather" : "");
        frame = platform::svgPixmap(file, size(), ratio);
    }
    QPainter(this).drawPixmap(0, 0, frame);
}

}  // namespace race
