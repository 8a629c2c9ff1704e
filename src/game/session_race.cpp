// The session's ordinary race: the doping offer's answer, the start, and the settlement.
#include "game/session.h"

#include "book/race_book.h"
#include "platform/sound.h"
#include "game/race_settlement.h"
#include "race/settlement.h"

namespace game {

using platform::Icon;

Reply Session::acceptDrugs()
{
    if (racePhase_ != RacePhase::DopingOffer || !race_)
        return Reply();
    // Every lane that runs the owned horse starts with the drugs' lead.
    race_->drug(record_.share);
    bool held = false;
    setMoney(platform::heldSub(record_.cash, race::drugPrice, &held), record_.debt);
    Reply reply = Reply::message(QStringLiteral("You have been charged ") + sign() + QStringLiteral("1000 for the drugs"));
    if (held)
        reply.tell(race::heldMessage(sign()), Icon::Warning);
    reply.then([this] {
        racePhase_ = RacePhase::WaitingToStart;
        emit raceChanged();
    });
    return reply;
}

void Session::declineDrugs()
{
    if (racePhase_ != RacePhase::DopingOffer || !race_)
        return;
    race_->declineDrugs();
    racePhase_ = RacePhase::WaitingToStart;
    emit raceChanged();
}

void Session::startRunning()
{
    if (racePhase_ != RacePhase::WaitingToStart || !race_)
        return;
    race_->start();
    racePhase_ = RacePhase::Running;
    emit raceChanged();
}

Reply Session::settleRace()
{
    if (racePhase_ != RacePhase::Running || !race_ || race_->winner() == 0)
        return Reply();
    // The race stops before anything is shown: no other horse can finish now.
    racePhase_ = RacePhase::Settling;
    emit raceChanged();

    RaceSettlementInput in;
    in.winner = race_->winner();
    in.horses = record_.horses;
    in.backed = bet_.backed;
    in.stake = bet_.stake;
    in.winnings = bet_.winnings;
    in.cash = record_.cash;
    in.debt = record_.debt;
    in.share = record_.share;
    in.drugged = race_->drugged().value_or(false);
    in.odds = card_.odds;
    in.sign = sign();
    const QDateTime when = QDateTime::currentDateTime();
    const RaceSettlement settled = settleOrdinaryRace(in);

    Reply reply;
    for (const SettlementBeat &beat : settled.beats) {
        if (beat.notice)
            reply.tell(*beat.notice);
        if (beat.money)
            reply.then([this, money = *beat.money] { setMoney(money.cash, money.debt); });
        switch (beat.mark) {
        case SettlementBeat::Mark::None:
        case SettlementBeat::Mark::StakeBoxReopened: break;
        case SettlementBeat::Mark::Paid: reply.then([] { platform::sounds().play(platform::Sound::Coin); }); break;
        case SettlementBeat::Mark::WinnerKnown:
            reply.then([this, name = settled.winnerName] {
                lastWinner_ = name;
                emit cardChanged();
            });
            break;
        case SettlementBeat::Mark::BettingReopened:
            reply.then([this] {
                bet_.phase = BetPhase::Stake;
                emit betChanged();
            });
            break;
        case SettlementBeat::Mark::OddsDrawn:
            reply.then([this, odds = settled.nextOdds] {
                card_.odds = odds;
                emit cardChanged();
            });
            break;
        case SettlementBeat::Mark::ShareLost:
            reply.then([this] {
                setShare(player::noShares);
                auction_.sellShown = false;
                emit auctionChanged();
            });
            break;
        }
    }
    // Stake entry again, and borrowing; then the save, the race book, and this race is over.
    reply.then([this] {
        mayBorrow_ = true;
        emit bankChanged();
    });
    reply.thenTell([this] { return saveQuietly(); });
    reply.thenTell([this, row = settled.row, when] {
        book::Row dated = row;
        dated.when = when;
        const QString error = book::recordRace(record_.slot, dated);
        return error.isEmpty() ? Reply() : Reply::message(error, Icon::Warning);
    });
    reply.then([this] {
        racePhase_ = RacePhase::None;
        race_.reset();
        emit raceChanged();
        emit raceSettled();
    });
    return reply;
}

}  // namespace game
