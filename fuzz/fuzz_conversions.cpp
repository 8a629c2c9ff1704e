// The number conversions and the rules that read typed or stored amounts: the stake
// checks, the loan amount, money read from a record file, a caption as money.
// The input is a text; a zero byte splits it into a typed text and a cash text.
#include "office/loans.h"
#include "office/office_files.h"
#include "office/race_card.h"
#include "platform/conversions.h"
#include "race/settlement.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {
void promise(bool kept)
{
    if (!kept)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype split = bytes.indexOf('\0');
    const QString typed = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString cash = split < 0 ? QStringLiteral("500") : QString::fromUtf8(bytes.mid(split + 1));

    const qsizetype length = platform::numberLength(typed);
    promise(length >= 0 && length <= typed.size());
    const std::optional<double> whole = platform::wholeNumber(typed);
    promise(!whole || (platform::isNumberText(typed) && *whole == std::round(*whole) && std::isfinite(*whole)));
    promise(std::isfinite(platform::leadingNumber(typed)));

    const platform::MoneyRead money = platform::readMoney(typed);
    if (money.ok())
        promise(platform::readMoney(platform::moneyText(money.value)).value == money.value);
    else
        promise(money.value == 0);

    const office::StakeCheck stake = office::checkStake(typed, cash);
    if (stake.outcome == office::StakeOutcome::Accepted)
        promise(stake.stake >= 1 && stake.stake <= 800 && stake.stake < platform::moneyOrZero(cash));
    promise(!std::isnan(office::typedAmount(typed)));
    office::checkWizardStake(typed);
    office::numericallyOne(typed);

    const std::optional<double> amount = office::loanAmount(typed);
    const platform::Money held = platform::moneyOrZero(cash);
    for (const office::LoanResult &loan : {office::borrow(held, held, amount), office::payBack(held, held, amount)}) {
        if (loan.outcome == office::LoanOutcome::Done)
            promise(static_cast<long long>(loan.cash) - held == static_cast<long long>(loan.debt) - held);
    }
    bool limited = false;
    race::captionMoney(typed, &limited);
    return 0;
}
