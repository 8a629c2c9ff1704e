// The betting office as a window: its load, the saves and their display, reset, log off, exit,
// the wizard band and the keys and toolbar that reach them.
#include "office_fixture.h"

#include "office/office_files.h"
#include "player/horse_options_window.h"
#include "player/sign_in_window.h"
#include "race/race_window.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QDir>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

using namespace officetest;

class OfficeWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadReadsTheOfficeFiles()
    {
        const struct { const char *wizardFlag, *country; QString shown, sign; } rows[] = {
            {nullptr, "Eire\r\n", "Eire", "$"}, {"0\r\n", "Eire\r\nFrance\r\n", "France", "€"}};
        for (const auto &row : rows) {
            testing::TestInstallation installation;
            installation.writeDefaultPlayers();
            if (row.wizardFlag)
                installation.writeData(office::wizardFlagFileName, row.wizardFlag);
            installation.writeData(office::countryFileName, row.country);
            installation.writeData(office::optionFileName, "1\r\n");
            BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
            QVERIFY(!office->Label40->isHidden());  // the band keeps its title after the first run
            QCOMPARE(installation.readData(office::wizardFlagFileName), QByteArray("0\r\n"));
            QCOMPARE(office->SSTab1->tabShape(), QTabWidget::Triangular);
            QCOMPARE(office->Label26->text(), row.shown);
            QCOMPARE(office->Label1->text(), "Cash " + row.sign);
            QCOMPARE(office->Label2->text(), "Debt " + row.sign);
        }
    }

    void loadSetsUpTheRaceCardFromTheSignIn()
    {
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
        SignInWindow *signIn = app::window<SignInWindow>();
        testing::ScriptedRandom random;
        random.pushDraw(3, 5);
        random.push(0.6);  // jockeys from horse 2
        for (int odds : {15, 1, 45, 2, 100})
            random.pushDraw(odds, odds == 1 ? 25 : odds == 2 ? 75 : odds);
        signIn->txtcash->setText("1234");
        signIn->Txtdebt->setText("77");
        const QStringList names = {"Flash", "Chocolate Button", QString(30, 'W'), "Winning Line", "Pint Of Mild"};
        for (int horse = 1; horse <= 5; ++horse)
            signIn->horseField(horse)->setText(names[horse - 1]);
        BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
        const QStringList odds = {"15", "1", "45", "2", "100"};
        const QStringList jockeys = {"Amos Fairweather", "Dusty Calloway", "Hank Marlowe", "Slim Tolliver", "Jed Harrow"};
        for (int horse = 1; horse <= 5; ++horse) {
            QCOMPARE(office->oddsLabel(horse)->text(), odds[horse - 1]);
            QCOMPARE(office->Label44[horse - 1]->text(), jockeys[horse - 1]);
            QCOMPARE(office->horseOption(horse)->text(), names[horse - 1]);
            QVERIFY(!office->horseOption(horse)->isEnabled());
        }
        QCOMPARE(office->Text1->text(), QStringLiteral("1234"));
        // The longest name in wide letters: the tip takes smaller print and stays whole on one line; a
        // longer one from a file is cut short there and shown whole in the tool tip.
        const QString longest = QStringLiteral("Scorhers Predicts That WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW Will Win This Race");
        const QString longer = "Scorhers Predicts That " + QString(60, 'W') + " Will Win This Race";
        for (const auto &[shown, toolTip] : {std::pair{longest, QString()}, {"Scorhers Predicts That WWWWWWWWWW", longer}}) {
            QLabel *tip = office->Label56;
            QVERIFY(tip->text().startsWith(shown) && tip->text().endsWith(" Will Win This Race"));
            QVERIFY(!tip->wordWrap() && tip->font().pointSizeF() >= 7);
            QVERIFY(tip->fontMetrics().horizontalAdvance(tip->text()) <= tip->contentsRect().width());
            QCOMPARE(tip->toolTip(), toolTip);
            office->horseOption(3)->setText(QString(60, 'W'));
            random.pushDraw(3, 5);
            office->Command9_Click();
        }
        QCOMPARE(office->Text3->currentText(), QStringLiteral("Enter Your Stake......"));
        QVERIFY(!office->Command1->isEnabled() && !office->Command3->isEnabled() && office->Command10->isEnabled());
    }

    void saves()
    {
        const struct { const char *slotDigit; bool withDisplay, written; QString message; } rows[] = {
            {"3", true, true, ""}, {"3", false, true, ""}, {"", false, false, ""}, {"6", false, false, ""},
            {" 1", false, false, ""}, {"", true, false, "No player is signed in, so there is nothing to save."}};
        for (const auto &row : rows) {
            Office o("-25", "628", "Wolf", {"Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"}, 3);
            o.w->Label23->setText(row.slotDigit);
            player::setCurrentSlot(6);
            for (int slot = 1; slot <= 6; ++slot)
                o.removeSlotFiles(slot);
            const qsizetype before = QDir(o.installation.folder() + "/data").entryList(QDir::Files).size();
            if (!row.message.isEmpty())
                o.dialogs.expectMessage(row.message);
            row.withDisplay ? o.w->paddoxsave() : o.w->paddoxsavenoname();
            VERIFY_DIALOGS(o.dialogs);
            QCOMPARE(QDir(o.installation.folder() + "/data").entryList(QDir::Files).size(), before + (row.written ? 8 : 0));
            QCOMPARE(o.panel(2), row.withDisplay && row.written ? QStringLiteral("Saving:") : QString());
            if (!row.written)
                continue;
            const QStringList values = {"-25", "628", "Wolf", "Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"};
            for (int i = 0; i < 8; ++i)
                QCOMPARE(o.saved(3, player::playingSuffixes[i]), values[i] + "\r\n");
            QCOMPARE(int(player::currentSlot()), row.withDisplay ? 3 : 6);
        }
    }

    void saveDisplayRunsThirtyTicks()
    {
        Office o;
        o.w->paddoxsave();
        for (int tick = 1; tick <= 30; ++tick) {
            o.w->Timer2_Timer();
            QCOMPARE(o.w->progSave->value(), tick);
            QCOMPARE(o.panel(2), tick < 30 ? QStringLiteral("Saving Data") : QString());
            QCOMPARE(o.w->Timer2->isActive(), tick < 30);
        }
        QVERIFY(!o.w->progSave->isVisibleTo(o.w));
    }

    void saveErrorNamesTheFile()
    {
        Office o("640", "500", "You Have No Shares", defaultHorses, 2);
        QFile::remove(o.installation.dataFile("user2debt.pdx"));
        QVERIFY(QDir().mkpath(o.installation.dataFile("user2debt.pdx")));  // a folder cannot be written as a file
        o.dialogs.expectAnyMessage();
        o.w->paddoxsave();
        VERIFY_DIALOGS(o.dialogs);
        QVERIFY(o.dialogs.messages().first().text.contains("user2debt.pdx"));
        QCOMPARE(o.panel(2), QString());
        QCOMPARE(o.saved(2, "cash.pdx"), QStringLiteral("640\r\n"));
    }

    void resetAndLogOff()
    {
        const struct { bool reset; Answer answer; } rows[] = {
            {true, Answer::Yes}, {true, Answer::No}, {true, Answer::Cancel}, {false, Answer::Yes}, {false, Answer::Cancel}};
        for (const auto [reset, answer] : rows) {
            Office o("9000", "3000", "Mr Ed", defaultHorses, 4, "France");
            o.w->show();
            o.removeSlotFiles(4);
            const bool yes = answer == Answer::Yes;
            if (reset) {
                o.dialogs.expectMessage("Are You Sure You Want To Reset Your Cash & Debt Back To 500?", answer);
                if (yes)
                    o.dialogs.expectMessage("Cash & Debt Are Now Reset To £500");
                o.w->Toolbar3_ButtonClick("reset");
            } else {
                o.dialogs.expectMessage("Are You Sure You Wish To Log Off?", answer);
                o.w->Toolbar3_ButtonClick("Log_Off");
            }
            VERIFY_DIALOGS(o.dialogs);
            QCOMPARE(o.dialogs.messages().first().title, reset ? QStringLiteral("Reset All Your Data?") : QStringLiteral("QUESTION"));
            const QString cash = reset && yes ? "500" : "9000";
            QCOMPARE(o.w->Text1->text(), cash);
            QCOMPARE(o.installation.dataExists("user4cash.pdx"), yes);
            if (yes)
                QCOMPARE(o.saved(4, "cash.pdx"), cash + "\r\n");
            QCOMPARE(o.w->isVisible(), reset || !yes);
            SignInWindow *signIn = app::existingWindow<SignInWindow>();
            QCOMPARE(signIn && signIn->isVisible(), !reset && yes);
        }
    }

    void leavingSavesSilently()
    {
        for (bool viaExit : {true, false}) {
            Office o("321", "0", "You Have No Shares", defaultHorses, 5);
            o.w->show();
            o.removeSlotFiles(5);
            if (viaExit)
                o.w->exit_Click();
            else
                QVERIFY(o.w->close());
            flushDeletes();
            VERIFY_DIALOGS(o.dialogs);
            QCOMPARE(o.installation.endRequests(), viaExit ? 1 : 0);
            QCOMPARE(o.saved(5, "cash.pdx"), QStringLiteral("321\r\n"));
        }
    }

    void closeWizard()
    {
        for (bool ticked : {false, true}) {
            Office o;
            o.w->show();
            const int before = o.w->width();
            o.w->Check1->setChecked(ticked);
            o.w->Command112_Click();
            o.w->Command112_Click();  // nothing narrows it twice
            QCOMPARE(o.installation.readData(office::wizardFlagFileName), ticked ? QByteArray("0\r\n") : QByteArray("1\r\n"));
            QVERIFY(!o.w->wizardBand->isVisible());
            QCOMPARE(o.w->width(), before - o.w->wizardBand->width());
        }
    }
};
PADDOX_TEST(OfficeWindowTest)

#include "office_window_test.moc"
