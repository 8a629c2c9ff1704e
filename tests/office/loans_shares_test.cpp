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
    void loans_data()
    {
        QTest::addColumn<bool>("borrowing");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("newCash");
        QTest::addColumn<QString>("newDebt");
        QTest::newRow("borrow 2000") << true << "2000" << "You are borrowing £2000. You now have £2100" << "2100" << "2200";
        QTest::newRow("borrow 2001") << true << "2001" << " You are trying to borrow to much" << "100" << "200";
        QTest::newRow("borrow -500") << true << "-500" << "You cannot borrow an amount below 0. Please enter the amount you wish to borrow." << "100" << "200";
        QTest::newRow("pay back 300 of 100") << false << "300" << " You are trying to payback more than you have" << "100" << "200";
        QTest::newRow("pay back 50") << false << "50" << "You Have Paid Back £50. You now have £50" << "50" << "150";
        QTest::newRow("the hidden code") << true << "tarno" << "" << "20100" << "200";
    }
    void loans()
    {
        QFETCH(bool, borrowing);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QFETCH(QString, newCash);
        QFETCH(QString, newDebt);
        Office o("100", "200");
        o.w->Text10->setText(amount);
        if (!message.isEmpty())
            o.dialogs.expectMessage(message);
        (borrowing ? o.w->Command6 : o.w->Command7)->click();
        VERIFY_DIALOGS(o.dialogs);
        QCOMPARE(o.w->Text1->text(), newCash);
        QCOMPARE(o.w->Text2->text(), newDebt);
        const bool done = message.startsWith("You are b") || message.startsWith("You Have");
        QCOMPARE(o.w->Command6->isEnabled(), !done);  // one loan or repayment between two races
        QCOMPARE(o.saved(1, "cash.pdx"), (done ? newCash : "500") + "\r\n");
    }

    void buying_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::addColumn<int>("clicked");  // 0: none
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("newCash");
        QTest::addColumn<QString>("newShare");
        QTest::newRow("horse 5 at 15000") << "30000" << 5 << "" << "15000" << "Black Beauty";
        QTest::newRow("horse 1 with 10000") << "10000" << 1
            << " You don't have enough money to buy that horse, please try another, or wait till you have more money" << "10000" << "You Have No Shares";
        QTest::newRow("cash not a number") << "a lot" << 5
            << "Your cash is not an amount of money, so no deal can be made. Nothing has changed." << "a lot" << "You Have No Shares";
    }
    void buying()
    {
        QFETCH(QString, cash);
        QFETCH(int, clicked);
        QFETCH(QString, message);
        QFETCH(QString, newCash);
        QFETCH(QString, newShare);
        Office o(cash);
        checkPrices(o, {30000, 20000, 20000, 20000, 15000});
        for (int horse = 1; horse <= 5; ++horse) {
            QCOMPARE(o.w->saleOption(horse)->text(), defaultHorses[horse - 1]);
            QVERIFY(!o.w->saleOption(horse)->isHidden());
        }
        QCOMPARE(o.w->findChild<QLineEdit *>("Text9"), o.w->sharePriceField(5));
        o.w->saleOption(clicked)->click();
        QCOMPARE(o.w->horsecost_1->text(), clicked == 5 ? QStringLiteral("15000") : QStringLiteral("30000"));
        if (!message.isEmpty())
            o.dialogs.expectMessage(message);
        o.w->Command5_Click();
        VERIFY_DIALOGS(o.dialogs);
        QCOMPARE(o.w->Text1->text(), newCash);
        QCOMPARE(o.w->Label16->text(), newShare);
        QCOMPARE(o.w->Command8->isHidden(), !message.isEmpty());
        QCOMPARE(o.saved(1, "share.pdx"), newShare + "\r\n");
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
        QCOMPARE(o.saved(1, "cash.pdx"), QStringLiteral("9701\r\n"));
        o.dialogs.expectMessage("You have no horse shares to sell. Nothing has changed.");
        o.w->Command8_Click();
        VERIFY_DIALOGS(o.dialogs);
    }
};
PADDOX_TEST(LoansSharesTabTest)

#include "loans_shares_test.moc"
