#include "race/settlement.h"

#include "platform/random.h"

#include <limits>

namespace race {

void Purse::addInterest() { debt = platform::heldAdd(debt, debtInterest(debt, &held), &held); }

Money debtInterest(Money debt, bool *held)
{
    return platform::heldMoney(platform::roundHalfEven(static_cast<double>(debt) / 100.0 * 25.5), held);
}

Money captionMoney(const QString &text, bool *held)
{
    const auto number = platform::wholeNumber(text);
    if (!number)
        return 0;
    return platform::heldMoney(*number, held);
}

QString laneTag(int horse) { return QStringLiteral(" (Horse %1)").arg(horse); }

QString chargeLeadIn(int kind)
{
    static const char *const kinds[chargeKinds] = {"vet", "food", "stable", "transportation", "administration"};
    const int index = kind >= 1 && kind <= chargeKinds ? kind - 1 : chargeKinds - 1;
    return QStringLiteral("You have been billed for %1 charges. This will cost you ").arg(QLatin1String(kinds[index]));
}

Money drawFine()
{
    int fine = 0;
    do {
        fine = platform::draw(fineMaximum);
    } while (fine < fineMinimum);
    return fine;
}

std::array<int, 5> drawNextOdds()
{
    static constexpr int ranges[5] = {15, 25, 45, 75, 100};
    std::array<int, 5> odds{};
    for (int i = 0; i < 5; ++i)
        odds[i] = platform::draw(ranges[i]);
    return odds;
}

QString heldMessage(const QString &sign)
{
    return QStringLiteral("Your cash or debt has reached the largest amount this game can hold (%1%2 either way), "
                          "so it has been held at that limit.")
        .arg(sign)
        .arg(std::numeric_limits<Money>::max());
}

}  // namespace race
