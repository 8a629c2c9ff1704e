#include "office/race_card.h"

#include "platform/conversions.h"
#include "platform/random.h"

#include <cmath>

namespace office {

const std::array<CountryRow, 29> &countryTable()
{
    static const std::array<CountryRow, 29> rows = {{
        {"United Kingdom", "£"},
        {"Austria", "€"},
        {"Belgium", "€"},
        {"Denmark", "€"},
        {"Eire", "$"},
        {"Finland", "€"},
        {"France", "€"},
        {"Germany", "€"},
        {"Greece", "€"},
        {"Italy", "€"},
        {"Luxembourg", "€"},
        {"Netherlands", "€"},
        {"N Ireland", "£"},
        {"Africa", "$"},
        {"Portgual", "€"},
        {"Russia", "$"},
        {"Spain", "€"},
        {"Sweden", "€"},
        {"Switzerland", "€"},
        {"Other Parts Of Europe", "$"},
        {"South America", "$"},
        {"Canada", "$"},
        {"China", "$"},
        {"Japan", "$"},
        {"S Koera", "$"},
        {"Other Parts Of Asia", "$"},
        {"Australlia", "$"},
        {"New Zealand", "$"},
        {"United States Of America", "$"},
    }};
    return rows;
}

std::optional<QString> currencySignFor(const QString &country)
{
    for (const CountryRow &row : countryTable()) {
        if (country == QString::fromUtf8(row.country))
            return QString::fromUtf8(row.sign);
    }
    return std::nullopt;
}

QString defaultCurrencySign() { return QStringLiteral("£"); }

QString stakePromptText() { return QStringLiteral("Enter Your Stake......"); }

QStringList stakeList()
{
    return {QStringLiteral("50"),  QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("250"),
            QStringLiteral("300"), QStringLiteral("400"), QStringLiteral("500"), QStringLiteral("600"),
            QStringLiteral("700"), QStringLiteral("800")};
}

QStringList jockeyList()
{
    return {QStringLiteral("Dusty Calloway"), QStringLiteral("Hank Marlowe"), QStringLiteral("Slim Tolliver"),
            QStringLiteral("Jed Harrow"), QStringLiteral("Amos Fairweather")};
}

int drawJockeyRotation() { return platform::drawBelow(4); }

std::array<QString, horseCount> dealJockeys(int rotation)
{
    // The horse the first name goes to: horse 1 for rotations 0 and 1, horse 2 for 2, horse 3 for 3.
    const int first = rotation == 2 ? 1 : (rotation == 3 ? 2 : 0);
    const QStringList names = jockeyList();
    std::array<QString, horseCount> dealt;
    for (int i = 0; i < horseCount; ++i)
        dealt[(first + i) % horseCount] = names[i];
    return dealt;
}

std::array<int, horseCount> drawOdds()
{
    std::array<int, horseCount> odds{};
    for (int i = 0; i < horseCount; ++i)
        odds[i] = platform::draw(oddsTop[i]);
    return odds;
}

double typedAmount(const QString &text)
{
    if (const auto whole = platform::wholeNumber(text))
        return *whole;
    // Too long or too large for the usual reading: a plain number still counts by its size,
    // so 10,000 nines are far over any limit rather than nothing.
    if (!platform::isNumberText(text))
        return 0;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (std::isinf(value))
        return value;
    if (ok && std::isfinite(value))
        return platform::roundHalfEven(value) + 0.0;
    return 0;
}

StakeCheck checkStake(const QString &stakeText, const QString &cashText)
{
    // The cash field holds what the game wrote there; anything else counts as nothing.
    return checkStakeUpTo(typedAmount(stakeText), platform::moneyOrZero(cashText), stakeLimit);
}

StakeCheck checkStakeUpTo(double stake, double cash, int limit)
{
    StakeCheck check;
    if (stake >= limit + 1)
        check.outcome = StakeOutcome::OverLimit;
    else if (stake >= cash)
        check.outcome = StakeOutcome::NotEnoughCash;
    else if (stake < 1)
        check.outcome = StakeOutcome::NoStake;
    else {
        check.outcome = StakeOutcome::Accepted;
        check.stake = static_cast<int>(stake);
    }
    return check;
}

QString stakeMessage(const StakeCheck &check, const QString &sign)
{
    switch (check.outcome) {
    case StakeOutcome::OverLimit: return QStringLiteral(" The bet is over ") + sign + QStringLiteral("800 ");
    case StakeOutcome::NotEnoughCash: return QStringLiteral("you dont have enough cash, please try again");
    case StakeOutcome::NoStake: return QStringLiteral("Please enter the amount you wish to bet");
    case StakeOutcome::Accepted: break;
    }
    return QStringLiteral("You are placing %1%2 on this next race").arg(sign).arg(check.stake);
}

QString placeStakeQuestion(const QString &sign, const QString &stakeText)
{
    return QStringLiteral("Are You Sure That You Want To Play ") + sign + stakeText + QStringLiteral(" On This Race?");
}

WizardStake checkWizardStake(const QString &pickerText)
{
    if (pickerText == QLatin1String("Select Your Stake"))
        return WizardStake::NotChosen;
    if (!platform::isNumberText(pickerText))
        return WizardStake::NotChosen;
    // The number as typed, not yet rounded: 800.6 is below 801 and goes on to the stake checks.
    // (Past the range of a double it is infinite, below its precision 0.)
    const double value = pickerText.trimmed().toDouble();
    return value < stakeLimit + 1 ? WizardStake::Accepted : WizardStake::TooLarge;
}

QString wizardStakeMessage(WizardStake outcome)
{
    return outcome == WizardStake::TooLarge ? QStringLiteral("Please enter a stake less than 800")
                                            : QStringLiteral("Please Select A Stake");
}

QString promisedWinnings(int odds, int stake)
{
    return QString::number(static_cast<long long>(odds) * static_cast<long long>(stake));
}

QString betAnnouncement(const QString &sign, const QString &stake, const QString &horse, const QString &winnings)
{
    return QStringLiteral("You Are Betting ") + sign + stake + QStringLiteral(" on ") + horse +
           QStringLiteral(". If you win, you will win ") + sign + winnings + QStringLiteral(". Good Luck!");
}

std::array<QString, horseCount> preparedHorseNames(int set)
{
    switch (set) {
    case 1: return {"Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"};
    case 2: return {"Big Mac", "Wolf Gang", "The Dogs", "Red Rash", "Mini Monster"};
    case 3: return {"Flash", "Chocolate Button", "Revolution", "Winning Line", "Pint Of Mild"};
    default: return {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"};
    }
}

int shareHorse(const QString &share, const std::array<QString, horseCount> &names)
{
    int owned = 0;
    for (int i = 0; i < horseCount; ++i) {
        if (names[i] == share)
            owned = i + 1;
    }
    return owned;
}

QString tipText(const QString &horse)
{
    return QStringLiteral("Scorhers Predicts That ") + horse + QStringLiteral(" Will Win This Race");
}

int drawTipHorse() { return platform::draw(horseCount); }

}  // namespace office
