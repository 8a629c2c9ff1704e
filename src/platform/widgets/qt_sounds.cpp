#include "platform/widgets/qt_sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QtMultimedia/qaudio.h>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>

namespace platform {

namespace {
// The files compiled in from assets/sounds/, in the order of Sound.
const char *const files[] = {"qrc:/sounds/start_bell.wav", "qrc:/sounds/hoofbeats.wav", "qrc:/sounds/crowd.wav",
                             "qrc:/sounds/coin.wav"};

float linearVolume(double volume)
{
    return QAudio::convertVolume(float(volume), QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}
}  // namespace

QtSounds::QtSounds(std::function<bool()> hasOutput) : hasOutput_(std::move(hasOutput)) {}

QtSounds::~QtSounds() = default;

bool QtSounds::machineHasAudioOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

QSoundEffect *QtSounds::effect(Sound sound)
{
    if (!output_)
        output_ = hasOutput_();
    if (!*output_)
        return nullptr;
    std::unique_ptr<QSoundEffect> &slot = effects_[std::size_t(sound)];
    if (!slot) {
        slot = std::make_unique<QSoundEffect>();
        slot->setSource(QUrl(QString::fromLatin1(files[std::size_t(sound)])));
    }
    return slot.get();
}

void QtSounds::play(Sound sound)
{
    QSoundEffect *once = effect(sound);
    if (!once)
        return;
    if (once == loop_)
        loop_ = nullptr;
    once->setLoopCount(1);
    once->setVolume(1.0f);
    once->play();
}

void QtSounds::startLoop(Sound sound, double volume)
{
    stopLoop();
    loop_ = effect(sound);
    if (!loop_)
        return;
    loop_->setLoopCount(QSoundEffect::Infinite);
    loop_->setVolume(linearVolume(volume));
    loop_->play();
}

void QtSounds::setLoopVolume(double volume)
{
    if (loop_)
        loop_->setVolume(linearVolume(volume));
}

void QtSounds::stopLoop()
{
    if (loop_)
        loop_->stop();
    loop_ = nullptr;
}

int QtSounds::loadedCount() const
{
    return int(std::count_if(effects_.begin(), effects_.end(), [](const auto &slot) { return slot != nullptr; }));
}

}  // namespace platform
