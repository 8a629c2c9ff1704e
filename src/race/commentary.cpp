#include "race/commentary.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace race {

namespace {

constexpr double levelLengths = 0.05;    // closer than this, two horses are level
constexpr double gainLengths = 0.25;     // a gain on the leader since the last call worth a word
constexpr double fastGainLengths = 1.0;  // ...and one worth saying "fast"
constexpr double lineLengths = 3.0;      // this close to the line, they are coming to it
constexpr int distanceLengths = 20;      // further apart than this is "a distance"

QString number(long n)
{
    static const char *const words[] = {"no", "one", "two", "three", "four", "five",
                                        "six", "seven", "eight", "nine", "ten"};
    return n >= 0 && n <= 10 ? QString::fromLatin1(words[n]) : QString::number(n);
}

// A gap between two horses, in lengths, as a margin is called.
QString margin(double lengths)
{
    if (lengths < 0.1)
        return QStringLiteral("a short head");
    if (lengths < 0.2)
        return QStringLiteral("a head");
    if (lengths < 0.35)
        return QStringLiteral("a neck");
    if (lengths < 0.75)
        return QStringLiteral("half a length");
    if (lengths < 1.5)
        return QStringLiteral("a length");
    const long whole = std::lround(std::min(lengths, double(distanceLengths + 1)));
    return whole > distanceLengths ? QStringLiteral("a distance") : number(whole) + QStringLiteral(" lengths");
}

// The first `count` positions, a position that is no number counting as furthest behind.
QList<double> sane(const QList<double> &positions, int count)
{
    QList<double> kept = positions.mid(0, count);
    for (double &at : kept)
        if (std::isnan(at))
            at = -INFINITY;
    return kept;
}

// The lanes (0-based), furthest on first; level horses in lane order.
std::vector<int> ranked(const QList<double> &positions, int count)
{
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return positions[a] > positions[b]; });
    return order;
}

QString finishCall(const QString &name, const QList<double> &positions, int winner, double length)
{
    if (positions.size() < 2)
        return QStringLiteral("%1 wins it!").arg(name);
    double nearest = -INFINITY;
    for (int lane = 0; lane < positions.size(); ++lane)
        if (lane != winner)
            nearest = std::max(nearest, positions[lane]);
    const double lead = (positions[winner] - nearest) / length;
    if (lead >= levelLengths)
        return QStringLiteral("%1 wins it by %2!").arg(name, margin(lead));
    if (lead > -levelLengths)
        return QStringLiteral("%1 wins it in a photo finish!").arg(name);
    return QStringLiteral("The race is given to %1!").arg(name);  // past the post behind another
}

}  // namespace

// Every line is put together with one arg() call, so a name holding "%1" stays as it is.
QString commentary(const RaceView &race)
{
    const int count = int(std::min(race.names.size(), race.positions.size()));
    if (!race.started)
        return QStringLiteral("They're lined up at the start, waiting for the off.");
    if (count == 0)
        return QStringLiteral("And they're off!");
    const double length = race.length > 0 ? race.length : lengthTwips;
    const QList<double> now = sane(race.positions, count);
    if (race.winner >= 1 && race.winner <= count)
        return finishCall(race.names[race.winner - 1], now, race.winner - 1, length);

    const std::vector<int> order = ranked(now, count);
    const int first = order[0];
    const QString &leader = race.names[first];
    const double at = now[first];
    if (!(at - race.start >= length))
        return QStringLiteral("And they're off!");
    if (count < 2)
        return QStringLiteral("%1 is out on its own.").arg(leader);
    const int second = order[1];
    const QString &next = race.names[second];
    const double gap = (at - now[second]) / length;
    const bool level = gap < levelLengths;
    const QString by = margin(gap);

    if (at >= race.finish)
        return level ? QStringLiteral("%1 and %2 pass the post together.").arg(leader, next)
                     : QStringLiteral("%1 is first past the post, %2 clear of %3.").arg(leader, by, next);
    if (race.finish - at <= lineLengths * length)
        return level ? QStringLiteral("%1 and %2 are together as they come to the line.").arg(leader, next)
                     : QStringLiteral("%1 in front as they come to the line, %2 clear of %3.").arg(leader, by, next);

    // Who has gained most on the leader since the last call, whether the leader has gained on the
    // next horse, and whether the lead is new.
    int closer = -1;
    double bestGain = 0, leaderPulled = 0;
    bool newLeader = false;
    if (race.previous.size() >= count) {
        const QList<double> before = sane(race.previous, count);
        const double leaderRan = at - before[first];
        for (int lane = 0; lane < count; ++lane) {
            const double gain = (now[lane] - before[lane] - leaderRan) / length;
            if (lane != first && gain > bestGain) {
                bestGain = gain;
                closer = lane;
            }
        }
        leaderPulled = (leaderRan - (now[second] - before[second])) / length;
        newLeader = ranked(before, count)[0] != first;
    }
    const bool closing = closer >= 0 && bestGain >= gainLengths;
    const bool pulling = !level && !newLeader && leaderPulled >= gainLengths;

    // The stage of the race is the leader's share of the course.
    const double run = race.finish > race.start ? (at - race.start) / (race.finish - race.start) : 0;
    const QString pull = pulling ? QStringLiteral(" and is drawing clear") : QString();
    QString line;
    if (level)
        line = QStringLiteral("%1 and %2 are level.").arg(leader, next);
    else if (newLeader)
        line = QStringLiteral("%1 goes to the front by %2 from %3.").arg(leader, by, next);
    else if (run < 0.25)
        line = QStringLiteral("%1 is quickly away and leads by %2 from %3%4.").arg(leader, by, next, pull);
    else if (run < 0.5)
        line = QStringLiteral("%1 leads by %2 from %3%4.").arg(leader, by, next, pull);
    else if (run < 0.75)
        line = QStringLiteral("Past halfway, %1 leads by %2 from %3%4.").arg(leader, by, next, pull);
    else
        line = QStringLiteral("Into the last quarter, %1 leads by %2 from %3%4.").arg(leader, by, next, pull);

    if (closing)
        line += (bestGain >= fastGainLengths ? QStringLiteral(" %1 is closing fast.") : QStringLiteral(" %1 is closing."))
                    .arg(race.names[closer]);
    else if (!pulling && run >= 0.5 && run < 0.75 && count > 2)
        line += QStringLiteral(" %1 is at the back.").arg(race.names[order[count - 1]]);
    return line;
}

}  // namespace race
