#pragma once
// How a horse of either race moves its legs: standing at the start, galloping while it runs and
// trotting once it is past the post. The gallop goes round with the ground the horse covers, so a
// horse going four times as fast strides four times as fast; the trot goes round with time, as a
// horse eases down after the line whether or not its picture still moves.

namespace race {

enum class Gait { Standing, Gallop, Trot };

struct Pose {
    Gait gait = Gait::Standing;
    int frame = 0;  // 0 .. frameCount(gait) - 1
    bool operator==(const Pose &) const = default;
};

inline constexpr int gallopFrames = 6;
inline constexpr int trotFrames = 4;
// Twips of the course a horse covers in one whole stride of its gallop, all six frames: at an
// ordinary race's pace (10 twips every 16 ms) that is about two strides a second.
inline constexpr int gallopStrideTwips = 300;
inline constexpr int trotFrameMs = 150;  // a trot's stride is four frames, 0.6 s
// Two frames of the gallop: all four legs stretched out, and gathered under the belly.
inline constexpr int stretchedFrame = 3;
inline constexpr int gatheredFrame = 5;

int frameCount(Gait gait);

// What a horse is doing at a moment of its race.
struct Running {
    int lane = 1;             // 1..5: the lanes are a little out of step with each other
    bool started = false;     // the race is on
    double covered = 0;       // twips the horse has come since the start; up to 0 it has not moved off
    bool pastPost = false;    // it has crossed the line, or the race is over and being settled
    int msPastPost = 0;       // milliseconds since then
};

// Standing before the start (and until it moves off), galloping while it runs, trotting past the post.
Pose horsePose(const Running &horse);

}  // namespace race
