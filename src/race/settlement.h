#pragma once
// The money of a race's settlement: the bet, the debt interest, the owner's
// prize and charges, the drug test and the next race's odds. Every sum holds at
// the limits of the game's money instead of wrapping; `held` records that it did.
#include "platform/conversions.h"

#include <QString>
#include <array>

namespace race {

using platform::Money;

inline constexpr Money ownersPrize = 10000;
inline constexpr Money drugPrice = 1000;
inline constexpr int chargeChance = 4;     // one race in four brings an owner's charge...
inline constexpr int chargeDrawn = 2;      // ...when the draw of 1..4 gives 2
inline constexpr int chargeKinds = 5;
inline constexpr int chargeMaximum = 2000;
inline constexpr int drugTestChance = 3;   // one drugged race in three tests positive...
inline constexpr int drugTestDrawn = 2;    // ...when the draw of 1..3 gives 2
inline constexpr int fineMinimum = 15000;
inline constexpr int fineMaximum = 30000;

// Money the settlement keeps while it runs. Every change holds at the limits.
struct Purse {
    Money cash = 0;
    Money debt = 0;
    bool held = false;  // some sum reached a limit of the game's money

    void pay(Money amount) { cash = platform::heldAdd(cash, amount, &held); }
    void take(Money amount) { cash = platform::heldSub(cash, amount, &held); }
    void addInterest();
};

// debt / 100 x 25.5 to the nearest whole pound, a half to the even neighbour:
// 500 -> 128 (127.5), 1000 -> 255, 0 -> 0.
Money debtInterest(Money debt, bool *held = nullptr);

// A money caption (the stake, the promised winnings) as whole pounds: the nearest
// whole number held at the limits; 0 when it is not a number.
Money captionMoney(const QString &text, bool *held = nullptr);

// " (Horse 3)".
QString laneTag(int horse);
// The lead-in of the owner's charge of kind 1..5.
QString chargeLeadIn(int kind);

// The drug-test fine: drawn 1..30000 again and again until at least 15000.
Money drawFine();
// The odds of the next race: 1..15, 1..25, 1..45, 1..75, 1..100 for horses 1..5.
std::array<int, 5> drawNextOdds();

// The message shown once in a settlement whose money reached a limit.
QString heldMessage(const QString &sign);

}  // namespace race
