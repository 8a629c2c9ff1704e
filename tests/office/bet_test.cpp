// Placing a bet: the stake question and checks, the horse and its winnings, Place Bet, the start,
// Cancel Your Bet, the wizard's three steps and the tip.
#include "office_fixture.h"

#include "race/doping_offer_window.h"
#include "race/race_window.h"

#include <QApplication>
#include <QPushButton>

using namespace officetest;

class BetTest : public QObject {
    Q_OBJECT
private slots:
    void placeYourStake_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("message");  // after the question; empty: none
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<QString>("confirmed");  // empty: still in stake entry
        QTest::newRow("pounds, yes") << "United Kingdom" << "799" << Answer::Yes << "You are placing £799 on this next race" << Icon::Information << "799";
        QTest::newRow("euros, rounded") << "France" << "127.5" << Answer::Yes << "You are placing €128 on this next race" << Icon::Information << "128";
        QTest::newRow("dollars, no") << "Canada" << "250" << Answer::No << "" << Icon::Question << "";
        QTest::newRow("over 800") << "United Kingdom" << "801" << Answer::Yes << " The bet is over £800 " << Icon::Critical << "";
        QTest::newRow("all the cash") << "United Kingdom" << "800" << Answer::Yes << "you dont have enough cash, please try again" << Icon::Warning << "";
        QTest::newRow("0") << "United Kingdom" << "0" << Answer::Yes << "Please enter the amount you wish to bet" << Icon::Information << "";
    }
    void placeYourStake()
    {
        QFETCH(QString, country);
        QFETCH(QString, stake);
        QFETCH(Answer, answer);
        QFETCH(QString, message);
        QFETCH(Icon, icon);
        QFETCH(QString, confirmed);
        Office o("800", "500", "You Have No Shares", defaultHorses, 1, country);
        const QString sign = message.isEmpty() ? "$" : message.contains("€") ? "€" : "£";
        o.w->Text3->setEditText(stake);
        o.dialogs.expectMessage("Are You Sure That You Want To Play " + sign + stake + " On This Race?", answer);
        if (!message.isEmpty())
            o.dialogs.expectMessage(message);
        o.w->Command10_Click();
        VERIFY_DIALOGS(o.dialogs);
        QCOMPARE(o.dialogs.messages().first().title, QStringLiteral("Paddox6 Is Asking You A Question?"));
        QCOMPARE(o.dialogs.messages().last().icon, icon);
        QCOMPARE(o.w->Text3->isEnabled(), confirmed.isEmpty());
        QCOMPARE(o.w->Command10->isEnabled(), confirmed.isEmpty());
        QVERIFY(!o.w->Command1->isEnabled());
        QCOMPARE(o.w->Command9->isEnabled(), !confirmed.isEmpty());
        for (int horse = 1; horse <= 5; ++horse)
            QCOMPARE(o.w->horseOption(horse)->isEnabled(), !confirmed.isEmpty());
        if (!confirmed.isEmpty()) {
            QCOMPARE(o.w->Label10->text(), confirmed);
            QCOMPARE(o.w->Label46->text(), QStringLiteral("STEP 2:"));
        }
    }

    void horseChosenThenPlaced_data()
    {
        QTest::addColumn<int>("horse");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("winnings");
        QTest::newRow("odds 15, stake 50") << 1 << "50" << "750";
        QTest::newRow("odds 7, stake 200") << 2 << "200" << "1400";
        QTest::newRow("odds 1, stake 50") << 4 << "50" << "50";
        QTest::newRow("odds 100, stake 800") << 5 << "800" << "80000";
    }
    void horseChosenThenPlaced()
    {
        QFETCH(int, horse);
        QFETCH(QString, stake);
        QFETCH(QString, winnings);
        Office o("5000");
        for (int h = 1; h <= 5; ++h)
            o.w->oddsLabel(h)->setText(QStringList{"15", "7", "45", "1", "100"}[h - 1]);
        QVERIFY(o.shownActive(o.w));
        o.bet(horse, stake, false);
        const QString name = defaultHorses[horse - 1];
        QCOMPARE(o.w->Label12->text(), winnings);
        QCOMPARE(o.w->Label48->text(), winnings);
        QCOMPARE(o.w->Label14->text(), name);
        QCOMPARE(o.panel(3), "You Are Going To Place A Bet On: " + name);
        QVERIFY(o.w->wizardOption(horse)->isChecked());
        o.w->horseOption(horse)->setFocus();
        o.dialogs.expectMessage("You Are Betting £" + stake + " on " + name + ". If you win, you will win £" + winnings + ". Good Luck!");
        o.w->Command1_Click();
        VERIFY_DIALOGS(o.dialogs);
        QVERIFY(!o.w->Command1->isEnabled());
        QVERIFY(!o.w->horseOption(horse)->isEnabled());
        QVERIFY(o.w->Command3->isEnabled());
        QCOMPARE(QApplication::focusWidget(), o.w->Command3);  // the next key starts the race
        QCOMPARE(o.w->Label46->text(), QStringLiteral("STEP 3:"));
    }

    void startTheRace_data()
    {
        QTest::addColumn<QString>("share");
        QTest::addColumn<bool>("dopingOffer");
        QTest::newRow("no share: the race") << "You Have No Shares" << false;
        QTest::newRow("owner: the doping offer") << "Mr Ed" << true;
    }
    void startTheRace()
    {
        QFETCH(QString, share);
        QFETCH(bool, dopingOffer);
        Office o("1000", "0", share);
        o.bet();
        o.w->Command3_Click();
        VERIFY_DIALOGS(o.dialogs);
        QVERIFY(!o.w->Command3->isEnabled());
        QCOMPARE(app::existingWindow<Form13>() != nullptr, dopingOffer);
        QCOMPARE(app::existingWindow<Form4>() != nullptr, !dopingOffer);
    }

    void cancelYourBet_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("horse chosen") << 1 << true;
        QTest::newRow("bet placed") << 2 << true;
        QTest::newRow("race window open") << 3 << true;
        QTest::newRow("horses running") << 4 << false;
    }
    void cancelYourBet()
    {
        QFETCH(int, state);
        QFETCH(bool, cancelled);
        Office o("1000", "0");
        o.bet(5, "200", state >= 2);
        if (state >= 3)
            o.w->Command3_Click();
        if (state == 4)
            app::existingWindow<Form4>()->Command1_Click();  // the horses are off
        o.w->Label39_Click();
        flushDeletes();
        VERIFY_DIALOGS(o.dialogs);
        QCOMPARE(o.w->Text3->isEnabled(), cancelled);
        QCOMPARE(app::existingWindow<Form4>() != nullptr, !cancelled);
        if (!cancelled)
            return;
        QVERIFY(!o.w->Command1->isEnabled() && !o.w->Command3->isEnabled());
        QVERIFY(!o.w->horseOption(5)->isEnabled());
        QCOMPARE(o.w->Label46->text(), QStringLiteral("STEP 1:"));
        // The next stake starts with no horse chosen.
        o.w->Text3->setEditText("100");
        o.dialogs.expectAnyMessage();
        o.w->Command2_Click();
        for (int horse = 1; horse <= 5; ++horse)
            QVERIFY(!o.w->horseOption(horse)->isChecked() && !o.w->wizardOption(horse)->isChecked());
    }

    void wizardEndToEnd()
    {
        Office o("1000");
        o.random.pushDraw(5, 5);
        o.w->wiz1->setCurrentIndex(2);  // "200"
        o.dialogs.expectMessage("Are You Sure That You Want To Play £200 On This Race?", Answer::Yes);
        o.dialogs.expectMessage("You are placing £200 on this next race");
        o.w->Command12_Click();
        QCOMPARE(o.w->Text3->currentText(), QStringLiteral("200"));
        for (int horse = 1; horse <= 5; ++horse) {
            QCOMPARE(o.w->wizardOption(horse)->text(), defaultHorses[horse - 1]);
            QVERIFY(o.w->wizardOption(horse)->isEnabled());
        }
        o.w->Option13->click();
        QVERIFY(o.w->Option3->isChecked());
        QCOMPARE(o.w->Label47->text(), QStringLiteral("You Are Going To Place A Bet On: Mr Ed"));
        o.w->cmdst_Click();
        QCOMPARE(o.w->Label56->text(), QStringLiteral("Scorhers Predicts That Black Beauty Will Win This Race"));
        QVERIFY(o.w->cmdst->isHidden());
        o.dialogs.expectAnyMessage();
        o.w->Command19_Click();
        QCOMPARE(o.w->Label46->text(), QStringLiteral("STEP 3:"));
        o.w->Command17_Click();
        VERIFY_DIALOGS(o.dialogs);
        QVERIFY(app::existingWindow<Form4>());
    }

    void wizardStakeRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("asked");  // past the picker: the question and the stake checks decide
        QTest::addColumn<QString>("message");
        QTest::newRow("Select Your Stake") << "Select Your Stake" << false << "Please Select A Stake";
        QTest::newRow("900") << "900" << false << "Please enter a stake less than 800";
        QTest::newRow("400 with 300") << "400" << true << "you dont have enough cash, please try again";
    }
    void wizardStakeRefused()
    {
        QFETCH(QString, text);
        QFETCH(bool, asked);
        QFETCH(QString, message);
        Office o("300");
        o.w->wiz1->setEditText(text);
        if (asked)
            o.dialogs.expectMessage("Are You Sure That You Want To Play £" + text + " On This Race?", Answer::Yes);
        o.dialogs.expectMessage(message);
        o.w->Command12_Click();
        VERIFY_DIALOGS(o.dialogs);
        QVERIFY(o.w->Text3->isEnabled());
        QCOMPARE(o.w->Label46->text(), QStringLiteral("STEP 1:"));
    }

    void tipButtonOnceAfterTheStake()
    {
        Office o("1000");
        QVERIFY(!o.w->Command9->isEnabled());
        o.bet(1, "100", false);
        o.random.pushDraw(2, 5);
        o.w->Command9->click();
        QCOMPARE(o.w->Label56->text(), QStringLiteral("Scorhers Predicts That Desert Orchard Will Win This Race"));
        QVERIFY(!o.w->Command9->isEnabled());
    }
};
PADDOX_TEST(BetTest)

#include "bet_test.moc"
