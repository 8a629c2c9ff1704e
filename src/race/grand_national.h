#pragma once
// The rules of the Grand National: who may enter and what it costs, the odds and
// the runners of the betting window, the stake checks, the race loop of random
// moves, and the owner's charge. No widgets here.
#include "office/race_card.h"
#include "platform/conversions.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace grand {

using platform::Money;

inline constexpr int laneCount = 5;
inline constexpr Money entryFee = 30000;
inline constexpr int stakeLimit = 1000;        // the largest stake on the Grand National
inline constexpr Money ownersPrize = 1000000;
inline constexpr int chargeMaximum = 20000;    // an owner's charge is 1..20000

// The course, in twips. Every horse starts with its picture's Left at startLeft.
inline constexpr int startLeft = 120;
inline constexpr int allPast = 4500;           // while a horse's Left is below this the race goes on...
inline constexpr int finishTest = 8160;        // ...and it ends once every horse is there and one is beyond this
inline constexpr int finishMarkX = 9360;       // where the finish is drawn
inline constexpr int moverRange = 300;         // a draw of 1..300 picks the mover; 6..300 moves nobody
inline constexpr int stepRange = 50;           // a move is 1..50 twips

using Lanes = std::array<int, laneCount>;
inline constexpr Lanes startingLefts = {startLeft, startLeft, startLeft, startLeft, startLeft};

// ---- the entry ----
enum class Entry { NoShare, NotEnoughCash, Allowed };
// No share first, then a cash below the fee; exactly the fee may enter.
Entry checkEntry(const QString &share, Money cash);
QString entryRefusal(Entry refusal);
QString feeMessage(const QString &sign, Money newCash);
// Leaving an entry whose horse has not run: the question (`stake` 0 when none is confirmed).
QString leaveQuestion(const QString &sign, Money stake);
// Confirm, when the horse entered is no longer the player's.
QString horseGoneMessage(const QString &horse);

// ---- the betting window ----
QString stakePrompt();  // "Enter Bet Amount"
QStringList stakeList();
// Lanes 1..5 draw from 1..150, 1..250, 1..450, 1..750, 1..1000 when the window is made...
Lanes drawFirstOdds();
// ...and from ten times smaller ranges after every race.
Lanes drawNextOdds();
// The lane 1..5 of the owned horse.
int drawOwnedLane();
// The five runners, lanes 1..5, with the owned horse in `ownedLane` and the field in their places.
std::array<QString, laneCount> runners(int ownedLane, const QString &owned);

// ---- Confirm ----
using office::StakeCheck;  // the stake paid when Accepted, in whole pounds
using office::StakeOutcome;
// Over 1000 first, then not below the cash, then below 1. A text that is not a number is 0.
StakeCheck checkStake(const QString &stakeText, Money cash);
QString stakeMessage(const StakeCheck &check, const QString &sign);

// ---- the race ----
struct Point {
    std::int64_t iteration = 0;  // the loop's iteration that made the move
    int left = 0;                // the horse's Left after it
};
struct Race {
    Lanes left{};  // where each horse ended
    int winner = 0;
    std::int64_t iterations = 0;
    std::array<std::vector<Point>, laneCount> path;  // every move of each lane, in order (when recorded)
};
// Runs the loop to its end: each iteration draws the mover 1..300 and the step 1..50; movers 1..5
// move that lane on. The loop ends once no horse is below 4500 and one is beyond 8160.
Race runRace(const Lanes &start = startingLefts, bool record = true);
// The last lane beyond 8160 (the highest lane, not the furthest ahead); 0 when none is.
int winningLane(const Lanes &left);
// Where a lane's horse stands at a point of the race (a fraction of an iteration allowed),
// moving evenly from one recorded move to the next.
double leftAt(const Race &race, int lane, double iteration, int startLeftOfLane = startLeft);

// ---- the settlement ----
struct Charge {
    bool billed = false;
    int kind = 0;
    Money amount = 0;
};
// One race in four (a draw of 1..4 giving 2) bills a charge: then the kind 1..5 and 1..20000.
Charge drawCharge();

}  // namespace grand
