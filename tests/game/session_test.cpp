// The game's rules on the session, without a window: the stake and its codes, the bet, the race and
// its settlement, the bank, the auction, the refusals while a race is under way, the player told
// when he is stuck, the reset, log off, the failed saves and the horses' new names.
#include "game/session.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <functional>

using platform::Answer;
using platform::Icon;

namespace {

const QString noShares = "You Have No Shares";
const QStringList horses = {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"};
const QString won = " Your horse was the winner! You Have Won £", lost = " Your Horse Lost",
              drugs = "You have been charged £1000 for the drugs",
              owner = "The Horse You Own As Won The Race, You Get £10,000 ",
              held = "Your cash or debt has reached the largest amount this game can hold (£2147483647 either way), "
                     "so it has been held at that limit.";

// Slot 1 signed in with the given money, share and horses, the card's odds 15, 7, 45, 1, 100.
struct Game {
    testing::TestInstallation installation;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedRandom random;
    game::Session &s;

    explicit Game(platform::Money cash = 500, platform::Money debt = 500, const QString &share = noShares,
                  const QString &country = "United Kingdom", const QStringList &names = horses)
        : s(game::session())
    {
        installation.writeDefaultPlayers(country);
        const int odds[] = {15, 7, 45, 1, 100}, tops[] = {15, 25, 45, 75, 100};
        random.pushDraw(1, 5);  // the tip
        random.push(0);         // the jockeys
        for (int i = 0; i < 5; ++i)
            random.pushDraw(odds[i], tops[i]);
        s.openOffice(country, true);
        game::PlayerRecord record;
        record.slot = 1, record.name = "User 1", record.cash = cash, record.debt = debt, record.share = share;
        for (int i = 0; i < 5; ++i)
            record.horses[i] = names.value(i);
        s.signIn(record);
    }
    // Tells the reply, answering its messages in order (`answers`, then OK).
    QStringList tell(const game::Reply &reply, QList<Answer> answers = {})
    {
        dialogs.clear();
        dialogs.onMessage = nullptr;
        for (int i = 0; i < 12; ++i)
            dialogs.expectAnyMessage(answers.value(i, Answer::Ok));
        game::tell(reply);
        return dialogs.messageTexts();
    }
    void bet(int horse, const QString &stake = "100")
    {
        tell(s.confirmStake(stake));
        s.chooseHorse(horse);
        tell(s.placeBet());
    }
    QString saved(const QString &suffix) const { return QString::fromUtf8(installation.readData("user1" + suffix)); }
    // A folder stands in place of a record file: no save can write it (until it is cleared again).
    void jam(const QString &suffix, bool jammed = true) const
    {
        const QString path = installation.dataFile("user1" + suffix);
        QVERIFY(jammed ? QFile::remove(path) && QDir().mkpath(path) : QDir().rmdir(path));
    }
    // The messages told, a failed save's (it names the file and the reason) as "not saved".
    QStringList told(const game::Reply &reply, QList<Answer> answers = {})
    {
        QStringList said = tell(reply, answers);
        const QString failed = "Your game could not be saved. This file could not be written:\n" +
                               QDir::toNativeSeparators(installation.dataFile("user1debt.pdx")) + "\n(";
        for (QString &text : said)
            if (text.startsWith(failed) && text.endsWith(")\n\nYour money and horses are still here; the game will try "
                                                          "again at the next save."))
                text = "not saved";
        return said;
    }
};

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    // Place Your Stake asks, then the four checks in order; an accepted stake opens the choice of horse.
    void stakes()
    {
        const struct { const char *country; int cash; const char *stake; Answer answer; QStringList said; int confirmed; } rows[] = {
            {"United Kingdom", 800, "799", Answer::Yes, {"Are You Sure That You Want To Play £799 On This Race?", "You are placing £799 on this next race"}, 799},
            {"France", 800, "127.5", Answer::Yes, {"Are You Sure That You Want To Play €127.5 On This Race?", "You are placing €128 on this next race"}, 128},
            {"Canada", 800, "250", Answer::No, {"Are You Sure That You Want To Play $250 On This Race?"}, 0},
            {"United Kingdom", 800, "801", Answer::Yes, {"Are You Sure That You Want To Play £801 On This Race?", " The bet is over £800 "}, 0},
            {"United Kingdom", 800, "800", Answer::Yes, {"Are You Sure That You Want To Play £800 On This Race?", "you dont have enough cash, please try again"}, 0},
            {"United Kingdom", 800, "abc", Answer::Yes, {"Are You Sure That You Want To Play £abc On This Race?", "Please enter the amount you wish to bet"}, 0},
        };
        for (const auto &row : rows) {
            Game g(row.cash, 500, noShares, row.country);
            g.s.stakeTextChanged(row.stake);
            QCOMPARE(g.tell(g.s.placeStake(row.stake), {row.answer}), row.said);
            QCOMPARE(g.dialogs.messages()[0].title, QStringLiteral("Paddox6 Is Asking You A Question?"));
            const bool accepted = row.confirmed != 0;
            QCOMPARE(g.s.bet().phase, accepted ? game::BetPhase::Horse : game::BetPhase::Stake);
            QCOMPARE(g.s.bet().stakeShown, accepted ? QString::number(row.confirmed) : QString(row.stake));
            QCOMPARE(g.s.tipOffered(), accepted);
            if (row.answer == Answer::Yes)
                QCOMPARE(g.s.guidance(), QStringLiteral("Now Select The Horse You Wish To Bet On"));
        }
    }

    // The horse's odds times the stake; the bet announced; the start opens the doping offer for an owner.
    void horseBetAndStart()
    {
        const struct { int horse; const char *stake; const char *winnings; QString share; } rows[] = {
            {1, "50", "750", noShares}, {2, "200", "1400", "Mr Ed"}, {4, "50", "50", noShares}, {5, "800", "80000", noShares}};
        for (const auto &row : rows) {
            Game g(5000, 0, row.share);
            g.tell(g.s.confirmStake(row.stake));
            g.s.chooseHorse(row.horse);
            const QString name = horses[row.horse - 1];
            QCOMPARE(g.s.bet().winningsShown, QString(row.winnings));
            QCOMPARE(g.s.guidance(), "You Are Going To Place A Bet On: " + name);
            QCOMPARE(g.tell(g.s.placeBet()), QStringList("You Are Betting £" + QString(row.stake) + " on " + name +
                                                         ". If you win, you will win £" + row.winnings + ". Good Luck!"));
            QCOMPARE(g.s.bet().phase, game::BetPhase::Placed);
            QSignalSpy opened(&g.s, &game::Session::raceOpened);
            g.s.startRace();
            QCOMPARE(opened.value(0).value(0).toBool(), row.share != noShares);
            QVERIFY(g.s.raceUnderWay());
        }
    }

    // An ordinary race: whatever is drugged, the drawn winner finishes first, on the tick its head
    // start gives it; with Space held the round moves four steps and the same horse wins.
    void ordinaryRace()
    {
        const struct { int winner; int drugged; bool fast; int ticks; } rows[] = {
            {1, 0, false, 1100}, {3, 0, false, 1101}, {2, 2, false, 1010}, {5, 1, false, 1100}, {4, 5, false, 1100},
            {3, 4, true, 276}, {1, 1, true, 253}};
        for (const auto &row : rows) {
            std::array<QString, 5> names;
            std::copy(horses.begin(), horses.end(), names.begin());
            game::OrdinaryRace race(names);
            if (row.drugged)
                race.drug(names[row.drugged - 1]);
            race.setFast(row.fast);
            testing::ScriptedRandom random;
            random.pushDraw(row.winner, 5);
            race.start();
            int rounds = 0;
            while (!race.winner() && ++rounds < 2000)
                for (int i = 0; i < 5 && !race.winner(); ++i)
                    race.tick((row.winner - 1 + i) % 5 + 1);
            QCOMPARE(race.winner(), row.winner);
            QCOMPARE(rounds, row.ticks);
            for (int lane = 1; lane <= 5; ++lane)
                QVERIFY(race.progress(lane) <= 13000 && race.progress(lane) % 10 == 0);
        }
    }

    // A race run to its end and settled: the draws the settlement makes, what it leaves, what it says.
    void settlement_data()
    {
        QTest::addColumn<int>("winner");
        QTest::addColumn<QString>("drugs");       // the doping offer's answer, "" when there is none
        QTest::addColumn<QList<int>>("bet");      // horse backed, stake, then the cash and debt at the start
        QTest::addColumn<QStringList>("owned");   // the share, then the horse of lane 4 (a name may run twice)
        QTest::addColumn<QList<int>>("draws");    // the owner's bill (chance, kind, amount), the drug test (chance, fine)
        QTest::addColumn<QStringList>("after");   // cash, debt, share
        QTest::addColumn<QStringList>("said");
        const QString lane4 = horses[3];
        QTest::newRow("a win pays the winnings, keeps the stake")
            << 3 << "" << QList<int>{3, 50, 1000, 0} << QStringList{noShares, lane4} << QList<int>{}
            << QStringList{"3250", "0", noShares} << QStringList{"The Winner Was Mr Ed (Horse 3)", won + "2250"};
        QTest::newRow("a loss takes the stake, debt 500 -> 628")
            << 5 << "" << QList<int>{1, 800, 900, 500} << QStringList{noShares, lane4} << QList<int>{}
            << QStringList{"100", "628", noShares} << QStringList{"The Winner Was Black Beauty (Horse 5)", lost};
        QTest::newRow("a bet on a name running twice")
            << 4 << "" << QList<int>{2, 50, 500, 0} << QStringList{noShares, horses[1]} << QList<int>{}
            << QStringList{"850", "0", noShares} << QStringList{"The Winner Was Desert Orchard (Horse 4)", won + "350"};
        QTest::newRow("no drugs; the owner's horse wins: prize, then a bill")
            << 4 << "NO" << QList<int>{2, 50, 500, 0} << QStringList{lane4, lane4} << QList<int>{2, 1, 1234}
            << QStringList{"9216", "0", lane4}
            << QStringList{"The Winner Was Whopper Meal With Fries (Horse 4)", lost, owner,
                           "You have been billed for vet charges. This will cost you £1234"};
        QTest::newRow("drugged, positive: fined, share lost")
            << 2 << "YES" << QList<int>{1, 50, 500, 0} << QStringList{horses[1], lane4} << QList<int>{1, 2, 15000}
            << QStringList{"-5550", "0", noShares}
            << QStringList{drugs, "The Winner Was Desert Orchard (Horse 2)", lost, owner,
                           "Your horse as been tested for drugs, your horse was proven positive",
                           "you have been fined £15000 & your horse as been destroyed"};
        QTest::newRow("drugged twice over, negative, no bill")
            << 1 << "YES" << QList<int>{1, 50, 500, 0} << QStringList{"Mr Ed", "Mr Ed"} << QList<int>{3, 1}
            << QStringList{"250", "0", "Mr Ed"} << QStringList{drugs, "The Winner Was Red Rum (Horse 1)", won + "750"};
        QTest::newRow("offer declined; past the limit holds, said once")
            << 3 << "NO" << QList<int>{3, 800, 2147480000, 0} << QStringList{"Mr Ed", lane4} << QList<int>{2, 3, 5}
            << QStringList{"2147483642", "0", "Mr Ed"}
            << QStringList{"The Winner Was Mr Ed (Horse 3)", won + "36000", held, owner,
                           "You have been billed for stable charges. This will cost you £5"};
        QTest::newRow("drugs for a horse not running; the smallest cash holds")
            << 3 << "YES" << QList<int>{1, 50, -2147483638, 0} << QStringList{"Shergar", lane4} << QList<int>{3, 1}
            << QStringList{"-2147483648", "0", "Shergar"}
            << QStringList{drugs, held, "The Winner Was Mr Ed (Horse 3)", held, lost};
    }
    void settlement()
    {
        QFETCH(int, winner);
        QFETCH(QString, drugs);
        QFETCH(QList<int>, bet);
        QFETCH(QStringList, owned);
        QFETCH(QList<int>, draws);
        QFETCH(QStringList, after);
        QFETCH(QStringList, said);
        QStringList names = horses;
        names[3] = owned[1];
        Game g(5000, 0, owned[0], "United Kingdom", names);
        g.bet(bet[0], QString::number(bet[1]));
        g.s.takeConsoleAmounts(bet[2], bet[3]);
        g.s.startRace();
        QStringList told;
        if (drugs == "YES")
            told = g.tell(g.s.acceptDrugs());
        else if (drugs == "NO")
            g.s.declineDrugs();
        QCOMPARE(g.s.racePhase(), game::RacePhase::WaitingToStart);
        // The draws in order: the winner, the owner's bill, the next odds (15, 1, 45, 2, 100), the drug test.
        const bool owns = owned[0] != noShares;
        const int billDraws = owns ? (draws.value(0) == 2 ? 3 : 1) : 0;
        const QList<int> tops = QList<int>{5} + QList<int>{4, 5, 2000}.first(billDraws) + QList<int>{15, 25, 45, 75, 100} +
                                QList<int>{3, 30000}.first(draws.size() - billDraws);
        const QList<int> drawn = QList<int>{winner} + draws.first(billDraws) + QList<int>{15, 1, 45, 2, 100} + draws.mid(billDraws);
        for (int i = 0; i < drawn.size(); ++i)
            g.random.pushDraw(drawn[i], tops[i]);
        g.s.startRunning();
        const auto race = g.s.race();
        while (!race->winner())
            for (int i = 0; i < 5 && !race->winner(); ++i)
                race->tick((winner - 1 + i) % 5 + 1);
        QSignalSpy settled(&g.s, &game::Session::raceSettled);
        told += g.tell(g.s.settleRace());
        QCOMPARE(told, said);
        QCOMPARE(g.random.remaining(), 0);
        for (const testing::ShownMessage &shown : g.dialogs.messages()) {
            const bool good = shown.text.startsWith("The W") || shown.text.startsWith(won) || shown.text == owner;
            QCOMPARE(shown.icon, shown.text == held ? Icon::Warning : good ? Icon::Information : Icon::Critical);
        }
        const game::PlayerRecord &r = g.s.record();
        QCOMPARE(QStringList({QString::number(r.cash), QString::number(r.debt), r.share}), after);
        QCOMPARE(QStringList({g.saved("cash.pdx"), g.saved("debt.pdx"), g.saved("share.pdx")}),
                 QStringList({after[0] + "\r\n", after[1] + "\r\n", after[2] + "\r\n"}));
        QCOMPARE(g.s.lastWinner(), names[winner - 1]);
        QCOMPARE(g.s.card().odds, (std::array<int, 5>{15, 1, 45, 2, 100}));
        QVERIFY(g.s.bet().phase == game::BetPhase::Stake && g.s.mayBorrow() && !g.s.raceUnderWay() && !g.s.race());
        QCOMPARE(settled.size(), 1);
        QCOMPARE(g.installation.readData("user1book.csv").count("\r\n"), 2);  // the header and this race
    }

    // The bank: one loan or repayment between two races, each saved; refusals change nothing.
    void bank()
    {
        const struct { bool borrowing; const char *amount; QString said; int cash, debt; } rows[] = {
            {true, "2000", "You are borrowing £2000. You now have £2100", 2100, 2200},
            {true, "2001", " You are trying to borrow to much", 100, 200},
            {true, "-500", "You cannot borrow an amount below 0. Please enter the amount you wish to borrow.", 100, 200},
            {false, "300", " You are trying to payback more than you have", 100, 200},
            {false, "50", "You Have Paid Back £50. You now have £50", 50, 150},
            {true, "tarno", "", 20100, 200},
            {true, "Enter Amount", "Please enter the amount you wish to borrow as a number, for example 500.", 100, 200},
            {false, "", "Please enter the amount you wish to pay back as a number, for example 500.", 100, 200}};
        for (const auto &row : rows) {
            Game g(100, 200);
            const QStringList told = g.tell(row.borrowing ? g.s.borrow(row.amount) : g.s.payBack(row.amount));
            QCOMPARE(told.value(0), row.said);
            QVERIFY(g.s.record().cash == row.cash && g.s.record().debt == row.debt);
            const bool done = row.said.startsWith("You are b") || row.said.startsWith("You Have");
            QCOMPARE(g.s.mayBorrow(), !done);
            QCOMPARE(g.saved("cash.pdx"), (done ? QString::number(row.cash) : "500") + "\r\n");
        }
    }

    // The auction: the price shown follows a new draw; buying takes the price and the share; selling
    // draws the sale price (above 10000) and gives up the share.
    void auction()
    {
        const int tops[5] = {50000, 40000, 30000, 26000, 20000};
        const struct { int cash; int clicked; QString said; int newCash; QString share; } rows[] = {
            {30000, 5, "", 16000, "Black Beauty"},
            {10000, 1, " You don't have enough money to buy that horse, please try another, or wait till you have more money", 10000, noShares},
            {10000, 0, "", 10000, noShares}};  // Buy with no horse chosen: nothing bought, nothing to sell
        for (const auto &row : rows) {
            Game g(row.cash);
            for (const int last : {15000, 14000}) {
                for (int i = 0; i < 5; ++i)
                    g.random.pushDraw(i == 4 ? last : (i ? 20000 : 30000), tops[i]);
                g.s.checkSharePrices();
                if (row.clicked && last == 15000)
                    g.s.chooseSaleHorse(row.clicked);
            }
            QCOMPARE(g.s.auction().shownPrice, row.clicked == 5 ? 14000 : row.clicked ? 30000 : 0);
            QCOMPARE(g.tell(g.s.buyShare()).value(0), row.said);
            QVERIFY(g.s.record().cash == row.newCash && g.s.record().share == row.share);
            QCOMPARE(g.saved("share.pdx"), (row.said.isEmpty() ? row.share : noShares) + "\r\n");
            QCOMPARE(g.s.auction().sellShown, row.said.isEmpty());
        }
        Game g(-300, 500, "Mr Ed");
        g.random.pushDraw(10000, 25000);
        g.random.pushDraw(10001, 25000);
        QCOMPARE(g.tell(g.s.sellShare()), QStringList("Your Horse As Been Sold For £10001"));
        QVERIFY(g.s.record().cash == 9701 && !g.s.record().ownsHorse() && g.saved("cash.pdx") == "9701\r\n");
        QCOMPARE(g.tell(g.s.sellShare()), QStringList("You have no horse shares to sell. Nothing has changed."));
    }

    // The stake field's codes, each the whole text letter for letter: "vesko" asks for the
    // administration and empties the field, the programmer's name asks for his page when horse 1
    // bears it, "lanternbounty" sets the cash (the next save stores it), never during a race.
    void stakeCodes()
    {
        const QString programmer = "Odmar Vellis Trunch", bounty = "lanternbounty";
        const struct { QString typed, horse1; bool racing; int admin, page, cash; QStringList said; } rows[] = {
            {"vesko", "Red Rum", false, 1, 0, 500, {}}, {"Vesko", "Red Rum", false, 0, 0, 500, {}},
            {programmer, programmer, false, 0, 1, 500, {}}, {programmer, "Red Rum", false, 0, 0, 500, {}},
            {bounty, "Red Rum", false, 0, 0, 100000, {}}, {bounty + " ", "Red Rum", false, 0, 0, 500, {}},
            {bounty, "Red Rum", true, 0, 0, 500, {"Please wait until the race is over before you change your cash."}}};
        for (const auto &row : rows) {
            Game g(500, 500, noShares, "United Kingdom", QStringList{row.horse1} + horses.mid(1));
            if (row.racing)
                g.bet(2), g.s.startRace();
            QSignalSpy admin(&g.s, &game::Session::administrationRequested), page(&g.s, &game::Session::programmerRequested),
                cleared(&g.s, &game::Session::stakeFieldCleared);
            QCOMPARE(g.tell(g.s.stakeTextChanged(row.typed)), row.said);
            QVERIFY(admin.size() == row.admin && cleared.size() == row.admin && page.size() == row.page);
            if (!row.racing)
                QCOMPARE(g.s.bet().stakeShown, row.admin ? QString() : row.typed);
            QVERIFY(g.s.record().cash == row.cash && g.saved("cash.pdx") == "500\r\n");
        }
    }

    // With no cash and this race's loan used the player is told the way out, once, even when his cash
    // is set to nothing again; stuck anew after a change (here Reset All Data, which asks
    // Yes/No/Cancel) he is told again.
    void stuckAndReset()
    {
        const QString stuck = "You have no cash to bet with, and you have already used this race's loan, so you cannot "
                              "place a bet now.\n\nYou can go on ",
                      sell = "by selling your horse share on the Shares tab, or ",
                      reset = "by starting again with Reset All Data on the Paddox Actions menu (cash and debt back to ";
        Game g(100, 700, "Mr Ed");
        QCOMPARE(g.tell(g.s.payBack("100")), QStringList({"You Have Paid Back £100. You now have £0", stuck + sell + reset + "£500)."}));
        g.s.takeConsoleAmounts(0, 600);  // set to nothing again: still stuck, not told again
        QCOMPARE(g.tell(g.s.confirmStake("10")), QStringList("you dont have enough cash, please try again"));
        QCOMPARE(g.dialogs.messages()[0].icon, Icon::Warning);
        for (const Answer answer : {Answer::No, Answer::Cancel, Answer::Yes}) {
            const bool yes = answer == Answer::Yes;
            QCOMPARE(g.tell(g.s.resetMoney(), {answer}), QStringList("Are You Sure You Want To Reset Your Cash & Debt Back To 500?") +
                                                            (yes ? QStringList("Cash & Debt Are Now Reset To £500") : QStringList()));
            QCOMPARE(g.dialogs.messages()[0].buttons, platform::Buttons::YesNoCancel);
            for (const testing::ShownMessage &shown : g.dialogs.messages())
                QCOMPARE(shown.title, QStringLiteral("Reset All Your Data?"));
            QVERIFY(g.s.record().cash == (yes ? 500 : 0) && g.s.record().debt == (yes ? 500 : 600));
            QCOMPARE(g.saved("cash.pdx") + g.saved("debt.pdx"), yes ? "500\r\n500\r\n" : "0\r\n600\r\n");
        }
        QCOMPARE(g.tell(g.s.payBack("500")), QStringList({"You Have Paid Back £500. You now have £0", stuck + sell + reset + "£500)."}));
        Game france(100, 700, "0", "France");  // a share file holding "0": no share
        QCOMPARE(france.tell(france.s.payBack("100")), QStringList({"You Have Paid Back €100. You now have €0", stuck + reset + "€500)."}));
    }

    // Log off asks (Yes/No/Cancel, titled "QUESTION"); Yes saves the record, then nothing of this
    // player's bet, auction or loan is left for the next; when the save fails he stays. With nobody
    // signed in there is nothing to save.
    void logOff()
    {
        const struct { Answer answer; bool saveFails; } rows[] = {
            {Answer::Yes, false}, {Answer::Yes, true}, {Answer::No, false}, {Answer::Cancel, false}};
        for (const auto &[answer, fails] : rows) {
            Game g(50000, 700, "Mr Ed");
            g.tell(g.s.borrow("100"));
            g.s.checkSharePrices();
            g.s.chooseSaleHorse(3);
            g.bet(2, "80");
            fails ? g.jam("debt.pdx") : void(QFile::remove(g.installation.dataFile("user1cash.pdx")));
            QSignalSpy out(&g.s, &game::Session::signedOut);
            const bool gone = answer == Answer::Yes && !fails;
            QCOMPARE(g.told(g.s.logOff(), {answer}),
                     QStringList("Are You Sure You Wish To Log Off?") + (fails ? QStringList("not saved") : QStringList()));
            const testing::ShownMessage &asked = g.dialogs.messages()[0];
            QVERIFY(asked.buttons == platform::Buttons::YesNoCancel && asked.title == "QUESTION");
            QVERIFY(out.size() == int(gone) && g.s.record().signedIn() == !gone && g.s.mayBorrow() == gone);
            const game::Bet &bet = g.s.bet();
            QCOMPARE(QStringList({bet.stakeShown, bet.backed, bet.winningsShown}),
                     gone ? QStringList({"Nothing", "None Selected", "Nothing"}) : QStringList({"80", "Desert Orchard", "560"}));
            QCOMPARE(bet.phase, gone ? game::BetPhase::Stake : game::BetPhase::Placed);
            const game::Auction &auction = g.s.auction();
            QVERIFY(auction.listShown == !gone && auction.pricesDrawn == !gone && auction.choice == (gone ? 0 : 3));
            QCOMPARE(g.installation.dataExists("user1cash.pdx"), fails || gone);
            if (!gone)
                continue;
            QCOMPARE(g.saved("cash.pdx"), QStringLiteral("50100\r\n"));
            QCOMPARE(g.s.guidance(), QStringLiteral("Welcome To Paddox6.6 "));
            QCOMPARE(g.tell(g.s.save()), QStringList("No player is signed in, so there is nothing to save."));
            QCOMPARE(g.saved("cash.pdx"), QStringLiteral("50100\r\n"));
        }
    }

    // A failed save is told; the quiet save tells it once and the game is noted as not saved until a
    // save gets through; leaving a game not saved asks (Yes leaves).
    void failedSaves()
    {
        Game g(640, 500);
        QSignalSpy started(&g.s, &game::Session::savingStarted), failed(&g.s, &game::Session::savingFailed),
            noted(&g.s, &game::Session::saveStateChanged);
        int left = 0;
        const auto leave = [&] { return g.s.leave("leave Paddox", [&] { ++left; }); };
        const QString notStored = "Your game has not been saved since the last save failed.\n\nDo you want to leave "
                                  "anyway? Yes leaves without saving; No returns to the game.";
        g.jam("debt.pdx");
        QCOMPARE(g.told(g.s.save()), QStringList("not saved"));
        QVERIFY(started.size() == 1 && failed.takeFirst() == QVariantList{false} && g.s.unsaved());
        g.jam("debt.pdx", false);
        QVERIFY(g.told(g.s.saveQuietly()).isEmpty() && !g.s.unsaved() && noted.size() == 1);
        g.jam("debt.pdx");
        QCOMPARE(g.told(g.s.saveQuietly()), QStringList("not saved"));
        QVERIFY(g.told(g.s.saveQuietly()).isEmpty() && g.s.unsaved() && noted.size() == 3);
        QCOMPARE(g.told(g.s.save()), QStringList("not saved"));
        QCOMPARE(failed.takeFirst(), QVariantList{true});  // the note of the quiet save stays
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            QCOMPARE(g.told(leave(), {answer}), QStringList(notStored));
            QVERIFY(g.dialogs.messages()[0].buttons == platform::Buttons::YesNo && left == int(answer == Answer::Yes));
        }
        g.jam("debt.pdx", false);
        QVERIFY(g.told(leave()).isEmpty() && left == 2 && !g.s.unsaved());
        QCOMPARE(g.saved("debt.pdx"), QStringLiteral("500\r\n"));
    }

    // New names are checked; taken, the share and the bet follow their horses (not the names).
    void renaming()
    {
        const QStringList own = {"One", "Two", "Mr Ed", "Four", "Five"};
        const struct { QStringList typed; QString said; int bad; QStringList after; } rows[] = {
            {{"Nova", "Two", "Shooting\nStar", "Four", "Five"}, "", 0, {"Nova", "Two", "Shooting Star", "Four", "Five"}},
            {{"Mr Ed", "Two", "One", "Four", "Five"}, "", 0, {"Mr Ed", "Two", "One", "Four", "Five"}},
            {{"A", "B", "C", "  ", "E"}, "Please give every horse a name: Horse 4 has none.", 4, own},
            {{"Wolf", "B", "C", "Wolf", "E"}, "Every horse needs a name of its own: Horse 1 and Horse 4 are both called \"Wolf\".", 4, own},
            {{"A", noShares, "C", "D", "E"}, "Horse 2 cannot be called \"You Have No Shares\", please choose another name.", 2, own},
            {{"A", "B", "C", "D", "0"}, "Horse 5 cannot be called \"0\", please choose another name.", 5, own},
            {{"A", QString(31, 'W'), "C", "D", "E"}, "Horse 2's name is longer than 30 characters, please choose a shorter name.", 2, own}};
        for (const auto &row : rows) {
            Game g(5000, 0, "Mr Ed", "United Kingdom", own);
            g.bet(3);
            std::array<QString, 5> typed;
            std::copy(row.typed.begin(), row.typed.end(), typed.begin());
            int bad = 0, renamed = 0;
            QCOMPARE(g.tell(g.s.renameHorses(typed, &bad, [&] { ++renamed; })), row.said.isEmpty() ? QStringList() : QStringList(row.said));
            QVERIFY(bad == row.bad && renamed == int(!bad));
            QCOMPARE(QStringList(g.s.record().horses.begin(), g.s.record().horses.end()), row.after);
            QVERIFY(g.s.record().share == row.after[2] && g.s.bet().backed == row.after[2] && g.s.bet().horse == 3);
        }
    }

    // From Start to the end of the settlement nothing the settlement reads may change.
    void refusedDuringARace()
    {
        Game g(5000, 0, "Mr Ed");
        g.bet(1);
        g.s.startRace();
        const std::array<QString, 5> names = {"A", "B", "C", "D", "E"};
        const QList<std::pair<std::function<game::Reply()>, QString>> refused = {
            {[&] { return g.s.borrow("100"); }, "borrow"},
            {[&] { return g.s.payBack("100"); }, "pay back"},
            {[&] { return g.s.buyShare(); }, "buy a share"},
            {[&] { return g.s.sellShare(); }, "sell your share"},
            {[&] { return g.s.resetMoney(); }, "reset your data"},
            {[&] { return g.s.logOff(); }, "log off"},
            {[&] { return g.s.leave("leave Paddox", [] { QFAIL("left during a race"); }); }, "leave Paddox"},
            {[&] { return g.s.renameHorses(names, nullptr, {}); }, "rename your horses"},
            {[&] { return g.s.checkConsoleMayApply(); }, "change your cash and debt"}};
        for (const auto &[operation, what] : refused) {
            QCOMPARE(g.tell(operation()), QStringList("Please wait until the race is over before you " + what + "."));
            QVERIFY(g.s.record().cash == 5000 && g.s.record().share == "Mr Ed" && g.s.record().horses[0] == "Red Rum");
        }
        g.s.cancelBet();  // the doping offer is up: the bet stays
        QCOMPARE(g.s.racePhase(), game::RacePhase::DopingOffer);
        QVERIFY(g.tell(g.s.confirmStake("50")).isEmpty() && g.tell(g.s.placeBet()).isEmpty());  // no stake nor bet now
        QVERIFY(g.s.bet().phase == game::BetPhase::Race && g.s.bet().stake == 100 && g.s.bet().horse == 1);
    }
};
PADDOX_TEST(SessionTest)

#include "session_test.moc"
