#include "office/loans.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace office {

namespace {
QString largest(const QString &sign) { return sign + QString::number(std::numeric_limits<Money>::max()); }

// A loan moves the cash and the debt by the same amount; a result out of range changes neither.
LoanResult moveBoth(LoanResult result, Money amount, std::optional<Money> (*move)(Money, Money))
{
    result.amount = amount;
    const auto newCash = move(result.cash, amount);
    const auto newDebt = move(result.debt, amount);
    if (!newCash || !newDebt) {
        result.outcome = LoanOutcome::OutOfRange;
        return result;
    }
    result.cash = *newCash;
    result.debt = *newDebt;
    return result;
}
}  // namespace

std::optional<double> loanAmount(const QString &text)
{
    if (const auto amount = platform::wholeNumber(text))
        return amount;
    // Too many digits to read is still a number: more than any loan or repayment.
    static const QRegularExpression digits(QStringLiteral(R"(^\s*([+-]?)\d+\s*$)"));
    if (const auto match = digits.match(text); match.hasMatch())
        return match.captured(1) == QLatin1String("-") ? -HUGE_VAL : HUGE_VAL;
    return std::nullopt;
}

LoanResult borrow(Money cash, Money debt, std::optional<double> typed)
{
    LoanResult result{LoanOutcome::Done, cash, debt, 0};
    if (!typed) {
        result.outcome = LoanOutcome::NotANumber;
        return result;
    }
    const double amount = *typed;
    if (amount < 0) {
        result.outcome = LoanOutcome::Negative;
        return result;
    }
    if (amount > loanLimit) {
        result.outcome = LoanOutcome::TooMuch;
        return result;
    }
    return moveBoth(result, static_cast<Money>(amount), platform::checkedAdd);
}

LoanResult payBack(Money cash, Money debt, std::optional<double> typed)
{
    LoanResult result{LoanOutcome::Done, cash, debt, 0};
    if (!typed) {
        result.outcome = LoanOutcome::NotANumber;
        return result;
    }
    const double amount = *typed;
    if (amount < 0) {
        result.outcome = LoanOutcome::Negative;
        return result;
    }
    if (amount > cash) {
        result.outcome = LoanOutcome::MoreThanYouHave;
        return result;
    }
    if (amount > debt) {
        result.outcome = LoanOutcome::MoreThanYouOwe;
        return result;
    }
    return moveBoth(result, static_cast<Money>(amount), platform::checkedSub);
}

QString loanRefusal(LoanOutcome outcome, bool borrowing, const QString &sign)
{
    switch (outcome) {
    case LoanOutcome::Done: return QString();
    case LoanOutcome::Negative:
        return borrowing ? QStringLiteral("You cannot borrow an amount below 0. Please enter the amount you wish to borrow.")
                         : QStringLiteral("You cannot pay back an amount below 0. Please enter the amount you wish to pay back.");
    case LoanOutcome::TooMuch: return QStringLiteral(" You are trying to borrow to much");
    case LoanOutcome::MoreThanYouHave: return QStringLiteral(" You are trying to payback more than you have");
    case LoanOutcome::MoreThanYouOwe: return QStringLiteral(" You are trying to pay back more than you owe");
    case LoanOutcome::NotANumber:
        return borrowing ? QStringLiteral("Please enter the amount you wish to borrow as a number, for example 500.")
                         : QStringLiteral("Please enter the amount you wish to pay back as a number, for example 500.");
    case LoanOutcome::OutOfRange:
        return QStringLiteral("The bank cannot do that: your cash or debt would pass %1, the most this game can hold. "
                              "Nothing has changed.")
            .arg(largest(sign));
    }
    return QString();
}

QString borrowedMessage(const LoanResult &result, const QString &sign)
{
    return QStringLiteral("You are borrowing ") + sign + platform::moneyText(result.amount) +
           QStringLiteral(". You now have ") + sign + platform::moneyText(result.cash);
}

QString paidBackMessage(const LoanResult &result, const QString &sign)
{
    return QStringLiteral("You Have Paid Back ") + sign + platform::moneyText(result.amount) +
           QStringLiteral(". You now have ") + sign + platform::moneyText(result.cash);
}

std::optional<Money> loanCodeCash(Money cash) { return platform::checkedAdd(cash, loanCodeBonus); }

QString loanCodeRefusal(const QString &sign)
{
    return QStringLiteral("Your cash cannot grow past %1, the most this game can hold. Nothing has changed.")
        .arg(largest(sign));
}

}  // namespace office
