#include "game/grand_national_settlement.h"

#include "race/settlement.h"

namespace game {

GrandNationalSettlement settleGrandNational(const GrandNationalSettlementInput &in)
{
    GrandNationalSettlement out;
    const int winner = in.winner >= 1 && in.winner <= grand::laneCount ? in.winner : 1;
    const QString name = in.runners[winner - 1];
    out.winnerName = name;
    Money cash = in.cash, debt = in.debt;
    bool held = false, heldTold = false;
    using Mark = SettlementBeat::Mark;
    auto tell = [&](const QString &text) { out.beats.append(SettlementBeat{Notice{text}, std::nullopt, Mark::None}); };
    auto mark = [&](Mark m) { out.beats.append(SettlementBeat{std::nullopt, std::nullopt, m}); };
    // Both windows show the new money; a sum that reached a limit is told the first time.
    auto showMoney = [&] {
        out.beats.append(SettlementBeat{std::nullopt, SettlementBeat::Money{cash, debt}, Mark::None});
        if (held && !heldTold) {
            heldTold = true;
            out.beats.append(
                SettlementBeat{Notice{race::heldMessage(in.sign), platform::Icon::Warning}, std::nullopt, Mark::None});
        }
    };

    book::Row &row = out.row;
    row.kind = book::grandNationalKind;
    row.backed = in.backed;
    row.stake = in.stake;
    row.winner = name;
    row.horses = in.runners;
    row.odds = in.odds;

    tell(QStringLiteral("The Winner Was ") + name + race::laneTag(winner));
    mark(Mark::WinnerKnown);
    if (name == in.backed) {
        tell(QStringLiteral(" Your horse was the winner! You Have Won ") + in.sign + platform::moneyText(in.winnings));
        row.winnings = in.winnings;
        cash = platform::heldAdd(cash, in.winnings, &held);
        showMoney();
        mark(Mark::Paid);
    } else {
        tell(QStringLiteral(" Your Horse Lost"));  // the stake went at Confirm
    }
    debt = platform::heldAdd(debt, race::debtInterest(debt, &held), &held);
    showMoney();
    mark(Mark::BettingReopened);

    if (in.ownedHorse == name) {
        tell(QStringLiteral("The Horse You Own As Won The Race, You Get ") + in.sign + QStringLiteral("1,000,000"));
        row.ownersPrize = grand::ownersPrize;
        cash = platform::heldAdd(cash, grand::ownersPrize, &held);
        showMoney();
        mark(Mark::Paid);
    }
    if (const grand::Charge charge = grand::drawCharge(); charge.billed) {
        tell(race::chargeLeadIn(charge.kind) + in.sign + platform::moneyText(charge.amount));
        row.charge = charge.amount;
        cash = platform::heldSub(cash, charge.amount, &held);
        showMoney();
    }
    mark(Mark::StakeBoxReopened);
    out.nextOdds = grand::drawNextOdds();
    mark(Mark::OddsDrawn);

    out.cash = row.cash = cash;
    out.debt = row.debt = debt;
    return out;
}

}  // namespace game
