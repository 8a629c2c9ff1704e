#include "race/gallop.h"

#include <algorithm>
#include <cmath>

namespace race {

namespace {
constexpr int lanesOutOfStep = 5;  // each lane starts its stride a fifth of a stride after the one before
}

int frameCount(Gait gait)
{
    switch (gait) {
    case Gait::Gallop: return gallopFrames;
    case Gait::Trot: return trotFrames;
    case Gait::Standing: break;
    }
    return 1;
}

Pose horsePose(const Running &horse)
{
    const int offset = std::max(horse.lane - 1, 0) % lanesOutOfStep;
    if (!horse.started)
        return {Gait::Standing, 0};
    if (horse.pastPost) {
        const int step = std::max(horse.msPastPost, 0) / trotFrameMs;
        return {Gait::Trot, (step % trotFrames + offset) % trotFrames};
    }
    if (!(horse.covered > 0) || !std::isfinite(horse.covered))
        return {Gait::Standing, 0};  // not away yet (or a distance that is no number)
    const double stride = std::fmod(horse.covered + offset * double(gallopStrideTwips) / lanesOutOfStep,
                                    double(gallopStrideTwips));
    const int frame = int(stride * gallopFrames / gallopStrideTwips);
    return {Gait::Gallop, std::clamp(frame, 0, gallopFrames - 1)};
}

}  // namespace race
