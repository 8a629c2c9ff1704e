#pragma once
// Sounds that are only written down: installed in place of the real ones, it
// shows what the game asked to hear ("play Coin", "loop Hoofbeats 0.50",
// "volume 0.75", "stop"), one line a call.
#include "platform/sound.h"

#include <QStringList>

namespace testing {

class RecordedSounds final : public platform::Sounds {
public:
    RecordedSounds() { platform::setSounds(this); }     // installs itself
    ~RecordedSounds() override { platform::setSounds(nullptr); }

    void play(platform::Sound sound) override { calls.append(QStringLiteral("play ") + names[int(sound)]); }
    void startLoop(platform::Sound sound, double volume) override
    {
        calls.append(QStringLiteral("loop %1 %2").arg(names[int(sound)]).arg(volume, 0, 'f', 2));
    }
    void setLoopVolume(double volume) override { calls.append(QStringLiteral("volume %1").arg(volume, 0, 'f', 2)); }
    void stopLoop() override { calls.append(QStringLiteral("stop")); }

    QStringList calls;
    static constexpr const char *names[] = {"StartBell", "Hoofbeats", "Crowd", "Coin"};
};

}  // namespace testing
