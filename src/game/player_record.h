#pragma once
// The signed-in player's record as the game holds it between saves: the slot, the name, the
// country's currency sign, the money, the share and the five horses. It is read from the slot's
// record files at sign-in and written back by the saves (through the journal, as one unit).
#include "platform/conversions.h"
#include "player/record_files.h"

#include <QString>
#include <array>

namespace game {

using platform::Money;
inline constexpr int horseCount = 5;

struct PlayerRecord {
    int slot = 0;  // 1..5; 0 while nobody is signed in
    QString name;
    QString country;       // as the player chose it on the first run (empty when unknown)
    QString currencySign = QStringLiteral("£");  // put before every amount the game shows
    Money cash = 0;
    Money debt = 0;
    QString share = player::noShares;  // the owned horse's name, or "You Have No Shares"
    std::array<QString, horseCount> horses = player::defaultHorseNames;

    bool signedIn() const { return slot >= 1 && slot <= player::slotCount; }
    bool ownsHorse() const { return share != player::noShares; }
    // The horse's name of horse 1..5 (empty outside).
    QString horse(int number) const { return number >= 1 && number <= horseCount ? horses[number - 1] : QString(); }
    // What a save writes: the money in plain digits, the share and the horses as held.
    player::PlayingFields playingFields() const;
};

// The share as a record file holds it, as the game reads it: "0" and nothing at all mean no share.
QString shareFromFile(const QString &text);

// A slot's record from the texts its files hold (cash, debt, share, horses 1..5 in save order,
// then the name). The money texts must be amounts (the sign-in asks about those that are not).
PlayerRecord recordFromFiles(int slot, const QStringList &playingTexts, const QString &name);

}  // namespace game
