#include "race/race_rules.h"

#include "platform/maker.h"

namespace race {

int headStart(int lane, int drawnWinner)
{
    static constexpr int starts[laneCount] = {2000, 1000, 500, 250, 0};
    if (lane < 1 || lane > laneCount || drawnWinner < 1 || drawnWinner > laneCount)
        return 0;
    const int placesAfterWinner = (lane - drawnWinner + laneCount) % laneCount;
    return starts[placesAfterWinner];
}

int finishThreshold(int lane) { return lane == 3 ? 12998 : 12988; }

bool tickFinishes(int lane, int &progress)
{
    if (progress >= finishThreshold(lane))
        return true;
    progress += progressStep;
    return false;
}

int ticksToFinish(int lane, int start)
{
    int progress = start;
    int ticks = 0;
    while (progress < finishThreshold(lane)) {
        progress += progressStep;
        ++ticks;
    }
    return ticks;
}

QString bannerText(int k, const QString &current)
{
    const QString address = QString::fromLatin1(platform::makerWebAddress);
    switch (k) {
    case 1: return QStringLiteral("lifes free at ") + address;
    case 2: return QStringLiteral("Get Free Software @ ") + address;
    case 3: return QStringLiteral("Check for updates at ") + address;
    case 4: return QStringLiteral("Check For Updates On This Software @ ") + address;
    case 5: return address;
    default: return current;
    }
}

}  // namespace race
