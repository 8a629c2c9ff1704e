#pragma once
// The production sound effects: one QSoundEffect per sound, made and loaded the
// first time that sound plays (the file is read off the GUI thread). Reached
// through platform::sounds(), so with sound off it is never called at all.
// Where the machine has no audio output, nothing is made and every call is a
// no-op; whether there is one is asked once, on the first sound.
#include "platform/sound.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QSoundEffect;

namespace platform {

class QtSounds final : public Sounds {
public:
    explicit QtSounds(std::function<bool()> hasOutput = machineHasAudioOutput);
    ~QtSounds() override;

    void play(Sound sound) override;
    void startLoop(Sound sound, double volume) override;
    void setLoopVolume(double volume) override;
    void stopLoop() override;

    // How many of the sounds have been loaded so far.
    int loadedCount() const;
    // Whether the desktop offers an audio output to play on.
    static bool machineHasAudioOutput();

private:
    QSoundEffect *effect(Sound sound);

    std::function<bool()> hasOutput_;
    std::optional<bool> output_;
    std::array<std::unique_ptr<QSoundEffect>, 4> effects_;
    QSoundEffect *loop_ = nullptr;
};

}  // namespace platform
