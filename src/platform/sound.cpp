#include "platform/sound.h"

#include "platform/settings.h"

#include <optional>

namespace platform {

namespace {
const QString soundKey = QStringLiteral("Sound");

class SilentSounds final : public Sounds {
public:
    void play(Sound) override {}
    void startLoop(Sound, double) override {}
    void setLoopVolume(double) override {}
    void stopLoop() override {}
};

double withinRange(double volume) { return volume > 0 ? (volume < 1 ? volume : 1.0) : 0.0; }

SilentSounds silent;
Sounds *installed = &silent;
std::optional<bool> switchedOn;  // the choice in force, once read

// The loop the game has running, heard or not, so that sound switched back on
// mid-race brings the hoofbeats back at their present volume.
struct Loop {
    bool running = false;
    Sound sound = Sound::Hoofbeats;
    double volume = 0;
} loop;

// Stands between the game and the installed implementation: the off switch.
class SwitchedSounds final : public Sounds {
public:
    void play(Sound sound) override
    {
        if (soundOn())
            installed->play(sound);
    }
    void startLoop(Sound sound, double volume) override
    {
        loop = {true, sound, withinRange(volume)};
        if (soundOn())
            installed->startLoop(sound, loop.volume);
    }
    void setLoopVolume(double volume) override
    {
        loop.volume = withinRange(volume);
        if (loop.running && soundOn())
            installed->setLoopVolume(loop.volume);
    }
    void stopLoop() override
    {
        const bool wasRunning = loop.running;
        loop.running = false;
        if (wasRunning && soundOn())
            installed->stopLoop();
    }
};

SwitchedSounds switched;
}  // namespace

Sounds &sounds() { return switched; }

void setSounds(Sounds *implementation)
{
    switched.stopLoop();
    installed = implementation ? implementation : &silent;
}

bool rememberedSoundOn() { return gameSettings().value(soundKey, true).toBool(); }

bool soundOn()
{
    if (!switchedOn)
        switchedOn = rememberedSoundOn();
    return *switchedOn;
}

bool setSoundOn(bool on)
{
    if (on != soundOn()) {
        if (!on && loop.running)
            installed->stopLoop();
        switchedOn = on;
        if (on && loop.running)
            installed->startLoop(loop.sound, loop.volume);
    }
    QSettings settings = gameSettings();
    settings.setValue(soundKey, on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace platform
