// The rules of an ordinary race and of its settlement, tested without a window.
#include "platform/maker.h"
#include "race/race_rules.h"
#include "race/settlement.h"
#include "support/scripted_random.h"
#include "support/test_main.h"

#include <QTest>

#include <limits>

class RaceRulesTest : public QObject {
    Q_OBJECT
private slots:
    void thresholds()
    {
        QCOMPARE(race::finishThreshold(3), 12998);
        for (int lane : {1, 2, 4, 5})
            QCOMPARE(race::finishThreshold(lane), 12988);
        int atPost = 12980;
        QVERIFY(!race::tickFinishes(1, atPost));
        QCOMPARE(atPost, 12990);
        int horse3 = 12990;
        QVERIFY(!race::tickFinishes(3, horse3));  // 12990 is past 12988 but short of horse 3's post
        QCOMPARE(horse3, 13000);
        QVERIFY(race::tickFinishes(3, horse3));
        QCOMPARE(horse3, 13000);
    }

    // The drawn winner beats every other horse by at least 9 ticks, whatever is drugged.
    void theDrawnWinnerAlwaysFinishesFirst()
    {
        for (int winner = 1; winner <= 5; ++winner) {
            for (int drugged = 0; drugged <= 5; ++drugged) {
                int winnerTicks = 0;
                int bestOther = std::numeric_limits<int>::max();
                for (int lane = 1; lane <= 5; ++lane) {
                    const int start = race::headStart(lane, winner) + (lane == drugged ? race::drugLead : 0);
                    const int ticks = race::ticksToFinish(lane, start);
                    if (lane == winner)
                        winnerTicks = ticks;
                    else
                        bestOther = std::min(bestOther, ticks);
                }
                QVERIFY2(bestOther - winnerTicks >= 9,
                         qPrintable(QStringLiteral("winner %1, drugged %2").arg(winner).arg(drugged)));
            }
        }
    }

    void bannerLines_data()
    {
        const QString address = QString::fromLatin1(platform::makerWebAddress);
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << QStringLiteral("lifes free at ") + address;
        QTest::newRow("2") << 2 << QStringLiteral("Get Free Software @ ") + address;
        QTest::newRow("3") << 3 << QStringLiteral("Check for updates at ") + address;
        QTest::newRow("4") << 4 << QStringLiteral("Check For Updates On This Software @ ") + address;
        QTest::newRow("5") << 5 << address;
        QTest::newRow("6 keeps the line") << 6 << QStringLiteral("whatever was there");
    }
    void bannerLines()
    {
        QFETCH(int, k);
        QFETCH(QString, text);
        QCOMPARE(race::bannerText(k, QStringLiteral("whatever was there")), text);
    }
};
PADDOX_TEST(RaceRulesTest)

class SettlementRulesTest : public QObject {
    Q_OBJECT
private slots:
    void debtInterest_data()
    {
        QTest::addColumn<int>("debt");
        QTest::addColumn<int>("interest");
        QTest::addColumn<bool>("held");
        QTest::newRow("500 -> 628 (127.5 to the even 128)") << 500 << 128 << false;
        QTest::newRow("300: 76.5 goes to the even 76") << 300 << 76 << false;
        QTest::newRow("100: 25.5 goes to 26") << 100 << 26 << false;
        QTest::newRow("1: 0.255 rounds to 0") << 1 << 0 << false;
        QTest::newRow("2: 0.51 rounds to 1") << 2 << 1 << false;
        QTest::newRow("largest debt") << std::numeric_limits<int>::max() << 547608330 << false;
    }
    void debtInterest()
    {
        QFETCH(int, debt);
        QFETCH(int, interest);
        QFETCH(bool, held);
        bool wasHeld = false;
        QCOMPARE(race::debtInterest(debt, &wasHeld), interest);
        QCOMPARE(wasHeld, held);
    }

    // An unpaid debt grows 25.5% a race; it reaches the limit and stays there, the game going on.
    void unpaidDebtHoldsAtTheLimit()
    {
        race::Purse purse;
        purse.debt = 500;
        int races = 0;
        while (!purse.held && races < 1000) {
            purse.addInterest();
            ++races;
            QVERIFY(purse.debt > 0);
        }
        QVERIFY2(races >= 60 && races <= 80, qPrintable(QString::number(races)));
        QCOMPARE(purse.debt, std::numeric_limits<int>::max());
        purse.addInterest();
        QCOMPARE(purse.debt, std::numeric_limits<int>::max());
    }

    void captionMoney_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("money");
        QTest::newRow("digits") << "350" << 350;
        QTest::newRow("half to even") << "76.5" << 76;
        QTest::newRow("not a number") << "Nothing" << 0;
        QTest::newRow("too large holds") << "99999999999" << std::numeric_limits<int>::max();
    }
    void captionMoney()
    {
        QFETCH(QString, caption);
        QFETCH(int, money);
        QCOMPARE(race::captionMoney(caption), money);
    }

    // Fines lie between 15000 and 30000 (the redraw below 15000 is in the settlement's table);
    // each horse's odds stay within its own top.
    void fineAndOddsRanges()
    {
        int lowest = std::numeric_limits<int>::max(), highest = 0;
        for (int i = 0; i < 2000; ++i) {
            const int fine = race::drawFine();
            lowest = std::min(lowest, fine);
            highest = std::max(highest, fine);
        }
        QVERIFY(lowest >= 15000);
        QVERIFY(highest <= 30000);
        QVERIFY(highest - lowest > 10000);
        const int tops[5] = {15, 25, 45, 75, 100};
        for (int race = 0; race < 500; ++race) {
            const std::array<int, 5> odds = race::drawNextOdds();
            for (int horse = 0; horse < 5; ++horse)
                QVERIFY(odds[horse] >= 1 && odds[horse] <= tops[horse]);
        }
        testing::ScriptedRandom random;
        for (double r : {0.9999, 0.0, 0.0, 0.0, 0.9999})
            random.push(r);
        const std::array<int, 5> edges = race::drawNextOdds();
        QCOMPARE(edges[0], 15);
        QCOMPARE(edges[1], 1);
        QCOMPARE(edges[4], 100);
    }

    // The owner's bills, word for word, for every kind the draw can give.
    void chargeLeadIns_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("leadIn");
        QTest::newRow("vet") << 1 << "You have been billed for vet charges. This will cost you ";
        QTest::newRow("food") << 2 << "You have been billed for food charges. This will cost you ";
        QTest::newRow("stable") << 3 << "You have been billed for stable charges. This will cost you ";
        QTest::newRow("transport") << 4 << "You have been billed for transportation charges. This will cost you ";
        QTest::newRow("administration") << 5 << "You have been billed for administration charges. This will cost you ";
    }
    void chargeLeadIns()
    {
        QFETCH(int, kind);
        QFETCH(QString, leadIn);
        QCOMPARE(race::chargeLeadIn(kind), leadIn);
    }
};
PADDOX_TEST(SettlementRulesTest)

#include "race_rules_test.moc"
