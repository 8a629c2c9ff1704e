#pragma once
// The administration console's rules: its password, and the cash and debt of player slot 1,
// which the console reads and sets whoever is signed in.
#include "platform/conversions.h"

#include <QString>
#include <optional>

namespace administration {

// The console opens for this password only, compared whole and case-sensitively.
bool passwordAccepted(const std::optional<QString> &typed);

// What the console shows of slot 1. A file that cannot be read, or holds no line, gives nothing:
// its field keeps what it showed.
struct SlotOneRecord {
    std::optional<QString> name, cash, debt;
};
SlotOneRecord readSlotOne();

// The two amounts typed into the console, both checked before anything is written.
struct AmountsCheck {
    bool ok = false;
    platform::Money cash = 0, debt = 0;
    QString message;  // why they were refused, for the player
};
AmountsCheck checkAmounts(const QString &cashText, const QString &debtText);

// Writes slot 1's cash and debt files, in that order, as plain digits. Empty when both were
// written, else what went wrong (the cash file may already hold the new amount).
QString writeSlotOneMoney(platform::Money cash, platform::Money debt);

}  // namespace administration
