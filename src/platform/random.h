#pragma once
// Random draws. Every draw of the game is Int(Rnd x n + 1): Rnd is a uniform
// single-precision value in [0, 1). The source is passed in, so tests can script it.
#include <cstdint>

namespace platform {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A value in [0, 1).
    virtual double rnd() = 0;
};

// The production source: a 64-bit generator whose state is mixed with the
// clock before every draw, so two draws in the same clock tick still differ.
class ClockMixedRandom final : public RandomSource {
public:
    ClockMixedRandom();
    double rnd() override;

private:
    std::uint64_t state_;
};

// The source in use (production: ClockMixedRandom; tests install their own).
RandomSource &random();
void setRandom(RandomSource *source);

inline double rnd() { return random().rnd(); }
// Int(Rnd x n + 1): a whole number 1..n, each equally likely.
int draw(int n);
// Int(Rnd x n): 0..n-1.
int drawBelow(int n);

}  // namespace platform
