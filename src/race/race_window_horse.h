#pragma once
// A horse of either race: its picture in two strides, drawn from its SVG once and then only
// copied, so a tick costs a move and a small repaint. It paints no background of its own: the
// course and the finish line show around the horse.
#include <QPixmap>
#include <QWidget>

namespace race {

class HorsePicture final : public QWidget {
public:
    HorsePicture(int lane, QWidget *parent);
    // 0 or 1: the picture changes stride as the horse covers ground.
    void setStride(int stride);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int lane_;
    int stride_ = 0;
    QPixmap frames_[2];
};

}  // namespace race
