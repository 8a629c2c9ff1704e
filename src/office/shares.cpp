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

DealResult buyShare(const QString &priceText, const QString &cashText)
{
    const platform::MoneyRead price = platform::readMoney(priceText);
    if (!price.ok())
        return {DealOutcome::PriceNotANumber, 0};
    const platform::MoneyRead cash = platform::readMoney(cashText);
    if (!cash.ok())
        return {DealOutcome::CashNotANumber, 0};
    if (price.value > cash.value)
        return {DealOutcome::NotEnoughMoney, 0};
    const auto left = platform::checkedSub(cash.value, price.value);
    if (!left)
        return {DealOutcome::OutOfRange, 0};
    return {DealOutcome::Done, *left};
}

DealResult sellShare(Money salePrice, const QString &cashText)
{
    const platform::MoneyRead cash = platform::readMoney(cashText);
    if (!cash.ok())
        return {DealOutcome::CashNotANumber, 0};
    const auto total = platform::checkedAdd(cash.value, salePrice);
    if (!total)
        return {DealOutcome::OutOfRange, 0};
    return {DealOutcome::Done, *total};
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
    case DealOutcome::PriceNotANumber:
        return QStringLiteral("The price shown is not an amount of money. Please select 'Check Share Prices' and click "
                              "on a horse again. Nothing has changed.");
    case DealOutcome::CashNotANumber:
        return QStringLiteral("Your cash is not an amount of money, so no deal can be made. Nothing has changed.");
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
