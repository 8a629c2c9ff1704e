// The Grand National on the session: the entry and its fee, Confirm and the runner's winnings, the
// race loop's winner, the settlement, leaving an entry, and a second entry.
#include "game/grand_national_betting.h"
#include "game/session.h"
#include "race/grand_national.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QSignalSpy>
#include <QTest>

using platform::Answer;
using platform::Icon;

namespace {
const QString noShares = "You Have No Shares", lost = " Your Horse Lost",
              fee = "You Have Been Charged €30,000 To Enter You Horse Into The GrandNational. Your New Cash Status Is: £",
              placing = "You are placing €%1 on this next race", noCash = "you dont have enough cash, please try again";
enum Meanwhile { Nothing, OrdinaryRace, ShareSold, HorseRenamed };  // between the entry and Confirm

// Slot 1, Ann, signed in with the money and share given; amounts shown with "€".
struct Game {
    testing::TestInstallation installation;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedRandom random;
    game::Session &s = game::session();
    explicit Game(platform::Money cash, platform::Money debt = 1000, const QString &share = "Red Rum")
    {
        installation.writeDefaultPlayers();
        s.signIn({.slot = 1, .name = "Ann", .country = "", .currencySign = "€", .cash = cash, .debt = debt, .share = share});
    }
    // Tells the reply, answering its messages in order (`answers`, then OK); what was said.
    QStringList tell(const game::Reply &reply, QList<Answer> answers = {})
    {
        dialogs.clear();
        for (int i = 0; i < 8; ++i)
            dialogs.expectAnyMessage(answers.value(i, Answer::Ok));
        return game::tell(reply), dialogs.messageTexts();
    }
    // The first entry: the odds of lanes 1..5 are 2..6 (or each Rnd is `rnd`), the owned horse in `lane`.
    std::shared_ptr<game::GrandNationalBetting> enter(int lane = 1, double rnd = 0)
    {
        int odds = 2;
        for (int top : {150, 250, 450, 750, 1000})
            rnd ? random.push(rnd) : random.pushDraw(odds++, top);
        random.pushDraw(lane, 5);
        tell(s.enterGrandNational());
        return s.grandNational();
    }
    void startOrdinaryRace() { tell(s.confirmStake("100")), s.chooseHorse(1), tell(s.placeBet()), s.startRace(); }
    // The stake on `backed`, and the race run 50 at a time: `winner` to 8170 first, lane 1 on to 8620
    // when it is another (the highest lane past 8160 wins), then the rest to 4520, the last move ending
    // the race; then the settlement's draws: a stable charge (none when 0), the tops of the next odds.
    void run(const QString &stake, int backed, int winner, int charge = 0)
    {
        tell(s.confirmGrandNationalStake(stake)), s.chooseGrandNationalRunner(backed), s.selectGrandNationalRunner();
        random.pushDraw(6, 300), random.pushDraw(50, 50);  // a draw past the five lanes moves nobody
        for (int lane = 0; lane <= 5; ++lane)
            for (int move = 0; move < (!lane ? 161 : lane == winner ? 0 : lane == 1 ? 170 : 88); ++move)
                random.pushDraw(lane ? lane : winner, 300), random.pushDraw(50, 50);
        random.pushDraw(charge ? 2 : 1, 4);
        if (charge)
            random.pushDraw(3, 5), random.pushDraw(charge, 20000);
        for (int top : {15, 25, 45, 75, 100})
            random.pushDraw(top, top);
        QVERIFY(s.runGrandNational());
    }
    QString runners(const game::GrandNationalBetting &gn) const { return QStringList(gn.runners().begin(), gn.runners().end()).join(','); }
};

}  // namespace

class GrandNationalSessionTest : public QObject {
    Q_OBJECT
private slots:
    // No share first, then the cash; exactly the fee enters, the owned horse in the lane drawn at the
    // first entry, the field in theirs. Entering again while the betting window shows does nothing;
    // during an ordinary race it is refused.
    void entry()
    {
        const struct { QString share; int cash; bool racing; QString said; int after, lane = 0; QString runners = ""; } rows[] = {
            {noShares, 20000, false, "You Cannot Go To The GrandNational Because You Don't Own Any Shares In Any Horse", 20000},
            {"Red Rum", 29999, false, "Youy Dont Have Enough Money To Enter Your Horse Into The GrandNational. You Need At Least £30,000 To Enter", 29999},
            {"Red Rum", 60000, true, "Please wait until the race is over before you enter the Grand National.", 60000},
            {"Red Rum", 30000, false, fee + "0", 0, 1, "Red Rum,Super Z,Runaway Heaven,Xtra Mile,Billy's Dream"},
            {"Red Rum", 60000, false, fee + "30000", 30000, 2, "Super Z,Red Rum,Runaway Heaven,Xtra Mile,Billy's Dream"},
            {"Red Rum", 30001, false, fee + "1", 1, 3, "Runaway Heaven,Super Z,Red Rum,Xtra Mile,Billy's Dream"},
            {"Red Rum", 45000, false, fee + "15000", 15000, 4, "Xtra Mile,Runaway Heaven,Super Z,Red Rum,Billy's Dream"},
            {"Red Rum", 90000, false, fee + "60000", 60000, 5, "Runaway Heaven,Xtra Mile,Billy's Dream,Super Z,Red Rum"}};
        for (const auto &row : rows) {
            Game g(row.cash, 700, row.share);
            if (row.racing)
                g.startOrdinaryRace();
            QSignalSpy opened(&g.s, &game::Session::grandNationalOpened);
            const auto gn = g.enter(row.lane, 0.99999);  // the first odds at the tops of their ranges
            QCOMPARE(g.dialogs.messageTexts(), QStringList(row.said));
            QCOMPARE(g.dialogs.messages()[0].icon, row.lane ? Icon::Warning : row.racing ? Icon::Information : Icon::Critical);
            QVERIFY(g.s.record().cash == row.after && opened.size() == int(bool(gn)) && bool(gn) == bool(row.lane));
            if (!gn)
                continue;
            QVERIFY(gn->shown() && gn->feePaid() && gn->cash() == row.after && gn->debt() == 700 && g.runners(*gn) == row.runners);
            QCOMPARE(gn->odds(), (grand::Lanes{150, 250, 450, 750, 1000}));
            // Showing: nothing, not even the fee (the cash is checked first).
            QVERIFY(g.tell(g.s.enterGrandNational()) == (row.after >= 30000 ? QStringList() : QStringList(rows[1].said)) &&
                    g.s.record().cash == row.after && opened.size() == 1);
            QCOMPARE(g.tell(g.s.confirmGrandNationalStake("1")), QStringList(row.after > 1 ? placing.arg(1) : noCash));
        }
    }
    // Over 1000 first, then not below the cash, then below 1; an accepted stake is paid at once into
    // both copies of the cash; nothing is run before. Backing lane 5 (odds 6) promises 6 x the stake taken.
    void confirm()
    {
        const struct { QString typed; int cash; Meanwhile meanwhile; QString said; int left; QString winnings = ""; } rows[] = {
            {"1000.5", 5000, Nothing, placing.arg(1000), 4000, "6000"}, {"1001", 500, Nothing, " The bet is over €1000", 500},
            {"900", 900, Nothing, noCash, 900}, {"0", 0, Nothing, noCash, 0},
            {"0", 5000, Nothing, "Please enter the amount you wish to bet", 5000}, {"lots", 5000, Nothing, "Please enter the amount you wish to bet", 5000},
            {"500", 5000, OrdinaryRace, "Please wait until the race is over before you place a bet.", 5000},
            {"500", 5000, ShareSold, "Red Rum is no longer your horse, so it cannot run in the Grand National. Your stake has not been taken.", 15001},
            {"80", 5000, HorseRenamed, placing.arg(80), 4920, "480"}};  // still the player's horse
        for (const auto &row : rows) {
            Game g(30000 + row.cash);
            const auto gn = g.enter();
            if (row.meanwhile == OrdinaryRace)
                g.startOrdinaryRace();
            if (row.meanwhile == ShareSold)
                g.random.pushDraw(10001, 25000), g.tell(g.s.sellShare());
            if (row.meanwhile == HorseRenamed)
                g.s.renameHorses({"Red Rum II", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"}, nullptr, {});
            QCOMPARE(g.tell(g.s.confirmGrandNationalStake(row.typed)), QStringList(row.said));
            const bool accepted = !row.winnings.isEmpty();
            QVERIFY(g.s.record().cash == row.left && gn->cash() == row.left);
            QCOMPARE(gn->stakeShown(), accepted ? QString::number(row.cash - row.left) : "0");
            QVERIFY(gn->runnersOpen() == accepted && gn->stakeBoxOpen() != accepted && gn->confirmOffered() != accepted &&
                    g.s.raceUnderWay() == (accepted || row.meanwhile == OrdinaryRace) && (accepted || !g.s.runGrandNational()));
            if (!accepted)
                continue;
            g.s.chooseGrandNationalRunner(2), g.s.chooseGrandNationalRunner(5);  // the last click counts
            QVERIFY(gn->winningsShown() == row.winnings && gn->backed() == "Billy's Dream" && gn->selectOffered() &&
                    gn->runner(1) == (row.meanwhile == HorseRenamed ? "Red Rum II" : "Red Rum"));
        }
    }
    // The bet, the interest, the owner's prize whoever was backed, then the charge; no icon; the next
    // odds from the small ranges; both copies of the money alike; the race in the book. A second entry
    // pays again and shows the same entry (its runners, lanes and last bet) with the odds drawn after
    // the race, and the money and horse of this moment.
    void settlement()
    {
        const QString card = "grand national,Red Rum,2,Super Z,3,Runaway Heaven,4,Xtra Mile,5,Billy's Dream,6,",
                      winner1 = "The Winner Was Red Rum (Horse 1)", prize = "The Horse You Own As Won The Race, You Get €1,000,000",
                      held = "Your cash or debt has reached the largest amount this game can hold (€2147483647 either way), so it has been held at that limit.";
        const struct { int backed, winner, charge, cash, debt; QString stake; QStringList said; QString book; } rows[] = {
            {2, 2, 0, 31000, 1000, "100.5", {"The Winner Was Super Z (Horse 2)", " Your horse was the winner! You Have Won €300"}, "Super Z,100,Super Z,300,0,0,0,no,1200,1255"},
            {2, 3, 0, 31000, 500, "100", {"The Winner Was Runaway Heaven (Horse 3)", lost}, "Super Z,100,Runaway Heaven,0,0,0,0,no,900,628"},
            {2, 1, 0, 31000, 0, "100", {winner1, lost, prize}, "Super Z,100,Red Rum,0,1000000,0,0,no,1000900,0"},
            {1, 1, 20000, 31000, 1000, "100", {winner1, " Your horse was the winner! You Have Won €200", prize,
             "You have been billed for stable charges. This will cost you €20000"}, "Red Rum,100,Red Rum,200,1000000,20000,0,no,981100,1255"},
            {3, 1, 0, 2147483000, 0, "100", {winner1, lost, prize, held}, "Runaway Heaven,100,Red Rum,0,1000000,0,0,no,2147483647,0"}};
        for (const auto &row : rows) {
            Game g(row.cash, row.debt);
            const auto gn = g.enter(1);
            g.run(row.stake, row.backed, row.winner, row.charge);
            QVERIFY(!g.s.runGrandNational() && gn->race().winner == row.winner && grand::leftAt(gn->race(), row.winner, 0.5) == 132.5);  // once; moving evenly, its first step in round 2
            QSignalSpy settled(&g.s, &game::Session::grandNationalSettled);
            QCOMPARE(g.tell(g.s.settleGrandNational()), row.said);
            for (const testing::ShownMessage &shown : g.dialogs.messages())
                QCOMPARE(shown.icon, shown.text == held ? Icon::Warning : Icon::None);
            const QStringList book = QString::fromUtf8(g.installation.readData("user1book.csv")).split("\r\n", Qt::SkipEmptyParts);
            QVERIFY(book.size() == 2 && book[1].section(',', 1) == card + row.book);
            const game::PlayerRecord &r = g.s.record();
            QVERIFY(row.book.endsWith(QString(",%1,%2").arg(r.cash).arg(r.debt)) && gn->cash() == r.cash && gn->debt() == r.debt);
            QVERIFY(gn->lastWinner() == gn->runner(row.winner) && !g.s.raceUnderWay() && settled.size() == 1);
            QVERIFY(!gn->shown() && gn->confirmOffered() && gn->stakeBoxOpen() && !gn->startOffered() && !gn->running());
            QVERIFY(g.tell(g.s.settleGrandNational()).isEmpty());  // once
            g.s.takeConsoleAmounts(90000, 3000);
            for (int i = 0; i < 5; ++i)
                g.random.push(0.99);
            g.s.checkSharePrices(), g.s.chooseSaleHorse(3), g.tell(g.s.buyShare());  // Mr Ed instead of Red Rum
            g.s.takeConsoleAmounts(40000, 3000);
            QCOMPARE(g.tell(g.s.enterGrandNational()), QStringList(fee + "10000"));
            QVERIFY(g.s.grandNational() == gn && gn->shown() && !gn->runnersOpen() && gn->cash() == 10000 && gn->debt() == 3000);
            QCOMPARE(g.runners(*gn) + "/" + gn->backed() + "/" + gn->stakeShown(),
                     "Mr Ed,Super Z,Runaway Heaven,Xtra Mile,Billy's Dream/" + row.book.section(',', 0, 1).replace(',', '/'));
            QVERIFY(gn->odds() == (grand::Lanes{15, 25, 45, 75, 100}) && g.random.remaining() == 0);
        }
    }
    // Leaving an entry whose horse has not run asks, however the player leaves; No keeps it all, Yes
    // gives up the fee (and the stake). A race being run cannot be left.
    void leaving()
    {
        enum How { Close, LogOff, Exit };
        const QString ask = "Leave the Grand National? Your horse has not run, and the €30,000 entry fee ",
                      feeOnly = ask + "is not refunded.", withStake = ask + "and your €500 stake are not refunded.";
        const struct { How how; int staked; Answer answer; QStringList said; } rows[] = {  // staked -500: the race is run
            {Close, 0, Answer::No, {feeOnly}}, {Close, 0, Answer::Yes, {feeOnly}}, {Close, 500, Answer::No, {withStake}},
            {Close, 500, Answer::Yes, {withStake}}, {LogOff, 0, Answer::Yes, {"Are You Sure You Wish To Log Off?", feeOnly}},
            {LogOff, 500, Answer::Yes, {"Please wait until the race is over before you log off."}},
            {Exit, 0, Answer::No, {feeOnly}}, {Exit, 0, Answer::Yes, {feeOnly}},
            {Close, -500, Answer::Yes, {"The Grand National is being run. Please wait until it is over."}}};
        for (const auto &[how, staked, answer, said] : rows) {
            Game g(32000);
            g.enter();
            if (staked)
                staked > 0 ? void(g.tell(g.s.confirmGrandNationalStake("500"))) : g.run("500", 1, 1);
            int ended = 0;  // signed out, out of the game, or out of the entry
            auto end = [&ended] { ++ended; };
            QObject::connect(&g.s, &game::Session::signedOut, end);
            QSignalSpy closed(&g.s, &game::Session::grandNationalClosed);
            const game::Reply reply = how == LogOff ? g.s.logOff() : how == Exit ? g.s.leave("leave Paddox", end)
                                                                                 : g.s.leaveGrandNational(end);
            QCOMPARE(g.tell(reply, {how == LogOff ? Answer::Yes : answer, answer}), said);
            const bool left = answer == Answer::Yes && said.last().startsWith("Leave");
            QVERIFY(bool(g.s.grandNational()) != left && closed.size() == int(left) && ended == int(left));
            QCOMPARE(g.s.record().cash, left && how == LogOff ? 0 : 2000 - std::abs(staked));
        }
    }
};
PADDOX_TEST(GrandNationalSessionTest)

#include "grand_national_test.moc"
