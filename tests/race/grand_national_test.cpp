// The Grand National: its rules, the entry from the office's menu, the betting window, the race
// played back and settled, a second entry, closing the betting window; and Space in the ordinary race.
#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "player/horse_options_window.h"
#include "player/record_files.h"
#include "race/grand_national.h"
#include "race/grand_national_race_window.h"
#include "race/grand_national_requirements_window.h"
#include "race/grand_national_window.h"
#include "race/race_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using platform::Answer;
using Pairs = QList<QPair<int, int>>;  // scripted (mover, step) draws of the race loop

namespace {

const QString logOffRefused = QStringLiteral("Please wait until the race is over before you log off.");
enum class Meanwhile { Nothing, OrdinaryRace, ShareSold, HorseRenamed };  // between the entry and Confirm

// A betting office of slot 1 made before the draws are scripted, then scripted dialogs and draws.
struct Game {
    struct Players : testing::TestInstallation {
        Players() { writeDefaultPlayers(); }
    } installation;
    BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
    testing::ScriptedDialogs dialogs;
    testing::ScriptedRandom random;

    Game(const QString &cash, const QString &debt = QStringLiteral("1000"), const QString &share = QStringLiteral("Red Rum"))
    {
        office->Label23->setText("1"), office->curr->setText("€"), office->txtuser->setText("Ann");
        office->Text1->setText(cash), office->Text2->setText(debt), office->Label16->setText(share);
    }
    // The first entry: the odds of lanes 1..5 are 2..6 (or each Rnd is `odds`), the owned horse in `lane`.
    GrandNationalWindow *enter(int lane = 1, double odds = 0)
    {
        const int tops[] = {150, 250, 450, 750, 1000};
        for (int i = 0; i < 5; ++i)
            odds ? random.push(odds) : random.pushDraw(i + 2, tops[i]);
        random.pushDraw(lane, 5);
        dialogs.expectAnyMessage();  // the fee
        office->sendgn->trigger();
        return app::existingWindow<GrandNationalWindow>();
    }
    void confirm(GrandNationalWindow *betting, const QString &stake)
    {
        betting->Text3->setEditText(stake);
        dialogs.expectAnyMessage();
        betting->Command1->click();
    }
    // The stake on `backed`, then to Aintree.
    GrandNationalRaceWindow *bet(GrandNationalWindow *betting, int backed, const QString &stake = QStringLiteral("100"))
    {
        confirm(betting, stake);
        betting->runner(backed)->click();
        betting->Command3->click(), betting->Command2->click();
        return app::existingWindow<GrandNationalRaceWindow>();
    }
    // A race whose every horse moves 50 at a time: the others pass 4500, then `winner` passes 8160;
    // then the settlement's draws: a stable charge (none when 0) and the tops of the next odds.
    void scriptRace(int winner, int charge = 0)
    {
        for (int lane = 1; lane <= 5; ++lane) {
            for (int move = 0; move < (lane == winner ? 0 : 88); ++move)
                random.pushDraw(lane, 300), random.pushDraw(50, 50);
        }
        for (int move = 0; move < 161; ++move)
            random.pushDraw(winner, 300), random.pushDraw(50, 50);
        random.pushDraw(charge ? 2 : 1, 4);
        if (charge)
            random.pushDraw(3, 5), random.pushDraw(charge, 20000);
        for (int top : {15, 25, 45, 75, 100})
            random.pushDraw(top, top);
    }
    // Frames until the settlement has closed the race window.
    int playBack(GrandNationalRaceWindow *race)
    {
        int frames = 0;
        for (QPointer<GrandNationalRaceWindow> alive(race); alive && !alive->isHidden() && frames < 2000; ++frames)
            alive->tmrPlayback_Timer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return frames;
    }
};

}  // namespace

class GrandNationalTest : public QObject {
    Q_OBJECT
private slots:
    void raceLoop()
    {
        const struct { grand::Lanes start; Pairs draws; grand::Lanes end; int winner; } rows[] = {
            // A horse below 4500 keeps the race going; of two past 8160 the higher lane wins.
            {{8150, 4500, 4500, 4490, 4500}, {{1, 50}, {6, 50}, {300, 1}, {2, 10}, {4, 10}}, {8200, 4510, 4500, 4500, 4500}, 1},
            {{8150, 4500, 4500, 8100, 4480}, {{4, 50}, {1, 50}, {4, 20}, {5, 20}}, {8200, 4500, 4500, 8170, 4500}, 4}};
        for (const auto &row : rows) {
            testing::ScriptedRandom random;
            for (const auto &[mover, step] : row.draws)
                random.pushDraw(mover, 300), random.pushDraw(step, 50);
            const grand::Race race = grand::runRace(row.start);
            QVERIFY(race.left == row.end);
            QCOMPARE(race.winner, row.winner);
            QCOMPARE(race.iterations, row.draws.size());
            QCOMPARE(random.remaining(), 0);
            // The playback moves a horse evenly towards its next recorded move.
            const grand::Point first = race.path[0].front();
            QCOMPARE(grand::leftAt(race, 1, first.iteration / 2.0, row.start[0]), (row.start[0] + first.left) / 2.0);
        }
    }

    void entry()
    {
        const QString fee = QStringLiteral("You Have Been Charged €30,000 To Enter You Horse Into The GrandNational. Your New Cash Status Is: £");
        const struct { QString share, cash, message, cashAfter; bool racing = false; } rows[] = {
            {player::noShares, "90000", "You Cannot Go To The GrandNational Because You Don't Own Any Shares In Any Horse", "90000"},
            {"Red Rum", "29999", "Youy Dont Have Enough Money To Enter Your Horse Into The GrandNational. You Need At Least £30,000 To Enter", "29999"},
            {"Red Rum", "30000", fee + "0", "0"},
            {"Red Rum", "60000", fee + "30000", "30000"},  // then entered again while showing
            {"Red Rum", "60000", "Please wait until the race is over before you enter the Grand National.", "60000", true}};
        for (const auto &row : rows) {
            Game game(row.cash, "700", row.share);
            if (row.racing)
                app::window<RaceWindow>()->show();
            QVERIFY(game.office->reqgn->isEnabled() && game.office->sendgn->isEnabled());
            game.dialogs.expectMessage(row.message);
            game.office->sendgn->trigger();
            QCOMPARE(game.office->Text1->text(), row.cashAfter);
            GrandNationalWindow *betting = app::existingWindow<GrandNationalWindow>();
            QCOMPARE(betting && betting->isVisible(), row.share != player::noShares && row.cash.toInt() >= 30000 && !row.racing);
            if (betting && betting->isVisible()) {
                QCOMPARE(betting->Text1->text(), row.cashAfter);
                if (row.cash == QLatin1String("30000")) {
                    game.confirm(betting, "1");  // every stake is more than nothing
                    QCOMPARE(game.dialogs.messageTexts().last(), QStringLiteral("you dont have enough cash, please try again"));
                } else {
                    game.office->sendgn->trigger();  // already showing: nothing, not even a charge
                    QCOMPARE(game.office->Text1->text(), row.cashAfter);
                }
            }
            VERIFY_DIALOGS(game.dialogs);
        }
    }

    void creation()
    {
        const QStringList tops{"150", "250", "450", "750", "1000"};
        const QStringList horses{"Red Rum", "Super Z", "Runaway Heaven", "Xtra Mile", "Billy's Dream"};
        const int order[5][5] = {{0, 1, 2, 3, 4}, {1, 0, 2, 3, 4}, {2, 1, 0, 3, 4}, {3, 2, 1, 0, 4}, {2, 3, 4, 1, 0}};
        for (int lane = 1; lane <= 5; ++lane) {
            Game game("40000", "1234");
            GrandNationalWindow *betting = game.enter(lane, 0.99999);  // the top of each range
            for (int i = 1; i <= 5; ++i) {
                QCOMPARE(betting->runner(i)->text(), horses[order[lane - 1][i - 1]]);
                QCOMPARE(betting->oddsLabel(i)->text(), tops[i - 1]);
                QVERIFY(!betting->runner(i)->isEnabled());
            }
            QCOMPARE(betting->Text2->text() + "/" + betting->Label9->text(), QStringLiteral("1234/Red Rum"));
            QCOMPARE(betting->Label1->text(), QStringLiteral("Welcome To The GrandNational: Ann"));
            VERIFY_DIALOGS(game.dialogs);
        }
    }

    void confirm()
    {
        const struct { QString typed; int cash; QString message; Meanwhile meanwhile = Meanwhile::Nothing; } rows[] = {  // cash after the fee
            {"1000", 5000, "You are placing €1000 on this next race"}, {"80", 5000, "You are placing €80 on this next race"},
            {"1001", 5000, " The bet is over €1000"}, {"900", 900, "you dont have enough cash, please try again"},
            {"0", 5000, "Please enter the amount you wish to bet"}, {"lots", 5000, "Please enter the amount you wish to bet"},
            {"500", 5000, "Please wait until the race is over before you place a bet.", Meanwhile::OrdinaryRace},
            {"500", 5000, "Red Rum is no longer your horse, so it cannot run in the Grand National. Your stake has not "
                          "been taken.", Meanwhile::ShareSold},
            {"80", 5000, "You are placing €80 on this next race", Meanwhile::HorseRenamed}};  // still the player's
        for (const auto &[typed, cash, message, meanwhile] : rows) {
            Game game(QString::number(30000 + cash));
            GrandNationalWindow *betting = game.enter();
            if (meanwhile == Meanwhile::OrdinaryRace)
                app::window<RaceWindow>()->show();
            if (meanwhile == Meanwhile::ShareSold)
                game.office->Label16->setText(player::noShares);
            if (meanwhile == Meanwhile::HorseRenamed) {
                HorseOptionsWindow *names = app::window<HorseOptionsWindow>();
                names->txtHorse[0]->setText("Red Rum II");
                names->Command1_Click();
                QCOMPARE(betting->Option1->text(), QStringLiteral("Red Rum II"));
            }
            betting->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(betting));
            betting->Text3->lineEdit()->clear();
            betting->Text3->setFocus();
            QTest::keyClicks(betting->Text3->lineEdit(), typed);
            game.dialogs.expectMessage(message);
            betting->Command1->click();
            const bool accepted = message.startsWith(QLatin1String("You are placing"));
            const QString left = QString::number(accepted ? cash - typed.toInt() : cash);
            QCOMPARE(game.office->Text1->text() + "/" + betting->Text1->text(), left + "/" + left);
            QCOMPARE(betting->Label10->text(), accepted ? typed : QStringLiteral("0"));
            QCOMPARE(betting->Option3->isEnabled(), accepted);
            QCOMPARE(betting->Text3->isEnabled() || betting->Command1->isEnabled(), !accepted);
            // A confirmed stake holds the office's money: logging off waits.
            const bool racing = accepted || meanwhile == Meanwhile::OrdinaryRace;
            game.dialogs.expectMessage(racing ? logOffRefused : QStringLiteral("Are You Sure You Wish To Log Off?"), Answer::No);
            game.office->diffuser_Click();
            VERIFY_DIALOGS(game.dialogs);
        }
    }

    void settlement()
    {
        const QString winner1 = QStringLiteral("The Winner Was Red Rum (Horse 1)"), lost = QStringLiteral(" Your Horse Lost");
        const QString prize = QStringLiteral("The Horse You Own As Won The Race, You Get €1,000,000");
        const struct { int backed, winner, charge; QString cash, debt; QStringList messages; QString cashAfter, debtAfter, stake = "100"; } rows[] = {
            // A stake typed 100.5 is taken as 100, and the winnings are those of the 100 taken.
            {2, 2, 0, "31000", "1000", {"The Winner Was Super Z (Horse 2)", " Your horse was the winner! You Have Won €300"}, "1200", "1255", "100.5"},
            {2, 3, 0, "31000", "500", {"The Winner Was Runaway Heaven (Horse 3)", lost}, "900", "628"},
            {2, 1, 0, "31000", "0", {winner1, lost, prize}, "1000900", "0"},  // the owner's prize, another backed
            {1, 1, 20000, "31000", "1000", {winner1, " Your horse was the winner! You Have Won €200", prize,  // then the charge
                                            "You have been billed for stable charges. This will cost you €20000"}, "981100", "1255"},
            {3, 1, 0, "2147483000", "0", {winner1, lost, prize, "Your cash or debt has reached the largest amount this game can "
                                          "hold (€2147483647 either way), so it has been held at that limit."}, "2147483647", "0"}};
        for (const auto &row : rows) {
            Game game(row.cash, row.debt);
            GrandNationalWindow *betting = game.enter(1);
            GrandNationalRaceWindow *race = game.bet(betting, row.backed, row.stake);
            QCOMPARE(betting->Label11->text(), QString::number(100 * (row.backed + 1)));
            QCOMPARE(race->Label1->text(), "The Horse You Have Bet On Is: " + betting->runner(row.backed)->text());
            game.scriptRace(row.winner, row.charge);
            game.dialogs.expectMessage(logOffRefused);
            for (const QString &message : row.messages)
                game.dialogs.expectMessage(message);
            race->Command1_Click();
            QCOMPARE(race->winningLane, short(row.winner));  // decided before a horse is seen to move
            race->Command1_Click();                          // once only: nothing more is drawn (see below)
            QVERIFY(!race->close());
            game.office->diffuser_Click();
            if (row.winner == 2)
                QTest::keyPress(race->cmdFast, Qt::Key_Space);
            QCOMPARE(game.playBack(race), row.winner == 2 ? 235 : 938);  // 15 s at 16 ms a frame, or four times as fast
            QCOMPARE(game.random.remaining(), 0);
            QVERIFY(!app::existingWindow<GrandNationalRaceWindow>());
            QCOMPARE(game.office->Text1->text() + "/" + game.office->Text2->text(), row.cashAfter + "/" + row.debtAfter);
            QCOMPARE(betting->Text1->text() + betting->Text2->text(), game.office->Text1->text() + game.office->Text2->text());
            QVERIFY(betting->isHidden() && betting->Command1->isEnabled() && betting->Text3->isEnabled());
            QVERIFY(!betting->Command2->isEnabled() && !GrandNationalWindow::holdsOfficeMoney());
            QCOMPARE(betting->Text4->text(), betting->runner(row.winner)->text());
            QCOMPARE(betting->Label14->text() + betting->Label18->text(), QStringLiteral("15100"));
            VERIFY_DIALOGS(game.dialogs);
        }
    }

    void secondEntry()
    {
        Game game("31000", "1000");
        GrandNationalWindow *betting = game.enter(2);
        GrandNationalRaceWindow *race = game.bet(betting, 2);
        game.scriptRace(3);
        game.dialogs.expectAnyMessage(), game.dialogs.expectAnyMessage();  // the winner, the loss
        race->Command1_Click();
        game.playBack(race);
        // Between the two: a loan, and the share sold and another bought.
        game.office->Text1->setText("40000"), game.office->Text2->setText("3000"), game.office->Label16->setText("Mr Ed");
        game.dialogs.expectMessage("You Have Been Charged €30,000 To Enter You Horse Into The GrandNational. Your "
                                   "New Cash Status Is: £10000");
        game.office->sendgn->trigger();
        QCOMPARE(app::existingWindow<GrandNationalWindow>(), betting);
        QVERIFY(betting->isVisible() && !betting->Option1->isEnabled());
        QCOMPARE(betting->Text1->text() + "/" + betting->Text2->text(), QStringLiteral("10000/3000"));
        QCOMPARE(betting->runner(2)->text() + "/" + betting->Label9->text(), QStringLiteral("Mr Ed/Mr Ed"));
        QCOMPARE(betting->Label17->text(), QStringLiteral("75"));  // the odds drawn after the first race
        QCOMPARE(game.random.remaining(), 0);
        VERIFY_DIALOGS(game.dialogs);
    }

    // Leaving an entry whose horse has not run asks first, however the player leaves; No leaves all
    // as it was, Yes gives up the fee (and the stake). Also the requirements window from the menu.
    void closing()
    {
        enum How { BettingWindow, LogOff, OfficeCloseBox, Exit };
        const struct { How how; bool staked; Answer answer; } rows[] = {
            {BettingWindow, false, Answer::No}, {BettingWindow, false, Answer::Yes}, {BettingWindow, true, Answer::No},
            {BettingWindow, true, Answer::Yes}, {LogOff, false, Answer::No},         {LogOff, false, Answer::Yes},
            {OfficeCloseBox, false, Answer::No}, {Exit, false, Answer::No},          {Exit, false, Answer::Yes}};
        for (const auto &[how, staked, answer] : rows) {
            Game game("32000");
            QPointer<GrandNationalWindow> betting = game.enter();
            if (staked)
                game.confirm(betting, "500");
            if (how == LogOff)
                game.dialogs.expectMessage("Are You Sure You Wish To Log Off?", Answer::Yes);
            game.dialogs.expectMessage(staked ? "Leave the Grand National? Your horse has not run, and the €30,000 entry "
                                                "fee and your €500 stake are not refunded."
                                              : "Leave the Grand National? Your horse has not run, and the €30,000 entry "
                                                "fee is not refunded.", answer);
            how == BettingWindow ? void(betting->close())
            : how == LogOff      ? game.office->diffuser_Click()
            : how == Exit        ? game.office->exit_Click()
                                 : void(game.office->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const bool left = answer == Answer::Yes;
            QCOMPARE(betting.isNull(), left);
            QCOMPARE(game.installation.endRequests(), how == Exit && left ? 1 : 0);
            QCOMPARE(game.office->Text1->text(), QString::number(staked ? 1500 : 2000));
            QCOMPARE(GrandNationalWindow::holdsOfficeMoney(), staked && !left);
            VERIFY_DIALOGS(game.dialogs);
        }
        Game game("0");
        game.office->reqgn->trigger();
        GrandNationalRequirementsWindow *requirements = app::existingWindow<GrandNationalRequirementsWindow>();
        QCOMPARE(requirements->isVisible() ? requirements->Label3->text() : QString(), QStringLiteral("€30,000"));
        requirements->Command1->click();
        QVERIFY(!requirements->isVisible());
    }

    // The ordinary race with Space held: four steps a tick, and the drawn winner still first.
    void ordinaryRaceWithSpace()
    {
        // Space held throughout, or down for lane 1's tick alone every round.
        const struct { int winner; bool onlyForLaneOne; int rounds; } rows[] = {{1, false, 275}, {3, false, 276}, {3, true, 1101}};
        for (const auto &row : rows) {
            Game game("500", "0", player::noShares);
            game.office->Label14->setText(game.office->Option1->text());
            RaceWindow *race = app::window<RaceWindow>();
            game.random.pushDraw(row.winner, 5);
            race->Command1_Click();
            game.dialogs.expectAnyMessage(), game.dialogs.expectAnyMessage();  // the winner, won or lost
            void (RaceWindow::*ticks[])() = {&RaceWindow::horse1t_Timer, &RaceWindow::horse2t_Timer, &RaceWindow::horse3t_Timer,
                                        &RaceWindow::horse4t_Timer, &RaceWindow::horse5t_Timer};
            QTest::keyPress(race, Qt::Key_Space);
            int rounds = 0;
            for (; race->winningHorse == 0 && rounds < 2000; ++rounds) {
                for (int lane = 1; lane <= 5 && race->winningHorse == 0; ++lane) {
                    if (row.onlyForLaneOne && lane <= 2)
                        lane == 1 ? QTest::keyPress(race, Qt::Key_Space) : QTest::keyRelease(race, Qt::Key_Space);
                    (race->*ticks[lane - 1])();
                }
            }
            QCOMPARE(int(race->winningHorse), row.winner);
            QCOMPARE(rounds, row.rounds);
        }
    }
};
PADDOX_TEST(GrandNationalTest)

#include "grand_national_test.moc"
