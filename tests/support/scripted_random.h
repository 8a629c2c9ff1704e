#pragma once
// Random draws from a script: each rnd() takes the next value; when the script
// runs out, a fixed-seed generator goes on, so long runs stay repeatable.
#include "platform/random.h"

#include <QList>
#include <cstdint>

namespace testing {

class ScriptedRandom final : public platform::RandomSource {
public:
    ScriptedRandom() { platform::setRandom(this); }                // installs itself
    ~ScriptedRandom() override { platform::setRandom(nullptr); }  // puts the production source back

    void push(double value) { queue_.append(value); }
    // Queues the Rnd that makes Int(Rnd x n + 1) give k.
    void pushDraw(int k, int n) { push((k - 0.5) / n); }
    double rnd() override
    {
        ++used_;
        if (!queue_.isEmpty())
            return queue_.takeFirst();
        state_ ^= state_ << 13, state_ ^= state_ >> 7, state_ ^= state_ << 17;
        return static_cast<double>(state_ >> 40) / 16777216.0;
    }
    int remaining() const { return queue_.size(); }
    int used() const { return used_; }

private:
    QList<double> queue_;
    std::uint64_t state_ = 0x2545F4914F6CDD1Dull;
    int used_ = 0;
};

}  // namespace testing
