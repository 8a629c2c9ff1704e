#pragma once
// The bank of the Loans tab: borrowing, paying back and the hidden code of the
// loan amount field. Interest is charged after every race, not here.
#include "platform/conversions.h"

#include <QString>

namespace office {

using platform::Money;

inline constexpr Money loanLimit = 2000;      // the most one loan may be
inline constexpr Money loanCodeBonus = 20000; // what the hidden code adds to the cash
inline const QString loanCode = QStringLiteral("tarno");
inline const QString loanFieldText = QStringLiteral("Enter Amount");

enum class LoanOutcome {
    Done,
    Negative,         // an amount below 0
    TooMuch,          // a loan above the limit
    MoreThanYouHave,  // a repayment above the cash
    MoreThanYouOwe,   // a repayment above the debt
    OutOfRange,       // the new cash or debt would pass the largest amount the game holds
    NotANumber,       // the amount field holds no number
};

struct LoanResult {
    LoanOutcome outcome = LoanOutcome::Done;
    Money cash = 0;    // the new cash and debt when Done; unchanged otherwise
    Money debt = 0;
    Money amount = 0;  // the amount moved
};

// The amount typed into the loan field: the nearest whole number, keeping its
// size even past the game's money range (a row of digits too long to read counts
// as endless) so that it is refused, not wrapped; nothing when the text is not a
// number.
std::optional<double> loanAmount(const QString &text);

// A loan or a repayment of the amount read from the loan field; an amount that is
// no number is refused and changes nothing.
LoanResult borrow(Money cash, Money debt, std::optional<double> amount);
LoanResult payBack(Money cash, Money debt, std::optional<double> amount);

// The refusal message of an outcome other than Done (`sign` is the currency sign).
QString loanRefusal(LoanOutcome outcome, bool borrowing, const QString &sign);
QString borrowedMessage(const LoanResult &result, const QString &sign);
QString paidBackMessage(const LoanResult &result, const QString &sign);

// The hidden code: the cash with 20000 more, or nothing when that would pass the
// largest amount the game holds.
std::optional<Money> loanCodeCash(Money cash);
QString loanCodeRefusal(const QString &sign);

}  // namespace office
