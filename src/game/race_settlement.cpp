#include "game/race_settlement.h"

#include "platform/random.h"
#include "player/record_files.h"
#include "race/settlement.h"

namespace game {

using platform::Icon;

RaceSettlement settleOrdinaryRace(const RaceSettlementInput &in)
{
    RaceSettlement out;
    const int winner = in.winner >= 1 && in.winner <= 5 ? in.winner : 1;
    const QString name = in.horses[winner - 1];
    out.winnerName = name;
    race::Purse purse;
    purse.cash = in.cash;
    purse.debt = in.debt;
    bool heldTold = false;

    auto tell = [&](const QString &text, Icon icon, SettlementBeat::Mark mark = SettlementBeat::Mark::None) {
        out.beats.append(SettlementBeat{Notice{text, icon, platform::Buttons::Ok, QString()}, std::nullopt, mark});
    };
    // The money shown becomes the purse's; a sum that reached a limit is told the first time.
    auto showMoney = [&] {
        out.beats.append(SettlementBeat{std::nullopt, SettlementBeat::Money{purse.cash, purse.debt}, SettlementBeat::Mark::None});
        if (purse.held && !heldTold) {
            heldTold = true;
            tell(race::heldMessage(in.sign), Icon::Warning);
        }
    };

    book::Row &row = out.row;
    row.backed = in.backed;
    row.stake = in.stake;
    row.winner = name;
    row.drug = in.drugged;
    row.horses = in.horses;
    row.odds = in.odds;

    // The winner.
    tell(QStringLiteral("The Winner Was ") + name + race::laneTag(winner), Icon::Information,
         SettlementBeat::Mark::WinnerKnown);

    // The bet: the stake is taken on a loss; a win pays the promised winnings and keeps the stake.
    if (name != in.backed) {
        purse.take(in.stake);
        showMoney();
        tell(QStringLiteral(" Your Horse Lost"), Icon::Critical);
    } else {
        tell(QStringLiteral(" Your horse was the winner! You Have Won ") + in.sign + platform::moneyText(in.winnings),
             Icon::Information);
        row.winnings = in.winnings;
        purse.pay(in.winnings);
        showMoney();
        out.beats.append(SettlementBeat{std::nullopt, std::nullopt, SettlementBeat::Mark::Paid});
    }

    // Interest on the debt, and the office takes stakes again.
    purse.addInterest();
    showMoney();
    out.beats.append(SettlementBeat{std::nullopt, std::nullopt, SettlementBeat::Mark::BettingReopened});

    // The owner's prize and the owner's charges.
    if (in.share != player::noShares) {
        if (in.share == name) {
            tell(QStringLiteral("The Horse You Own As Won The Race, You Get ") + in.sign + QStringLiteral("10,000 "),
                 Icon::Information);
            row.ownersPrize = race::ownersPrize;
            purse.pay(race::ownersPrize);
            showMoney();
            out.beats.append(SettlementBeat{std::nullopt, std::nullopt, SettlementBeat::Mark::Paid});
        }
        if (platform::draw(race::chargeChance) == race::chargeDrawn) {
            const int kind = platform::draw(race::chargeKinds);
            const int charge = platform::draw(race::chargeMaximum);
            tell(race::chargeLeadIn(kind) + in.sign + QString::number(charge), Icon::Critical);
            row.charge = charge;
            purse.take(charge);
            showMoney();
        }
    }

    // The next race's odds.
    out.nextOdds = race::drawNextOdds();
    out.beats.append(SettlementBeat{std::nullopt, std::nullopt, SettlementBeat::Mark::OddsDrawn});

    // The drug test of a drugged horse.
    if (in.drugged && platform::draw(race::drugTestChance) == race::drugTestDrawn) {
        const Money fine = race::drawFine();
        tell(QStringLiteral("Your horse as been tested for drugs, your horse was proven positive"), Icon::Critical);
        tell(QStringLiteral("you have been fined ") + in.sign + platform::moneyText(fine) +
                 QStringLiteral(" & your horse as been destroyed"),
             Icon::Critical);
        row.fine = fine;
        purse.take(fine);
        showMoney();
        out.beats.append(SettlementBeat{std::nullopt, std::nullopt, SettlementBeat::Mark::ShareLost});
    }

    out.cash = purse.cash;
    out.debt = purse.debt;
    row.cash = purse.cash;
    row.debt = purse.debt;
    return out;
}

}  // namespace game
