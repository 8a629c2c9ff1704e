// An ordinary race: its rules without a window, then the race window driven through its
// handlers (the start, the ticks, the settlement) and the doping offer before an owner's race.
#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "race/doping_offer_window.h"
#include "race/race_rules.h"
#include "race/race_window.h"
#include "race/settlement.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QTest>
#include <QtWidgets>

namespace {
constexpr int top = 2147483647;
const QStringList horseNames = {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"};
const QString noShares = "You Have No Shares", won = " Your horse was the winner! You Have Won £",
              lost = " Your Horse Lost", drugs = "You have been charged £1000 for the drugs",
              owner = "The Horse You Own As Won The Race, You Get £10,000 ",
              held = "Your cash or debt has reached the largest amount this game can hold (£2147483647 either way), "
                     "so it has been held at that limit.";

struct Bet {
    QString cash = "500", debt = "0";
    int backed = 1;
    QString stake = "50", winnings = "350", share = noShares;
    QString lane4 = horseNames[3];  // the horse of lane 4: a name may run twice
};

// Slot 1's betting office holding a placed bet, and the race window it opens.
struct RaceFixture {
    testing::TestInstallation installation;
    testing::ScriptedRandom random;
    testing::ScriptedDialogs dialogs;
    BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
    QPointer<RaceWindow> race;

    explicit RaceFixture(const Bet &bet = {})
    {
        installation.writeDefaultPlayers();
        office->Label23->setText("1");
        office->curr->setText("£");
        for (int horse = 1; horse <= 5; ++horse)
            office->horseOption(horse)->setText(horse == 4 ? bet.lane4 : horseNames[horse - 1]);
        const QList<QObject *> controls = {office->Text1,   office->Text2,   office->Label16,
                                           office->Label14, office->Label10, office->Label12};
        const QStringList texts = {bet.cash, bet.debt, bet.share, horseNames[bet.backed - 1], bet.stake, bet.winnings};
        for (int i = 0; i < controls.size(); ++i)
            controls[i]->setProperty("text", texts[i]);
        race = app::window<RaceWindow>();
    }
    // Starts the race and tries to close it (the horses run on), then fires the running horses' timers
    // round by round, as the event loop would, until one finishes. Returns the number of rounds.
    int run()
    {
        race->show();
        race->Command1_Click();
        race->close();
        static_cast<QDialog *>(race.data())->reject();  // Escape
        int rounds = 0;
        while (race && race->winningHorse == 0 && ++rounds < 2000)
            for (int lane = 1; lane <= 5 && race && race->winningHorse == 0; ++lane)
                if (race->horseTimer(lane)->isActive())
                    QMetaObject::invokeMethod(race->horseTimer(lane), "timeout");
        return rounds;
    }
};

// A race run to its end and settled: the draws the settlement makes, what it leaves, what it says.
struct Settlement {
    const char *name;
    int winner, rounds;  // the winner's moving ticks and its finishing tick
    QString answer;      // to the doping offer before an owner's race: "YES", "NO", "close"
    Bet bet;
    QList<int> bill, test;    // the owner's bill (chance, kind, amount); a drugged horse's test (chance, fine)
    QStringList after, messages;  // cash, debt, share
};

void destroyClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}  // namespace
Q_DECLARE_METATYPE(Settlement)

class RaceTest : public QObject {
    Q_OBJECT
private slots:
    // Head starts: 2000 for the drawn winner, then 1000, 500, 250, 0 on round the lanes. Whatever is
    // drugged (900 at the start), the drawn winner finishes at least 9 ticks ahead of every other horse.
    // The banner lines.
    void raceRules()
    {
        const int starts[5][5] = {{2000, 1000, 500, 250, 0}, {0, 2000, 1000, 500, 250}, {250, 0, 2000, 1000, 500},
                                  {500, 250, 0, 2000, 1000}, {1000, 500, 250, 0, 2000}};
        for (int winner = 1; winner <= 5; ++winner)
            for (int lane = 1; lane <= 5; ++lane)
                QCOMPARE(race::headStart(lane, winner), starts[winner - 1][lane - 1]);
        for (int winner = 1; winner <= 5; ++winner)
            for (int drugged = 0; drugged <= 5; ++drugged) {
                int ticks[6] = {top, top, top, top, top, top};
                for (int lane = 1; lane <= 5; ++lane)
                    ticks[lane] = race::ticksToFinish(lane, starts[winner - 1][lane - 1] + (lane == drugged) * 900);
                const int winnerTicks = std::exchange(ticks[winner], top);
                QVERIFY(*std::min_element(ticks, ticks + 6) - winnerTicks >= 9);
            }
        const char *lines[] = {"lifes free at ", "Get Free Software @ ", "Check for updates at ",
                               "Check For Updates On This Software @ ", ""};
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(race::bannerText(k, "x"), lines[k - 1] + QString("http://www.tamblor.example"));
        QCOMPARE(race::bannerText(6, "whatever was there"), "whatever was there");
    }

    // Interest is 25.5% to the nearest pound, a half to the even one; an unpaid debt stops at the limit.
    // Fines lie between 15000 and 30000, drawn again below 15000; each horse's odds within its own top.
    void settlementRules()
    {
        for (auto [debt, interest] : {std::pair{500, 128}, {300, 76}, {100, 26}, {1, 0}, {2, 1}, {top, 547608330}})
            QCOMPARE(race::debtInterest(debt), interest);
        race::Purse purse{0, 1000000000};
        for (int debt : {1255000000, 1575025000, 1976656375, top, top}) {
            purse.addInterest();
            QVERIFY(purse.debt == debt && purse.held == (debt == top));
        }
        testing::ScriptedRandom random;
        for (int n : {14999, 1, 15000, 30000})
            random.pushDraw(n, 30000);
        QVERIFY(race::drawFine() == 15000 && race::drawFine() == 30000);
        for (int i = 0; i < 10; ++i)
            random.push(i < 5 ? 0.99999994 : 0.0);
        QCOMPARE(race::drawNextOdds(), (std::array<int, 5>{15, 25, 45, 75, 100}));
        QCOMPARE(race::drawNextOdds(), (std::array<int, 5>{1, 1, 1, 1, 1}));
        int kind = 0;
        for (const char *name : {"vet", "food", "stable", "transportation", "administration"})
            QCOMPARE(race::chargeLeadIn(++kind), QString("You have been billed for %1 charges. This will cost you ").arg(name));
    }

    // The window shows the bet and the horses; the banner changes every second; Start gives the head
    // starts, added to a drugged lane's 900; each tick moves a lane's own picture.
    void windowStarts()
    {
        RaceFixture f({.backed = 5});
        QCOMPARE(f.race->windowTitle(), "The Race - The Horse You Chose To Win Is 'Black Beauty'");
        for (int lane = 1; lane <= 5; ++lane)
            QVERIFY(f.race->nameLabel(lane)->text() == horseNames[lane - 1] &&
                    f.race->nameLabel(lane)->textFormat() == Qt::PlainText);  // never read as markup
        QVERIFY(f.race->Timer1->isActive() && f.race->Timer1->interval() == 1000);
        f.random.pushDraw(2, 6);
        QMetaObject::invokeMethod(f.race->Timer1, "timeout");
        QCOMPARE(f.race->Label6->text(), "Get Free Software @ http://www.tamblor.example");
        f.race->progressBar(2)->setValue(900);
        f.random.pushDraw(4, 5);
        f.race->Command1->click();
        const int starts[] = {500, 1150, 0, 2000, 1000};
        for (int lane = 1; lane <= 5; ++lane)
            QVERIFY(f.race->progressBar(lane)->value() == starts[lane - 1] && f.race->horseTimer(lane)->isActive());
        QMetaObject::invokeMethod(f.race->horse3t, "timeout");
        QCOMPARE(f.race->progressBar(3)->value(), 10);
        QVERIFY(f.race->Command1->isHidden() && f.race->picture(3)->x() == 3 && f.race->picture(1)->x() == 8);
    }

    // Closed before the start, the bet is called off: back to stake entry, no money moved.
    void closingBeforeTheStart()
    {
        RaceFixture f;
        f.office->Text3->setEnabled(false);
        f.race->show();
        QVERIFY(f.race->close());
        destroyClosedWindows();
        QVERIFY(!f.race && f.office->Text3->isEnabled() && f.office->Text1->text() == "500");
        VERIFY_DIALOGS(f.dialogs);
    }

    // A race run to its end, neither closing nor Escape stopping it: the finishing tick stops every horse,
    // the others short of their posts, and settles once, the window up till it is done: the bet, the
    // interest, the owner's money, the drug test, the next odds; the office back in stake entry; all saved.
    void settlement_data()
    {
        QTest::addColumn<Settlement>("row");
        const Settlement rows[] = {
            {"a win pays the winnings, keeps the stake", 3, 1101, "", {.cash = "1000", .backed = 3}, {}, {},
             {"1350", "0", noShares}, {"The Winner Was Mr Ed (Horse 3)", won + "350"}},
            {"a loss takes the stake, debt 500 -> 628", 5, 1100, "", {.cash = "300", .debt = "500", .stake = "800"},
             {}, {}, {"-500", "628", noShares}, {"The Winner Was Black Beauty (Horse 5)", lost}},
            {"a bet on a name running twice", 4, 1100, "", {.backed = 2, .lane4 = horseNames[1]}, {}, {},
             {"850", "0", noShares}, {"The Winner Was Desert Orchard (Horse 4)", won + "350"}},
            {"no drugs; owner's horse wins: prize, then a bill", 4, 1100, "NO", {.backed = 2, .share = horseNames[3]},
             {2, 1, 1234}, {}, {"9216", "0", horseNames[3]},
             {"The Winner Was Whopper Meal With Fries (Horse 4)", lost, owner,
              "You have been billed for vet charges. This will cost you £1234"}},
            {"drugged, positive: fined, share lost", 2, 1010, "YES", {.share = horseNames[1]}, {1}, {2, 15000},
             {"-5550", "0", noShares},
             {drugs, "The Winner Was Desert Orchard (Horse 2)", lost, owner,
              "Your horse as been tested for drugs, your horse was proven positive",
              "you have been fined £15000 & your horse as been destroyed"}},
            {"drugged twice over, negative, no bill", 1, 1100, "YES", {.share = "Mr Ed", .lane4 = "Mr Ed"}, {3}, {1},
             {"-150", "0", "Mr Ed"}, {drugs, "The Winner Was Red Rum (Horse 1)", won + "350"}},
            {"offer closed; past the limit holds, said once", 3, 1101, "close",
             {.cash = "2147480000", .backed = 3, .winnings = "80000", .share = "Mr Ed"}, {2, 3, 5}, {},
             {"2147483642", "0", "Mr Ed"},
             {"The Winner Was Mr Ed (Horse 3)", won + "80000", held, owner,
              "You have been billed for stable charges. This will cost you £5"}},
            {"drugs for a horse not running; the smallest cash holds", 3, 1101, "YES",
             {.cash = "-2147483638", .share = "Shergar"}, {3}, {1}, {"-2147483648", "0", "Shergar"},
             {drugs, held, "The Winner Was Mr Ed (Horse 3)", held, lost}}};
        for (const Settlement &row : rows)
            QTest::newRow(row.name) << row;
    }
    void settlement()
    {
        QFETCH(Settlement, row);
        const auto &[name, winner, rounds, answer, bet, bill, test, after, messages] = row;
        RaceFixture f(bet);
        BettingOfficeWindow *office = f.office;
        const QList<QWidget *> stakeEntry = {office->Command2, office->Command12, office->Text3, office->Command6,
                                             office->Command10, office->wiz1};
        for (QWidget *w : stakeEntry)  // what the bet left switched off
            w->setEnabled(w == office->wiz1);
        office->wiz1->hide();
        office->Command12->hide();
        office->Command8->show();
        for (const QString &text : messages)
            f.dialogs.expectMessage(text);
        bool officeBackEarly = false;  // the office returns after the bet's messages
        f.dialogs.onMessage = [&](const testing::ShownMessage &shown) {
            officeBackEarly |= (shown.text.startsWith("The W") || shown.text.startsWith(won) || shown.text == lost) &&
                               office->isVisible();
            QVERIFY(!f.race->winningHorse || (!f.race->close() && f.race->isVisible()));
            for (int lane = 1; lane <= 5; ++lane)
                QVERIFY(!f.race->horseTimer(lane)->isActive() &&
                        (lane == winner || f.race->progressBar(lane)->value() < (lane == 3 ? 12998 : 12988)));
        };
        if (!answer.isEmpty()) {  // YES drugs every lane of the owned name
            QPointer<DopingOfferWindow> offer = app::window<DopingOfferWindow>();
            QCOMPARE(offer->Label3->text(), "£1000");
            offer->show();
            if (answer == "close")
                offer->close();
            else
                QTest::mouseClick(answer == "YES" ? offer->Command1 : offer->Command2, Qt::LeftButton);
            destroyClosedWindows();
            QVERIFY(!offer && f.race->isVisible() && f.race->Text1->text() == (answer == "YES" ? "1" : "0"));
            for (int lane = 1; lane <= 5; ++lane)
                QCOMPARE(f.race->progressBar(lane)->value(),
                         answer == "YES" && f.race->nameLabel(lane)->text() == bet.share ? 900 : 0);
        }
        // The draws in order: the winner, the owner's bill, the next odds (15, 1, 45, 2, 100), the drug test.
        const QList<int> draws = QList<int>{winner} + bill + QList<int>{15, 1, 45, 2, 100} + test;
        const QList<int> tops = QList<int>{5} + QList<int>{4, 5, 2000}.first(bill.size()) +
                                QList<int>{15, 25, 45, 75, 100} + QList<int>{3, 30000}.first(test.size());
        for (int i = 0; i < draws.size(); ++i)
            f.random.pushDraw(draws[i], tops[i]);
        QCOMPARE(f.run(), rounds);
        f.race->Command3_Click();  // a race settles once
        VERIFY_DIALOGS(f.dialogs);
        for (const testing::ShownMessage &shown : f.dialogs.messages()) {
            using enum platform::Icon;
            const bool good = shown.text.startsWith("The W") || shown.text.startsWith(won) || shown.text == owner;
            QCOMPARE(shown.icon, shown.text == held ? Warning : good ? Information : shown.text == drugs ? None : Critical);
            QVERIFY(shown.buttons == platform::Buttons::Ok && shown.title.isEmpty());
        }
        QCOMPARE(f.random.remaining(), 0);
        QCOMPARE(QStringList({office->Text1->text(), office->Text2->text(), office->Label16->text()}), after);
        for (int i = 0; i < 3; ++i)  // saved
            QCOMPARE(f.installation.readData(QStringList{"user1cash.pdx", "user1debt.pdx", "user1share.pdx"}[i]),
                     after[i].toUtf8() + "\r\n");
        QCOMPARE(office->Command8->isHidden(), after[2] != bet.share);
        QVERIFY(messages.contains(QString("The Winner Was %1 (Horse %2)").arg(office->Text11->text()).arg(winner)));
        QCOMPARE(office->oddsLabel(2)->text() + office->oddsLabel(5)->text(), "1100");
        QVERIFY(!officeBackEarly && office->isVisible() && !office->wiz1->isHidden() && !office->Command12->isHidden());
        for (QWidget *w : stakeEntry)
            QVERIFY(w->isEnabled());
        destroyClosedWindows();
        QVERIFY(!f.race);
    }
};
PADDOX_TEST(RaceTest)

#include "race_test.moc"
