#pragma once
// Sound effects. Every window plays through platform::sounds(), so a test can see
// what the game asked to hear, and with sound off nothing is loaded or played.

namespace platform {

enum class Sound { StartBell, Hoofbeats, Crowd, Coin };

class Sounds {
public:
    virtual ~Sounds() = default;
    // Plays a sound once, at full volume, from its start.
    virtual void play(Sound sound) = 0;
    // Plays a sound over and over until stopLoop(), in place of any loop already
    // playing. The volume runs from 0 (silent) to 1 (full) on a loudness scale, as
    // a volume slider does.
    virtual void startLoop(Sound sound, double volume) = 0;
    virtual void setLoopVolume(double volume) = 0;
    virtual void stopLoop() = 0;
};

// The sounds to play through. While sound is off, every call returns at once
// without reaching the implementation installed; a loop running when sound is
// switched off stops, and starts again if sound comes back on before it ends.
// Volumes outside 0..1 are taken as the nearer end.
Sounds &sounds();
// Installs the implementation that makes the sounds (nullptr: silence, the
// default). A loop running on the one replaced is stopped and forgotten.
void setSounds(Sounds *implementation);

// The player's choice between sound and silence, kept between runs; on until
// the player turns it off. Read from the settings on first use.
bool soundOn();
// Switches sound on or off and remembers it. False when the choice could not be
// saved: it still holds until the program ends.
bool setSoundOn(bool on);
// What the settings hold now (not what is in force): the choice of the last run.
bool rememberedSoundOn();

}  // namespace platform
