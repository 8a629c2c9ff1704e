#pragma once
// The bet on the next ordinary race, from the stake to "Start The Race".
#include "platform/conversions.h"

#include <QString>

namespace game {

enum class BetPhase {
    Stake,   // the player types or picks a stake and places it
    Horse,   // the stake is confirmed: the player chooses a horse
    Placed,  // the bet is placed: "Start The Race" is offered
    Race,    // the race is opened; the settlement brings back the stake
};

struct Bet {
    BetPhase phase = BetPhase::Stake;
    QString stakeShown = QStringLiteral("Nothing");    // as typed, then the confirmed stake in digits
    platform::Money stake = 0;                         // the confirmed stake
    int horse = 0;                                     // the horse chosen, 0 for none
    QString backed = QStringLiteral("None Selected");  // the backed horse's name
    QString winningsShown = QStringLiteral("Nothing"); // the promised winnings in digits
    platform::Money winnings = 0;
};

}  // namespace game
