#pragma once
// The settlement of the Grand National as a function of the entry, the player's money and the
// draws: every message in order (none with an icon), the money shown with each, the next odds and
// the race book's row.
#include "game/race_settlement.h"
#include "race/grand_national.h"

namespace game {

struct GrandNationalSettlementInput {
    int winner = 0;  // the winning lane, 1..5
    std::array<QString, grand::laneCount> runners;
    QString backed;
    Money stake = 0;
    Money winnings = 0;
    QString ownedHorse;
    grand::Lanes odds{};
    Money cash = 0;  // the player's, as they stand when the race is settled
    Money debt = 0;
    QString sign;
};

struct GrandNationalSettlement {
    QList<SettlementBeat> beats;
    QString winnerName;
    Money cash = 0;
    Money debt = 0;
    grand::Lanes nextOdds{};
    book::Row row;  // without its time
};

// The draws (the owner's charge, the next odds) are taken through platform::draw.
GrandNationalSettlement settleGrandNational(const GrandNationalSettlementInput &in);

}  // namespace game
