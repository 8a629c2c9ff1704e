// The office's rules as plain functions: the race card, the stake checks, the office files,
// the bank and the horse auction.
#include "office/loans.h"

#include <cmath>
#include "office/office_files.h"
#include "office/race_card.h"
#include "office/shares.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QTest>
#include <limits>

using namespace office;

static constexpr int maxMoney = std::numeric_limits<int>::max();

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

    void stakeChecks()
    {
        const QString over = " The bet is over £800 ", poor = "you dont have enough cash, please try again",
                      none = "Please enter the amount you wish to bet";
        const auto ok = [](const char *n) { return QStringLiteral("You are placing £%1 on this next race").arg(n); };
        const struct { const char *stake, *cash; StakeOutcome outcome; QString message; } rows[] = {
            {"800", "1000", StakeOutcome::Accepted, ok("800")}, {"801", "1000", StakeOutcome::OverLimit, over},
            {"800", "800", StakeOutcome::NotEnoughCash, poor}, {"0", "500", StakeOutcome::NoStake, none},
            {"Enter Your Stake......", "500", StakeOutcome::NoStake, none}, {"900", "100", StakeOutcome::OverLimit, over},
            {"0", "0", StakeOutcome::NotEnoughCash, poor}, {"76.5", "500", StakeOutcome::Accepted, ok("76")},
            {"127.5", "500", StakeOutcome::Accepted, ok("128")}, {"800.6", "1000", StakeOutcome::OverLimit, over},
            {"4294967346", "1000", StakeOutcome::OverLimit, over}, {"1e400", "500", StakeOutcome::OverLimit, over},
            {"-99999999999", "500", StakeOutcome::NoStake, none}, {" 50 ", "500", StakeOutcome::Accepted, ok("50")},
            {"50abc", "500", StakeOutcome::NoStake, none}, {"50", "lots", StakeOutcome::NotEnoughCash, poor},
            {"50", "99999999999", StakeOutcome::NotEnoughCash, poor}};
        for (const auto &row : rows) {
            const StakeCheck check = checkStake(row.stake, row.cash);
            QVERIFY2(check.outcome == row.outcome, row.stake);
            QCOMPARE(stakeMessage(check, "£"), row.message);
        }
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
        const struct { const char *bytes; bool wizardFlag; int tabSetting; } rows[] = {
            {nullptr, true, 1}, {"1\r\n", true, 0}, {" 1 \r\n", true, 0}, {"0\r\n", false, 1}, {"", false, 1},
            {"1\r\n0\r\n", false, 1}, {"0\r\n 1 \r\n", true, 0}, {" 2 \r\n", false, 1}, {"\xff\xfe yes", false, 1}};
        for (const auto &row : rows) {
            testing::TestInstallation installation;
            if (row.bytes) {
                installation.writeData(wizardFlagFileName, row.bytes);
                installation.writeData(optionFileName, row.bytes);
            }
            QCOMPARE(readWizardFlag(), row.wizardFlag);
            QCOMPARE(readTabPresentation(), row.tabSetting);
            QVERIFY(writeWizardFlag(false));
            QCOMPARE(installation.readData(wizardFlagFileName), QByteArray("0\r\n"));
        }
    }

    void loans()
    {
        using L = LoanOutcome;
        const struct { bool borrowing; int cash, debt; double amount; L outcome; int newCash, newDebt; } rows[] = {
            {true, 100, 0, 2001, L::TooMuch, 100, 0}, {true, 100, 50, -5, L::Negative, 100, 50},
            {true, 100, 50, 1e12, L::TooMuch, 100, 50}, {true, maxMoney - 10, 0, 11, L::OutOfRange, maxMoney - 10, 0},
            {true, 0, maxMoney, 1, L::OutOfRange, 0, maxMoney}, {true, maxMoney - 10, 0, 10, L::Done, maxMoney, 10},
            {false, 200, 1000, 300, L::MoreThanYouHave, 200, 1000}, {false, 1000, 200, 300, L::MoreThanYouOwe, 1000, 200},
            {false, 100, 100, 300, L::MoreThanYouHave, 100, 100}, {false, 200, 1000, 200, L::Done, 0, 800},
            {false, -50, 1000, 0, L::MoreThanYouHave, -50, 1000}};
        for (const auto &row : rows) {
            const LoanResult result = row.borrowing ? borrow(row.cash, row.debt, row.amount) : payBack(row.cash, row.debt, row.amount);
            QCOMPARE(result.outcome, row.outcome);
            QCOMPARE(result.cash, row.newCash);
            QCOMPARE(result.debt, row.newDebt);
        }
    }

    void loanAmountsAndCode()
    {
        const double none = -0.5, endless = HUGE_VAL;  // -0.5: no number at all
        const struct { QString text; double amount; } rows[] = {
            {"Enter Amount", none}, {"", none}, {"abc", none}, {"\U0001F600", none}, {" 2000 ", 2000}, {"0", 0},
            {"76.5", 76}, {"-3", -3}, {"99999999999", 99999999999.0}, {QString(10000, '9'), endless},
            {"-" + QString(10000, '9'), -endless}};
        for (const auto &row : rows)
            QCOMPARE(loanAmount(row.text).value_or(none), row.amount);
        QCOMPARE(borrow(100, 100, std::nullopt).outcome, LoanOutcome::NotANumber);
        QCOMPARE(payBack(100, 100, std::nullopt).outcome, LoanOutcome::NotANumber);
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

    void deals()
    {
        using D = DealOutcome;
        const struct { bool buying; const char *price; QString cash; D outcome; int newCash; } rows[] = {
            {true, "30001", "30000", D::NotEnoughMoney, 0}, {true, "0", "30000", D::Done, 30000},
            {true, "abc", "30000", D::PriceNotANumber, 0}, {true, "100", "lots", D::CashNotANumber, 0},
            {false, "12345", "-500", D::Done, 11845}, {false, "25000", QString::number(maxMoney - 100), D::OutOfRange, 0},
            {false, "25000", "", D::CashNotANumber, 0}};
        for (const auto &row : rows) {
            const DealResult result = row.buying ? buyShare(row.price, row.cash) : sellShare(QString(row.price).toInt(), row.cash);
            QCOMPARE(result.outcome, row.outcome);
            QCOMPARE(result.cash, row.newCash);
        }
    }
};
PADDOX_TEST(OfficeRulesTest)

#include "rules_test.moc"
