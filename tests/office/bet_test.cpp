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
    void placeYourStake()
    {
        const struct { const char *country, *stake; Answer answer; QString sign, message; Icon icon; QString confirmed; } rows[] = {
            {"United Kingdom", "799", Answer::Yes, "£", "You are placing £799 on this next race", Icon::Information, "799"},
            {"France", "127.5", Answer::Yes, "€", "You are placing €128 on this next race", Icon::Information, "128"},
            {"Canada", "250", Answer::No, "$", "", Icon::None, ""},
            {"United Kingdom", "801", Answer::Yes, "£", " The bet is over £800 ", Icon::Critical, ""},
            {"United Kingdom", "800", Answer::Yes, "£", "you dont have enough cash, please try again", Icon::Warning, ""},
            {"United Kingdom", "0", Answer::Yes, "£", "Please enter the amount you wish to bet", Icon::Information, ""}};
        for (const auto &row : rows) {
            Office o("800", "500", "You Have No Shares", defaultHorses, 1, row.country);
            o.w->Text3->setEditText(row.stake);
            o.dialogs.expectMessage("Are You Sure That You Want To Play " + row.sign + row.stake + " On This Race?", row.answer);
            if (!row.message.isEmpty())
                o.dialogs.expectMessage(row.message);
            o.w->Command10_Click();
            VERIFY_DIALOGS(o.dialogs);
            QCOMPARE(o.dialogs.messages().first().title, QStringLiteral("Paddox6 Is Asking You A Question?"));
            QCOMPARE(o.dialogs.messages().last().icon, row.icon);
            const bool accepted = !row.confirmed.isEmpty();
            QCOMPARE(o.w->Text3->isEnabled(), !accepted);
            QCOMPARE(o.w->Command10->isEnabled(), !accepted);
            QCOMPARE(o.w->Command9->isEnabled(), accepted);
            for (int horse = 1; horse <= 5; ++horse)
                QCOMPARE(o.w->horseOption(horse)->isEnabled(), accepted);
            QCOMPARE(o.w->Label10->text(), accepted ? row.confirmed : QString(row.stake));  // follows the field until confirmed
            QCOMPARE(o.w->Label46->text(), accepted ? QStringLiteral("STEP 2:") : QStringLiteral("STEP 1:"));
        }
    }

    void horseChosenThenPlaced()
    {
        // The card's odds: 15, 7, 45, 1, 100.
        const struct { int horse; QString stake, winnings; } rows[] = {{1, "50", "750"}, {2, "200", "1400"}, {4, "50", "50"}, {5, "800", "80000"}};
        for (const auto &[horse, stake, winnings] : rows) {
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
    }

    void startTheRace()
    {
        for (const QString share : {"You Have No Shares", "Mr Ed"}) {
            Office o("1000", "0", share);
            o.bet();
            o.w->Command3_Click();
            VERIFY_DIALOGS(o.dialogs);
            QVERIFY(!o.w->Command3->isEnabled());
            const bool owner = share == "Mr Ed";  // the owner meets the doping offer first
            QCOMPARE(app::existingWindow<DopingOfferWindow>() != nullptr, owner);
            QCOMPARE(app::existingWindow<RaceWindow>() != nullptr, !owner);
        }
    }

    void cancelYourBet()
    {
        // 1: horse chosen, 2: bet placed, 3: race window open, 4: horses running (the bet stays).
        for (int state = 1; state <= 4; ++state) {
            const bool cancelled = state < 4;
            Office o("1000", "0");
            o.bet(5, "200", state >= 2);
            if (state >= 3)
                o.w->Command3_Click();
            if (state == 4)
                app::existingWindow<RaceWindow>()->Command1_Click();  // the horses are off
            o.w->Label39_Click();
            flushDeletes();
            VERIFY_DIALOGS(o.dialogs);
            QCOMPARE(o.w->Text3->isEnabled(), cancelled);
            QCOMPARE(app::existingWindow<RaceWindow>() != nullptr, !cancelled);
            if (!cancelled)
                continue;
            QVERIFY(!o.w->Command1->isEnabled() && !o.w->Command3->isEnabled() && !o.w->horseOption(5)->isEnabled());
            QCOMPARE(o.w->Label46->text(), QStringLiteral("STEP 1:"));
            // The next stake starts with no horse chosen.
            o.w->Text3->setEditText("100");
            o.dialogs.expectAnyMessage();
            o.w->Command2_Click();
            for (int horse = 1; horse <= 5; ++horse)
                QVERIFY(!o.w->horseOption(horse)->isChecked() && !o.w->wizardOption(horse)->isChecked());
        }
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
        QVERIFY(app::existingWindow<RaceWindow>());
    }
};
PADDOX_TEST(BetTest)

#include "bet_test.moc"
