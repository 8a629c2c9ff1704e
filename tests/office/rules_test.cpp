// The office's rules as plain functions, at their edges (the session's tables hold the usual cases).
#include "office/loans.h"
#include "office/office_files.h"
#include "office/race_card.h"
#include "office/shares.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace office;

static constexpr int maxMoney = std::numeric_limits<int>::max();

class OfficeRulesTest : public QObject {
    Q_OBJECT
private slots:
    // The countries' signs (letter for letter as the country file holds them); the odds, the jockeys, the
    // tip and the share prices at the edges of their draws (all five prices drawn again while one is too cheap).
    void raceCard()
    {
        for (const auto &[country, sign] : {std::pair{"United Kingdom", "£"}, {"N Ireland", "£"}, {"France", "€"}, {"Portgual", "€"},
                                            {"United States Of America", "$"}, {"Australlia", "$"}, {"S Koera", "$"}, {"eire", ""},
                                            {" Eire", ""}, {"Portugal", ""}, {"", ""}, {"Select Country", ""}})
            QCOMPARE(currencySignFor(QString::fromUtf8(country)).value_or(""), QString::fromUtf8(sign));
        testing::ScriptedRandom random;
        const double top = 0.99999994;  // the largest single-precision value below 1
        for (double rnd : {0.0, 0.0, 0.0, 0.0, 0.0, top, top, top, top, top, 0.49, 0.5, 0.75, 0.0, top})
            random.push(rnd);
        QCOMPARE(drawOdds(), (std::array<int, 5>{1, 1, 1, 1, 1}));
        QCOMPARE(drawOdds(), (std::array<int, 5>{15, 25, 45, 75, 100}));
        const QStringList jockeys = {"Jed Harrow", "Amos Fairweather", "Dusty Calloway", "Hank Marlowe", "Slim Tolliver", "Jed Harrow", "Amos Fairweather"};
        for (const int first : {2, 1, 0}) {  // in order, from horse 2, from horse 3
            const auto dealt = dealJockeys(drawJockeyRotation());
            QCOMPARE(QStringList(dealt.begin(), dealt.end()), jockeys.mid(first, 5));
        }
        QVERIFY(drawTipHorse() == 1 && drawTipHorse() == 5);
        const int tops[5] = {50000, 40000, 30000, 26000, 20000};
        for (int price : {50000, 40000, 30000, 26000, 12999, 25000, 20000, 18000, 15000, 13000})
            random.pushDraw(price, tops[random.remaining() % 5]);
        QVERIFY(drawSharePrices() == (std::array<int, 5>{25000, 20000, 18000, 15000, 13000}) && random.remaining() == 0);
    }

    // The four checks in their order, as the session reads a typed stake against the cash; the wizard's picker.
    void stakeChecks()
    {
        using S = StakeOutcome;
        const struct { const char *stake; int cash; S outcome; int accepted; } rows[] = {
            {"800", 1000, S::Accepted, 800}, {"Enter Your Stake......", 500, S::NoStake, 0}, {"900", 100, S::OverLimit, 0},
            {"0", 0, S::NotEnoughCash, 0}, {"76.5", 500, S::Accepted, 76}, {"800.6", 1000, S::OverLimit, 0},
            {"4294967346", 1000, S::OverLimit, 0}, {"1e400", 500, S::OverLimit, 0}, {"-99999999999", 500, S::NoStake, 0},
            {" 50 ", 500, S::Accepted, 50}, {"50abc", 500, S::NoStake, 0}};
        for (const auto &row : rows) {
            const StakeCheck check = checkStakeUpTo(typedAmount(row.stake), row.cash, 800);
            QVERIFY2(check.outcome == row.outcome && check.stake == row.accepted, row.stake);
        }
        QCOMPARE(stakeMessage({StakeOutcome::OverLimit, 0}, "€"), QStringLiteral(" The bet is over €800 "));
        using W = WizardStake;
        const struct { const char *text; W outcome; } picked[] = {
            {"Select Your Stake", W::NotChosen}, {"fifty", W::NotChosen}, {"", W::NotChosen}, {"801", W::TooLarge},
            {"801.0", W::TooLarge}, {"99999999999", W::TooLarge}, {"800", W::Accepted}, {"800.6", W::Accepted}, {"-5", W::Accepted}};
        for (const auto &row : picked)
            QCOMPARE(checkWizardStake(row.text), row.outcome);
        QCOMPARE(wizardStakeMessage(WizardStake::TooLarge), QStringLiteral("Please enter a stake less than 800"));
    }

    void officeFiles()
    {
        const struct { const char *bytes; bool wizardFlag; int tabSetting; } rows[] = {
            {nullptr, true, 1}, {"1\r\n", true, 0}, {" 1 \r\n", true, 0}, {"0\r\n", false, 1}, {"", false, 1},
            {"1\r\n0\r\n", false, 1}, {"0\r\n 1 \r\n", true, 0}, {" 2 \r\n", false, 1}, {"\xff\xfe yes", false, 1}};
        for (const auto &row : rows) {
            testing::TestInstallation installation;
            for (const char *file : {"pwiz04.dll", "option.pdx"})
                row.bytes ? installation.writeData(file, row.bytes) : void();
            QVERIFY(readWizardFlag() == row.wizardFlag && readTabPresentation() == row.tabSetting && writeWizardFlag(false));
            QCOMPARE(installation.readData("pwiz04.dll"), QByteArray("0\r\n"));
        }
    }

    // The bank's and the auction's limits: nothing passes the largest amount the game holds.
    void bankAndAuction()
    {
        using L = LoanOutcome;
        const struct { bool borrowing; int cash, debt; double amount; L outcome; int newCash, newDebt; } rows[] = {
            {true, 100, 50, 1e12, L::TooMuch, 100, 50}, {true, maxMoney - 10, 0, 11, L::OutOfRange, maxMoney - 10, 0},
            {true, 0, maxMoney, 1, L::OutOfRange, 0, maxMoney}, {true, maxMoney - 10, 0, 10, L::Done, maxMoney, 10},
            {false, 1000, 200, 300, L::MoreThanYouOwe, 1000, 200}, {false, 100, 100, 300, L::MoreThanYouHave, 100, 100},
            {false, 200, 1000, 200, L::Done, 0, 800}, {false, -50, 1000, 0, L::MoreThanYouHave, -50, 1000}};
        for (const auto &row : rows) {
            const LoanResult result = row.borrowing ? borrow(row.cash, row.debt, row.amount) : payBack(row.cash, row.debt, row.amount);
            QVERIFY(result.outcome == row.outcome && result.cash == row.newCash && result.debt == row.newDebt);
        }
        const double none = -0.5, endless = HUGE_VAL;  // -0.5: no number at all
        const struct { QString text; double amount; } amounts[] = {
            {"abc", none}, {"\U0001F600", none}, {" 2000 ", 2000}, {"0", 0}, {"76.5", 76}, {"-3", -3},
            {"99999999999", 99999999999.0}, {QString(10000, '9'), endless}, {"-" + QString(10000, '9'), -endless}};
        for (const auto &row : amounts)
            QCOMPARE(loanAmount(row.text).value_or(none), row.amount);
        QVERIFY(loanCodeCash(500) == 20500 && loanCodeCash(maxMoney - 20000) == maxMoney && !loanCodeCash(maxMoney - 19999));
        QVERIFY(buyShare(30000, 30000).outcome == DealOutcome::Done && buyShare(30000, 30000).cash == 0 &&
                sellShare(25000, maxMoney - 100).outcome == DealOutcome::OutOfRange);
        QCOMPARE(dealRefusal(DealOutcome::OutOfRange, "£"),
                 QStringLiteral("Your cash cannot pass £2147483647, the most this game can hold. Nothing has changed."));
    }
};
PADDOX_TEST(OfficeRulesTest)

#include "rules_test.moc"
