// Loans and horse shares: the bank's and the auction's rules, and the Loans and
// Shares tabs of the betting office driven through their controls.
#include "office_fixture.h"

#include "office/loans.h"
#include "office/shares.h"
#include "player/sign_in_window.h"
#include "support/test_main.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>

#include <limits>

using testing::ScriptedDialogs;
using testing::ScriptedRandom;
using namespace officetest;

namespace {

constexpr int maxMoney = std::numeric_limits<int>::max();
const QString largest = QStringLiteral("£2147483647");

}  // namespace

Q_DECLARE_METATYPE(office::LoanOutcome)
Q_DECLARE_METATYPE(office::DealOutcome)

class LoanRulesTest : public QObject {
    Q_OBJECT
private slots:
    void loans_data()
    {
        using office::LoanOutcome;
        QTest::addColumn<bool>("borrowing");
        QTest::addColumn<int>("cash");
        QTest::addColumn<int>("debt");
        QTest::addColumn<double>("amount");
        QTest::addColumn<LoanOutcome>("outcome");
        QTest::addColumn<int>("newCash");
        QTest::addColumn<int>("newDebt");
        QTest::newRow("borrow 2001") << true << 100 << 0 << 2001.0 << LoanOutcome::TooMuch << 100 << 0;
        QTest::newRow("borrow -5") << true << 100 << 50 << -5.0 << LoanOutcome::Negative << 100 << 50;
        QTest::newRow("borrow far past the range") << true << 100 << 50 << 1e12 << LoanOutcome::TooMuch << 100 << 50;
        QTest::newRow("borrow past the largest cash")
            << true << maxMoney - 10 << 0 << 11.0 << LoanOutcome::OutOfRange << maxMoney - 10 << 0;
        QTest::newRow("borrow past the largest debt")
            << true << 0 << maxMoney << 1.0 << LoanOutcome::OutOfRange << 0 << maxMoney;
        QTest::newRow("borrow up to the largest cash")
            << true << maxMoney - 10 << 0 << 10.0 << LoanOutcome::Done << maxMoney << 10;
        QTest::newRow("pay back 300 of 200 cash")
            << false << 200 << 1000 << 300.0 << LoanOutcome::MoreThanYouHave << 200 << 1000;
        QTest::newRow("pay back 300 of 200 debt")
            << false << 1000 << 200 << 300.0 << LoanOutcome::MoreThanYouOwe << 1000 << 200;
        QTest::newRow("more than both: the cash is tested first")
            << false << 100 << 100 << 300.0 << LoanOutcome::MoreThanYouHave << 100 << 100;
        QTest::newRow("pay back the whole cash") << false << 200 << 1000 << 200.0 << LoanOutcome::Done << 0 << 800;
        QTest::newRow("pay back 0") << false << 200 << 1000 << 0.0 << LoanOutcome::Done << 200 << 1000;
        QTest::newRow("pay back with cash below 0")
            << false << -50 << 1000 << 0.0 << LoanOutcome::MoreThanYouHave << -50 << 1000;
        QTest::newRow("pay back a huge amount") << false << 200 << 1000 << 1e15 << LoanOutcome::MoreThanYouHave << 200
                                                << 1000;
    }
    void loans()
    {
        QFETCH(bool, borrowing);
        QFETCH(int, cash);
        QFETCH(int, debt);
        QFETCH(double, amount);
        QFETCH(office::LoanOutcome, outcome);
        QFETCH(int, newCash);
        QFETCH(int, newDebt);
        const office::LoanResult result = borrowing ? office::borrow(cash, debt, amount)
                                                    : office::payBack(cash, debt, amount);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.cash, newCash);
        QCOMPARE(result.debt, newDebt);
    }

    void loanAmounts()
    {
        QCOMPARE(office::loanAmount(QStringLiteral("Enter Amount")), 0.0);
        QCOMPARE(office::loanAmount(QString()), 0.0);
        QCOMPARE(office::loanAmount(QStringLiteral(" 2000 ")), 2000.0);
        QCOMPARE(office::loanAmount(QStringLiteral("76.5")), 76.0);
        QCOMPARE(office::loanAmount(QStringLiteral("-3")), -3.0);
        QCOMPARE(office::loanAmount(QStringLiteral("99999999999")), 99999999999.0);
        QCOMPARE(office::loanCodeCash(500).value_or(0), 20500);
        QCOMPARE(office::loanCodeCash(maxMoney - 20000).value_or(0), maxMoney);
        QVERIFY(!office::loanCodeCash(maxMoney - 19999));
    }
};
PADDOX_TEST(LoanRulesTest)

class ShareRulesTest : public QObject {
    Q_OBJECT
private slots:
    void sharePricesStayInTheirRanges()
    {
        std::array<int, 5> lowest{}, highest{};
        lowest.fill(maxMoney);
        for (int draw = 0; draw < 400; ++draw) {
            const std::array<int, 5> prices = office::drawSharePrices();
            for (int i = 0; i < 5; ++i) {
                lowest[i] = std::min(lowest[i], prices[i]);
                highest[i] = std::max(highest[i], prices[i]);
            }
        }
        const int floors[5] = {25000, 20000, 18000, 15000, 13000};
        const int tops[5] = {50000, 40000, 30000, 26000, 20000};
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(lowest[i] >= floors[i], qPrintable(QString::number(i + 1)));
            QVERIFY2(highest[i] <= tops[i], qPrintable(QString::number(i + 1)));
            // The whole range is used, not a corner of it.
            QVERIFY(highest[i] - lowest[i] > (tops[i] - floors[i]) * 8 / 10);
        }
    }

    void theWholeDrawIsRepeated()
    {
        ScriptedRandom random;
        // First draw: horse 5 too cheap, so all five are drawn again.
        random.pushDraw(50000, 50000);
        random.pushDraw(40000, 40000);
        random.pushDraw(30000, 30000);
        random.pushDraw(26000, 26000);
        random.pushDraw(12999, 20000);
        random.pushDraw(25000, 50000);
        random.pushDraw(20000, 40000);
        random.pushDraw(18000, 30000);
        random.pushDraw(15000, 26000);
        random.pushDraw(13000, 20000);
        QCOMPARE(office::drawSharePrices(), (std::array<int, 5>{25000, 20000, 18000, 15000, 13000}));
        QCOMPARE(random.remaining(), 0);

        random.pushDraw(10000, 25000);
        random.pushDraw(10001, 25000);
        QCOMPARE(office::drawSalePrice(), 10001);
        int lowest = maxMoney, highest = 0;
        for (int i = 0; i < 2000; ++i) {
            const int price = office::drawSalePrice();
            lowest = std::min(lowest, price);
            highest = std::max(highest, price);
        }
        QVERIFY(lowest >= 10001 && lowest < 10100);
        QVERIFY(highest <= 25000 && highest > 24900);
    }

    void deals_data()
    {
        using office::DealOutcome;
        QTest::addColumn<bool>("buying");
        QTest::addColumn<QString>("price");  // the price shown, or the sale price
        QTest::addColumn<QString>("cash");
        QTest::addColumn<DealOutcome>("outcome");
        QTest::addColumn<int>("newCash");
        QTest::newRow("buy above the cash") << true << "30001" << "30000" << DealOutcome::NotEnoughMoney << 0;
        QTest::newRow("buy at 0") << true << "0" << "30000" << DealOutcome::Done << 30000;
        QTest::newRow("price not a number") << true << "abc" << "30000" << DealOutcome::PriceNotANumber << 0;
        QTest::newRow("cash not a number") << true << "100" << "lots" << DealOutcome::CashNotANumber << 0;
        QTest::newRow("sell") << false << "12345" << "-500" << DealOutcome::Done << 11845;
        QTest::newRow("sell past the largest cash") << false << "25000" << QString::number(maxMoney - 100)
                                                    << DealOutcome::OutOfRange << 0;
        QTest::newRow("sell with cash not a number") << false << "25000" << "" << DealOutcome::CashNotANumber << 0;
    }
    void deals()
    {
        QFETCH(bool, buying);
        QFETCH(QString, price);
        QFETCH(QString, cash);
        QFETCH(office::DealOutcome, outcome);
        QFETCH(int, newCash);
        const office::DealResult result =
            buying ? office::buyShare(price, cash) : office::sellShare(price.toInt(), cash);
        QCOMPARE(result.outcome, outcome);
        if (outcome == office::DealOutcome::Done)
            QCOMPARE(result.cash, newCash);
    }
};
PADDOX_TEST(ShareRulesTest)

// The Loans tab of the betting office.
class LoansTabTest : public QObject {
    Q_OBJECT
private slots:
    void tabContents()
    {
        Installed installation;
        Form2 *window = signedInOffice();
        QCOMPARE(window->Command6->text(), QStringLiteral("&Borrow"));
        QCOMPARE(window->Command7->text(), QStringLiteral("&Pay Back To Bank"));
        QCOMPARE(window->Text10->text(), QStringLiteral("Enter Amount"));
        QCOMPARE(window->Label22->text(), QStringLiteral("Low Interest Rates at 25.5%"));
        QCOMPARE(window->Label50->text(), QStringLiteral("Loans Provided By:"));
        QCOMPARE(window->Label33->text(), QStringLiteral("Help?"));
        QCOMPARE(window->Label34->text(),
                 QStringLiteral("Here is where you can borrow money if you are short of cash. Simply enter the amount "
                                "you wish to borrow (you can only borrow upto 2,000 a time) then select 'Borrow'. If "
                                "you wish to pay some money back to the bank then enter the amount you wish to pay "
                                "back and select 'Pay Back To Bank'. Your account will then be debited or credited "
                                "with the amount selected."));
        QCOMPARE(window->findChild<QGroupBox *>(QStringLiteral("Frame_loans"))->title(),
                 QStringLiteral("Short Of Cash | Or Feeling Flush? Welcome To Loans"));
        QVERIFY(window->Command6->isEnabled());
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("Text10")), window->Text10);
        // Clicking the amount field clears it.
        window->show();
        window->SSTab1->setCurrentIndex(1);
        QTest::mouseClick(window->Text10, Qt::LeftButton);
        QCOMPARE(window->Text10->text(), QString());
    }

    void loansThroughTheTab_data()
    {
        QTest::addColumn<bool>("borrowing");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("debt");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("newCash");
        QTest::addColumn<QString>("newDebt");
        QTest::addColumn<bool>("done");
        const QString more = QStringLiteral(" You are trying to payback more than you have");
        const QString owe = QStringLiteral(" You are trying to pay back more than you owe");
        const QString past = "The bank cannot do that: your cash or debt would pass " + largest +
                             ", the most this game can hold. Nothing has changed.";
        QTest::newRow("borrow 2000") << true << "100" << "0" << "2000" << "You are borrowing £2000. You now have £2100"
                                     << "2100" << "2000" << true;
        QTest::newRow("borrow 2001") << true << "100" << "0" << "2001" << " You are trying to borrow to much" << "100" << "0" << false;
        QTest::newRow("borrow 0") << true << "100" << "0" << "0" << "You are borrowing £0. You now have £100" << "100" << "0" << true;
        QTest::newRow("untouched") << true << "100" << "0" << "Enter Amount" << "You are borrowing £0. You now have £100"
                                   << "100" << "0" << true;
        QTest::newRow("borrow -500") << true << "100" << "0" << "-500"
                                     << "You cannot borrow an amount below 0. Please enter the amount you wish to borrow."
                                     << "100" << "0" << false;
        const QString nearlyMax = QString::number(maxMoney - 1);
        QTest::newRow("past the largest") << true << nearlyMax << "0" << "2" << past << nearlyMax << "0" << false;
        QTest::newRow("pay back 300 of 200 cash") << false << "200" << "1000" << "300" << more << "200" << "1000" << false;
        QTest::newRow("pay back 300 owing 200") << false << "1000" << "200" << "300" << owe << "1000" << "200" << false;
        QTest::newRow("pay back the whole debt") << false << "1000" << "200" << "200"
                                                 << "You Have Paid Back £200. You now have £800" << "800" << "0" << true;
        QTest::newRow("pay back -100") << false << "1000" << "200" << "-100"
                                       << "You cannot pay back an amount below 0. Please enter the amount you wish to pay back."
                                       << "1000" << "200" << false;
    }
    void loansThroughTheTab()
    {
        QFETCH(bool, borrowing);
        QFETCH(QString, cash);
        QFETCH(QString, debt);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QFETCH(QString, newCash);
        QFETCH(QString, newDebt);
        QFETCH(bool, done);
        Installed installation;
        Form2 *window = signedInOffice(1, cash, debt);
        frmcontrol *signIn = app::window<frmcontrol>();
        signIn->txtcash->setText(cash);
        signIn->Txtdebt->setText(debt);
        window->Text10->setText(amount);
        ScriptedDialogs dialogs;
        dialogs.expectMessage(message);
        QTest::mouseClick(borrowing ? window->Command6 : window->Command7, Qt::LeftButton);
        VERIFY_DIALOGS(dialogs);
        const platform::Icon icon = !done             ? platform::Icon::Critical
                                    : borrowing       ? platform::Icon::None
                                                      : platform::Icon::Information;
        QCOMPARE(dialogs.messages().first().icon, icon);
        QCOMPARE(window->Text1->text(), newCash);
        QCOMPARE(window->Text2->text(), newDebt);
        QCOMPARE(signIn->txtcash->text(), newCash);
        QCOMPARE(signIn->Txtdebt->text(), newDebt);
        // One loan or repayment between two races: after either, Borrow waits for the race end.
        QCOMPARE(window->Command6->isEnabled(), !done);
        QVERIFY(window->Command7->isEnabled());
        QCOMPARE(saved(installation, 1, "cash.pdx"), done ? newCash + "\r\n" : "500\r\n");
        QCOMPARE(saved(installation, 1, "debt.pdx"), done ? newDebt + "\r\n" : "500\r\n");
    }

    void payBackAfterBorrowing()
    {
        Installed installation;
        Form2 *window = signedInOffice(1, "100", "0");
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("You are borrowing £1000. You now have £1100"));
        dialogs.expectMessage(QStringLiteral("You Have Paid Back £400. You now have £700"));
        window->Text10->setText(QStringLiteral("1000"));
        window->Command6_Click();
        QVERIFY(!window->Command6->isEnabled());
        window->Text10->setText(QStringLiteral("400"));
        window->Command7_Click();
        QCOMPARE(window->Text2->text(), QStringLiteral("600"));
        VERIFY_DIALOGS(dialogs);
    }

    void theHiddenCode_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("newCash");
        QTest::addColumn<QString>("message");
        QTest::newRow("adds 20000") << "500" << "20500" << QString();
        QTest::newRow("cash not a number counts as 0") << "x" << "20000" << QString();
        QTest::newRow("refused past the largest cash")
            << QString::number(maxMoney - 19999) << QString::number(maxMoney - 19999)
            << "Your cash cannot grow past " + largest + ", the most this game can hold. Nothing has changed.";
    }
    void theHiddenCode()
    {
        QFETCH(QString, cash);
        QFETCH(QString, newCash);
        QFETCH(QString, message);
        Installed installation;
        Form2 *window = signedInOffice(1, cash, "700");
        frmcontrol *signIn = app::window<frmcontrol>();
        signIn->txtcash->setText(cash);
        window->Text10->setText(QStringLiteral("tarno"));
        ScriptedDialogs dialogs;
        if (!message.isEmpty())
            dialogs.expectMessage(message);
        window->Command6_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(window->Text1->text(), newCash);
        QCOMPARE(signIn->txtcash->text(), newCash);
        QCOMPARE(window->Text2->text(), QStringLiteral("700"));
        QVERIFY(window->Command6->isEnabled());
        QCOMPARE(saved(installation, 1, "cash.pdx"), QStringLiteral("500\r\n"));  // nothing saved
        // "Tarno" is not the code: it is no number, so it borrows 0.
        window->Text10->setText(QStringLiteral("Tarno"));
        dialogs.expectAnyMessage();
        window->Command6_Click();
        QCOMPARE(window->Text1->text(), newCash);
        QVERIFY(!window->Command6->isEnabled());
    }
};
PADDOX_TEST(LoansTabTest)

// The Shares tab of the betting office.
class SharesTabTest : public QObject {
    Q_OBJECT
private:
    static void checkPrices(Form2 *window, ScriptedRandom &random, const std::array<int, 5> &prices)
    {
        const int tops[5] = {50000, 40000, 30000, 26000, 20000};
        for (int i = 0; i < 5; ++i)
            random.pushDraw(prices[i], tops[i]);
        window->Command4_Click();
    }

private slots:
    void stateAtLoad()
    {
        Installed installation;
        Form2 *window = signedInOffice();
        QCOMPARE(window->Command4->text(), QStringLiteral("&Check Share Prices"));
        QCOMPARE(window->Command5->text(), QStringLiteral("&Buy Selected Horse"));
        QCOMPARE(window->Command8->text(), QStringLiteral("&Sell Your Horse Shares At The Auction"));
        QCOMPARE(window->horsecost_1->text(), QStringLiteral("0"));
        QCOMPARE(window->Label45_0->text(), QStringLiteral("Cost"));
        QCOMPARE(window->Label45_1->text(), QStringLiteral("Horse Name"));
        QVERIFY(!window->Command4->isHidden());
        QVERIFY(window->Command5->isHidden());
        QVERIFY(window->Command8->isHidden());
        QVERIFY(window->horsecost_1->isHidden());
        for (int horse = 1; horse <= 5; ++horse) {
            QVERIFY(window->saleOption(horse)->isHidden());
            QVERIFY(window->sharePriceField(horse)->isHidden());
        }
        QCOMPARE(window->Label36->text(),
                 QStringLiteral("Select 'Check Share Prices' to display the horses that are for sale. Then click on "
                                "any of the horses to see how much they cost. The price of the horse will be shown at "
                                "the bottom of the screen. If you wish to buy any horse then select 'Buy' at the top "
                                "of the screen and if you have enough money the horse will be yours. If you wish to "
                                "sell your horse then simply select 'Sell' and you horse will be sold to the highest "
                                "bidder."));
        QCOMPARE(window->Label58->text(), QStringLiteral("Horse horse not doing to well, or you short of cash then "
                                                         "sell your horse, when the button below is active"));
        QCOMPARE(window->findChild<QGroupBox *>(QStringLiteral("Frame_shares"))->title(),
                 QStringLiteral("Your Horse Shares Information"));
        QCOMPARE(window->findChild<QGroupBox *>(QStringLiteral("Frame_auction"))->title(),
                 QStringLiteral("Horse Auction"));
        QCOMPARE(window->findChild<QRadioButton *>(QStringLiteral("Option8")), window->Option8);
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("Text9")), window->Text9);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label53")), window->Label53);
    }

    void checkingPricesShowsTheSale_data()
    {
        QTest::addColumn<QString>("share");
        QTest::addColumn<bool>("sellShown");
        QTest::newRow("no share") << player::noShares << false;
        QTest::newRow("a share") << "Mr Ed" << true;
    }
    void checkingPricesShowsTheSale()
    {
        QFETCH(QString, share);
        QFETCH(bool, sellShown);
        Installed installation;
        Form2 *window = signedInOffice(1, "500", "500", share);
        ScriptedRandom random;
        checkPrices(window, random, {25000, 40000, 18001, 26000, 13000});
        const QStringList prices = {"25000", "40000", "18001", "26000", "13000"};
        for (int horse = 1; horse <= 5; ++horse) {
            QCOMPARE(window->sharePriceField(horse)->text(), prices[horse - 1]);
            QCOMPARE(window->sharePriceLabel(horse)->text(), prices[horse - 1]);
            QCOMPARE(window->saleOption(horse)->text(), defaultHorses[horse - 1]);
            QVERIFY(!window->saleOption(horse)->isHidden());
            QVERIFY(!window->sharePriceLabel(horse)->isHidden());
        }
        QVERIFY(!window->Command5->isHidden());
        QVERIFY(!window->horsecost_1->isHidden());
        QVERIFY(!window->Label17_0->isHidden());
        QCOMPARE(window->Command8->isHidden(), !sellShown);
        // The price shown follows the horse clicked, and only that.
        QCOMPARE(window->horsecost_1->text(), QStringLiteral("0"));
        window->show();
        window->SSTab1->setCurrentIndex(2);
        QTest::mouseClick(window->Option8, Qt::LeftButton, {}, QPoint(8, window->Option8->height() / 2));
        QCOMPARE(window->horsecost_1->text(), QStringLiteral("18001"));
        checkPrices(window, random, {30000, 30000, 30000, 20000, 20000});
        QCOMPARE(window->horsecost_1->text(), QStringLiteral("18001"));
    }

    void buying_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::addColumn<int>("clicked");  // the horse clicked in the sale list, 0 for none
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("newCash");
        QTest::addColumn<QString>("newShare");
        QTest::newRow("horse 5 at 15000 with 30000") << "30000" << 5 << QString() << "15000" << "Black Beauty";
        QTest::newRow("price equal to the cash") << "15000" << 5 << QString() << "0" << "Black Beauty";
        QTest::newRow("horse 1 with 10000")
            << "10000" << 1
            << " You don't have enough money to buy that horse, please try another, or wait till you have more money"
            << "10000" << player::noShares;
        QTest::newRow("nothing clicked: price 0, no horse") << "10000" << 0 << QString() << "10000" << player::noShares;
        QTest::newRow("cash not a number")
            << "a lot" << 5 << "Your cash is not an amount of money, so no deal can be made. Nothing has changed."
            << "a lot" << player::noShares;
    }
    void buying()
    {
        QFETCH(QString, cash);
        QFETCH(int, clicked);
        QFETCH(QString, message);
        QFETCH(QString, newCash);
        QFETCH(QString, newShare);
        Installed installation;
        Form2 *window = signedInOffice(1, cash, "500");
        window->Label57->setText(player::noShares);
        frmcontrol *signIn = app::window<frmcontrol>();
        signIn->txtcash->setText(cash);
        ScriptedRandom random;
        checkPrices(window, random, {30000, 20000, 20000, 20000, 15000});
        if (clicked) {
            window->saleOption(clicked)->setChecked(true);
            window->saleHorseClicked(clicked);
        }
        ScriptedDialogs dialogs;
        if (!message.isEmpty())
            dialogs.expectMessage(message);
        window->Command5_Click();
        VERIFY_DIALOGS(dialogs);
        const bool bought = message.isEmpty();
        QCOMPARE(window->Text1->text(), newCash);
        QCOMPARE(signIn->txtcash->text(), newCash);
        QCOMPARE(window->Label16->text(), newShare);
        QCOMPARE(window->Label57->text(), newShare);
        for (int horse = 1; horse <= 5; ++horse) {
            QCOMPARE(window->saleOption(horse)->isHidden(), bought);
            QCOMPARE(window->sharePriceLabel(horse)->isHidden(), bought);  // no prices without names
        }
        QCOMPARE(window->Command5->isHidden(), bought);
        QCOMPARE(window->horsecost_1->isHidden(), bought);
        QCOMPARE(window->Label17_0->isHidden(), bought);
        QCOMPARE(window->Command8->isHidden(), !bought);
        QCOMPARE(saved(installation, 1, "cash.pdx"), bought ? newCash + "\r\n" : "500\r\n");
        QCOMPARE(saved(installation, 1, "share.pdx"), newShare + "\r\n");
    }

    void aPriceThatIsNoNumberBuysNothing()
    {
        Installed installation;
        Form2 *window = signedInOffice(1, "30000", "500");
        ScriptedRandom random;
        checkPrices(window, random, {30000, 20000, 20000, 20000, 15000});
        window->Option6->setChecked(true);
        window->horsecost_1->setText(QStringLiteral("lots"));
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("The price shown is not an amount of money. Please select 'Check Share "
                                             "Prices' and click on a horse again. Nothing has changed."));
        window->Command5_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(window->Text1->text(), QStringLiteral("30000"));
        QCOMPARE(window->Label16->text(), player::noShares);
        QVERIFY(!window->Command5->isHidden());
    }

    void selling()
    {
        Installed installation;
        Form2 *window = signedInOffice(1, "-300", "500", "Mr Ed");
        window->Label57->setText(QStringLiteral("Mr Ed"));
        ScriptedRandom random;
        checkPrices(window, random, {30000, 20000, 20000, 20000, 15000});
        QVERIFY(!window->Command8->isHidden());
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("Your Horse As Been Sold For £10001"));
        random.pushDraw(10000, 25000);  // 10000 is too little: drawn again
        random.pushDraw(10001, 25000);
        QTest::mouseClick(window->Command8, Qt::LeftButton);
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(window->Text1->text(), QStringLiteral("9701"));
        QCOMPARE(window->Label16->text(), player::noShares);
        QCOMPARE(window->Label57->text(), QStringLiteral("Mr Ed"));  // left as it was
        QVERIFY(window->Command8->isHidden());
        QCOMPARE(saved(installation, 1, "cash.pdx"), QStringLiteral("9701\r\n"));
        QCOMPARE(saved(installation, 1, "share.pdx"), player::noShares + "\r\n");
        // The next check of the prices offers no sale.
        checkPrices(window, random, {30000, 20000, 20000, 20000, 15000});
        QVERIFY(window->Command8->isHidden());
    }

    // A Buy with no horse selected costs nothing and shows the auction, but there is no share to sell.
    void nothingToSellAfterBuyingNothing()
    {
        Installed installation;
        Form2 *window = signedInOffice(1, "700", "500");
        ScriptedRandom random;
        checkPrices(window, random, {30000, 20000, 20000, 20000, 15000});
        window->Command5_Click();
        QVERIFY(!window->Command8->isHidden());
        QCOMPARE(window->Label16->text(), player::noShares);
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("You have no horse shares to sell. Nothing has changed."));
        const int drawsBefore = random.used();
        QTest::mouseClick(window->Command8, Qt::LeftButton);
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(random.used(), drawsBefore);
        QCOMPARE(window->Text1->text(), QStringLiteral("700"));
        QCOMPARE(window->Label16->text(), player::noShares);
        QVERIFY(window->Command8->isHidden());
        QCOMPARE(saved(installation, 1, "cash.pdx"), QStringLiteral("700\r\n"));  // the purchase at 0 saved it
    }

    void sellingPastTheLargestCashIsRefused()
    {
        Installed installation;
        Form2 *window = signedInOffice(1, QString::number(maxMoney - 5000), "500", "Mr Ed");
        ScriptedRandom random;
        ScriptedDialogs dialogs;
        dialogs.expectMessage("Your cash cannot pass " + largest + ", the most this game can hold. Nothing has changed.");
        random.pushDraw(20000, 25000);
        window->Command8_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(window->Text1->text(), QString::number(maxMoney - 5000));
        QCOMPARE(window->Label16->text(), QStringLiteral("Mr Ed"));
    }
};
PADDOX_TEST(SharesTabTest)

#include "loans_shares_test.moc"
