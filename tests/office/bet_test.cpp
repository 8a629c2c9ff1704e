// Placing a bet in the betting office: the stake, its checks, the horse and the promised
// winnings, Place Bet, Start The Race, Cancel Your Bet, the wizard and the tip.
#include "office_fixture.h"

#include "platform/widgets/link_label.h"
#include "race/doping_offer_window.h"
#include "race/race_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using testing::ScriptedDialogs;
using testing::ScriptedRandom;
using namespace officetest;
using platform::Answer;
using platform::Icon;

namespace {

// True when the wizard shows exactly these of its step controls.
QStringList wizardShowing(const Form2 *office)
{
    QStringList showing;
    const QList<QWidget *> controls{office->wiz1, office->Command12, office->Option11, office->Option12, office->Option13,
                                    office->Option14, office->Option15, office->Label47, office->Label48, office->Label49,
                                    office->Command19, office->cmdst, office->Command17};
    for (QWidget *control : controls) {
        if (!control->isHidden())
            showing << control->objectName();
    }
    return showing;
}

const QStringList step1 = {"wiz1", "Command12"};
const QStringList step2 = {"Option11", "Option12", "Option13", "Option14", "Option15", "Label47", "Label48", "Label49", "Command19", "cmdst"};
const QStringList step3 = {"Command17"};

// The question a stake asks, answered Yes, and (when given) what the office says next.
void expectStake(ScriptedDialogs &dialogs, const QString &stake, const QString &then = QString())
{
    dialogs.expectMessage(QStringLiteral("Are You Sure That You Want To Play £%1 On This Race?").arg(stake), Answer::Yes);
    dialogs.expectMessage(then.isEmpty() ? QStringLiteral("You are placing £%1 on this next race").arg(stake) : then);
}

// Accepts a stake of 200 on the Betting tab.
void acceptStake(Form2 *office, ScriptedDialogs &dialogs)
{
    office->Text3->setEditText(QStringLiteral("200"));
    expectStake(dialogs, QStringLiteral("200"));
    office->Command10_Click();
}

void expectStakeEntry(const Form2 *office)
{
    QVERIFY(office->Text3->isEnabled());
    QVERIFY(office->Command10->isEnabled());
    QVERIFY(office->Command2->isEnabled());
    QVERIFY(!office->Command1->isEnabled());
    QVERIFY(!office->Command3->isEnabled());
    for (int horse = 1; horse <= 5; ++horse) {
        QVERIFY(!office->horseOption(horse)->isEnabled());
        QVERIFY(!office->wizardOption(horse)->isEnabled());
    }
    QCOMPARE(office->Label46->text(), QStringLiteral("STEP 1:"));
    QCOMPARE(wizardShowing(office), step1);
    QVERIFY(office->wiz1->isEnabled());
    QVERIFY(office->Command12->isEnabled());
}

}  // namespace

class BetTest : public QObject {
    Q_OBJECT
private slots:
    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label27") << "Label27" << "Place Your Stake Here:";
        QTest::newRow("Command10") << "Command10" << "Place Your &Stake";
        QTest::newRow("Command2") << "Command2" << "&Confirm Cash Amount";
        QTest::newRow("Label39") << "Label39" << "&Cancel Your Bet.";
        QTest::newRow("Command1") << "Command1" << "Place &Bet On Selected Horse";
        QTest::newRow("Command3") << "Command3" << "&Start The Race";
        QTest::newRow("Command9") << "Command9" << "Scorhers &Hot Tip Is....";
        QTest::newRow("Label31") << "Label31"
                                 << "Enter the amount of money that you wish to bet above (You cannot place more than 800 on any "
                                    "race). Then select the horse that you wish to win. Then select 'Bet On Selected Horse'. "
                                    "Once selected then go to 'Start Race' to start this race";
        QTest::newRow("Label38") << "Label38"
                                 << "This will just show you the information about which horse you are betting on and how much "
                                    "you are risking on the race. It also tells you which horse you have shares in and how much "
                                    "money you will win if the horse you bet on wins";
        QTest::newRow("Command12") << "Command12" << "Select Current Stake";
        QTest::newRow("Label49") << "Label49" << "This is how much you will win";
        QTest::newRow("Command19") << "Command19" << "Select Your Horse";
        QTest::newRow("cmdst") << "cmdst" << "Horse Tip";
        QTest::newRow("Command17") << "Command17" << "Start The Race";
        QTest::newRow("Command112") << "Command112" << "Close Wizard";
        QTest::newRow("Label40") << "Label40" << "Paddox Wizard.";
        QTest::newRow("subtitle") << "lblWizardSubtitle" << "The step by step route to placing a bet";
        QTest::newRow("header") << "lblHorsesHeader" << " The Horses                     Odds /1     Jockey";
        QTest::newRow("stake caption") << "lblStakeCaption" << "Amount You Are Betting";
        QTest::newRow("horse caption") << "lblHorseCaption" << "The Name Of The Horse Your Are Backing";
        QTest::newRow("win caption") << "lblWinCaption" << "Amount You Will Win, If You Win";
    }
    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Installed installation;
        Form2 *office = signedInOffice();
        QObject *control = office->findChild<QObject *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->property("text").toString(), caption);
    }

    void framesAreNamed()
    {
        Installed installation;
        Form2 *office = signedInOffice();
        QStringList titles;
        for (auto *frame : office->findChildren<QGroupBox *>())
            titles << frame->title();
        for (const char *title : {"Your Account Status", "Game Information", "The Bookies", "The Horses For The Next Race",
                                  "Information About This Race"})
            QVERIFY2(titles.contains(QString::fromUtf8(title)), title);
    }

    void placeYourStakeAsks_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("pounds, yes") << "United Kingdom" << "£" << Answer::Yes;
        QTest::newRow("euros, yes") << "France" << "€" << Answer::Yes;
        QTest::newRow("dollars, no") << "Canada" << "$" << Answer::No;
    }
    void placeYourStakeAsks()
    {
        QFETCH(QString, country);
        QFETCH(QString, sign);
        QFETCH(Answer, answer);
        Installed installation(country);
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        office->Text3->setEditText(QStringLiteral("250"));
        dialogs.expectMessage(QStringLiteral("Are You Sure That You Want To Play ") + sign + QStringLiteral("250 On This Race?"), answer);
        if (answer == Answer::Yes)
            dialogs.expectMessage(QStringLiteral("You are placing ") + sign + QStringLiteral("250 on this next race"));
        office->Command10_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.messages().first().title, QStringLiteral("Paddox6 Is Asking You A Question?"));
        QCOMPARE(dialogs.messages().first().buttons, platform::Buttons::YesNo);
        if (answer == Answer::No) {
            QCOMPARE(panel(office, 3), QStringLiteral("Welcome To Paddox6.6 "));
            QVERIFY(office->Text3->isEnabled());
        } else {
            QVERIFY(!office->Text3->isEnabled());
        }
    }

    void confirmStep_data()
    {
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<QString>("confirmed");  // empty: refused
        const QString over = QStringLiteral(" The bet is over £800 ");
        const QString poor = QStringLiteral("you dont have enough cash, please try again");
        const QString none = QStringLiteral("Please enter the amount you wish to bet");
        QTest::newRow("800 with 1000") << "800" << "1000" << "You are placing £800 on this next race" << Icon::Information << "800";
        QTest::newRow("801 with 1000") << "801" << "1000" << over << Icon::Critical << "";
        QTest::newRow("800 with 800") << "800" << "800" << poor << Icon::Warning << "";
        QTest::newRow("0") << "0" << "500" << none << Icon::Information << "";
        QTest::newRow("untouched") << "Enter Your Stake......" << "500" << none << Icon::Information << "";
        QTest::newRow("blanks around 50") << " 50 " << "500" << "You are placing £50 on this next race" << Icon::Information << "50";
        QTest::newRow("127.5") << "127.5" << "500" << "You are placing £128 on this next race" << Icon::Information << "128";
    }
    void confirmStep()
    {
        QFETCH(QString, stake);
        QFETCH(QString, cash);
        QFETCH(QString, message);
        QFETCH(Icon, icon);
        QFETCH(QString, confirmed);
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, cash);
        office->Text3->setEditText(stake);
        const QString typed = office->Text3->currentText();
        dialogs.expectMessage(message);
        office->Command2_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.messages().first().icon, icon);
        QCOMPARE(panel(office, 3), QStringLiteral("Now Select The Horse You Wish To Bet On"));
        QCOMPARE(office->Text1->text(), cash);
        if (confirmed.isEmpty()) {
            expectStakeEntry(office);
            if (typed != QStringLiteral("Enter Your Stake......"))
                QCOMPARE(office->Label10->text(), typed);  // follows the field
            QVERIFY(!office->Command9->isEnabled());
        } else {
            QVERIFY(!office->Text3->isEnabled());
            QVERIFY(!office->Command10->isEnabled());
            QVERIFY(!office->Command2->isEnabled());
            QVERIFY(!office->Command12->isEnabled());
            QVERIFY(office->Command9->isEnabled());
            QVERIFY(!office->Command1->isEnabled());  // until a horse is chosen
            for (int horse = 1; horse <= 5; ++horse) {
                QVERIFY(office->horseOption(horse)->isEnabled());
                QVERIFY(!office->horseOption(horse)->isChecked());
            }
            QCOMPARE(office->Label10->text(), confirmed);
            QCOMPARE(office->Label46->text(), QStringLiteral("STEP 2:"));
        }
    }

    void stakeFieldFollowsTyping()
    {
        Installed installation;
        Form2 *office = signedInOffice();
        office->Text3->setFocus();
        office->Text3->lineEdit()->clear();
        QTest::keyClicks(office->Text3->lineEdit(), QStringLiteral("35"));
        QCOMPARE(office->Label10->text(), QStringLiteral("35"));
        office->Text3->setCurrentIndex(3);
        QCOMPARE(office->Label10->text(), QStringLiteral("250"));
        emit office->Text3->activated(3);
        QCOMPARE(panel(office, 3), QStringLiteral("Enter The Amount You Wish To Place On This Race"));
        // Typing never adds to the stake list.
        QTest::keyClick(office->Text3->lineEdit(), Qt::Key_Return);
        QCOMPARE(office->Text3->count(), 10);
    }

    void horseChosen_data()
    {
        QTest::addColumn<int>("horse");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("winnings");
        // The card's odds: 15, 7, 45, 1, 100.
        QTest::newRow("odds 15, stake 50") << 1 << "50" << "750";
        QTest::newRow("odds 7, stake 200") << 2 << "200" << "1400";
        QTest::newRow("odds 1, stake 50") << 4 << "50" << "50";
        QTest::newRow("odds 100, stake 800") << 5 << "800" << "80000";
        QTest::newRow("odds 45, rounded stake") << 3 << "10.5" << "450";
    }
    void horseChosen()
    {
        QFETCH(int, horse);
        QFETCH(QString, stake);
        QFETCH(QString, winnings);
        Installed installation;
        ScriptedDialogs dialogs;
        ScriptedRandom random;
        pushLoadDraws(random, 1, 0, {15, 7, 45, 1, 100});
        Form2 *office = signedInOffice(1, QStringLiteral("5000"));
        office->Text3->setEditText(stake);
        dialogs.expectAnyMessage();
        office->Command2_Click();
        office->horseOption(horse)->click();
        VERIFY_DIALOGS(dialogs);
        const QString name = defaultHorses[horse - 1];
        QCOMPARE(office->Label12->text(), winnings);
        QCOMPARE(office->Label48->text(), winnings);
        QCOMPARE(office->Label14->text(), name);
        QCOMPARE(office->Label47->text(), QStringLiteral("You Are Going To Place A Bet On: ") + name);
        QCOMPARE(panel(office, 3), QStringLiteral("You Are Going To Place A Bet On: ") + name);
        QVERIFY(office->Command1->isEnabled());
        QVERIFY(office->wizardOption(horse)->isChecked());
        QVERIFY(office->Command19->isEnabled());
        // Another horse: the last choice stands.
        const int other = horse == 1 ? 2 : 1;
        office->horseOption(other)->click();
        QCOMPARE(office->Label14->text(), defaultHorses[other - 1]);
    }

    void placeBet()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        ScriptedRandom random;
        pushLoadDraws(random, 1, 0, {3, 7, 2, 9, 11});
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        acceptStake(office, dialogs);
        office->Option3->click();
        dialogs.expectMessage(QStringLiteral("You Are Betting £200 on Mr Ed. If you win, you will win £400. Good Luck!"));
        office->Command1_Click();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(!office->Command1->isEnabled());
        for (int horse = 1; horse <= 5; ++horse)
            QVERIFY(!office->horseOption(horse)->isEnabled());
        QVERIFY(office->Command3->isEnabled());
        QCOMPARE(panel(office, 3), QStringLiteral("Now Select 'Start Race' - good luck "));
        // The wizard keeps up: it waits at step 3.
        QCOMPARE(office->Label46->text(), QStringLiteral("STEP 3:"));
        QCOMPARE(wizardShowing(office), step3);
    }

    void startTheRace_data()
    {
        QTest::addColumn<QString>("share");
        QTest::addColumn<bool>("dopingOffer");
        QTest::newRow("no share: the race") << player::noShares << false;
        QTest::newRow("owner: the doping offer") << "Mr Ed" << true;
        QTest::newRow("share in a horse not running") << "Gone Horse" << true;
    }
    void startTheRace()
    {
        QFETCH(QString, share);
        QFETCH(bool, dopingOffer);
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"), QStringLiteral("0"), share);
        betOn(office, dialogs);
        office->Command3_Click();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(!office->Command3->isEnabled());
        QCOMPARE(app::existingWindow<Form13>() != nullptr, dopingOffer);
        QCOMPARE(app::existingWindow<Form4>() != nullptr, !dopingOffer);
        if (dopingOffer)
            QVERIFY(app::existingWindow<Form13>()->isVisible());
        else
            QVERIFY(app::existingWindow<Form4>()->isVisible());
        QCOMPARE(office->Label46->text(), QStringLiteral("STEP 1:"));
        QCOMPARE(wizardShowing(office), QStringList());  // the race end brings the picker back
    }

    void cancelYourBet_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("stake entry") << 0;
        QTest::newRow("stake refused") << 1;
        QTest::newRow("stake accepted") << 2;
        QTest::newRow("horse chosen") << 3;
        QTest::newRow("bet placed") << 4;
        QTest::newRow("race window open") << 5;
        QTest::newRow("horses running") << 6;
        QTest::newRow("doping offer") << 7;
    }
    void cancelYourBet()
    {
        QFETCH(int, state);
        Installed installation;
        ScriptedDialogs dialogs;
        const QString share = state == 7 ? QStringLiteral("Mr Ed") : player::noShares;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"), QStringLiteral("0"), share);
        if (state == 1) {
            office->Text3->setEditText(QStringLiteral("5000"));
            dialogs.expectMessage(QStringLiteral(" The bet is over £800 "));
            office->Command2_Click();
        }
        if (state >= 2)
            acceptStake(office, dialogs);
        if (state >= 3)
            office->Option4->click();
        if (state >= 4) {
            dialogs.expectAnyMessage();
            office->Command1_Click();
        }
        if (state >= 5)
            office->Command3_Click();
        if (state == 6)
            app::existingWindow<Form4>()->Command1_Click();  // the horses are off
        const QString summary = office->Label14->text() + office->Label12->text();
        const bool tipUsable = office->Command9->isEnabled();

        office->Label39_Click();
        flushDeletes();
        VERIFY_DIALOGS(dialogs);
        if (state >= 6) {
            // The bet on a running race, or one whose doping offer is up, stays as it is.
            QVERIFY(!office->Text3->isEnabled());
            QVERIFY(!office->Command10->isEnabled());
            QCOMPARE(office->Label10->text(), QStringLiteral("200"));
            QVERIFY(app::existingWindow<Form4>() || app::existingWindow<Form13>());
            return;
        }
        // A race window not started yet goes with the bet.
        QVERIFY(!app::existingWindow<Form4>());
        expectStakeEntry(office);
        QCOMPARE(office->Label14->text() + office->Label12->text(), summary);
        QCOMPARE(office->Command9->isEnabled(), tipUsable);
        // Back in stake entry, every check runs again before the next bet.
        office->Text3->setEditText(QStringLiteral("999"));
        expectStake(dialogs, QStringLiteral("999"), QStringLiteral(" The bet is over £800 "));
        office->Command10_Click();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(!office->Option1->isEnabled());
    }

    void raceWindowClosedBeforeTheStart()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        betOn(office, dialogs, 2);
        office->Command3_Click();
        QVERIFY(app::existingWindow<Form4>()->close());
        flushDeletes();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(!app::existingWindow<Form4>());
        expectStakeEntry(office);
    }

    void bettingInfoShowsTheShare()
    {
        Installed installation;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"), QStringLiteral("0"), QStringLiteral("Wolf"));
        office->SSTab1->setCurrentIndex(3);
        QCOMPARE(office->findChild<QLabel *>(QStringLiteral("lblShareInfo"))->text(), QStringLiteral("Wolf"));
        office->SSTab1->setCurrentIndex(0);
        office->Label16->setText(player::noShares);
        office->SSTab1->setCurrentIndex(3);
        QCOMPARE(office->findChild<QLabel *>(QStringLiteral("lblShareInfo"))->text(), player::noShares);
    }

    void wizardEndToEnd()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        ScriptedRandom random;
        pushLoadDraws(random, 2, 0, {3, 7, 9, 4, 20});
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        QCOMPARE(office->Label46->text(), QStringLiteral("STEP 1:"));
        QCOMPARE(wizardShowing(office), step1);

        // Step 1: a stake from the picker runs the same question and checks.
        office->wiz1->setCurrentIndex(2);  // "200"
        expectStake(dialogs, QStringLiteral("200"));
        office->Command12_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(office->Text3->currentText(), QStringLiteral("200"));
        QCOMPARE(office->Label10->text(), QStringLiteral("200"));

        // Step 2.
        QCOMPARE(office->Label46->text(), QStringLiteral("STEP 2:"));
        QCOMPARE(wizardShowing(office), step2);
        for (int horse = 1; horse <= 5; ++horse) {
            QCOMPARE(office->wizardOption(horse)->text(), defaultHorses[horse - 1]);
            QVERIFY(office->wizardOption(horse)->isEnabled());
        }
        QVERIFY(!office->Command19->isEnabled());
        QVERIFY(!office->Command1->isEnabled());
        office->Option13->click();
        QVERIFY(office->Option3->isChecked());
        QCOMPARE(office->Label12->text(), QStringLiteral("1800"));
        QCOMPARE(office->Label48->text(), QStringLiteral("1800"));
        QCOMPARE(office->Label47->text(), QStringLiteral("You Are Going To Place A Bet On: Mr Ed"));
        QVERIFY(office->Command19->isEnabled());
        // The tip, once.
        random.pushDraw(5, 5);
        office->cmdst_Click();
        QCOMPARE(office->Label56->text(), QStringLiteral("Scorhers Predicts That Black Beauty Will Win This Race"));
        QVERIFY(office->cmdst->isHidden());

        // Step 3.
        dialogs.expectMessage(QStringLiteral("You Are Betting £200 on Mr Ed. If you win, you will win £1800. Good Luck!"));
        office->Command19_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(office->Label46->text(), QStringLiteral("STEP 3:"));
        QCOMPARE(wizardShowing(office), step3);
        QVERIFY(office->Command3->isEnabled());

        // Start.
        office->Command17_Click();
        QVERIFY(app::existingWindow<Form4>());
        QVERIFY(!office->Command3->isEnabled());
        QCOMPARE(office->Label46->text(), QStringLiteral("STEP 1:"));
        QCOMPARE(wizardShowing(office), QStringList());
        VERIFY_DIALOGS(dialogs);
    }

    void wizardStakeRefused_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("asked");  // past the picker: the question and the stake checks decide
        QTest::addColumn<QString>("message");
        QTest::newRow("Select Your Stake") << "1000" << "Select Your Stake" << false << "Please Select A Stake";
        QTest::newRow("letters") << "1000" << "plenty" << false << "Please Select A Stake";
        QTest::newRow("900") << "1000" << "900" << false << "Please enter a stake less than 800";
        QTest::newRow("400 with 300") << "300" << "400" << true << "you dont have enough cash, please try again";
        QTest::newRow("800.6 counts as 801") << "1000" << "800.6" << true << " The bet is over £800 ";
    }
    void wizardStakeRefused()
    {
        QFETCH(QString, cash);
        QFETCH(QString, text);
        QFETCH(bool, asked);
        QFETCH(QString, message);
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, cash);
        office->Text3->setEditText(QStringLiteral("50"));
        office->wiz1->setEditText(text);
        if (asked)
            expectStake(dialogs, text, message);
        else
            dialogs.expectMessage(message);
        office->Command12_Click();
        VERIFY_DIALOGS(dialogs);
        if (!asked)
            QCOMPARE(office->Text3->currentText(), QStringLiteral("50"));
        expectStakeEntry(office);
    }

    void keyboardBetOnTheBettingTab()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        QVERIFY(shownActive(office));
        // The keyboard starts in the stake field, and typing replaces its prompt.
        QCOMPARE(QApplication::focusWidget(), office->Text3);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("200"));
        QCOMPARE(office->Text3->currentText(), QStringLiteral("200"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), office->Command10);
        expectStake(dialogs, QStringLiteral("200"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), office->Command9);  // the tip, then the horses
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), office->Option1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(office->Option2->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), office->Command1);
        dialogs.expectAnyMessage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        // The next key starts the race: it never lands on "Cancel Your Bet."
        QCOMPARE(QApplication::focusWidget(), office->Command3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        VERIFY_DIALOGS(dialogs);
        QVERIFY(app::existingWindow<Form4>());
        QCOMPARE(office->focusWidget(), office->SSTab1->tabBar());
    }

    void keyboardBetInTheWizard()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        QVERIFY(shownActive(office));
        office->wiz1->setFocus();
        office->wiz1->lineEdit()->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("200"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), office->Command12);
        expectStake(dialogs, QStringLiteral("200"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        // Step 2 goes on at the wizard's horses, never at "Close Wizard".
        QCOMPARE(QApplication::focusWidget(), office->Option11);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(office->Option1->isChecked());
        office->cmdst_Click();  // the tip used: its button goes away
        office->Command19->setFocus();
        dialogs.expectAnyMessage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(office->Label46->text(), QStringLiteral("STEP 3:"));
        QCOMPARE(QApplication::focusWidget(), office->Command17);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        VERIFY_DIALOGS(dialogs);
        QVERIFY(app::existingWindow<Form4>());
        QVERIFY(!office->wizardClosed());
        QCOMPARE(office->focusWidget(), office->SSTab1->tabBar());
    }

    void cancelByKeyboardReturnsToTheStake()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        QVERIFY(shownActive(office));
        acceptStake(office, dialogs);
        office->Label39->setFocus();
        QTest::keyClick(office->Label39, Qt::Key_Space);
        expectStakeEntry(office);
        QCOMPARE(QApplication::focusWidget(), office->Text3);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("50"));
        QCOMPARE(office->Text3->currentText(), QStringLiteral("50"));
        VERIFY_DIALOGS(dialogs);
        QTest::mouseMove(office->Label39, QPoint(5, 5));
        QTest::mouseClick(office->Label39, Qt::LeftButton);
        QVERIFY(office->Label39->underlined());
    }

    void longTipStaysReadable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("usual") << "Mr Ed";
        QTest::newRow("thirty wide letters") << QString(30, QLatin1Char('W'));
    }
    void longTipStaysReadable()
    {
        QFETCH(QString, name);
        Installed installation;
        ScriptedRandom random;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"), QStringLiteral("500"), player::noShares,
                                       {name, "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"});
        random.pushDraw(1, 5);
        office->drawTip();
        const QString tip = QStringLiteral("Scorhers Predicts That ") + name + QStringLiteral(" Will Win This Race");
        QCOMPARE(office->Label56->text(), tip);
        // Every line of it fits the label.
        const QRect room = office->Label56->contentsRect();
        QVERIFY(QFontMetrics(office->Label56->font()).boundingRect(room, Qt::TextWordWrap, tip).height() <= room.height());
        QVERIFY(office->Label56->font().bold());
    }

    void tipButton()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        ScriptedRandom random;
        pushLoadDraws(random, 4, 0, {1, 1, 1, 1, 1});
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        QCOMPARE(office->Label56->text(), QStringLiteral("Scorhers Predicts That Whopper Meal With Fries Will Win This Race"));
        QVERIFY(!office->Command9->isEnabled());
        acceptStake(office, dialogs);
        QVERIFY(office->Command9->isEnabled());
        random.pushDraw(1, 5);
        office->Command9->click();
        QCOMPARE(office->Label56->text(), QStringLiteral("Scorhers Predicts That Red Rum Will Win This Race"));
        QVERIFY(!office->Command9->isEnabled());
        QCOMPARE(office->tipHorse(), 1);
    }
};
PADDOX_TEST(BetTest)

#include "bet_test.moc"
