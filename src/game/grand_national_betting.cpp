#include "game/grand_national_betting.h"

#include "office/race_card.h"

namespace game {

GrandNationalBetting::GrandNationalBetting(const QString &playerName, const QString &ownedHorse, Money debt)
    : playerName_(playerName), debt_(debt), owned_(ownedHorse)
{
    odds_ = grand::drawFirstOdds();
    ownedLane_ = grand::drawOwnedLane();
    runners_ = grand::runners(ownedLane_, owned_);
}

void GrandNationalBetting::enter(Money cashLeft, Money debt, const QString &ownedHorse)
{
    debt_ = debt;
    owned_ = ownedHorse;
    runners_[ownedLane_ - 1] = ownedHorse;
    feePaid_ = true;
    cash_ = cashLeft;
    shown_ = true;
    emit changed();
}

void GrandNationalBetting::setMoney(Money cash, Money debt)
{
    cash_ = cash;
    debt_ = debt;
    emit changed();
}

void GrandNationalBetting::stakeTyped()
{
    confirmOffered_ = true;
    emit changed();
}

void GrandNationalBetting::stakeTaken(Money stake, Money cashLeft, Money debt)
{
    startOffered_ = false;
    stakeBoxOpen_ = false;
    confirmOffered_ = false;
    runnersOpen_ = true;
    stake_ = stake;
    stakeShown_ = platform::moneyText(stake);
    cash_ = cashLeft;
    debt_ = debt;
    stakeConfirmed_ = true;
    emit changed();
}

void GrandNationalBetting::chooseRunner(int lane)
{
    if (lane < 1 || lane > grand::laneCount)
        return;
    // The winnings of the stake taken: 1000.5 typed is 1000 paid, and 1000 is what wins.
    winningsShown_ = office::promisedWinnings(odds_[lane - 1], stake_);
    winnings_ = platform::moneyOrZero(winningsShown_);
    backed_ = runners_[lane - 1];
    selectOffered_ = true;
    emit changed();
}

void GrandNationalBetting::selectRunner()
{
    runnersOpen_ = false;
    selectOffered_ = false;
    startOffered_ = true;
    emit changed();
}

void GrandNationalBetting::raceStarted()
{
    startOffered_ = false;
    running_ = true;
    emit changed();
}

void GrandNationalBetting::setLastWinner(const QString &name)
{
    lastWinner_ = name;
    emit changed();
}

void GrandNationalBetting::reopenBetting()
{
    shown_ = true;
    confirmOffered_ = true;
    emit changed();
}

void GrandNationalBetting::reopenStakeBox()
{
    stakeBoxOpen_ = true;
    emit changed();
}

void GrandNationalBetting::setOdds(const grand::Lanes &odds)
{
    odds_ = odds;
    emit changed();
}

void GrandNationalBetting::raceSettled()
{
    stakeConfirmed_ = false;
    feePaid_ = false;
    running_ = false;
    // Nothing more to race until a new stake is confirmed.
    startOffered_ = false;
    emit changed();
}

void GrandNationalBetting::horseRenamed(const QString &before, const QString &after)
{
    if (owned_ != before)
        return;
    owned_ = after;
    runners_[ownedLane_ - 1] = after;
    emit changed();
}

void GrandNationalBetting::hide()
{
    shown_ = false;
    emit changed();
}

}  // namespace game
