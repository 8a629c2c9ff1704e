// The Loans and Shares tabs wired to the bank's and the auction's rules.
#include "office_fixture.h"

#include <QPushButton>

using namespace officetest;

class LoansSharesTabTest : public QObject {
    Q_OBJECT
private:
    static void checkPrices(Office &o, const std::array<int, 5> &prices)
    {
        const int tops[5] = {50000, 40000, 30000, 26000, 20000};
        for (int i = 0; i < 5; ++i)
            o.random.pushDraw(prices[i], tops[i]);
        o.w->Command4_Click();
    }

private slots:
    void loans()
    {
        const struct { bool borrowing; const char *amount; QString message, newCash, newDebt; } rows[] = {
            {true, "2000", "You are borrowing £2000. You now have £2100", "2100", "2200"},
            {true, "2001", " You are trying to borrow to much", "100", "200"},
            {true, "-500", "You cannot borrow an amount below 0. Please enter the amount you wish to borrow.", "100", "200"},
            {false, "300", " You are trying to payback more than you have", "100", "200"},
            {false, "50", "You Have Paid Back £50. You now have £50", "50", "150"},
            {true, "tarno", "", "20100", "200"},
            {true, "Enter Amount", "Please enter the amount you wish to borrow as a number, for example 500.", "100", "200"},
            {false, "", "Please enter the amount you wish to pay back as a number, for example 500.", "100", "200"}};
        for (const auto &row : rows) {
            Office o("100", "200");
            o.w->Text10->setText(row.amount);
            if (!row.message.isEmpty())
                o.dialogs.expectMessage(row.message);
            (row.borrowing ? o.w->Command6 : o.w->Command7)->click();
            VERIFY_DIALOGS(o.dialogs);
            QCOMPARE(o.w->Text1->text(), row.newCash);
            QCOMPARE(o.w->Text2->text(), row.newDebt);
            const bool done = row.message.startsWith("You are b") || row.message.startsWith("You Have");
            QCOMPARE(o.w->Command6->isEnabled(), !done);  // one loan or repayment between two races
            QCOMPARE(o.saved(1, "cash.pdx"), (done ? row.newCash : "500") + "\r\n");
        }
    }

    void buying()
    {
        const QString none = "You Have No Shares";
        const struct { QString cash; int clicked; QString message, newCash, newShare; } rows[] = {
            {"30000", 5, "", "16000", "Black Beauty"},
            {"10000", 1, " You don't have enough money to buy that horse, please try another, or wait till you have more money", "10000", none},
            {"a lot", 5, "Your cash is not an amount of money, so no deal can be made. Nothing has changed.", "a lot", none}};
        for (const auto &[cash, clicked, message, newCash, newShare] : rows) {
            Office o(cash);
            checkPrices(o, {30000, 20000, 20000, 20000, 15000});
            for (int horse = 1; horse <= 5; ++horse) {
                QCOMPARE(o.w->saleOption(horse)->text(), defaultHorses[horse - 1]);
                QVERIFY(!o.w->saleOption(horse)->isHidden());
            }
            QCOMPARE(o.w->findChild<QLineEdit *>("Text9"), o.w->sharePriceField(5));
            o.w->saleOption(clicked)->click();
            QCOMPARE(o.w->horsecost_1->text(), clicked == 5 ? QStringLiteral("15000") : QStringLiteral("30000"));
            checkPrices(o, {30000, 20000, 20000, 20000, 14000});  // a new draw: the price shown follows it
            QCOMPARE(o.w->horsecost_1->text(), clicked == 5 ? QStringLiteral("14000") : QStringLiteral("30000"));
            if (!message.isEmpty())
                o.dialogs.expectMessage(message);
            o.w->Command5_Click();
            VERIFY_DIALOGS(o.dialogs);
            QCOMPARE(o.w->Text1->text(), newCash);
            QCOMPARE(o.w->Label16->text(), newShare);
            QCOMPARE(o.w->Command8->isHidden(), !message.isEmpty());
            QCOMPARE(o.saved(1, "share.pdx"), newShare + "\r\n");
        }
    }

    void selling()
    {
        Office o("-300", "500", "Mr Ed");
        checkPrices(o, {30000, 20000, 20000, 20000, 15000});
        QVERIFY(!o.w->Command8->isHidden());
        o.dialogs.expectMessage("Your Horse As Been Sold For £10001");
        o.random.pushDraw(10001, 25000);
        o.w->Command8->click();
        VERIFY_DIALOGS(o.dialogs);
        QCOMPARE(o.w->Text1->text(), QStringLiteral("9701"));
        QCOMPARE(o.w->Label16->text(), QStringLiteral("You Have No Shares"));
        QCOMPARE(o.w->Label57->text(), QStringLiteral("You Have No Shares"));
        QCOMPARE(o.saved(1, "cash.pdx"), QStringLiteral("9701\r\n"));
        o.dialogs.expectMessage("You have no horse shares to sell. Nothing has changed.");
        o.w->Command8_Click();
        VERIFY_DIALOGS(o.dialogs);
    }
};
PADDOX_TEST(LoansSharesTabTest)

#include "loans_shares_test.moc"
