// Sound benchmark: a race's sounds for ten seconds, with sound off and then on,
// through platform::sounds() and the production sounds: the start bell, the
// hoofbeats looping and growing louder every timer tick, the crowd and the coin
// at the end. Prints whether the desktop has an audio output, the process's CPU
// time (every thread) against the wall clock, the longest any call held the
// event loop, and whether the CPU targets are met (2% of one core off, 4% on).
#include "platform/intervals.h"
#include "platform/sound.h"
#include "platform/widgets/qt_sounds.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Result {
    double cpuPercent = 0, longestCallMs = 0;
};

// One race of the given length, timed; the longest call is the longest any
// single sound call took, as it would hold up the race window.
Result race(double seconds)
{
    Result result;
    QElapsedTimer clock, call;
    const auto timed = [&](const std::function<void()> &what) {
        call.start();
        what();
        result.longestCallMs = std::max(result.longestCallMs, call.nsecsElapsed() / 1e6);
    };
    QTimer tick;
    tick.setInterval(platform::timerResolutionMs);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const double run = clock.elapsed() / 1000.0 / seconds;
        if (run < 1) {
            timed([&] { platform::sounds().setLoopVolume(0.2 + 0.8 * run); });
            return;
        }
        tick.stop();
        timed([] { platform::sounds().stopLoop(); });
        timed([] { platform::sounds().play(platform::Sound::Crowd); });
        timed([] { platform::sounds().play(platform::Sound::Coin); });
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    const double cpuBefore = cpuSeconds();
    clock.start();
    timed([] { platform::sounds().play(platform::Sound::StartBell); });
    timed([] { platform::sounds().startLoop(platform::Sound::Hoofbeats, 0.2); });
    tick.start();
    QCoreApplication::exec();
    result.cpuPercent = 100 * (cpuSeconds() - cpuBefore) / (clock.elapsed() / 1000.0);
    return result;
}

}  // namespace

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);  // the switch is set here: keep the player's own
    QCoreApplication app(argc, argv);
    const double seconds = 10;

    QElapsedTimer asking;
    asking.start();
    const bool output = platform::QtSounds::machineHasAudioOutput();
    std::printf("audio output: %s (asking took %.1f ms)\n", output ? "yes" : "none", asking.nsecsElapsed() / 1e6);

    platform::QtSounds production;
    platform::setSounds(&production);
    bool met = true;
    for (const bool on : {false, true}) {
        platform::setSoundOn(on);
        const Result result = race(seconds);
        const double target = on ? 4 : 2;
        met = met && result.cpuPercent < target;
        std::printf("sound %-3s: %.2f%% of one core over %.0f s (target under %.0f%%), longest call %.2f ms, "
                    "%d sounds loaded\n",
                    on ? "on" : "off", result.cpuPercent, seconds, target, result.longestCallMs,
                    production.loadedCount());
    }
    platform::setSounds(nullptr);
    std::printf("%s\n", met ? "targets met" : "targets MISSED");
    return met ? 0 : 1;
}
