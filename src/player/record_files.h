#pragma once
// The player record and its files: one one-line file per field in the data folder,
// named "user" + slot digit + suffix ("user3debt.pdx", "user5p.dll").
#include <QString>
#include <QStringList>
#include <array>

namespace player {

inline constexpr int slotCount = 5;

// The record's fields, in the order the saves write them.
inline const QStringList playingSuffixes = {"cash.pdx", "debt.pdx", "share.pdx", "hor1.pdx",
                                            "hor2.pdx", "hor3.pdx", "hor4.pdx", "hor5.pdx"};
inline const QString nameSuffix = QStringLiteral("n.pdx");
inline const QString passwordSuffix = QStringLiteral("p.dll");

inline const QString noShares = QStringLiteral("You Have No Shares");
inline const QString defaultPassword = QStringLiteral("7351");
inline const QString defaultMoney = QStringLiteral("500");
inline const std::array<QString, 5> defaultHorseNames = {"Red Rum", "Desert Orchard", "Mr Ed",
                                                         "Whopper Meal With Fries", "Black Beauty"};
// Slot 1 is "User 1"; slots 2..5 are "user2".."user5".
QString defaultName(int slot);

// The country the player chose on the first run, one line in the data folder.
inline const QString countryFileName = QStringLiteral("pdxcountry.pdx");

// Every file of a slot's record: the eight playing files, the name and the password.
QStringList recordSuffixes();
// What a new player's file holds ("500", "You Have No Shares", "user3", "7351", ...).
QString defaultFieldText(int slot, const QString &suffix);

// A player name or password is one line of text; a name has at most this many characters, like a
// horse's. The refusal to show for a typed name or password, empty when it may be stored.
inline constexpr int longestName = 30;
enum class NameFault { None, LineBreak, TooLong };
NameFault nameFault(const QString &name);
QString nameRefusal(const QString &name);
QString passwordRefusal(const QString &password);

// "user" + slot + suffix, in the data folder.
QString recordFileName(int slot, const QString &suffix);
QString recordPath(int slot, const QString &suffix);

// The eight playing fields: cash, debt, share, horse names 1..5.
struct PlayingFields {
    QString cash, debt, share;
    std::array<QString, 5> horses;
    QStringList inSaveOrder() const;
};
PlayingFields defaultPlayingFields();

// Writes the eight playing files of the slot in save order. Every file is
// attempted; the result names the first that failed (empty when all were written).
QString writePlayingFiles(int slot, const PlayingFields &fields);

// The slot of the signed-in player as the saves set it ("current slot").
// The import leaves it at 6; backup and restore read it.
short currentSlot();
void setCurrentSlot(short slot);

}  // namespace player
