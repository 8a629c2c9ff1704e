#include "support/scripted_random.h"

namespace testing {

ScriptedRandom::ScriptedRandom() { platform::setRandom(this); }
ScriptedRandom::~ScriptedRandom() { platform::setRandom(nullptr); }

double ScriptedRandom::rnd()
{
    ++used_;
    if (!queue_.isEmpty())
        return queue_.takeFirst();
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<double>(state_ >> 40) / 16777216.0;
}

}  // namespace testing
