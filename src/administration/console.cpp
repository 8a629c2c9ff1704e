#include "administration/console.h"

#include "platform/text_files.h"
#include "player/record_files.h"

namespace administration {

namespace {
const QString tooBig = QStringLiteral("ERROR! That amount is way too big! Please reduced it now!");

// One amount: nothing when it is a whole number of pounds the game can hold, else the refusal.
std::optional<QString> refusal(const platform::MoneyRead &read, const QString &what, const QString &text)
{
    switch (read.status) {
    case platform::MoneyStatus::Ok: return std::nullopt;
    case platform::MoneyStatus::OutOfRange: return tooBig;
    case platform::MoneyStatus::NotANumber: break;
    }
    return QStringLiteral("The %1 \"%2\" is not an amount of money. Type a whole number of pounds, "
                          "for example 1000 or -50.\n\nNothing has been changed.")
        .arg(what, text.left(40));
}

std::optional<QString> slotOneField(const QString &suffix)
{
    return platform::readLastLine(player::recordPath(1, suffix)).lastLine;
}
}  // namespace

bool passwordAccepted(const std::optional<QString> &typed) { return typed && *typed == QLatin1String("marwend"); }

SlotOneRecord readSlotOne()
{
    return {slotOneField(player::nameSuffix), slotOneField(QStringLiteral("cash.pdx")),
            slotOneField(QStringLiteral("debt.pdx"))};
}

AmountsCheck checkAmounts(const QString &cashText, const QString &debtText)
{
    const platform::MoneyRead cash = platform::readMoney(cashText);
    const platform::MoneyRead debt = platform::readMoney(debtText);
    AmountsCheck check;
    if (auto refused = refusal(cash, QStringLiteral("cash"), cashText))
        check.message = *refused;
    else if (auto refusedDebt = refusal(debt, QStringLiteral("debt"), debtText))
        check.message = *refusedDebt;
    else
        check = {true, cash.value, debt.value, QString()};
    return check;
}

QString writeSlotOneMoney(platform::Money cash, platform::Money debt)
{
    const std::pair<QString, platform::Money> files[] = {{QStringLiteral("cash.pdx"), cash},
                                                          {QStringLiteral("debt.pdx"), debt}};
    for (const auto &[suffix, amount] : files) {
        const QString path = player::recordPath(1, suffix);
        const platform::WriteResult written = platform::writeTextLine(path, platform::moneyText(amount));
        if (!written)
            return QStringLiteral("This file could not be written:\n%1\n(%2)").arg(path, written.error);
    }
    return QString();
}

}  // namespace administration
