// The betting office as a window: its load, the save routines and their display, reset,
// log off, exit and close, the wizard band, the menus and the toolbar.
#include "office_fixture.h"

#include "office/office_files.h"
#include "platform/twips.h"
#include "platform/widgets/link_label.h"
#include "player/horse_options_window.h"
#include "player/sign_in_window.h"
#include "race/doping_offer_window.h"
#include "race/race_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QHelpEvent>

using testing::ScriptedDialogs;
using testing::ScriptedRandom;
using testing::TestInstallation;
using namespace officetest;
using platform::Answer;

namespace {

QStringList dataFiles(const TestInstallation &installation)
{
    return QDir(installation.folder() + QStringLiteral("/data")).entryList(QDir::Files, QDir::Name);
}

// Puts a folder where the data file belongs, so that it cannot be written.
bool blockFile(const TestInstallation &installation, const QString &name)
{
    QFile::remove(installation.dataFile(name));
    return QDir().mkpath(installation.dataFile(name));
}

void removeSlotFiles(const TestInstallation &installation, int slot)
{
    for (const QString &suffix : player::playingSuffixes)
        QFile::remove(installation.dataFile(player::recordFileName(slot, suffix)));
}

// Signs in the slot's player, who has no password, through the sign-in window.
void signInAs(int slot)
{
    frmcontrol *signIn = app::window<frmcontrol>();
    signIn->combo1->setCurrentRow(slot - 1);
    signIn->Command9_Click();
    signIn->Command6_Click();
    signIn->Timer1_Timer();
    flushDeletes();
}

}  // namespace

class OfficeLoadTest : public QObject {
    Q_OBJECT
private slots:
    void wizardFlagAtLoad_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("titleShown");
        QTest::addColumn<QByteArray>("afterwards");
        QTest::newRow("fresh installation") << false << QByteArray() << true << QByteArray("0\r\n");
        QTest::newRow("0") << true << QByteArray("0\r\n") << false << QByteArray("0\r\n");
        QTest::newRow("empty") << true << QByteArray() << false << QByteArray();
    }
    void wizardFlagAtLoad()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, titleShown);
        QFETCH(QByteArray, afterwards);
        Installed installation;
        if (present)
            installation.writeData(office::wizardFlagFileName, bytes);
        Form2 *office = app::window<Form2>();
        QCOMPARE(!office->Label40->isHidden(), titleShown);
        QCOMPARE(installation.readData(office::wizardFlagFileName), afterwards);
    }

    void optionFileAtLoad_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("shape");
        QTest::newRow("no file") << QByteArray() << 1 << int(QTabWidget::Rounded);
        QTest::newRow("1") << QByteArray("1\r\n") << 0 << int(QTabWidget::Triangular);
        QTest::newRow("other") << QByteArray("7\r\n") << 1 << int(QTabWidget::Rounded);
    }
    void optionFileAtLoad()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, setting);
        QFETCH(int, shape);
        Installed installation(QStringLiteral("Eire"));
        if (!bytes.isEmpty())
            installation.writeData(office::optionFileName, bytes);
        Form2 *office = app::window<Form2>();
        QCOMPARE(office->tabPresentation(), setting);
        QCOMPARE(int(office->SSTab1->tabShape()), shape);
        QCOMPARE(office->SSTab1->tabPosition(), QTabWidget::North);
        // The option file's lines never stand in for the country.
        QCOMPARE(office->Label26->text(), QStringLiteral("Eire"));
    }

    void countryAtLoad_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("sign");
        QTest::newRow("N Ireland") << true << QByteArray("N Ireland\r\n") << "N Ireland" << "£";
        QTest::newRow("Eire") << true << QByteArray("Eire\r\n") << "Eire" << "$";
        QTest::newRow("Portgual") << true << QByteArray("Portgual\r\n") << "Portgual" << "€";
        QTest::newRow("last line counts") << true << QByteArray("Eire\r\nFrance\r\n") << "France" << "€";
        QTest::newRow("unknown country") << true << QByteArray("Narnia\r\n") << "Narnia" << "£";
        QTest::newRow("empty file") << true << QByteArray() << "" << "£";
        QTest::newRow("missing file") << false << QByteArray() << "" << "£";
        QTest::newRow("not text") << true << QByteArray("\x00\x01\xff\r\n", 5) << QString::fromLatin1("\x00\x01\xff", 3) << "£";
    }
    void countryAtLoad()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QString, sign);
        Installed installation;
        QFile::remove(installation.dataFile(office::countryFileName));
        if (present)
            installation.writeData(office::countryFileName, bytes);
        Form2 *office = signedInOffice(1, QStringLiteral("700"), QStringLiteral("300"));
        QCOMPARE(office->Label26->text().toLatin1(), shown.toLatin1());
        QCOMPARE(office->curr->text(), sign);
        QCOMPARE(office->Label1->text(), QStringLiteral("Cash ") + sign);
        QCOMPARE(office->Label2->text(), QStringLiteral("Debt ") + sign);
        QCOMPARE(office->Label17_0->text(), QStringLiteral("Horse Cost ") + sign);
        // Whatever the country, the window is complete and a save stores complete values.
        office->paddoxsavenoname();
        QCOMPARE(saved(installation, 1, QStringLiteral("cash.pdx")), QStringLiteral("700\r\n"));
        QCOMPARE(saved(installation, 1, QStringLiteral("debt.pdx")), QStringLiteral("300\r\n"));
        QCOMPARE(saved(installation, 1, QStringLiteral("hor4.pdx")), QStringLiteral("Whopper Meal With Fries\r\n"));
    }

    void loadSetsUpTheRaceCard()
    {
        Installed installation;
        ScriptedRandom random;
        pushLoadDraws(random, 3, 2, {15, 1, 45, 2, 100});
        Form2 *office = app::window<Form2>();
        QCOMPARE(random.remaining(), 0);
        QCOMPARE(office->windowTitle(), QStringLiteral("paddox6.6 beta "));
        QCOMPARE(office->Label4->text(), QStringLiteral("15"));
        QCOMPARE(office->Label5->text(), QStringLiteral("1"));
        QCOMPARE(office->Label6->text(), QStringLiteral("45"));
        QCOMPARE(office->Label7->text(), QStringLiteral("2"));
        QCOMPARE(office->Label8->text(), QStringLiteral("100"));
        const QStringList fromHorse2 = {"Amos Fairweather", "Dusty Calloway", "Hank Marlowe", "Slim Tolliver", "Jed Harrow"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(office->findChild<QLabel *>(QStringLiteral("Label44_%1").arg(i))->text(), fromHorse2[i]);
        QCOMPARE(office->Label56->text(), QStringLiteral("Scorhers Predicts That Mr Ed Will Win This Race"));
        QVERIFY(!office->Command9->isEnabled());
        QCOMPARE(panel(office, 3), QStringLiteral("Welcome To Paddox6.6 "));
        QCOMPARE(panel(office, 4), QStringLiteral("For Help Press F1"));
        QVERIFY(office->Label25->text().startsWith(QStringLiteral("Game Started At: ")));
        QVERIFY(office->Label25->text().size() > QStringLiteral("Game Started At: ").size());
        const QStringList stakes = {"50", "100", "200", "250", "300", "400", "500", "600", "700", "800"};
        for (QComboBox *picker : {office->Text3, office->wiz1}) {
            QCOMPARE(picker->count(), 10);
            for (int i = 0; i < 10; ++i)
                QCOMPARE(picker->itemText(i), stakes[i]);
            QCOMPARE(picker->currentText(), QStringLiteral("Enter Your Stake......"));
            QVERIFY(picker->isEditable());
        }
        QCOMPARE(office->Label10->text(), QStringLiteral("Nothing"));
        QCOMPARE(office->Label14->text(), QStringLiteral("None Selected"));
        QCOMPARE(office->Label12->text(), QStringLiteral("Nothing"));
        QCOMPARE(office->Label48->text(), QStringLiteral("0.00"));
        // The Bet starts in stake entry.
        QVERIFY(office->Text3->isEnabled());
        QVERIFY(office->Command10->isEnabled());
        QVERIFY(office->Command2->isHidden());
        QVERIFY(!office->Command1->isEnabled());
        QVERIFY(!office->Command3->isEnabled());
        for (int horse = 1; horse <= 5; ++horse)
            QVERIFY(!office->horseOption(horse)->isEnabled());
        QVERIFY(!office->progSave->isVisibleTo(office));
        QVERIFY(!office->Timer2->isActive());
    }

    void loadCopiesTheSignInRecord_data()
    {
        QTest::addColumn<QString>("hiddenShare");
        QTest::addColumn<QString>("share");
        QTest::newRow("no share") << "You Have No Shares" << "You Have No Shares";
        QTest::newRow("0 means none") << "0" << "You Have No Shares";
        QTest::newRow("owner") << "Mr Ed" << "Mr Ed";
    }
    void loadCopiesTheSignInRecord()
    {
        QFETCH(QString, hiddenShare);
        QFETCH(QString, share);
        Installed installation;
        frmcontrol *signIn = app::window<frmcontrol>();
        signIn->txtcash->setText(QStringLiteral("1234"));
        signIn->Txtdebt->setText(QStringLiteral("77"));
        signIn->txtshare->setText(hiddenShare);
        const QStringList names = {"Flash", "Chocolate Button", "Revolution", "Winning Line", "Pint Of Mild"};
        for (int horse = 1; horse <= 5; ++horse)
            signIn->horseField(horse)->setText(names[horse - 1]);
        Form2 *office = app::window<Form2>();
        QCOMPARE(office->Text1->text(), QStringLiteral("1234"));
        QCOMPARE(office->Text2->text(), QStringLiteral("77"));
        for (int horse = 1; horse <= 5; ++horse)
            QCOMPARE(office->horseOption(horse)->text(), names[horse - 1]);
        QCOMPARE(office->Label16->text(), share);
        QCOMPARE(office->Label57->text(), share);
    }

    void loadWithoutTheSignInWindow()
    {
        Installed installation;
        Form2 *office = app::window<Form2>();
        QCOMPARE(office->Label16->text(), player::noShares);
        QCOMPARE(office->Label57->text(), player::noShares);
        // No slot signed in: nothing is written over any player's record.
        removeSlotFiles(installation, 1);
        office->paddoxsavenoname();
        QVERIFY(!installation.dataExists(QStringLiteral("user1cash.pdx")));
    }
};
PADDOX_TEST(OfficeLoadTest)

class OfficeSaveTest : public QObject {
    Q_OBJECT
private slots:
    void savesWriteExactlyTheEightFiles_data()
    {
        QTest::addColumn<bool>("withDisplay");
        QTest::newRow("paddoxsave") << true;
        QTest::newRow("paddoxsavenoname") << false;
    }
    void savesWriteExactlyTheEightFiles()
    {
        QFETCH(bool, withDisplay);
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(3, QStringLiteral("-25"), QStringLiteral("628"), QStringLiteral("Wolf"),
                                       {"Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"});
        installation.writeData(QStringLiteral("user3n.pdx"), "Renamed Player\r\n");
        installation.writeData(QStringLiteral("user3p.dll"), "secret\r\n");
        removeSlotFiles(installation, 3);
        const QStringList before = dataFiles(installation);
        player::setCurrentSlot(0);
        if (withDisplay)
            office->paddoxsave();
        else
            office->paddoxsavenoname();
        VERIFY_DIALOGS(dialogs);
        QStringList expected = before;
        for (const QString &suffix : player::playingSuffixes)
            expected << player::recordFileName(3, suffix);
        expected.sort();
        QCOMPARE(dataFiles(installation), expected);
        const QStringList values = {"-25", "628", "Wolf", "Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(saved(installation, 3, player::playingSuffixes[i]), values[i] + QStringLiteral("\r\n"));
        QCOMPARE(installation.readData(QStringLiteral("user3n.pdx")), QByteArray("Renamed Player\r\n"));
        QCOMPARE(installation.readData(QStringLiteral("user3p.dll")), QByteArray("secret\r\n"));
        // Only the save with the display sets the current slot.
        QCOMPARE(int(player::currentSlot()), withDisplay ? 3 : 0);
        QCOMPARE(office->Timer2->isActive(), withDisplay);
        QCOMPARE(panel(office, 2), withDisplay ? QStringLiteral("Saving:") : QString());
    }

    void silentSaveNeedsASlotDigit_data()
    {
        QTest::addColumn<QString>("digit");
        QTest::newRow("empty") << "";
        QTest::newRow("0") << "0";
        QTest::newRow("6") << "6";
        QTest::newRow("12") << "12";
        QTest::newRow("blank 1") << " 1";
        QTest::newRow("letter") << "a";
    }
    void silentSaveNeedsASlotDigit()
    {
        QFETCH(QString, digit);
        Installed installation;
        Form2 *office = signedInOffice(1, QStringLiteral("999"));
        office->Label23->setText(digit);
        for (int slot = 1; slot <= 5; ++slot)
            removeSlotFiles(installation, slot);
        const QStringList before = dataFiles(installation);
        office->paddoxsavenoname();
        QCOMPARE(dataFiles(installation), before);
    }

    void saveWithoutASlotSaysSo()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1);
        office->Label23->setText(QString());
        player::setCurrentSlot(6);  // as the import leaves it
        removeSlotFiles(installation, 6);
        const QStringList before = dataFiles(installation);
        dialogs.expectMessage(QStringLiteral("No player is signed in, so there is nothing to save."));
        office->paddoxsave();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dataFiles(installation), before);
        QVERIFY(!office->Timer2->isActive());
        QCOMPARE(panel(office, 2), QString());
    }

    void saveDisplayRunsThirtyTicks()
    {
        Installed installation;
        Form2 *office = signedInOffice(1);
        office->paddoxsave();
        QCOMPARE(office->progSave->value(), 0);
        QCOMPARE(panel(office, 2), QStringLiteral("Saving:"));
        for (int tick = 1; tick <= 29; ++tick) {
            office->Timer2_Timer();
            QCOMPARE(office->progSave->value(), tick);
            QVERIFY(office->progSave->isVisibleTo(office));
            QCOMPARE(panel(office, 2), QStringLiteral("Saving Data"));
            QVERIFY(office->Timer2->isActive());
        }
        office->Timer2_Timer();
        QCOMPARE(office->progSave->value(), 30);
        QCOMPARE(panel(office, 2), QString());
        QVERIFY(!office->progSave->isVisibleTo(office));
        QVERIFY(!office->Timer2->isActive());
        // A second save starts the display afresh.
        office->paddoxsave();
        QCOMPARE(office->progSave->value(), 0);
        QVERIFY(office->Timer2->isActive());
    }

    void saveErrorNamesTheFile()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(2, QStringLiteral("640"));
        // A folder where the debt file belongs: that file cannot be written.
        QVERIFY(blockFile(installation, QStringLiteral("user2debt.pdx")));
        dialogs.expectAnyMessage();
        office->paddoxsave();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.messages().size(), 1);
        QVERIFY(dialogs.messages().first().text.contains(QStringLiteral("user2debt.pdx")));
        QCOMPARE(dialogs.messages().first().icon, platform::Icon::Critical);
        QVERIFY(!office->Timer2->isActive());
        QVERIFY(!office->progSave->isVisibleTo(office));
        QCOMPARE(panel(office, 2), QString());
        // The other files were still written.
        QCOMPARE(saved(installation, 2, QStringLiteral("cash.pdx")), QStringLiteral("640\r\n"));
    }
};
PADDOX_TEST(OfficeSaveTest)

class OfficeOperationsTest : public QObject {
    Q_OBJECT
private:
    static void addAnswers()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("yes") << Answer::Yes;
        QTest::newRow("no") << Answer::No;
        QTest::newRow("cancel") << Answer::Cancel;
    }

private slots:
    void reset_data() { addAnswers(); }
    void reset()
    {
        QFETCH(Answer, answer);
        Installed installation(QStringLiteral("France"));
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(4, QStringLiteral("9000"), QStringLiteral("3000"), QStringLiteral("Mr Ed"));
        office->horseOption(2)->setText(QStringLiteral("Wolf"));
        removeSlotFiles(installation, 4);
        dialogs.expectMessage(QStringLiteral("Are You Sure You Want To Reset Your Cash & Debt Back To 500?"), answer);
        if (answer == Answer::Yes)
            dialogs.expectMessage(QStringLiteral("Cash & Debt Are Now Reset To £500"));
        office->rest_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.messages().first().title, QStringLiteral("Reset All Your Data?"));
        QCOMPARE(dialogs.messages().first().buttons, platform::Buttons::YesNoCancel);
        const bool yes = answer == Answer::Yes;
        if (yes)
            QCOMPARE(dialogs.messages().last().title, QStringLiteral("Reset All Your Data?"));
        QCOMPARE(office->Text1->text(), yes ? QStringLiteral("500") : QStringLiteral("9000"));
        QCOMPARE(office->Text2->text(), yes ? QStringLiteral("500") : QStringLiteral("3000"));
        QCOMPARE(office->Label16->text(), QStringLiteral("Mr Ed"));
        QCOMPARE(office->horseOption(2)->text(), QStringLiteral("Wolf"));
        QCOMPARE(installation.dataExists(QStringLiteral("user4cash.pdx")), yes);
        QCOMPARE(office->Timer2->isActive(), yes);
        if (yes) {
            QCOMPARE(saved(installation, 4, QStringLiteral("cash.pdx")), QStringLiteral("500\r\n"));
            QCOMPARE(saved(installation, 4, QStringLiteral("debt.pdx")), QStringLiteral("500\r\n"));
            QCOMPARE(saved(installation, 4, QStringLiteral("share.pdx")), QStringLiteral("Mr Ed\r\n"));
            QCOMPARE(saved(installation, 4, QStringLiteral("hor2.pdx")), QStringLiteral("Wolf\r\n"));
        }
    }

    void logOff_data() { addAnswers(); }
    void logOff()
    {
        QFETCH(Answer, answer);
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("4321"));
        office->show();
        removeSlotFiles(installation, 1);
        dialogs.expectMessage(QStringLiteral("Are You Sure You Wish To Log Off?"), answer);
        office->diffuser_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.messages().first().title, QStringLiteral("QUESTION"));
        QCOMPARE(dialogs.messages().first().buttons, platform::Buttons::YesNoCancel);
        const bool yes = answer == Answer::Yes;
        QCOMPARE(office->isVisible(), !yes);
        QCOMPARE(app::existingWindow<Form2>(), office);  // hidden, never unloaded
        frmcontrol *signIn = app::existingWindow<frmcontrol>();
        QCOMPARE(signIn != nullptr && signIn->isVisible(), yes);
        QCOMPARE(installation.dataExists(QStringLiteral("user1cash.pdx")), yes);
        if (yes)
            QCOMPARE(saved(installation, 1, QStringLiteral("cash.pdx")), QStringLiteral("4321\r\n"));
    }

    void logOffThatCannotSaveKeepsThePlayer()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1);
        office->show();
        QVERIFY(blockFile(installation, QStringLiteral("user1cash.pdx")));
        dialogs.expectMessage(QStringLiteral("Are You Sure You Wish To Log Off?"), Answer::Yes);
        dialogs.expectAnyMessage();
        office->diffuser_Click();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(dialogs.messages().last().text.contains(QStringLiteral("user1cash.pdx")));
        QVERIFY(office->isVisible());
        QVERIFY(!app::existingWindow<frmcontrol>());
    }

    void noLogOffDuringARace()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        office->show();
        betOn(office, dialogs);
        office->Command3_Click();
        dialogs.expectMessage(QStringLiteral("Please wait until the race is over before you log off."));
        office->diffuser_Click();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(office->isVisible());
        QVERIFY(!app::existingWindow<frmcontrol>());
    }

    void logOffThenAnotherPlayerSignsIn()
    {
        Installed installation;
        // Player 2 has his own record.
        installation.writeData(QStringLiteral("user2cash.pdx"), "2500\r\n");
        installation.writeData(QStringLiteral("user2debt.pdx"), "1255\r\n");
        installation.writeData(QStringLiteral("user2share.pdx"), "Wolf Gang\r\n");
        const QStringList names2 = {"Big Mac", "Wolf Gang", "The Dogs", "Red Rash", "Mini Monster"};
        for (int horse = 1; horse <= 5; ++horse)
            installation.writeData(QStringLiteral("user2hor%1.pdx").arg(horse), names2[horse - 1].toUtf8() + "\r\n");
        installation.writeData(QStringLiteral("user2p.dll"), "\r\n");  // no password
        installation.writeData(QStringLiteral("user1p.dll"), "\r\n");
        ScriptedDialogs dialogs;

        signInAs(1);
        Form2 *office = app::existingWindow<Form2>();
        QVERIFY(office && office->isVisible());
        QCOMPARE(office->Text1->text(), QStringLiteral("500"));
        QCOMPARE(office->Label24->text(), QStringLiteral("Welcome: User 1"));
        QCOMPARE(office->Label57->text(), player::noShares);

        // Player 1 bets as far as Place Bet, then logs off.
        office->Text3->setEditText(QStringLiteral("200"));
        dialogs.expectMessage(QStringLiteral("You are placing £200 on this next race"));
        office->Command2_Click();
        office->Option2->setChecked(true);
        dialogs.expectAnyMessage();
        office->Command1_Click();
        office->Text1->setText(QStringLiteral("777"));
        dialogs.expectMessage(QStringLiteral("Are You Sure You Wish To Log Off?"), Answer::Yes);
        office->diffuser_Click();
        QVERIFY(!office->isVisible());
        QCOMPARE(saved(installation, 1, QStringLiteral("cash.pdx")), QStringLiteral("777\r\n"));

        signInAs(2);
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(app::existingWindow<Form2>(), office);
        QVERIFY(office->isVisible());
        QCOMPARE(office->Label23->text(), QStringLiteral("2"));
        QCOMPARE(office->Text1->text(), QStringLiteral("2500"));
        QCOMPARE(office->Text2->text(), QStringLiteral("1255"));
        QCOMPARE(office->Label16->text(), QStringLiteral("Wolf Gang"));
        QCOMPARE(office->Label57->text(), QStringLiteral("Wolf Gang"));
        QCOMPARE(office->Label24->text(), QStringLiteral("Welcome: user2"));
        for (int horse = 1; horse <= 5; ++horse)
            QCOMPARE(office->horseOption(horse)->text(), names2[horse - 1]);
        QVERIFY(office->Label56->text().startsWith(QStringLiteral("Scorhers Predicts That ")));
        QVERIFY(names2.contains(office->Label56->text().mid(23).chopped(19)));
        // Player 1's bet did not come along.
        QVERIFY(!office->Command3->isEnabled());
        QVERIFY(!office->Command1->isEnabled());
        QVERIFY(office->Text3->isEnabled());
        QVERIFY(office->Command10->isEnabled());
        QCOMPARE(office->Label10->text(), QStringLiteral("Nothing"));
        QCOMPARE(office->Label14->text(), QStringLiteral("None Selected"));
        // Player 1's saved record stays his.
        QCOMPARE(saved(installation, 1, QStringLiteral("cash.pdx")), QStringLiteral("777\r\n"));
        office->paddoxsavenoname();
        QCOMPARE(saved(installation, 2, QStringLiteral("share.pdx")), QStringLiteral("Wolf Gang\r\n"));
        QCOMPARE(saved(installation, 1, QStringLiteral("cash.pdx")), QStringLiteral("777\r\n"));
    }

    void shareFileHoldingZeroAtSignIn_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("share");
        QTest::newRow("0") << QByteArray("0\r\n") << QString(player::noShares);
        QTest::newRow("a horse") << QByteArray("Mr Ed\r\n") << QStringLiteral("Mr Ed");
    }
    void shareFileHoldingZeroAtSignIn()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, share);
        Installed installation;
        installation.writeData(QStringLiteral("user1share.pdx"), file);
        installation.writeData(QStringLiteral("user1p.dll"), "\r\n");  // no password
        ScriptedDialogs dialogs;
        signInAs(1);
        Form2 *office = app::existingWindow<Form2>();
        QVERIFY(office && office->isVisible());
        QCOMPARE(office->Label16->text(), share);
        QCOMPARE(office->Label57->text(), share);
        // A player with no share goes straight to the race.
        betOn(office, dialogs);
        office->Command3_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(app::existingWindow<Form13>() != nullptr, share != player::noShares);
        QCOMPARE(app::existingWindow<Form4>() != nullptr, share == player::noShares);
    }

    void leavingSavesSilently_data()
    {
        QTest::addColumn<bool>("viaExit");
        QTest::newRow("Exit: the program ends") << true;
        QTest::newRow("close box: the window unloads") << false;
    }
    void leavingSavesSilently()
    {
        QFETCH(bool, viaExit);
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(5, QStringLiteral("321"), QStringLiteral("0"));
        office->show();
        removeSlotFiles(installation, 5);
        if (viaExit) {
            office->exit_Click();
            QVERIFY(!office->Timer2->isActive());  // silent
        } else {
            QVERIFY(office->close());
            flushDeletes();
            QVERIFY(!app::existingWindow<Form2>());
        }
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(installation.endRequests(), viaExit ? 1 : 0);
        QCOMPARE(saved(installation, 5, QStringLiteral("cash.pdx")), QStringLiteral("321\r\n"));
        QCOMPARE(saved(installation, 5, QStringLiteral("debt.pdx")), QStringLiteral("0\r\n"));
    }

    void closeWizard_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QByteArray>("flag");
        QTest::newRow("box unticked") << false << QByteArray("1\r\n");
        QTest::newRow("box ticked") << true << QByteArray("0\r\n");
    }
    void closeWizard()
    {
        QFETCH(bool, ticked);
        QFETCH(QByteArray, flag);
        Installed installation;
        Form2 *office = signedInOffice(1);
        office->show();
        const int before = office->width();
        QVERIFY(office->wizardBand->geometry().right() < before + 1);
        QCOMPARE(office->wizardBand->width(), platform::twips(4000));
        QCOMPARE(office->wizardBand->x() + office->wizardBand->width(), office->centralWidget()->width());
        office->Check1->setChecked(ticked);
        office->Command112_Click();
        QCOMPARE(installation.readData(office::wizardFlagFileName), flag);
        QCOMPARE(office->width(), before - platform::twips(4000));
        QVERIFY(office->Label40->isHidden());
        QVERIFY(!office->wizardBand->isVisible());
        QVERIFY(office->wizardClosed());
        // Nothing widens it again.
        office->Command112_Click();
        QCOMPARE(office->width(), before - platform::twips(4000));
    }

    void dontShowAtStartUp()
    {
        Installed installation;
        Form2 *office = signedInOffice(1);
        QCOMPARE(office->Check1->text(), QStringLiteral("Don't Show At Start Up"));
        installation.writeData(office::wizardFlagFileName, "1\r\n");
        office->Check1->click();
        QCOMPARE(installation.readData(office::wizardFlagFileName), QByteArray("0\r\n"));
        installation.writeData(office::wizardFlagFileName, "1\r\n");
        office->Check1->click();  // unticking writes nothing
        QVERIFY(!office->Check1->isChecked());
        QCOMPARE(installation.readData(office::wizardFlagFileName), QByteArray("1\r\n"));
    }
};
PADDOX_TEST(OfficeOperationsTest)

class OfficeMenusTest : public QObject {
    Q_OBJECT
private slots:
    void menuBar()
    {
        Installed installation;
        Form2 *office = signedInOffice(1);
        QStringList titles;
        for (QAction *entry : office->menuBar()->actions())
            titles << entry->text();
        QCOMPARE(titles, QStringList({"&Paddox Actions", "&Grand National", "&Paddox On-line", "&MultiUser", "&Tools", "&Help"}));
        // The two switched-off entries are there, greyed.
        QVERIFY(!office->hconnectMenu->menuAction()->isEnabled());
        QVERIFY(!office->cntrl->isEnabled());
        QVERIFY(office->cntrl->isVisible());

        auto items = [](QMenu *menu) {
            QStringList texts;
            for (QAction *a : menu->actions())
                texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return texts;
        };
        QCOMPARE(items(office->findChild<QMenu *>(QStringLiteral("mnuActions"))),
                 QStringList({"&Save All Data", "&Reset All Data", "-", "&Log Off...", "-", "&Exit"}));
        QCOMPARE(items(office->findChild<QMenu *>(QStringLiteral("mnuGrand"))), QStringList({"Grand National Options"}));
        QCOMPARE(items(office->gn), QStringList({"Send Your Horse To The Grand National",
                                                 "What Are The Requirements For The Grand National"}));
        QCOMPARE(items(office->hconnectMenu), QStringList({"&Connect"}));
        QCOMPARE(items(office->findChild<QMenu *>(QStringLiteral("mnuTools"))),
                 QStringList({"&Show Hall Of Fame", "Show &Credits", "-", "&Back Up / Restore", "-", "&Check For Updates", "-", "&Options"}));
        QCOMPARE(items(office->findChild<QMenu *>(QStringLiteral("mnuHelpMenu"))), QStringList({"&About", "&Whats New", "&Help"}));
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("saveme") << "saveme" << QKeySequence(Qt::Key_F2) << true;
        QTest::newRow("rest") << "rest" << QKeySequence(Qt::CTRL | Qt::Key_R) << true;
        QTest::newRow("diffuser") << "diffuser" << QKeySequence(Qt::CTRL | Qt::Key_L) << true;
        QTest::newRow("exit") << "exit" << QKeySequence(Qt::CTRL | Qt::Key_Q) << true;
        QTest::newRow("sendgn") << "sendgn" << QKeySequence() << true;
        QTest::newRow("reqgn") << "reqgn" << QKeySequence() << true;
        QTest::newRow("hconnect") << "hconnect" << QKeySequence() << false;
        QTest::newRow("cntrl") << "cntrl" << QKeySequence() << false;
        QTest::newRow("mnuShowhall") << "mnuShowhall" << QKeySequence() << false;
        QTest::newRow("mnuCredit") << "mnuCredit" << QKeySequence() << false;
        QTest::newRow("backup") << "backup" << QKeySequence(Qt::Key_F9) << false;
        QTest::newRow("update") << "update" << QKeySequence() << false;
        QTest::newRow("mnuoption") << "mnuoption" << QKeySequence(Qt::CTRL | Qt::Key_O) << true;
        QTest::newRow("about") << "about" << QKeySequence() << false;
        QTest::newRow("what") << "what" << QKeySequence() << false;
        QTest::newRow("mnuHelp") << "mnuHelp" << QKeySequence(Qt::Key_F1) << false;
    }
    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QKeySequence, key);
        QFETCH(bool, enabled);
        Installed installation;
        Form2 *office = signedInOffice(1);
        auto *action = office->findChild<QAction *>(name);
        QVERIFY(action);
        QCOMPARE(action->shortcut(), key);
        QCOMPARE(action->isEnabled(), enabled);
    }

    void shortcutsWork()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("1500"));
        QVERIFY(shownActive(office));
        removeSlotFiles(installation, 1);

        QTest::keyClick(office, Qt::Key_F2);
        QVERIFY(office->Timer2->isActive());
        QCOMPARE(saved(installation, 1, QStringLiteral("cash.pdx")), QStringLiteral("1500\r\n"));

        dialogs.expectMessage(QStringLiteral("Are You Sure You Want To Reset Your Cash & Debt Back To 500?"), Answer::No);
        QTest::keyClick(office, Qt::Key_R, Qt::ControlModifier);
        dialogs.expectMessage(QStringLiteral("Are You Sure You Wish To Log Off?"), Answer::Cancel);
        QTest::keyClick(office, Qt::Key_L, Qt::ControlModifier);
        VERIFY_DIALOGS(dialogs);

        QTest::keyClick(office, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(app::existingWindow<Form5>());
        app::existingWindow<Form5>()->close();
        flushDeletes();
        office->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(office));

        // Keys of windows the game does not have yet do nothing.
        QTest::keyClick(office, Qt::Key_F9);
        QTest::keyClick(office, Qt::Key_F1);

        QTest::keyClick(office, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(installation.endRequests(), 1);
        VERIFY_DIALOGS(dialogs);
    }

    void toolbar()
    {
        Installed installation;
        Form2 *office = signedInOffice(1);
        struct Expected {
            const char *caption, *key, *tip;
            bool enabled;
        };
        const Expected expected[] = {
            {"Log Off", "Log_Off", "Log Off Current user", true},
            {"SAVE", "save", "Save Data For Current User", true},
            {"Back Up Retsore", "restore", nullptr, false},
            {"Rename Horses", "rename", "Rename Your Horses", true},
            {"RESET", "reset", "Reset Your Data", true},
            {"QUARN", "quarn", "Quarn On The Internet", false},
            {"HELP", "help", "Help", false},
        };
        office->show();
        QVERIFY(QTest::qWaitForWindowExposed(office));
        const QList<QAction *> actions = office->Toolbar3->actions();
        QCOMPARE(actions.size(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(actions[i]->text(), QString::fromLatin1(expected[i].caption));
            QCOMPARE(actions[i]->data().toString(), QString::fromLatin1(expected[i].key));
            QCOMPARE(actions[i]->objectName(), QString::fromLatin1(expected[i].key));
            QCOMPARE(actions[i]->isEnabled(), expected[i].enabled);
            QVERIFY(!actions[i]->icon().isNull());
            auto *button = qobject_cast<QToolButton *>(office->Toolbar3->widgetForAction(actions[i]));
            QVERIFY(button);
            QCOMPARE(button->objectName(), QString::fromLatin1(expected[i].key));
            if (expected[i].tip)
                QCOMPARE(button->toolTip(), QString::fromLatin1(expected[i].tip));
            // Hovering shows the tool tip; "Back Up Retsore" has none, not even its caption.
            QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(button, &hover);
            if (expected[i].tip)
                QCOMPARE(QToolTip::text(), QString::fromLatin1(expected[i].tip));
            else
                QVERIFY(QToolTip::text() != QString::fromLatin1(expected[i].caption));
        }
        QToolTip::hideText();
    }

    void toolbarDispatch()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("2222"));
        removeSlotFiles(installation, 1);
        office->Toolbar3->findChild<QAction *>(QStringLiteral("save"))->trigger();
        QCOMPARE(saved(installation, 1, QStringLiteral("cash.pdx")), QStringLiteral("2222\r\n"));
        QVERIFY(office->Timer2->isActive());

        dialogs.expectMessage(QStringLiteral("Are You Sure You Want To Reset Your Cash & Debt Back To 500?"), Answer::Cancel);
        office->Toolbar3_ButtonClick(QStringLiteral("reset"));
        dialogs.expectMessage(QStringLiteral("Are You Sure You Wish To Log Off?"), Answer::No);
        office->Toolbar3_ButtonClick(QStringLiteral("Log_Off"));
        office->Toolbar3_ButtonClick(QStringLiteral("restore"));
        office->Toolbar3_ButtonClick(QStringLiteral("quarn"));
        office->Toolbar3_ButtonClick(QStringLiteral("help"));
        office->Toolbar3_ButtonClick(QStringLiteral("nonsense"));
        VERIFY_DIALOGS(dialogs);
        QVERIFY(!app::existingWindow<Form5>());
        office->Toolbar3_ButtonClick(QStringLiteral("rename"));
        QVERIFY(app::existingWindow<Form5>());
        QVERIFY(app::existingWindow<Form5>()->isVisible());
    }

    void tabsAndAccessibleNames()
    {
        Installed installation;
        Form2 *office = signedInOffice(1);
        QCOMPARE(office->SSTab1->count(), 4);
        QStringList tabs;
        for (int i = 0; i < 4; ++i) {
            tabs << office->SSTab1->tabText(i);
            QVERIFY(!office->SSTab1->tabIcon(i).isNull());
        }
        QCOMPARE(tabs, QStringList({"Betting", "Loans", "Shares", "Betting Info"}));
        QCOMPARE(office->Label26->parentWidget(), office->SSTab1->widget(1));
        QCOMPARE(office->Label17_0->parentWidget(), office->SSTab1->widget(2));

        QList<QWidget *> inputs{office->Text1, office->Text2, office->Text3, office->wiz1, office->Check1,
                                office->txtuser, office->Text11, office->Text13};
        for (int horse = 1; horse <= 5; ++horse)
            inputs << office->horseOption(horse) << office->wizardOption(horse);
        for (QWidget *input : inputs) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(input);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(input->objectName()));
        }
    }

    void tabOrderFollowsTheBet()
    {
        Installed installation;
        Form2 *office = signedInOffice(1);
        QList<QWidget *> flow;
        flow << office->Text3 << office->Command10 << office->Command9 << office->Option1 << office->Option2
             << office->Option3 << office->Option4 << office->Option5 << office->Command1 << office->Command3
             << office->Label39 << office->wiz1 << office->Command12 << office->Command19 << office->Command17
             << office->Command112 << office->Check1;
        QList<QWidget *> seen;
        QWidget *w = office->Text3;
        for (int steps = 0; steps < 1000 && seen.size() < flow.size(); ++steps) {
            if (flow.contains(w) && !seen.contains(w))
                seen << w;
            w = w->nextInFocusChain();
        }
        QCOMPARE(seen, flow);
    }
};
PADDOX_TEST(OfficeMenusTest)

#include "office_window_test.moc"
