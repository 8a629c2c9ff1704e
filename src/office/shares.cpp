#include "office/shares.h"

#include "platform/random.h"

#include <limits>

namespace office {

std::array<Money, 5> drawSharePrices()
{
    std::array<Money, 5> prices{};
    bool accepted = false;
    while (!accepted) {
        for (int i = 0; i < 5; ++i)
            prices[i] = platform::draw(sharePriceTop[i]);
        accepted = true;
        for (int i = 0; i < 5; ++i)
            accepted = accepted && prices[i] >= sharePriceFloor[i];
    }
    return prices;
}

Money drawSalePrice()
{
    Money price = 0;
    do {
        price = platform::draw(salePriceTop);
    } while (price < salePriceFloor);
    return price;
}

DealResult buyShare(Money price, Money cash)
{
    if (price > cash)
        return {DealOutcome::NotEnoughMoney, 0};
    const auto left = platform::checkedSub(cash, price);
    if (!left)
        return {DealOutcome::OutOfRange, 0};
    return {DealOutcome::Done, *left};
}

DealResult sellShare(Money salePrice, Money cash)
{
    const auto total = platform::checkedAdd(cash, salePrice);
    if (!total)
        return {DealOutcome::OutOfRange, 0};
    return {DealOutcome::Done, *total};
}

QString dealRefusal(DealOutcome outcome, const QString &sign)
{
    switch (outcome) {
    case DealOutcome::Done: return QString();
    case DealOutcome::NotEnoughMoney:
        return QStringLiteral(" You don't have enough money to buy that horse, please try another, or wait till you "
                              "have more money");
    case DealOutcome::OutOfRange:
        return QStringLiteral("Your cash cannot pass %1%2, the most this game can hold. Nothing has changed.")
            .arg(sign)
            .arg(std::numeric_limits<Money>::max());
    case DealOutcome::NoShareHeld:
        return QStringLiteral("You have no horse shares to sell. Nothing has changed.");
    }
    return QString();
}

QString soldMessage(Money salePrice, const QString &sign)
{
    return QStringLiteral("Your Horse As Been Sold For ") + sign + platform::moneyText(salePrice);
}

}  // namespace office
