// The race window driven through its handlers: the start, the ticks, the finish,
// the settlement it runs, and the doping offer before an owner's race.
#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "platform/intervals.h"
#include "platform/maker.h"
#include "platform/twips.h"
#include "player/record_files.h"
#include "race/doping_offer_window.h"
#include "race/race_rules.h"
#include "race/race_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <limits>

using testing::ScriptedDialogs;
using testing::ScriptedRandom;
using testing::TestInstallation;

namespace {

struct InstalledPlayers : TestInstallation {
    InstalledPlayers() { writeDefaultPlayers(); }
};

const QStringList horseNames = {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"};
constexpr int maxMoney = std::numeric_limits<int>::max();
constexpr int minMoney = std::numeric_limits<int>::min();

// The betting office of slot 1 with a placed bet, as the race finds it.
Form2 *officeWithBet(const QString &cash, const QString &debt, int backedHorse, const QString &stake,
                     const QString &winnings, const QString &share = player::noShares)
{
    Form2 *office = app::window<Form2>();
    office->Label23->setText(QStringLiteral("1"));
    office->curr->setText(QStringLiteral("£"));
    for (int horse = 1; horse <= 5; ++horse)
        office->horseOption(horse)->setText(horseNames[horse - 1]);
    office->Text1->setText(cash);
    office->Text2->setText(debt);
    office->Label16->setText(share);
    office->Label14->setText(horseNames[backedHorse - 1]);
    office->Label10->setText(stake);
    office->Label12->setText(winnings);
    return office;
}

// Calls the timer handlers of the running horses round by round, as the event loop
// would, until a horse finishes. Returns the number of rounds.
int runRace(Form4 *race)
{
    void (Form4::*ticks[])() = {&Form4::horse1t_Timer, &Form4::horse2t_Timer, &Form4::horse3t_Timer,
                                &Form4::horse4t_Timer, &Form4::horse5t_Timer};
    int rounds = 0;
    while (race->winningHorse == 0 && rounds < 2000) {
        ++rounds;
        for (int lane = 1; lane <= 5 && race->winningHorse == 0; ++lane) {
            if (race->horseTimer(lane)->isActive())
                (race->*ticks[lane - 1])();
        }
    }
    return rounds;
}

void destroyClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The icon of each settlement message: good news informs, the loss, the owner's bills
// and the drug test are critical, a sum held at the money limit warns.
platform::Icon settlementIcon(const QString &text)
{
    using platform::Icon;
    if (text.startsWith(QLatin1String("The Winner Was ")) ||
        text.startsWith(QLatin1String(" Your horse was the winner! You Have Won ")) ||
        text.startsWith(QLatin1String("The Horse You Own As Won The Race, You Get ")))
        return Icon::Information;
    if (text.startsWith(QLatin1String("Your cash or debt has reached the largest amount")))
        return Icon::Warning;
    return Icon::Critical;
}

QString fileLine(const TestInstallation &installation, const QString &suffix)
{
    return QString::fromUtf8(installation.readData(player::recordFileName(1, suffix)));
}

}  // namespace

class RaceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheHorsesAndTheBackedHorse()
    {
        InstalledPlayers installation;
        officeWithBet("500", "500", 5, "50", "350");
        Form4 *race = app::window<Form4>();
        QCOMPARE(race->windowTitle(), QStringLiteral("The Race - The Horse You Chose To Win Is 'Black Beauty'"));
        for (int lane = 1; lane <= 5; ++lane) {
            QCOMPARE(race->nameLabel(lane)->text(), horseNames[lane - 1]);
            QCOMPARE(race->progressBar(lane)->value(), 0);
            QVERIFY(!race->horseTimer(lane)->isActive());
            // A name is shown as the player typed it, never read as markup.
            QCOMPARE(race->nameLabel(lane)->textFormat(), Qt::PlainText);
        }
        QVERIFY(!race->Command1->isHidden());
        QCOMPARE(race->Command1->text(), QStringLiteral("Start The Race"));
        QVERIFY(race->Command2->isHidden() && race->Command3->isHidden());
        QCOMPARE(race->Label6->text(), QString::fromLatin1(platform::makerWebAddress));
        QVERIFY(race->Timer1->isActive());
        // The banner changes every second; a sixth draw leaves the line.
        QCOMPARE(race->Timer1->interval(), platform::raceBannerMs);
        ScriptedRandom random;
        random.pushDraw(2, 6);
        race->Timer1_Timer();
        const QString second = QStringLiteral("Get Free Software @ ") + QString::fromLatin1(platform::makerWebAddress);
        QCOMPARE(race->Label6->text(), second);
        random.pushDraw(6, 6);
        race->Timer1_Timer();
        QCOMPARE(race->Label6->text(), second);
        QCOMPARE(race->winningHorse, short(0));
        QVERIFY(race->Text1->text().isEmpty());
        // The banner strip follows the window's width.
        race->show();
        race->resize(race->width() + 200, race->height());
        QCOMPARE(race->Picture6->width(), race->width());
    }

    void startGivesTheHeadStarts_data()
    {
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("drugged");  // lane at 900 before the start, 0 for none
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("1 drawn") << 1 << 0 << QList<int>{2000, 1000, 500, 250, 0};
        QTest::newRow("2 drawn") << 2 << 0 << QList<int>{0, 2000, 1000, 500, 250};
        QTest::newRow("3 drawn") << 3 << 0 << QList<int>{250, 0, 2000, 1000, 500};
        QTest::newRow("4 drawn") << 4 << 0 << QList<int>{500, 250, 0, 2000, 1000};
        QTest::newRow("5 drawn") << 5 << 0 << QList<int>{1000, 500, 250, 0, 2000};
        QTest::newRow("4 drawn, 2 drugged") << 4 << 2 << QList<int>{500, 1150, 0, 2000, 1000};
        QTest::newRow("3 drawn and drugged") << 3 << 3 << QList<int>{250, 0, 2900, 1000, 500};
    }
    void startGivesTheHeadStarts()
    {
        QFETCH(int, winner);
        QFETCH(int, drugged);
        QFETCH(QList<int>, values);
        InstalledPlayers installation;
        officeWithBet("500", "500", 1, "50", "350");
        ScriptedRandom random;
        random.pushDraw(winner, 5);
        Form4 *race = app::window<Form4>();
        if (drugged)
            race->progressBar(drugged)->setValue(race::drugLead);
        race->Command1_Click();
        QCOMPARE(race->drawnWinner(), winner);
        QVERIFY(race->Command1->isHidden());
        QVERIFY(!race->Command1->isEnabled());
        for (int lane = 1; lane <= 5; ++lane) {
            QCOMPARE(race->progressBar(lane)->value(), values[lane - 1]);
            QVERIFY(race->horseTimer(lane)->isActive());
            // Pictures wait for their first tick.
            QCOMPARE(race->picture(lane)->x(), platform::twips(120));
        }
    }

    void theDrawnWinnerFinishesFirst_data()
    {
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("drugged");
        QTest::addColumn<int>("rounds");  // the winner's moving ticks and its finishing tick
        QTest::newRow("1") << 1 << 0 << 1100;
        QTest::newRow("3 runs one tick longer") << 3 << 0 << 1101;
        QTest::newRow("3 drawn, the next lane drugged") << 3 << 4 << 1101;
        QTest::newRow("5 drawn, the next lane drugged") << 5 << 1 << 1100;
        QTest::newRow("2 drawn and drugged") << 2 << 2 << 1010;
    }
    void theDrawnWinnerFinishesFirst()
    {
        QFETCH(int, winner);
        QFETCH(int, drugged);
        QFETCH(int, rounds);
        InstalledPlayers installation;
        officeWithBet("500", "0", 1, "50", "350");
        ScriptedRandom random;
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("The Winner Was ") + horseNames[winner - 1] +
                                  QStringLiteral(" (Horse %1)").arg(winner),
                              platform::Answer::Ok);
        dialogs.expectAnyMessage();  // won or lost
        random.pushDraw(winner, 5);
        QPointer<Form4> race = app::window<Form4>();
        if (drugged)
            race->progressBar(drugged)->setValue(race::drugLead);
        race->Command1_Click();
        // The finishing tick sees every other horse still short of its post.
        dialogs.onMessage = [&](const testing::ShownMessage &) {
            if (!race)
                return;
            for (int lane = 1; lane <= 5; ++lane) {
                QVERIFY(!race->horseTimer(lane)->isActive());
                if (lane != winner)
                    QVERIFY(race->progressBar(lane)->value() < race::finishThreshold(lane));
            }
        };
        QCOMPARE(runRace(race), rounds);
        QCOMPARE(int(race->winningHorse), winner);
        QCOMPARE(race->progressBar(winner)->value(), winner == 3 ? 13000 : 12990);
        VERIFY_DIALOGS(dialogs);
        destroyClosedWindows();
        QVERIFY(!race);  // the settlement closed it
    }

    void picturesFollowTheirOwnProgress()
    {
        InstalledPlayers installation;
        officeWithBet("500", "500", 1, "50", "350");
        ScriptedRandom random;
        random.pushDraw(4, 5);  // lane 3 gets no head start
        Form4 *race = app::window<Form4>();
        race->Command1_Click();
        race->horse3t_Timer();
        QCOMPARE(race->progressBar(3)->value(), 10);
        QCOMPARE(race->picture(3)->x(), platform::twips(40));  // from 120 back to 40 twips
        race->horse2t_Timer();
        race->horse2t_Timer();
        QCOMPARE(race->progressBar(2)->value(), 270);
        QCOMPARE(race->picture(2)->x(), platform::twips(300));
        QCOMPARE(race->picture(1)->x(), platform::twips(120));  // lane 1 has not ticked yet
        for (int i = 0; i < 500; ++i)
            race->horse5t_Timer();
        QCOMPARE(race->picture(5)->x(), platform::twips(1000 + 5000 + 30));
        QCOMPARE(race->picture(5)->y(), platform::twips(4320 + 4 * 1440));
        QCOMPARE(race->winningHorse, short(0));
    }

    void eachHorseWinsAboutOneRaceInFive()
    {
        InstalledPlayers installation;
        officeWithBet("100000", "0", 1, "1", "1");
        app::window<Form2>()->Label23->clear();  // no player signed in: the races save nothing
        ScriptedRandom random;  // its own generator, seeded the same every run
        ScriptedDialogs dialogs;
        constexpr int races = 250;
        int wins[6] = {};
        for (int i = 0; i < races; ++i) {
            app::window<Form2>()->Text1->setText(QStringLiteral("100000"));
            Form4 *race = app::window<Form4>();
            race->Command1_Click();
            runRace(race);
            QCOMPARE(int(race->winningHorse), race->drawnWinner());
            ++wins[race->winningHorse];
            destroyClosedWindows();
        }
        for (int horse = 1; horse <= 5; ++horse)
            QVERIFY2(wins[horse] >= 30 && wins[horse] <= 70,
                     qPrintable(QStringLiteral("horse %1 won %2 of %3").arg(horse).arg(wins[horse]).arg(races)));
    }

    void closingBeforeTheStartCallsTheBetOff()
    {
        InstalledPlayers installation;
        Form2 *office = officeWithBet("500", "500", 1, "50", "350");
        office->Text3->setEnabled(false);
        office->Command10->setEnabled(false);
        ScriptedDialogs dialogs;
        QPointer<Form4> race = app::window<Form4>();
        race->show();
        QVERIFY(race->close());
        destroyClosedWindows();
        QVERIFY(!race);
        // Back to stake entry, and no money moved or saved.
        QVERIFY(office->Text3->isEnabled());
        QVERIFY(office->Command10->isEnabled());
        QCOMPARE(office->Text1->text(), QStringLiteral("500"));
        QCOMPARE(office->Text2->text(), QStringLiteral("500"));
        VERIFY_DIALOGS(dialogs);
    }

    void closingDuringTheRaceIsRefused()
    {
        InstalledPlayers installation;
        officeWithBet("500", "500", 1, "50", "350");
        ScriptedRandom random;
        random.pushDraw(2, 5);
        ScriptedDialogs dialogs;
        QPointer<Form4> race = app::window<Form4>();
        race->show();
        race->Command1_Click();
        QVERIFY(!race->close());
        static_cast<QDialog *>(race.data())->reject();  // Escape
        destroyClosedWindows();
        QVERIFY(race);
        QVERIFY(race->isVisible());
        QVERIFY(race->racing());
        for (int lane = 1; lane <= 5; ++lane)
            QVERIFY(race->horseTimer(lane)->isActive());
        VERIFY_DIALOGS(dialogs);
        // Nor while the settlement's messages are up: the settlement closes it when it is done.
        int refusedCloses = 0;
        dialogs.onMessage = [&](const testing::ShownMessage &) { refusedCloses += race && !race->close(); };
        dialogs.expectAnyMessage();
        dialogs.expectAnyMessage();
        runRace(race);
        QCOMPARE(refusedCloses, 2);
        QCOMPARE(int(race->winningHorse), 2);
        destroyClosedWindows();
        QVERIFY(!race);
    }
};
PADDOX_TEST(RaceWindowTest)

// The settlement: run by the finishing horse's tick, it pays or takes the bet, the
// interest, the owner's money and the drug test, then saves and closes the race.
class SettlementTest : public QObject {
    Q_OBJECT
private slots:
    void settlementMoney_data()
    {
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("backed");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("winnings");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("debt");
        QTest::addColumn<QString>("share");
        QTest::addColumn<QString>("dopingMark");
        QTest::addColumn<QList<int>>("draws");  // owner's charge and drug test draws, in order
        QTest::addColumn<QString>("newCash");
        QTest::addColumn<QString>("newDebt");
        QTest::addColumn<QString>("newShare");
        QTest::addColumn<QStringList>("messages");

        const QString none = player::noShares;
        const QString won = QStringLiteral(" Your horse was the winner! You Have Won £");
        const QString lost = QStringLiteral(" Your Horse Lost");
        const QString owner = QStringLiteral("The Horse You Own As Won The Race, You Get £10,000 ");
        const QString held = QStringLiteral("Your cash or debt has reached the largest amount this game can hold "
                                            "(£2147483647 either way), so it has been held at that limit.");
        const QString positive = QStringLiteral("Your horse as been tested for drugs, your horse was proven positive");

        QTest::newRow("win pays odds x stake and keeps the stake")
            << 3 << 3 << "50" << "350" << "1000" << "0" << none << "" << QList<int>{} << "1350" << "0" << none
            << QStringList{"The Winner Was Mr Ed (Horse 3)", won + "350"};
        QTest::newRow("loss takes the stake, debt 500 -> 628")
            << 2 << 4 << "50" << "350" << "1000" << "500" << none << "" << QList<int>{} << "950" << "628" << none
            << QStringList{"The Winner Was Desert Orchard (Horse 2)", lost};
        QTest::newRow("debt 1000 -> 1255, cash may go below 0")
            << 5 << 1 << "800" << "12000" << "300" << "1000" << none << "" << QList<int>{} << "-500" << "1255" << none
            << QStringList{"The Winner Was Black Beauty (Horse 5)", lost};
        QTest::newRow("a stake with a half is taken to the even pound")
            << 1 << 2 << "76.5" << "1912.5" << "1000" << "0" << none << "" << QList<int>{} << "924" << "0" << none
            << QStringList{"The Winner Was Red Rum (Horse 1)", lost};
        QTest::newRow("owner's horse wins: prize, then a charge from the total")
            << 4 << 4 << "50" << "350" << "1000" << "0" << "Whopper Meal With Fries" << "0"
            << QList<int>{2, 1, 1234} << "10116" << "0" << "Whopper Meal With Fries"
            << QStringList{"The Winner Was Whopper Meal With Fries (Horse 4)", won + "350", owner,
                           "You have been billed for vet charges. This will cost you £1234"};
        QTest::newRow("owner's horse loses, no charge this race")
            << 1 << 1 << "50" << "50" << "1000" << "0" << "Mr Ed" << "0" << QList<int>{3} << "1050" << "0" << "Mr Ed"
            << QStringList{"The Winner Was Red Rum (Horse 1)", won + "50"};
        QTest::newRow("administration charge of 2000")
            << 1 << 2 << "100" << "500" << "1000" << "0" << "Mr Ed" << "" << QList<int>{2, 5, 2000} << "-1100" << "0"
            << "Mr Ed"
            << QStringList{"The Winner Was Red Rum (Horse 1)", lost,
                           "You have been billed for administration charges. This will cost you £2000"};
        QTest::newRow("drugged, positive test: fine and the share is lost")
            << 2 << 1 << "50" << "100" << "500" << "0" << "Desert Orchard" << "1" << QList<int>{1, 2, 15000} << "-4550"
            << "0" << none
            << QStringList{"The Winner Was Desert Orchard (Horse 2)", lost, owner, positive,
                           "you have been fined £15000 & your horse as been destroyed"};
        QTest::newRow("drugged, negative test") << 2 << 1 << "50" << "100" << "500" << "0" << "Mr Ed" << "1"
                                                << QList<int>{1, 1} << "450" << "0" << "Mr Ed"
                                                << QStringList{"The Winner Was Desert Orchard (Horse 2)", lost};
        QTest::newRow("fine drawn again below 15000")
            << 2 << 1 << "50" << "100" << "500" << "0" << "Mr Ed" << "1" << QList<int>{1, 2, 14999, 30000} << "-29550"
            << "0" << none
            << QStringList{"The Winner Was Desert Orchard (Horse 2)", lost, positive,
                           "you have been fined £30000 & your horse as been destroyed"};
        QTest::newRow("winnings past the limit hold there, said once")
            << 3 << 3 << "800" << "80000" << "2147480000" << "0" << "Mr Ed" << "" << QList<int>{2, 3, 5}
            << QString::number(maxMoney - 5) << "0" << "Mr Ed"
            << QStringList{"The Winner Was Mr Ed (Horse 3)", won + "80000", held, owner,
                           "You have been billed for stable charges. This will cost you £5"};
        QTest::newRow("largest debt holds")
            << 3 << 1 << "50" << "100" << "500" << QString::number(maxMoney) << none << "" << QList<int>{} << "450"
            << QString::number(maxMoney) << none << QStringList{"The Winner Was Mr Ed (Horse 3)", lost, held};
        QTest::newRow("smallest cash holds")
            << 3 << 1 << "50" << "100" << QString::number(minMoney + 10) << "0" << none << "" << QList<int>{}
            << QString::number(minMoney) << "0" << none << QStringList{"The Winner Was Mr Ed (Horse 3)", held, lost};
    }
    void settlementMoney()
    {
        QFETCH(int, winner);
        QFETCH(int, backed);
        QFETCH(QString, stake);
        QFETCH(QString, winnings);
        QFETCH(QString, cash);
        QFETCH(QString, debt);
        QFETCH(QString, share);
        QFETCH(QString, dopingMark);
        QFETCH(QList<int>, draws);
        QFETCH(QString, newCash);
        QFETCH(QString, newDebt);
        QFETCH(QString, newShare);
        QFETCH(QStringList, messages);

        InstalledPlayers installation;
        Form2 *office = officeWithBet(cash, debt, backed, stake, winnings, share);
        office->Command8->show();
        Form4 *race = app::window<Form4>();
        race->Text1->setText(dopingMark);

        ScriptedRandom random;
        ScriptedDialogs dialogs;
        for (const QString &text : messages)
            dialogs.expectMessage(text);
        // The draws in the settlement's order: the owner's charge (chance, kind, amount), the five
        // odds, then the drug test (chance, fines). The odds come between the two.
        const bool owner = share != player::noShares;
        int next = 0;
        if (owner) {
            random.pushDraw(draws[next], 4);
            if (draws[next++] == 2) {
                random.pushDraw(draws[next++], 5);
                random.pushDraw(draws[next++], 2000);
            }
        }
        const int odds[5] = {15, 1, 45, 2, 100};
        const int oddsTop[5] = {15, 25, 45, 75, 100};
        for (int horse = 0; horse < 5; ++horse)
            random.pushDraw(odds[horse], oddsTop[horse]);
        if (dopingMark == QLatin1String("1")) {
            random.pushDraw(draws[next], 3);
            if (draws[next++] == 2) {
                while (next < draws.size())
                    random.pushDraw(draws[next++], 30000);
            }
        }
        QCOMPARE(next, draws.size());
        const int queued = random.remaining();

        race->winningHorse = static_cast<short>(winner);
        race->Command3_Click();

        VERIFY_DIALOGS(dialogs);
        for (const testing::ShownMessage &shown : dialogs.messages()) {
            QCOMPARE(shown.icon, settlementIcon(shown.text));
            QCOMPARE(shown.buttons, platform::Buttons::Ok);
            QVERIFY(shown.title.isEmpty());  // the program's own title
        }
        QCOMPARE(random.used(), queued);  // no draw more, none fewer
        QCOMPARE(office->Text1->text(), newCash);
        QCOMPARE(office->Text2->text(), newDebt);
        QCOMPARE(office->Label16->text(), newShare);
        QCOMPARE(office->Command8->isHidden(), newShare != share);
        QCOMPARE(office->Text11->text(), horseNames[winner - 1]);
        for (int horse = 1; horse <= 5; ++horse)
            QCOMPARE(office->oddsLabel(horse)->text(), QString::number(odds[horse - 1]));
        // The record files hold the new cash, debt and share.
        QCOMPARE(fileLine(installation, "cash.pdx"), newCash + "\r\n");
        QCOMPARE(fileLine(installation, "debt.pdx"), newDebt + "\r\n");
        QCOMPARE(fileLine(installation, "share.pdx"), newShare + "\r\n");
        QCOMPARE(fileLine(installation, "hor3.pdx"), QStringLiteral("Mr Ed\r\n"));
    }

    void theOfficeIsBackInStakeEntry()
    {
        InstalledPlayers installation;
        Form2 *office = officeWithBet("500", "500", 1, "50", "350");
        // What the bet left switched off.
        office->show();
        office->hide();
        office->Command2->setEnabled(false);
        office->wiz1->hide();
        office->Command12->hide();
        office->Command12->setEnabled(false);
        office->Text3->setEnabled(false);
        office->Command6->setEnabled(false);
        office->Command10->setEnabled(false);
        office->Label57->setText(QStringLiteral("unchanged"));

        ScriptedRandom random;
        ScriptedDialogs dialogs;
        bool officeShownDuringTheBetMessages = false;
        dialogs.onMessage = [&](const testing::ShownMessage &) { officeShownDuringTheBetMessages = office->isVisible(); };
        dialogs.expectAnyMessage();
        dialogs.expectAnyMessage();
        random.pushDraw(5, 5);
        QPointer<Form4> race = app::window<Form4>();
        race->show();
        race->Command1_Click();
        runRace(race);

        VERIFY_DIALOGS(dialogs);
        QVERIFY(!officeShownDuringTheBetMessages);  // the office returns after the bet's messages
        QVERIFY(office->isVisible());
        QVERIFY(office->Command2->isEnabled());
        QVERIFY(!office->wiz1->isHidden());
        QVERIFY(!office->Command12->isHidden());
        QVERIFY(office->Command12->isEnabled());
        QVERIFY(office->Text3->isEnabled());
        QVERIFY(office->Command6->isEnabled());
        QVERIFY(office->Command10->isEnabled());
        QCOMPARE(office->Label57->text(), QStringLiteral("unchanged"));
        // The bet itself stays as it was until the next bet.
        QCOMPARE(office->Label10->text(), QStringLiteral("50"));
        QCOMPARE(office->Label14->text(), QStringLiteral("Red Rum"));
        QVERIFY(!race->isVisible());
        destroyClosedWindows();
        QVERIFY(!race);
        // A second settlement cannot happen: the next race is a fresh window.
        Form4 *next = app::window<Form4>();
        QCOMPARE(next->winningHorse, short(0));
        QVERIFY(next->Text1->text().isEmpty());
        for (int lane = 1; lane <= 5; ++lane)
            QCOMPARE(next->progressBar(lane)->value(), 0);
    }

    // The bet is on a name: a horse running twice wins for the player in either lane.
    void horsesOfTheSameNameWinTogether()
    {
        InstalledPlayers installation;
        Form2 *office = officeWithBet("1000", "0", 2, "50", "350");
        office->horseOption(4)->setText(horseNames[1]);
        ScriptedRandom random;
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("The Winner Was Desert Orchard (Horse 4)"));
        dialogs.expectMessage(QStringLiteral(" Your horse was the winner! You Have Won £350"));
        random.pushDraw(4, 5);
        Form4 *race = app::window<Form4>();
        race->Command1_Click();
        runRace(race);
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(office->Text1->text(), QStringLiteral("1350"));
        QCOMPARE(office->Text11->text(), horseNames[1]);
    }

    void aWindowCannotSettleTwice()
    {
        InstalledPlayers installation;
        Form2 *office = officeWithBet("500", "0", 1, "50", "350");
        ScriptedDialogs dialogs;
        ScriptedRandom random;
        dialogs.expectAnyMessage();
        dialogs.expectAnyMessage();
        Form4 *race = app::window<Form4>();
        race->winningHorse = 2;
        race->Command3_Click();
        QCOMPARE(office->Text1->text(), QStringLiteral("450"));
        race->Command3_Click();
        race->horse1t_Timer();
        QCOMPARE(office->Text1->text(), QStringLiteral("450"));
        VERIFY_DIALOGS(dialogs);
    }
};
PADDOX_TEST(SettlementTest)

// The doping offer before an owner's race.
class DopingOfferTest : public QObject {
    Q_OBJECT
private slots:
    void offer_data()
    {
        QTest::addColumn<QString>("answer");  // "YES", "NO" or "close"
        QTest::addColumn<QString>("share");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("newCash");
        QTest::addColumn<QList<int>>("lanesAt900");
        QTest::newRow("YES with 500 leaves -500") << "YES" << "Mr Ed" << "500" << "1" << "-500" << QList<int>{3};
        QTest::newRow("YES for a horse not running") << "YES" << "Shergar" << "5000" << "1" << "4000" << QList<int>{};
        QTest::newRow("YES at the smallest cash holds")
            << "YES" << "Mr Ed" << QString::number(minMoney + 1) << "1" << QString::number(minMoney) << QList<int>{3};
        QTest::newRow("NO") << "NO" << "Mr Ed" << "500" << "0" << "500" << QList<int>{};
        QTest::newRow("closed counts as NO") << "close" << "Mr Ed" << "500" << "0" << "500" << QList<int>{};
    }
    void offer()
    {
        QFETCH(QString, answer);
        QFETCH(QString, share);
        QFETCH(QString, cash);
        QFETCH(QString, mark);
        QFETCH(QString, newCash);
        QFETCH(QList<int>, lanesAt900);
        InstalledPlayers installation;
        Form2 *office = officeWithBet(cash, "0", 1, "50", "350", share);
        ScriptedDialogs dialogs;
        if (answer == QLatin1String("YES"))
            dialogs.expectMessage(QStringLiteral("You have been charged £1000 for the drugs"));
        if (newCash == QString::number(minMoney))
            dialogs.expectAnyMessage();
        QPointer<Form13> offer = app::window<Form13>();
        QCOMPARE(offer->windowTitle(), QStringLiteral("Drug Your Horse?......"));
        QCOMPARE(offer->Label3->text(), QStringLiteral("£1000"));
        QCOMPARE(offer->Label2->text(), QStringLiteral("Do You Wish To Drug Your Horse?"));
        QCOMPARE(offer->Label1->text(),
                 QStringLiteral("The Race Is About To Start, But You Bump Into Les Linem (The number1 horse drugger "
                                "in the UK) He offers to sell you some performance enhancing drugs for your horse so "
                                "that it will win the race. The Drugs Will Cost You: "));
        QCOMPARE(offer->Label4->text(), QStringLiteral("NOTE: "));
        QCOMPARE(offer->Label5->text(), QStringLiteral("If you are found to have drugged your horse then you will be "
                                                       "heavily fined and your horse will be destroyed."));
        QCOMPARE(offer->Command1->text(), QStringLiteral("YES"));
        QCOMPARE(offer->Command2->text(), QStringLiteral("NO"));
        offer->show();
        if (answer == QLatin1String("YES"))
            QTest::mouseClick(offer->Command1, Qt::LeftButton);
        else if (answer == QLatin1String("NO"))
            QTest::mouseClick(offer->Command2, Qt::LeftButton);
        else
            QVERIFY(offer->close());
        destroyClosedWindows();
        QVERIFY(!offer);
        VERIFY_DIALOGS(dialogs);
        if (answer == QLatin1String("YES"))
            QCOMPARE(dialogs.messages().first().icon, platform::Icon::None);
        Form4 *race = app::existingWindow<Form4>();
        QVERIFY(race);
        QVERIFY(race->isVisible());
        QCOMPARE(race->Text1->text(), mark);
        QCOMPARE(office->Text1->text(), newCash);
        for (int lane = 1; lane <= 5; ++lane)
            QCOMPARE(race->progressBar(lane)->value(), lanesAt900.contains(lane) ? 900 : 0);
    }

    void everyLaneOfTheOwnedNameIsDrugged()
    {
        InstalledPlayers installation;
        Form2 *office = officeWithBet("5000", "0", 1, "50", "350", "Red Rum");
        office->horseOption(4)->setText(QStringLiteral("Red Rum"));
        ScriptedDialogs dialogs;
        dialogs.expectAnyMessage();
        app::window<Form13>()->Command1_Click();
        Form4 *race = app::existingWindow<Form4>();
        QCOMPARE(race->progressBar(1)->value(), 900);
        QCOMPARE(race->progressBar(4)->value(), 900);
        QCOMPARE(race->progressBar(2)->value(), 0);
        VERIFY_DIALOGS(dialogs);
    }
};
PADDOX_TEST(DopingOfferTest)

#include "race_window_test.moc"
