#include "platform/conversions.h"

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
// Digits are the ASCII ones: those are what a number line and the stake lists hold.
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}
qsizetype skipBlanks(QStringView text, qsizetype at)
{
    while (at < text.size() && text[at].isSpace())
        ++at;
    return at;
}
bool isSign(QStringView text, qsizetype at)
{
    return at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-'));
}
// A text of at most this many characters is read as a number; longer ones are not numbers.
constexpr qsizetype longestNumber = 400;

std::optional<double> numberValue(QStringView digits)
{
    bool ok = false;
    const double value = digits.toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return roundHalfEven(value) + 0.0;  // + 0.0 turns -0 into 0
}
}  // namespace

qsizetype numberLength(QStringView text)
{
    qsizetype at = isSign(text, 0) ? 1 : 0;
    const qsizetype whole = at;
    at = skipDigits(text, at);
    bool digits = at > whole;
    if (at < text.size() && text[at] == QLatin1Char('.')) {
        const qsizetype fraction = ++at;
        at = skipDigits(text, at);
        digits = digits || at > fraction;
    }
    if (!digits)
        return 0;
    if (at < text.size() && (text[at] == QLatin1Char('e') || text[at] == QLatin1Char('E'))) {
        const qsizetype power = isSign(text, at + 1) ? at + 2 : at + 1;
        const qsizetype end = skipDigits(text, power);
        if (end > power)
            at = end;
    }
    return at;
}

bool isNumberText(QStringView text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberLength(text.mid(start));
    return length > 0 && skipBlanks(text, start + length) == text.size();
}

std::optional<double> wholeNumber(const QString &text)
{
    if (text.size() > longestNumber || !isNumberText(text))
        return std::nullopt;
    const QStringView view(text);
    const qsizetype start = skipBlanks(view, 0);
    return numberValue(view.mid(start, numberLength(view.mid(start))));
}

double leadingNumber(const QString &text)
{
    const QStringView view = QStringView(text).left(longestNumber);
    const qsizetype start = skipBlanks(view, 0);
    return numberValue(view.mid(start, numberLength(view.mid(start)))).value_or(0);
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
