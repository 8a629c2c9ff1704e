#pragma once
// Reading numbers the player typed or a file holds, and money arithmetic that
// never wraps. Money is whole pounds in a signed 32-bit integer.
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

// To the nearest whole number, an exact half to the even neighbour (127.5 -> 128, 76.5 -> 76).
double roundHalfEven(double value);

// The length of the decimal number at the start of the text: a sign, digits with or
// without a decimal point (or a point and digits), and an exponent ("1e5"); 0 when
// the text does not start with one. Runs in time linear in the text's length.
qsizetype numberLength(QStringView text);
// The whole text is such a number, with blanks around it allowed.
bool isNumberText(QStringView text);

// The whole text (blanks around it allowed) is a decimal number: that number,
// rounded half to even. Anything else, an empty text among it: nothing.
std::optional<double> wholeNumber(const QString &text);
// The leading numeric part of the text (after leading blanks), rounded half to
// even; 0 when the text does not start with a number.
double leadingNumber(const QString &text);

using Money = std::int32_t;

enum class MoneyStatus { Ok, NotANumber, OutOfRange };
struct MoneyRead {
    MoneyStatus status = MoneyStatus::NotANumber;
    Money value = 0;  // 0 unless status is Ok
    bool ok() const { return status == MoneyStatus::Ok; }
};

// A money text as whole pounds: wholeNumber, then the 32-bit range.
MoneyRead readMoney(const QString &text);
// The same, counting what is not a number, or out of range, as 0.
Money moneyOrZero(const QString &text);

// Sums that leave the 32-bit range give nothing.
std::optional<Money> checkedAdd(Money a, Money b);
std::optional<Money> checkedSub(Money a, Money b);

// Sums that must happen hold at the nearest limit; *held is set when they did.
Money heldAdd(Money a, Money b, bool *held = nullptr);
Money heldSub(Money a, Money b, bool *held = nullptr);
// A whole-number result of a computation held at the limits.
Money heldMoney(double value, bool *held = nullptr);

// Money as the game shows and stores it: plain digits, a minus sign when negative.
inline QString moneyText(Money value) { return QString::number(value); }

}  // namespace platform
