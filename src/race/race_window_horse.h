#pragma once
// A horse of either race: its picture standing, in the six frames of its gallop and the four of
// its trot, in its lane's colours. Each frame is drawn from its SVG once for a lane and a size and
// then only copied, so a tick costs a move and, when the pose changes, a repaint of the picture.
// It paints no background of its own: the course and the finish line show around the horse.
#include "race/gallop.h"

#include <QByteArray>
#include <QSize>
#include <QWidget>

#include <array>

namespace race {

class HorsePicture final : public QWidget {
public:
    HorsePicture(int lane, QWidget *parent);
    // A frame out of range goes round the gait's frames.
    void setPose(Pose pose);
    void setPose(Gait gait, int frame) { setPose(Pose{gait, frame}); }
    Pose pose() const { return pose_; }
    // The two strides of old: 0 is the gallop stretched out, 1 gathered.
    void setStride(int stride);
    // Draws every frame of the lane's gaits at the picture's size now, before the race (the first
    // race of a game would otherwise draw them while the horses run).
    void prepareFrames();
    // The pose's picture at the picture's size: a course that draws its horses itself (the picture
    // then only holding a horse's place) paints this.
    const QPixmap &frame() { return frame(pose_); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QPixmap &frame(Pose pose);
    int lane_;
    Pose pose_;
    // Each pose's picture at framesSize_, once looked up: the standing horse, then the gallop's
    // frames, then the trot's. A new size starts it afresh; a picture kept for another pixel ratio
    // is looked up again.
    std::array<const QPixmap *, 1 + gallopFrames + trotFrames> frames_{};
    QSize framesSize_;
};

// The SVG of a frame dressed in a lane's colours (1..5) with its number on the saddle cloth.
QByteArray horseSvg(Pose pose, int lane);

}  // namespace race
