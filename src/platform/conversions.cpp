#include "platform/conversions.h"

#include <QRegularExpression>
#include <cfenv>
#include <cmath>
#include <limits>

namespace platform {

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

namespace {
const QRegularExpression &wholePattern()
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    return re;
}
const QRegularExpression &leadingPattern()
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)"));
    return re;
}
}  // namespace

std::optional<double> wholeNumber(const QString &text)
{
    if (text.size() > 400 || !wholePattern().match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return roundHalfEven(value) + 0.0;  // + 0.0 turns -0 into 0
}

double leadingNumber(const QString &text)
{
    const auto match = leadingPattern().match(text.left(400));
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const double value = match.captured(0).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    return roundHalfEven(value) + 0.0;
}

MoneyRead readMoney(const QString &text)
{
    const auto number = wholeNumber(text);
    if (!number)
        return {MoneyStatus::NotANumber, 0};
    if (*number < std::numeric_limits<Money>::min() || *number > std::numeric_limits<Money>::max())
        return {MoneyStatus::OutOfRange, 0};
    return {MoneyStatus::Ok, static_cast<Money>(*number)};
}

Money moneyOrZero(const QString &text) { return readMoney(text).value; }

std::optional<Money> checkedAdd(Money a, Money b)
{
    Money sum;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
}

std::optional<Money> checkedSub(Money a, Money b)
{
    Money difference;
    if (__builtin_sub_overflow(a, b, &difference))
        return std::nullopt;
    return difference;
}

Money heldMoney(double value, bool *held)
{
    constexpr double low = std::numeric_limits<Money>::min();
    constexpr double high = std::numeric_limits<Money>::max();
    bool clamped = false;
    Money result;
    if (std::isnan(value) || value < low) {
        clamped = true;
        result = std::numeric_limits<Money>::min();
    } else if (value > high) {
        clamped = true;
        result = std::numeric_limits<Money>::max();
    } else {
        result = static_cast<Money>(value);
    }
    if (held && clamped)
        *held = true;
    return result;
}

Money heldAdd(Money a, Money b, bool *held)
{
    return heldMoney(static_cast<double>(a) + static_cast<double>(b), held);
}

Money heldSub(Money a, Money b, bool *held)
{
    return heldMoney(static_cast<double>(a) - static_cast<double>(b), held);
}

}  // namespace platform
