#pragma once
// The settlement of an ordinary race as a function of the bet, the record and the draws: every
// message in order, the money shown with each, the next race's odds and the race book's row.
#include "book/race_book.h"
#include "game/reply.h"
#include "platform/conversions.h"

#include <QList>
#include <array>
#include <optional>

namespace game {

using platform::Money;

struct RaceSettlementInput {
    int winner = 0;  // the lane that finished, 1..5
    std::array<QString, 5> horses;
    QString backed;  // the backed horse's name
    Money stake = 0;
    Money winnings = 0;
    Money cash = 0;
    Money debt = 0;
    QString share;   // the owned horse's name, or "You Have No Shares"
    bool drugged = false;
    std::array<int, 5> odds{};  // this race's card, for the book
    QString sign;
};

// What the settlement does at one point: a message is shown, then the money shown becomes the new
// cash and debt, then (at the marked points) the rest of the game follows.
struct SettlementBeat {
    enum class Mark {
        None,
        WinnerKnown,     // the last winner is set
        BettingReopened, // the office takes stakes again (its stake list and picker come back); in
                         // the Grand National its betting window shows again, Confirm offered
        StakeBoxReopened, // the Grand National's stake box opens again
        OddsDrawn,       // the next race's odds are on the card
        ShareLost,       // the drugged horse is destroyed: no share any more
        Paid,            // money came in: the bet's winnings or the owner's prize
    };
    struct Money {
        platform::Money cash = 0;
        platform::Money debt = 0;
    };
    std::optional<Notice> notice;
    std::optional<Money> money;
    Mark mark = Mark::None;
};

struct RaceSettlement {
    QList<SettlementBeat> beats;
    QString winnerName;
    Money cash = 0;
    Money debt = 0;
    std::array<int, 5> nextOdds{};
    book::Row row;  // without its time
};

// The draws (the owner's charge, the next odds, the drug test) are taken through platform::draw, in
// the order the settlement tells them.
RaceSettlement settleOrdinaryRace(const RaceSettlementInput &in);

}  // namespace game
