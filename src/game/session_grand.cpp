// The session's Grand National: the entry and its fee, the stake, the runner, the race and its
// settlement, and leaving the entry.
#include "game/grand_national_betting.h"
#include "game/grand_national_settlement.h"
#include "game/session.h"

#include "book/race_book.h"
#include "platform/sound.h"
#include "race/settlement.h"

namespace game {

using platform::Answer;
using platform::Icon;

Reply Session::enterGrandNational()
{
    // The fee is taken from the cash that a race being run will settle.
    if (Reply refusal = refusedDuringRace(QStringLiteral("enter the Grand National")); !refusal.isEmpty())
        return refusal;
    const grand::Entry entry = grand::checkEntry(record_.share, record_.cash);
    if (entry != grand::Entry::Allowed)
        return Reply::message(grand::entryRefusal(entry), Icon::Critical);
    // Made, and its odds and lanes drawn, on the first entry.
    if (!grandNational_)
        grandNational_ = std::make_shared<GrandNationalBetting>(record_.name, record_.share, record_.debt);
    if (grandNational_->shown())
        return Reply();
    const Money left = record_.cash - grand::entryFee;
    setMoney(left, record_.debt);
    // The debt and the owned horse are this moment's, never those of an earlier entry.
    grandNational_->enter(left, record_.debt, record_.share);
    Reply reply(Notice{grand::feeMessage(sign(), left), Icon::Warning});
    reply.then([this] { emit grandNationalOpened(); });
    return reply;
}

void Session::grandNationalStakeTyped()
{
    if (grandNational_)
        grandNational_->stakeTyped();
}

Reply Session::confirmGrandNationalStake(const QString &stakeText)
{
    const auto gn = grandNational_;
    if (!gn || gn->stakeConfirmed())
        return Reply();
    // The window shows the cash and debt as the player holds them now, whatever Confirm says:
    // whatever happened since the entry counts.
    gn->setMoney(record_.cash, record_.debt);
    // While an ordinary race is settled its cash is not to be touched.
    if (Reply refusal = refusedDuringRace(QStringLiteral("place a bet")); !refusal.isEmpty())
        return refusal;
    // Only the player's own horse runs: a share sold since the entry leaves nothing to race.
    if (record_.share != gn->ownedHorse())
        return Reply::message(grand::horseGoneMessage(gn->ownedHorse()), Icon::Warning);
    const grand::StakeCheck check = grand::checkStake(stakeText, record_.cash);
    Reply reply = Reply::message(grand::stakeMessage(check, sign()));
    if (check.outcome == grand::StakeOutcome::Accepted) {
        reply.then([this, gn, stake = check.stake] {
            // The stake is paid now: 1 <= stake < cash, so this cannot leave the range.
            const Money left = record_.cash - stake;
            gn->stakeTaken(stake, left, record_.debt);
            setMoney(left, record_.debt);
        });
    }
    return reply;
}

void Session::chooseGrandNationalRunner(int lane)
{
    if (grandNational_)
        grandNational_->chooseRunner(lane);
}

void Session::selectGrandNationalRunner()
{
    if (grandNational_)
        grandNational_->selectRunner();
}

bool Session::runGrandNational()
{
    const auto gn = grandNational_;
    if (!gn || !gn->stakeConfirmed() || gn->running())
        return false;
    // The whole race is run here; the playback only shows it.
    gn->race_ = grand::runRace();
    gn->raceStarted();
    return true;
}

Reply Session::settleGrandNational()
{
    const auto gn = grandNational_;
    if (!gn || !gn->running())
        return Reply();
    GrandNationalSettlementInput in;
    in.winner = gn->race().winner;
    in.runners = gn->runners();
    in.backed = gn->backed();
    in.stake = gn->stake();
    in.winnings = gn->winnings_;
    in.ownedHorse = gn->ownedHorse();
    in.odds = gn->odds();
    // Every change starts from the player's cash and debt as they stand.
    in.cash = record_.cash;
    in.debt = record_.debt;
    in.sign = sign();
    const QDateTime when = QDateTime::currentDateTime();
    const GrandNationalSettlement settled = game::settleGrandNational(in);

    Reply reply;
    for (const SettlementBeat &beat : settled.beats) {
        if (beat.notice)
            reply.tell(*beat.notice);
        if (beat.money)
            reply.then([this, gn, money = *beat.money] {
                gn->setMoney(money.cash, money.debt);
                setMoney(money.cash, money.debt);
            });
        switch (beat.mark) {
        case SettlementBeat::Mark::WinnerKnown: reply.then([gn, name = settled.winnerName] { gn->setLastWinner(name); }); break;
        case SettlementBeat::Mark::BettingReopened: reply.then([gn] { gn->reopenBetting(); }); break;
        case SettlementBeat::Mark::StakeBoxReopened: reply.then([gn] { gn->reopenStakeBox(); }); break;
        case SettlementBeat::Mark::OddsDrawn: reply.then([gn, odds = settled.nextOdds] { gn->setOdds(odds); }); break;
        case SettlementBeat::Mark::Paid: reply.then([] { platform::sounds().play(platform::Sound::Coin); }); break;
        case SettlementBeat::Mark::None:
        case SettlementBeat::Mark::ShareLost: break;
        }
    }
    reply.thenTell([this, row = settled.row, when] {
        book::Row dated = row;
        dated.when = when;
        const QString error = book::recordRace(record_.slot, dated);
        return error.isEmpty() ? Reply() : Reply::message(error, Icon::Warning);
    });
    reply.then([this, gn] {
        gn->raceSettled();
        gn->hide();
        emit grandNationalSettled();
    });
    return reply;
}

Reply Session::leaveGrandNational(std::function<void()> left)
{
    const auto gn = grandNational_;
    auto giveUp = [this, left = std::move(left)] {
        if (grandNational_) {
            grandNational_.reset();
            emit grandNationalClosed();
        }
        if (left)
            left();
    };
    if (!gn) {
        giveUp();
        return Reply();
    }
    if (gn->running())
        return Reply::message(QStringLiteral("The Grand National is being run. Please wait until it is over."));
    // The fee (and a stake) are paid and the horse has not run: leaving gives them up.
    if (!gn->feePaid() && !gn->stakeConfirmed()) {
        giveUp();
        return Reply();
    }
    Reply reply;
    reply.ask(Notice{grand::leaveQuestion(sign(), gn->stakeConfirmed() ? gn->stake() : 0), Icon::Question,
                     platform::Buttons::YesNo},
              [giveUp](Answer answer) {
                  if (answer == Answer::Yes)
                      giveUp();
                  return Reply();
              });
    return reply;
}

}  // namespace game
