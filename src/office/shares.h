#pragma once
// The horse auction of the Shares tab: share prices, buying and selling a share.
#include "platform/conversions.h"

#include <QString>
#include <array>

namespace office {

using platform::Money;

// Each horse's price is drawn 1..top; the draw of all five is repeated until
// every price is at least its floor.
inline constexpr std::array<Money, 5> sharePriceTop = {50000, 40000, 30000, 26000, 20000};
inline constexpr std::array<Money, 5> sharePriceFloor = {25000, 20000, 18000, 15000, 13000};
// A sale brings 1..25000, drawn again while it is 10000 or less.
inline constexpr Money salePriceTop = 25000;
inline constexpr Money salePriceFloor = 10001;

std::array<Money, 5> drawSharePrices();
Money drawSalePrice();

enum class DealOutcome {
    Done,
    NotEnoughMoney,   // the price is above the cash
    OutOfRange,       // the new cash would pass the game's money range
    NoShareHeld,      // Sell pressed with no share to sell
};

struct DealResult {
    DealOutcome outcome = DealOutcome::Done;
    Money cash = 0;  // the new cash when Done
};

// Buying at the price shown with the player's cash; selling at a drawn sale price.
DealResult buyShare(Money price, Money cash);
DealResult sellShare(Money salePrice, Money cash);

QString dealRefusal(DealOutcome outcome, const QString &sign);
QString soldMessage(Money salePrice, const QString &sign);

}  // namespace office
