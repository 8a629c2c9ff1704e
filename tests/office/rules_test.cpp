// The office's rules as plain functions: the race card, the stake checks, the office files,
// the bank and the horse auction.
#include "office/loans.h"
#include "office/office_files.h"
#include "office/race_card.h"
#include "office/shares.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QTest>
#include <limits>

using namespace office;
Q_DECLARE_METATYPE(StakeOutcome)
Q_DECLARE_METATYPE(LoanOutcome)
Q_DECLARE_METATYPE(DealOutcome)

namespace {
constexpr int maxMoney = std::numeric_limits<int>::max();
}

class OfficeRulesTest : public QObject {
    Q_OBJECT
private slots:
    void countries()
    {
        const char *rows[][2] = {{"United Kingdom", "£"}, {"N Ireland", "£"}, {"France", "€"}, {"Portgual", "€"},
                                 {"Eire", "$"}, {"United States Of America", "$"}, {"Australlia", "$"}, {"S Koera", "$"}};
        for (const auto &row : rows)
            QCOMPARE(currencySignFor(QString::fromUtf8(row[0])).value_or("none"), QString::fromUtf8(row[1]));
        for (const char *unknown : {"eire", " Eire", "Portugal", "", "Select Country"})
            QVERIFY2(!currencySignFor(QString::fromUtf8(unknown)), unknown);
        QCOMPARE(defaultCurrencySign(), QStringLiteral("£"));
    }

    void drawsAtTheirEdges()
    {
        testing::ScriptedRandom random;
        const double top = 0.99999994;  // the largest single-precision value below 1
        for (double rnd : {0.0, 0.0, 0.0, 0.0, 0.0, top, top, top, top, top, 0.49, 0.5, 0.75, 0.0, top})
            random.push(rnd);
        QCOMPARE(drawOdds(), (std::array<int, 5>{1, 1, 1, 1, 1}));
        QCOMPARE(drawOdds(), (std::array<int, 5>{15, 25, 45, 75, 100}));
        const QStringList inOrder = {"Dusty Calloway", "Hank Marlowe", "Slim Tolliver", "Jed Harrow", "Amos Fairweather"};
        const QStringList from2 = {"Amos Fairweather", "Dusty Calloway", "Hank Marlowe", "Slim Tolliver", "Jed Harrow"};
        const QStringList from3 = {"Jed Harrow", "Amos Fairweather", "Dusty Calloway", "Hank Marlowe", "Slim Tolliver"};
        for (const QStringList &expected : {inOrder, from2, from3}) {
            const auto dealt = dealJockeys(drawJockeyRotation());
            QCOMPARE(QStringList(dealt.begin(), dealt.end()), expected);
        }
        QCOMPARE(drawTipHorse(), 1);
        QCOMPARE(drawTipHorse(), 5);
        QCOMPARE(tipText("Mr Ed"), QStringLiteral("Scorhers Predicts That Mr Ed Will Win This Race"));
    }

    void stakeChecks_data()
    {
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<StakeOutcome>("outcome");
        QTest::addColumn<QString>("message");
        const QString over = " The bet is over £800 ", poor = "you dont have enough cash, please try again",
                      none = "Please enter the amount you wish to bet";
        const auto ok = [](const char *n) { return QStringLiteral("You are placing £%1 on this next race").arg(n); };
        QTest::newRow("800 with 1000") << "800" << "1000" << StakeOutcome::Accepted << ok("800");
        QTest::newRow("801 with 1000") << "801" << "1000" << StakeOutcome::OverLimit << over;
        QTest::newRow("800 with 800") << "800" << "800" << StakeOutcome::NotEnoughCash << poor;
        QTest::newRow("0") << "0" << "500" << StakeOutcome::NoStake << none;
        QTest::newRow("prompt text") << "Enter Your Stake......" << "500" << StakeOutcome::NoStake << none;
        QTest::newRow("over 800 comes first") << "900" << "100" << StakeOutcome::OverLimit << over;
        QTest::newRow("cash before the lower bound") << "0" << "0" << StakeOutcome::NotEnoughCash << poor;
        QTest::newRow("half to even down") << "76.5" << "500" << StakeOutcome::Accepted << ok("76");
        QTest::newRow("half to even up") << "127.5" << "500" << StakeOutcome::Accepted << ok("128");
        QTest::newRow("800.6 rounds to 801") << "800.6" << "1000" << StakeOutcome::OverLimit << over;
        QTest::newRow("2^32 + 50") << "4294967346" << "1000" << StakeOutcome::OverLimit << over;
        QTest::newRow("1e400") << "1e400" << "500" << StakeOutcome::OverLimit << over;
        QTest::newRow("huge negative") << "-99999999999" << "500" << StakeOutcome::NoStake << none;
        QTest::newRow("blanks around") << " 50 " << "500" << StakeOutcome::Accepted << ok("50");
        QTest::newRow("letters and digits") << "50abc" << "500" << StakeOutcome::NoStake << none;
        QTest::newRow("cash not a number") << "50" << "lots" << StakeOutcome::NotEnoughCash << poor;
        QTest::newRow("cash past 32 bits") << "50" << "99999999999" << StakeOutcome::NotEnoughCash << poor;
    }
    void stakeChecks()
    {
        QFETCH(QString, stake);
        QFETCH(QString, cash);
        QFETCH(StakeOutcome, outcome);
        QFETCH(QString, message);
        const StakeCheck check = checkStake(stake, cash);
        QCOMPARE(check.outcome, outcome);
        QCOMPARE(stakeMessage(check, "£"), message);
        QCOMPARE(stakeMessage({StakeOutcome::OverLimit, 0}, "€"), QStringLiteral(" The bet is over €800 "));
    }

    void wizardPicker()
    {
        const QString choose = "Please Select A Stake", less = "Please enter a stake less than 800";
        const struct { const char *text; WizardStake outcome; } rows[] = {
            {"Select Your Stake", WizardStake::NotChosen}, {"fifty", WizardStake::NotChosen}, {"", WizardStake::NotChosen},
            {"801", WizardStake::TooLarge}, {"801.0", WizardStake::TooLarge}, {"99999999999", WizardStake::TooLarge},
            {"800", WizardStake::Accepted}, {"800.6", WizardStake::Accepted}, {"-5", WizardStake::Accepted}};
        for (const auto &row : rows)
            QCOMPARE(checkWizardStake(row.text), row.outcome);
        QCOMPARE(wizardStakeMessage(WizardStake::NotChosen), choose);
        QCOMPARE(wizardStakeMessage(WizardStake::TooLarge), less);
        QCOMPARE(oddsValue("45"), 45);
        QCOMPARE(oddsValue("n/a"), 0);
    }

    void officeFiles()
    {
        const struct { const char *bytes; bool wizardTitle; int tabSetting; } rows[] = {
            {nullptr, true, 1}, {"1\r\n", true, 0}, {" 1 \r\n", true, 0}, {"0\r\n", false, 1}, {"", false, 1},
            {"1\r\n0\r\n", false, 1}, {"0\r\n 1 \r\n", true, 0}, {" 2 \r\n", false, 1}, {"\xff\xfe yes", false, 1}};
        for (const auto &row : rows) {
            testing::TestInstallation installation;
            if (row.bytes) {
                installation.writeData(wizardFlagFileName, row.bytes);
                installation.writeData(optionFileName, row.bytes);
            }
            QCOMPARE(readWizardFlag(), row.wizardTitle);
            QCOMPARE(readTabPresentation(), row.tabSetting);
            QVERIFY(writeWizardFlag(false));
            QCOMPARE(installation.readData(wizardFlagFileName), QByteArray("0\r\n"));
        }
    }

    void loans_data()
    {
        QTest::addColumn<bool>("borrowing");
        QTest::addColumn<int>("cash");
        QTest::addColumn<int>("debt");
        QTest::addColumn<double>("amount");
        QTest::addColumn<LoanOutcome>("outcome");
        QTest::addColumn<int>("newCash");
        QTest::addColumn<int>("newDebt");
        QTest::newRow("borrow 2001") << true << 100 << 0 << 2001.0 << LoanOutcome::TooMuch << 100 << 0;
        QTest::newRow("borrow -5") << true << 100 << 50 << -5.0 << LoanOutcome::Negative << 100 << 50;
        QTest::newRow("borrow 1e12") << true << 100 << 50 << 1e12 << LoanOutcome::TooMuch << 100 << 50;
        QTest::newRow("past the largest cash") << true << maxMoney - 10 << 0 << 11.0 << LoanOutcome::OutOfRange << maxMoney - 10 << 0;
        QTest::newRow("past the largest debt") << true << 0 << maxMoney << 1.0 << LoanOutcome::OutOfRange << 0 << maxMoney;
        QTest::newRow("up to the largest cash") << true << maxMoney - 10 << 0 << 10.0 << LoanOutcome::Done << maxMoney << 10;
        QTest::newRow("pay 300 of 200 cash") << false << 200 << 1000 << 300.0 << LoanOutcome::MoreThanYouHave << 200 << 1000;
        QTest::newRow("pay 300 of 200 debt") << false << 1000 << 200 << 300.0 << LoanOutcome::MoreThanYouOwe << 1000 << 200;
        QTest::newRow("cash tested first") << false << 100 << 100 << 300.0 << LoanOutcome::MoreThanYouHave << 100 << 100;
        QTest::newRow("pay the whole cash") << false << 200 << 1000 << 200.0 << LoanOutcome::Done << 0 << 800;
        QTest::newRow("cash below 0") << false << -50 << 1000 << 0.0 << LoanOutcome::MoreThanYouHave << -50 << 1000;
    }
    void loans()
    {
        QFETCH(bool, borrowing);
        QFETCH(int, cash);
        QFETCH(int, debt);
        QFETCH(double, amount);
        QFETCH(LoanOutcome, outcome);
        QFETCH(int, newCash);
        QFETCH(int, newDebt);
        const LoanResult result = borrowing ? borrow(cash, debt, amount) : payBack(cash, debt, amount);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.cash, newCash);
        QCOMPARE(result.debt, newDebt);
    }

    void loanAmountsAndCode()
    {
        const struct { const char *text; double amount; } rows[] = {
            {"Enter Amount", 0}, {"", 0}, {" 2000 ", 2000}, {"76.5", 76}, {"-3", -3}, {"99999999999", 99999999999.0}};
        for (const auto &row : rows)
            QCOMPARE(loanAmount(row.text), row.amount);
        QCOMPARE(loanCodeCash(500).value_or(0), 20500);
        QCOMPARE(loanCodeCash(maxMoney - 20000).value_or(0), maxMoney);
        QVERIFY(!loanCodeCash(maxMoney - 19999));
    }

    void sharePriceDraws()
    {
        testing::ScriptedRandom random;
        const int tops[5] = {50000, 40000, 30000, 26000, 20000};
        // Horse 5 too cheap in the first draw: all five are drawn again.
        for (int price : {50000, 40000, 30000, 26000, 12999, 25000, 20000, 18000, 15000, 13000})
            random.pushDraw(price, tops[random.remaining() % 5]);
        QCOMPARE(drawSharePrices(), (std::array<int, 5>{25000, 20000, 18000, 15000, 13000}));
        QCOMPARE(random.remaining(), 0);
        random.pushDraw(10000, 25000);
        random.pushDraw(10001, 25000);
        QCOMPARE(drawSalePrice(), 10001);
    }

    void deals_data()
    {
        QTest::addColumn<bool>("buying");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<DealOutcome>("outcome");
        QTest::addColumn<int>("newCash");
        QTest::newRow("buy above the cash") << true << "30001" << "30000" << DealOutcome::NotEnoughMoney << 0;
        QTest::newRow("buy at 0") << true << "0" << "30000" << DealOutcome::Done << 30000;
        QTest::newRow("price not a number") << true << "abc" << "30000" << DealOutcome::PriceNotANumber << 0;
        QTest::newRow("cash not a number") << true << "100" << "lots" << DealOutcome::CashNotANumber << 0;
        QTest::newRow("sell") << false << "12345" << "-500" << DealOutcome::Done << 11845;
        QTest::newRow("sell past the largest") << false << "25000" << QString::number(maxMoney - 100) << DealOutcome::OutOfRange << 0;
        QTest::newRow("sell, cash not a number") << false << "25000" << "" << DealOutcome::CashNotANumber << 0;
    }
    void deals()
    {
        QFETCH(bool, buying);
        QFETCH(QString, price);
        QFETCH(QString, cash);
        QFETCH(DealOutcome, outcome);
        QFETCH(int, newCash);
        const DealResult result = buying ? buyShare(price, cash) : sellShare(price.toInt(), cash);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.cash, newCash);
    }
};
PADDOX_TEST(OfficeRulesTest)

#include "rules_test.moc"
