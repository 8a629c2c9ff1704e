#include "race/grand_national.h"

#include "office/race_card.h"
#include "platform/random.h"
#include "player/record_files.h"
#include "race/settlement.h"

#include <algorithm>

namespace grand {

Entry checkEntry(const QString &share, Money cash)
{
    if (share == player::noShares)
        return Entry::NoShare;
    if (cash < entryFee)
        return Entry::NotEnoughCash;
    return Entry::Allowed;
}

QString entryRefusal(Entry refusal)
{
    if (refusal == Entry::NoShare)
        return QStringLiteral("You Cannot Go To The GrandNational Because You Don't Own Any Shares In Any Horse");
    return QStringLiteral("Youy Dont Have Enough Money To Enter Your Horse Into The GrandNational. "
                          "You Need At Least £30,000 To Enter");
}

QString feeMessage(const QString &sign, Money newCash)
{
    return QStringLiteral("You Have Been Charged ") + sign +
           QStringLiteral("30,000 To Enter You Horse Into The GrandNational. Your New Cash Status Is: £") +
           platform::moneyText(newCash);
}

QString leaveQuestion(const QString &sign, Money stake)
{
    const QString lead = QStringLiteral("Leave the Grand National? Your horse has not run, and the ") + sign +
                         QStringLiteral("30,000 entry fee ");
    if (stake <= 0)
        return lead + QStringLiteral("is not refunded.");
    return lead + QStringLiteral("and your ") + sign + platform::moneyText(stake) + QStringLiteral(" stake are not refunded.");
}

QString horseGoneMessage(const QString &horse)
{
    return horse + QStringLiteral(" is no longer your horse, so it cannot run in the Grand National. "
                                  "Your stake has not been taken.");
}

QString stakePrompt() { return QStringLiteral("Enter Bet Amount"); }

QStringList stakeList()
{
    return {QStringLiteral("50"),  QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("250"),
            QStringLiteral("300"), QStringLiteral("400"), QStringLiteral("500"), QStringLiteral("600"),
            QStringLiteral("750"), QStringLiteral("800"), QStringLiteral("900"), QStringLiteral("1000")};
}

namespace {
Lanes drawLanes(const Lanes &ranges)
{
    Lanes drawn{};
    for (int i = 0; i < laneCount; ++i)
        drawn[i] = platform::draw(ranges[i]);
    return drawn;
}
}  // namespace

Lanes drawFirstOdds() { return drawLanes({150, 250, 450, 750, 1000}); }
Lanes drawNextOdds() { return drawLanes({15, 25, 45, 75, 100}); }
int drawOwnedLane() { return platform::draw(laneCount); }

std::array<QString, laneCount> runners(int ownedLane, const QString &owned)
{
    const QString z = QStringLiteral("Super Z"), heaven = QStringLiteral("Runaway Heaven"),
                  mile = QStringLiteral("Xtra Mile"), dream = QStringLiteral("Billy's Dream");
    switch (ownedLane) {
    case 1: return {owned, z, heaven, mile, dream};
    case 2: return {z, owned, heaven, mile, dream};
    case 3: return {heaven, z, owned, mile, dream};
    case 4: return {mile, heaven, z, owned, dream};
    default: return {heaven, mile, dream, z, owned};
    }
}

StakeCheck checkStake(const QString &stakeText, Money cash)
{
    // A number too large for any stake keeps its size: it is over the limit, never nothing.
    return office::checkStakeUpTo(office::typedAmount(stakeText), cash, stakeLimit);
}

QString stakeMessage(const StakeCheck &check, const QString &sign)
{
    switch (check.outcome) {
    case StakeOutcome::OverLimit: return QStringLiteral(" The bet is over ") + sign + QStringLiteral("1000");
    case StakeOutcome::NotEnoughCash: return QStringLiteral("you dont have enough cash, please try again");
    case StakeOutcome::NoStake: return QStringLiteral("Please enter the amount you wish to bet");
    case StakeOutcome::Accepted: break;
    }
    return QStringLiteral("You are placing ") + sign + platform::moneyText(check.stake) +
           QStringLiteral(" on this next race");
}

int winningLane(const Lanes &left)
{
    int winner = 0;
    for (int lane = 1; lane <= laneCount; ++lane) {
        if (left[lane - 1] > finishTest)
            winner = lane;
    }
    return winner;
}

Race runRace(const Lanes &start, bool record)
{
    Race race;
    race.left = start;
    if (record) {
        for (auto &moves : race.path)
            moves.reserve(512);
    }
    std::int64_t iteration = 0;
    for (;;) {
        ++iteration;
        const int mover = platform::draw(moverRange);
        const int step = platform::draw(stepRange);
        if (mover < 1 || mover > laneCount)
            continue;  // nobody moved: the tests below would say "go on" again, as last time
        race.left[mover - 1] += step;
        if (record)
            race.path[mover - 1].push_back({iteration, race.left[mover - 1]});
        const auto [lowest, highest] = std::minmax_element(race.left.begin(), race.left.end());
        if (*lowest < allPast)
            continue;
        if (*highest > finishTest)
            break;
    }
    race.iterations = iteration;
    race.winner = winningLane(race.left);
    return race;
}

double leftAt(const Race &race, int lane, double iteration, int startLeftOfLane)
{
    const std::vector<Point> &moves = race.path[lane - 1];
    // The first move made after this point of the race, and the one before it.
    const auto next = std::upper_bound(moves.begin(), moves.end(), iteration,
                                       [](double at, const Point &point) { return at < point.iteration; });
    if (next == moves.end())
        return moves.empty() ? startLeftOfLane : moves.back().left;
    const double fromIteration = next == moves.begin() ? 0.0 : double(std::prev(next)->iteration);
    const double fromLeft = next == moves.begin() ? startLeftOfLane : std::prev(next)->left;
    const double share = (iteration - fromIteration) / (double(next->iteration) - fromIteration);
    return fromLeft + (next->left - fromLeft) * std::clamp(share, 0.0, 1.0);
}

Charge drawCharge()
{
    Charge charge;
    if (platform::draw(race::chargeChance) != race::chargeDrawn)
        return charge;
    charge.billed = true;
    charge.kind = platform::draw(race::chargeKinds);
    charge.amount = platform::draw(chargeMaximum);
    return charge;
}

}  // namespace grand
