#include "platform/random.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace platform {

namespace {
std::uint64_t splitmix(std::uint64_t &x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t clockReading()
{
    // The start seed takes both clocks at their finest.
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// The re-seed before every draw reads the clock at the resolution of the desktop's tick: cheap
// enough for the Grand National's hundreds of thousands of draws a race. Mixed into the running
// state, two draws within one tick still differ.
std::uint64_t tickReading()
{
#ifdef CLOCK_MONOTONIC_COARSE
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC_COARSE, &now) == 0)
        return static_cast<std::uint64_t>(now.tv_sec) * 1000000000ull + static_cast<std::uint64_t>(now.tv_nsec);
#endif
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

ClockMixedRandom production;
RandomSource *current = &production;
}  // namespace

ClockMixedRandom::ClockMixedRandom() : state_(clockReading()) {}

double ClockMixedRandom::rnd()
{
    // Re-seed: mix the clock into the running state, then step the generator.
    state_ ^= tickReading() * 0xD6E8FEB86659FD93ull;
    const std::uint64_t bits = splitmix(state_);
    // Single precision: the top 24 bits as a fraction of 2^24.
    return static_cast<double>(bits >> 40) / 16777216.0;
}

RandomSource &random() { return *current; }
void setRandom(RandomSource *source) { current = source ? source : &production; }

int draw(int n) { return static_cast<int>(std::floor(rnd() * n + 1)); }
int drawBelow(int n) { return static_cast<int>(std::floor(rnd() * n)); }

}  // namespace platform
