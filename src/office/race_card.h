#pragma once
// The race card of the betting office and the rules of a bet: the currency sign of
// the player's country, the stake list, the jockeys, the odds, the stake checks and
// the promised winnings. No widgets here: the window reads its controls, asks these
// rules and writes the answer back.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace office {

inline constexpr int horseCount = 5;

// ---- country and currency ----
struct CountryRow {
    const char *country;
    const char *sign;  // UTF-8
};
// The 29 countries the game knows, each with the sign its amounts are shown with.
const std::array<CountryRow, 29> &countryTable();
// The sign of a country, compared letter for letter; nothing when the country is none of the rows.
std::optional<QString> currencySignFor(const QString &country);
// The sign shown when the country is unknown or could not be read.
QString defaultCurrencySign();

// ---- stakes ----
inline constexpr int stakeLimit = 800;  // the largest stake on one race
QString stakePromptText();               // "Enter Your Stake......"
QStringList stakeList();                 // "50" .. "800", the ten entries of both stake pickers

// ---- jockeys ----
QStringList jockeyList();
// The rotation 0..3: Int(Rnd x 4).
int drawJockeyRotation();
// The jockeys of horses 1..5 (index 0..4) for a rotation: 0 and 1 deal the list in order,
// 2 starts the list at horse 2, 3 starts it at horse 3.
std::array<QString, horseCount> dealJockeys(int rotation);

// ---- odds ----
// Horse 1..5 draws its odds n/1 from 1..15, 1..25, 1..45, 1..75, 1..100.
inline constexpr std::array<int, horseCount> oddsTop = {15, 25, 45, 75, 100};
std::array<int, horseCount> drawOdds();

// ---- the stake checks ----
enum class StakeOutcome { OverLimit, NotEnoughCash, NoStake, Accepted };
struct StakeCheck {
    StakeOutcome outcome = StakeOutcome::NoStake;
    int stake = 0;  // the accepted stake in whole pounds (only meaningful when Accepted)
};
// The value of a typed amount: the whole text as a number to the nearest whole pound (a half to
// the even neighbour); a number too large for any amount keeps its size and sign; 0 when the text
// is not a number.
double typedAmount(const QString &text);
// The four checks in their order: over the limit, not below the cash, below 1, accepted (every
// race's stake box checks a stake this way, each with its own limit).
StakeCheck checkStakeUpTo(double stake, double cash, int limit);
// The ordinary race's stake, at most 800. The cash is read as money (not a number, or past the
// 32-bit range: 0).
StakeCheck checkStake(const QString &stakeText, const QString &cashText);
// The message each outcome shows.
QString stakeMessage(const StakeCheck &check, const QString &sign);
QString placeStakeQuestion(const QString &sign, const QString &stakeText);

// ---- the wizard's stake picker ----
enum class WizardStake { NotChosen, Accepted, TooLarge };
WizardStake checkWizardStake(const QString &pickerText);
QString wizardStakeMessage(WizardStake outcome);

// ---- promised winnings and the bet ----
// Odds x stake, in plain digits (odds 7 and stake 50 give "350").
QString promisedWinnings(int odds, int stake);
QString betAnnouncement(const QString &sign, const QString &stake, const QString &horse, const QString &winnings);

// ---- horse names ----
// The names the horse options window fills in: set 0 is the five default names ("&Reset"),
// sets 1..3 are "Selection 1".."Selection 3".
std::array<QString, horseCount> preparedHorseNames(int set);
// The horse (1..5) whose name the share holds, the last of them when two carry it; 0 for none.
int shareHorse(const QString &share, const std::array<QString, horseCount> &names);

// ---- the tip ----
QString tipText(const QString &horse);
// k = Int(Rnd x 5 + 1): the horse the tipster names.
int drawTipHorse();

}  // namespace office
