// The session's bank and auction: borrowing and paying back, and buying and selling a share.
#include "game/session.h"

#include "office/loans.h"
#include "office/shares.h"

namespace game {

using platform::Icon;

// ---- the bank: one loan or repayment between two races ----

Reply Session::borrow(const QString &amountText)
{
    if (Reply refusal = refusedDuringRace(QStringLiteral("borrow")); !refusal.isEmpty())
        return refusal;
    if (amountText == office::loanCode) {
        const auto cash = office::loanCodeCash(record_.cash);
        if (!cash)
            return Reply::message(office::loanCodeRefusal(sign()), Icon::Critical);
        setMoney(*cash, record_.debt);
        return Reply();
    }
    const office::LoanResult loan = office::borrow(record_.cash, record_.debt, office::loanAmount(amountText));
    if (loan.outcome != office::LoanOutcome::Done)
        return Reply::message(office::loanRefusal(loan.outcome, true, sign()), Icon::Critical);
    Reply reply = Reply::message(office::borrowedMessage(loan, sign()));
    reply.then([this, loan] {
        setMoney(loan.cash, loan.debt);
        mayBorrow_ = false;
        emit bankChanged();
    });
    reply.thenTell([this] { return saveQuietly(); });
    return reply;
}

Reply Session::payBack(const QString &amountText)
{
    if (Reply refusal = refusedDuringRace(QStringLiteral("pay back")); !refusal.isEmpty())
        return refusal;
    const office::LoanResult repayment = office::payBack(record_.cash, record_.debt, office::loanAmount(amountText));
    if (repayment.outcome != office::LoanOutcome::Done)
        return Reply::message(office::loanRefusal(repayment.outcome, false, sign()), Icon::Critical);
    Reply reply = Reply::message(office::paidBackMessage(repayment, sign()), Icon::Information);
    reply.then([this, repayment] {
        setMoney(repayment.cash, repayment.debt);
        mayBorrow_ = false;
        emit bankChanged();
    });
    reply.thenTell([this] { return saveQuietly(); });
    reply.thenTell([this] { return tellWhenStuck(); });
    return reply;
}

// ---- the auction ----

void Session::checkSharePrices()
{
    const std::array<Money, 5> prices = office::drawSharePrices();
    std::copy(prices.begin(), prices.end(), auction_.prices.begin());
    auction_.pricesDrawn = true;
    // The price shown is always the price of the horse still chosen in the list.
    if (auction_.choice)
        auction_.shownPrice = auction_.prices[auction_.choice - 1];
    auction_.listShown = true;
    if (record_.ownsHorse())
        auction_.sellShown = true;
    emit auctionChanged();
}

void Session::chooseSaleHorse(int horse)
{
    if (horse < 1 || horse > horseCount || !auction_.pricesDrawn)
        return;
    auction_.choice = horse;
    auction_.shownPrice = auction_.prices[horse - 1];
    emit auctionChanged();
}

Reply Session::buyShare()
{
    if (Reply refusal = refusedDuringRace(QStringLiteral("buy a share")); !refusal.isEmpty())
        return refusal;
    const office::DealResult deal = office::buyShare(auction_.shownPrice, record_.cash);
    if (deal.outcome != office::DealOutcome::Done) {
        const Icon icon = deal.outcome == office::DealOutcome::NotEnoughMoney ? Icon::None : Icon::Critical;
        return Reply::message(office::dealRefusal(deal.outcome, sign()), icon);
    }
    if (auction_.choice)
        record_.share = record_.horses[auction_.choice - 1];
    setMoney(deal.cash, record_.debt);
    // The sale is over: its prices go with the horses' names.
    auction_.listShown = false;
    auction_.sellShown = true;
    emit auctionChanged();
    return saveQuietly();
}

Reply Session::sellShare()
{
    if (Reply refusal = refusedDuringRace(QStringLiteral("sell your share")); !refusal.isEmpty())
        return refusal;
    // A Buy with no horse chosen shows the auction without a share to sell: there is nothing to sell.
    if (!record_.ownsHorse()) {
        Reply reply = Reply::message(office::dealRefusal(office::DealOutcome::NoShareHeld, sign()), Icon::Information);
        reply.then([this] {
            auction_.sellShown = false;
            emit auctionChanged();
        });
        return reply;
    }
    const Money salePrice = office::drawSalePrice();
    const office::DealResult sale = office::sellShare(salePrice, record_.cash);
    if (sale.outcome != office::DealOutcome::Done)
        return Reply::message(office::dealRefusal(sale.outcome, sign()), Icon::Critical);
    Reply reply = Reply::message(office::soldMessage(salePrice, sign()));
    reply.then([this, sale] {
        record_.share = player::noShares;
        setMoney(sale.cash, record_.debt);
    });
    reply.thenTell([this] { return saveQuietly(); });
    reply.then([this] {
        auction_.sellShown = false;
        emit auctionChanged();
    });
    return reply;
}

}  // namespace game
