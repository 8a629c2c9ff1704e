// The sign-in window: choosing a player, the password step, loading the slot into
// the betting office, and the window's own buttons.
#include "player_test_support.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include "office/betting_office_window.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace testing;

namespace {
const QString mustSelect = QStringLiteral("You Must Select Your User Name Before You Can Play Paddox6");
const QString incorrect = QStringLiteral("Incorrect Password, Please Check And Try Again");
}  // namespace

class SignInTest : public QObject {
    Q_OBJECT

private slots:
    void windowAsItOpens()
    {
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        QCOMPARE(signIn->windowTitle(), QStringLiteral("paddox login"));
        QCOMPARE(signIn->size(), QSize(platform::twips(5175), platform::twips(2670)));
        QCOMPARE(listEntries(signIn), (QStringList{"User 1", "user2", "user3", "user4", "user5"}));
        QVERIFY(!signIn->Command6->isEnabled());
        QVERIFY(!signIn->Command8->isEnabled());
        QVERIFY(signIn->Command9->isEnabled());
        // No help window in this game yet: "Help?" is there but switched off.
        QVERIFY(!signIn->Label2->isEnabled());
        QVERIFY(!signIn->Timer1->isActive());
        // The working controls are there under their own names, every input named for the reader.
        for (const char *working : {"combo1", "Option1", "Option5", "txtcash", "Txtdebt", "txtshare", "Txthor1", "Txthor5",
                                    "Txtuser", "txtPass", "Timer1", "Command1", "Command3", "Command4", "ProgressBar1",
                                    "Picture2", "Text11"})
            QVERIFY2(signIn->findChild<QObject *>(QLatin1String(working)), working);
        for (QWidget *w : signIn->findChildren<QWidget *>()) {
            if (qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractItemView *>(w) || qobject_cast<QRadioButton *>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        QCOMPARE(signIn->Text11->accessibleName(), QStringLiteral("Enter Password"));
        signIn->show();
        QVERIFY(QTest::qWaitForWindowExposed(signIn));
        for (QWidget *hidden : std::initializer_list<QWidget *>{signIn->Label3, signIn->Text11, signIn->Command10,
                                                                 signIn->ProgressBar1, signIn->lblData, signIn->Option1,
                                                                 signIn->txtcash, signIn->txtPass, signIn->Command1})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
        // The maintenance section lies below the window's first height.
        QVERIFY(signIn->Command5->geometry().top() >= signIn->height());
        // Everything the player may see fits, the password group included.
        for (QWidget *group : std::initializer_list<QWidget *>{signIn->Label3, signIn->Text11, signIn->Command10})
            group->show();
        const QStringList clipped = clippedControls(signIn);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        VERIFY_DIALOGS(dialogs);
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tip");
        QTest::newRow("Command9") << "Command9" << "Select Player" << "";
        QTest::newRow("Command6") << "Command6" << "&Play >" << "Select Your Username And Then Press Play";
        QTest::newRow("Command8") << "Command8" << "More >>" << "";
        QTest::newRow("Command2") << "Command2" << "E&xit" << "Exit Paddox";
        QTest::newRow("Label2") << "Label2" << "Help?" << "Select For 'Help'";
        QTest::newRow("Label3") << "Label3" << "Enter Password" << "";
        QTest::newRow("Command10") << "Command10" << "Confirm Password" << "";
        QTest::newRow("Label1") << "Label1" << "Maintenance" << "";
        QTest::newRow("Command5") << "Command5" << "&Re-name User" << "To rename user first select user name";
        QTest::newRow("Command7") << "Command7" << "&Change Password" << "To change user password  first select user name";
        QTest::newRow("lblData") << "lblData" << "Loading Your Data:" << "";
    }

    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, tip);
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        const QList<QWidget *> found = signIn->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first()->property("text").toString(), text);
        QCOMPARE(found.first()->toolTip(), tip);
        VERIFY_DIALOGS(dialogs);
    }

    void moreShowsMaintenance()
    {
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        choosePlayer(signIn, 1);
        const int first = signIn->height();
        QTest::mouseClick(signIn->Command8, Qt::LeftButton);
        QCOMPARE(signIn->height(), first + platform::twips(1500));
        QCOMPARE(signIn->Command8->text(), QStringLiteral("Less <<"));
        QVERIFY(signIn->Command5->geometry().bottom() < signIn->height());
        QVERIFY(signIn->Command7->geometry().bottom() < signIn->height());
        QTest::mouseClick(signIn->Command8, Qt::LeftButton);
        QCOMPARE(signIn->height(), first);
        QCOMPARE(signIn->width(), platform::twips(5175));
        QCOMPARE(signIn->Command8->text(), QStringLiteral("More >>"));
        VERIFY_DIALOGS(dialogs);
    }

    void choosingAPlayer()
    {
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        signIn->show();
        QVERIFY(QTest::qWaitForWindowExposed(signIn));
        // Select Player with nothing selected: Play only says a name must be chosen.
        signIn->Command9_Click();
        QVERIFY(signIn->Command6->isEnabled());
        QCOMPARE(signIn->chosenSlot(), 0);
        dialogs.expectMessage(mustSelect);
        QTest::mouseClick(signIn->Command6, Qt::LeftButton);
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.messages().first().buttons, platform::Buttons::Ok);
        QVERIFY(!app::existingWindow<Form2>());
        QVERIFY(!signIn->Text11->isVisibleTo(signIn));
        clickEntry(signIn, 2);
        QVERIFY(!signIn->Command6->isEnabled());
        QVERIFY(!signIn->Command8->isEnabled());
        QCOMPARE(signIn->chosenSlot(), 0);
        QTest::mouseClick(signIn->Command9, Qt::LeftButton);
        QCOMPARE(signIn->chosenSlot(), 3);
        QVERIFY(signIn->Option3->isChecked());
        QVERIFY(signIn->Command6->isEnabled());
        QVERIFY(signIn->Command8->isEnabled());
        // Another entry takes the buttons away until Select Player again; the same entry too.
        clickEntry(signIn, 4);
        QVERIFY(!signIn->Command6->isEnabled());
        QVERIFY(!signIn->Command8->isEnabled());
        QCOMPARE(signIn->chosenSlot(), 3);
        signIn->Command9_Click();
        QCOMPARE(signIn->chosenSlot(), 5);
        clickEntry(signIn, 4);
        QVERIFY(!signIn->Command6->isEnabled());
        VERIFY_DIALOGS(dialogs);
    }

    void passwordStep_data()
    {
        QTest::addColumn<QByteArray>("stored");   // the slot's password file
        QTest::addColumn<QStringList>("typed");   // what is typed before each Confirm
        QTest::addColumn<bool>("asked");          // the password group appears
        QTest::addColumn<int>("refusals");        // "Incorrect Password" messages
        QTest::addColumn<bool>("signedIn");
        QTest::newRow("empty line signs in at once") << QByteArray("\r\n") << QStringList() << false << 0 << true;
        QTest::newRow("no line signs in at once") << QByteArray() << QStringList() << false << 0 << true;
        QTest::newRow("right password") << QByteArray("7351\r\n") << QStringList{"7351"} << true << 0 << true;
        QTest::newRow("last line counts") << QByteArray("old\r\nnew\r\n") << QStringList{"old", "new"} << true << 1 << true;
        QTest::newRow("case counts") << QByteArray("Secret\r\n") << QStringList{"secret", "SECRET"} << true << 2 << false;
        QTest::newRow("blanks count, tries without limit")
            << QByteArray(" pw \r\n") << QStringList{"pw", " pw", "1", "2", " pw "} << true << 4 << true;
    }

    void passwordStep()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, typed);
        QFETCH(bool, asked);
        QFETCH(int, refusals);
        QFETCH(bool, signedIn);
        InstalledPlayers install;
        install.writeData(QStringLiteral("user2p.dll"), stored);
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        choosePlayer(signIn, 2);
        signIn->Command6_Click();
        QCOMPARE(signIn->Text11->isVisibleTo(signIn), asked);
        QCOMPARE(signIn->Label3->isVisibleTo(signIn), asked);
        QCOMPARE(signIn->Command10->isVisibleTo(signIn), asked);
        for (const QString &attempt : typed) {
            signIn->Text11->setText(attempt);
            signIn->Command10_Click();
            // A wrong attempt stays in the box for the next try.
            QCOMPARE(signIn->Text11->text(), attempt);
        }
        QCOMPARE(dialogs.messages().size(), refusals);
        for (const ShownMessage &m : dialogs.messages()) {
            QCOMPARE(m.text, incorrect);
            QCOMPARE(m.icon, platform::Icon::Critical);
        }
        dialogs.clear();
        QCOMPARE(signIn->Timer1->isActive(), signedIn);
        Form2 *office = app::existingWindow<Form2>();
        QCOMPARE(office != nullptr, signedIn);
        if (signedIn)
            QCOMPARE(office->Label23->text(), QStringLiteral("2"));
    }

    void passwordBelongsToItsPlayer_data()
    {
        QTest::addColumn<int>("next");  // the entry clicked once the password group shows for slot 1
        QTest::newRow("another player") << 2;
        QTest::newRow("the same player again") << 1;
    }

    void passwordBelongsToItsPlayer()
    {
        // Slot 1's password must not open slot 2, even with slot 1's password box still up.
        QFETCH(int, next);
        InstalledPlayers install;
        install.writeData(QStringLiteral("user1p.dll"), "first\r\n");
        install.writeData(QStringLiteral("user2p.dll"), "second\r\n");
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        signIn->show();
        QVERIFY(QTest::qWaitForWindowExposed(signIn));
        choosePlayer(signIn, 1);
        signIn->Command6_Click();
        QVERIFY(signIn->Text11->isVisibleTo(signIn));
        // Typed in, the password shows as stars.
        QTest::keyClicks(signIn->Text11, QStringLiteral("73a"));
        QCOMPARE(signIn->Text11->text(), QStringLiteral("73a"));
        QCOMPARE(signIn->Text11->displayText(), QStringLiteral("***"));
        clickEntry(signIn, next - 1);
        // A new choice starts over: the box goes, and what was typed with it.
        QVERIFY(!signIn->Text11->isVisibleTo(signIn));
        QVERIFY(!signIn->Command10->isVisibleTo(signIn));
        QVERIFY(!signIn->Label3->isVisibleTo(signIn));
        QVERIFY(signIn->Text11->text().isEmpty());
        QTest::mouseClick(signIn->Command9, Qt::LeftButton);
        QCOMPARE(signIn->chosenSlot(), next);
        signIn->Text11->setText(QStringLiteral("first"));
        signIn->Command10_Click();
        QVERIFY(!signIn->Timer1->isActive());
        QVERIFY(!app::existingWindow<Form2>());
        VERIFY_DIALOGS(dialogs);
        // Play asks for the chosen player's own password.
        signIn->Command6_Click();
        QVERIFY(signIn->Text11->isVisibleTo(signIn));
        const QString own = next == 1 ? QStringLiteral("first") : QStringLiteral("second");
        if (next != 1) {
            signIn->Text11->setText(QStringLiteral("first"));
            dialogs.expectMessage(incorrect);
            signIn->Command10_Click();
            QVERIFY(!app::existingWindow<Form2>());
        }
        signIn->Text11->setText(own);
        signIn->Command10_Click();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(signIn->Timer1->isActive());
        QCOMPARE(app::existingWindow<Form2>()->Label23->text(), QString::number(next));
    }

    void loadFillsTheBettingOffice_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("files");   // cash, debt, share, hor1..5, name as stored
        QTest::addColumn<QStringList>("values");  // what the office shows; none: the files' own
        QTest::newRow("slot 1 new player")
            << 1 << QStringList{"500", "500", "You Have No Shares", "Red Rum", "Desert Orchard", "Mr Ed",
                                "Whopper Meal With Fries", "Black Beauty", "User 1"} << QStringList();
        QTest::newRow("slot 4 owner in debt")
            << 4 << QStringList{"-25", "123456", "Mr Ed", "A", "B", "C", "D", "E", "Jo Bloggs"} << QStringList();
        QTest::newRow("two-line files load their last line")
            << 5 << QStringList{"1\r\n2", "3\r\n4", "x\r\nYou Have No Shares", "a\r\nF1", "b\r\nF2", "c\r\nF3", "d\r\nF4",
                                "e\r\nF5", "old\r\nnew"}
            << QStringList{"2", "4", "You Have No Shares", "F1", "F2", "F3", "F4", "F5", "new"};
    }

    void loadFillsTheBettingOffice()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, files);
        QFETCH(QStringList, values);
        if (values.isEmpty())
            values = files;
        InstalledPlayers install;
        QStringList suffixes = player::playingSuffixes;
        suffixes << player::nameSuffix;
        for (int i = 0; i < suffixes.size(); ++i)
            install.writeData(player::recordFileName(slot, suffixes[i]), line(files[i]));
        install.writeData(player::recordFileName(slot, player::passwordSuffix), "\r\n");
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        choosePlayer(signIn, slot);
        signIn->Command6_Click();
        VERIFY_DIALOGS(dialogs);

        QLineEdit *hidden[] = {signIn->txtcash,  signIn->Txtdebt, signIn->txtshare, signIn->Txthor1, signIn->Txthor2,
                               signIn->Txthor3, signIn->Txthor4, signIn->Txthor5,  signIn->Txtuser};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(hidden[i]->text(), values[i]);
        Form2 *office = app::existingWindow<Form2>();
        QVERIFY(office);
        QCOMPARE(office->Label23->text(), QString::number(slot));
        QCOMPARE(office->Text1->text(), values[0]);
        QCOMPARE(office->Text2->text(), values[1]);
        QCOMPARE(office->Label16->text(), values[2]);
        for (int horse = 1; horse <= 5; ++horse)
            QCOMPARE(office->horseOption(horse)->text(), values[2 + horse]);
        QCOMPARE(office->Label24->text(), QStringLiteral("Welcome: ") + values[8]);
        QCOMPARE(office->txtuser->text(), values[8]);
        // Loading reads; it writes nothing.
        QCOMPARE(install.readData(player::recordFileName(slot, player::nameSuffix)), line(files[8]));
    }

    void handOverShowsTheOfficeOnce()
    {
        InstalledPlayers install;
        install.writeData(QStringLiteral("user3p.dll"), "");
        ScriptedDialogs dialogs;
        QPointer<frmcontrol> signIn = openSignIn();
        signIn->show();
        choosePlayer(signIn, 3);
        signIn->Command6_Click();
        QVERIFY(signIn->Timer1->isActive());
        QPointer<Form2> office = app::existingWindow<Form2>();
        QVERIFY(office);
        QVERIFY(!office->isVisible());
        signIn->Timer1_Timer();
        QVERIFY(office->isVisible());
        processDeletes();
        QVERIFY(!signIn);
        QVERIFY(!app::existingWindow<frmcontrol>());
        QCOMPARE(install.endRequests(), 0);
        // Opened again (a log off), the window is new and starts from the stored names.
        install.writeData(QStringLiteral("user1n.pdx"), "Renamed Elsewhere\r\n");
        office->hide();
        frmcontrol *again = openSignIn();
        QCOMPARE(again->combo1->item(0)->text(), QStringLiteral("Renamed Elsewhere"));
        QCOMPARE(again->chosenSlot(), 0);
        QVERIFY(again->txtcash->text().isEmpty());
        VERIFY_DIALOGS(dialogs);
    }

    void damagedSlot_data()
    {
        QTest::addColumn<QString>("spoiled");      // the file of slot 2 that is spoiled
        QTest::addColumn<bool>("asFolder");        // a folder in its place rather than missing
        QTest::addColumn<bool>("rebuild");         // the player's answer
        QTest::addColumn<QByteArray>("rebuiltTo"); // what the file holds afterwards
        QTest::newRow("missing debt, rebuilt") << "user2debt.pdx" << false << true << QByteArray("500\r\n");
        QTest::newRow("missing debt, back to list") << "user2debt.pdx" << false << false << QByteArray();
        QTest::newRow("missing name, rebuilt") << "user2n.pdx" << false << true << QByteArray("user2\r\n");
        QTest::newRow("missing password, rebuilt") << "user2p.dll" << false << true << QByteArray("7351\r\n");
        QTest::newRow("unreadable share, back to list") << "user2share.pdx" << true << false << QByteArray();
    }

    void damagedSlot()
    {
        QFETCH(QString, spoiled);
        QFETCH(bool, asFolder);
        QFETCH(bool, rebuild);
        QFETCH(QByteArray, rebuiltTo);
        InstalledPlayers install;
        install.writeData(QStringLiteral("user2p.dll"), "\r\n");
        install.writeData(QStringLiteral("user2cash.pdx"), "777\r\n");
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        QFile::remove(install.dataFile(spoiled));
        if (asFolder)
            QVERIFY(QDir().mkpath(install.dataFile(spoiled)));
        choosePlayer(signIn, 2);
        dialogs.expectAnyMessage(rebuild ? platform::Answer::Yes : platform::Answer::No);
        signIn->Command6_Click();
        VERIFY_DIALOGS(dialogs);
        const ShownMessage asked = dialogs.messages().first();
        QCOMPARE(asked.buttons, platform::Buttons::YesNo);
        QVERIFY2(asked.text.contains(QStringLiteral("slot 2")) && asked.text.contains(spoiled), qPrintable(asked.text));
        QCOMPARE(install.endRequests(), 0);
        if (!rebuild) {
            QVERIFY(!app::existingWindow<Form2>());
            QVERIFY(!signIn->Timer1->isActive());
            QCOMPARE(QFileInfo(install.dataFile(spoiled)).isDir(), asFolder);
            QVERIFY(asFolder || !install.dataExists(spoiled));
            return;
        }
        QCOMPARE(install.readData(spoiled), rebuiltTo);
        // The rest of the slot is the player's own.
        QCOMPARE(install.readData(QStringLiteral("user2cash.pdx")), QByteArray("777\r\n"));
        if (spoiled.endsWith(QLatin1String("p.dll"))) {
            // A rebuilt password is asked for like any other.
            QVERIFY(signIn->Text11->isVisibleTo(signIn));
            signIn->Text11->setText(QStringLiteral("7351"));
            signIn->Command10_Click();
        }
        QVERIFY(signIn->Timer1->isActive());
        QCOMPARE(app::existingWindow<Form2>()->Text1->text(), QStringLiteral("777"));
    }

    void damagedSlotRebuiltInPart()
    {
        // The debt is missing and a folder stands where the share should be: the debt
        // is rebuilt, the share cannot be, and the player is told so truthfully.
        InstalledPlayers install;
        install.writeData(QStringLiteral("user2p.dll"), "\r\n");
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        QFile::remove(install.dataFile(QStringLiteral("user2debt.pdx")));
        QFile::remove(install.dataFile(QStringLiteral("user2share.pdx")));
        QVERIFY(QDir().mkpath(install.dataFile(QStringLiteral("user2share.pdx"))));
        choosePlayer(signIn, 2);
        dialogs.expectAnyMessage(platform::Answer::Yes);
        dialogs.expectAnyMessage();
        signIn->Command6_Click();
        VERIFY_DIALOGS(dialogs);
        const ShownMessage told = dialogs.messages().last();
        QCOMPARE(told.icon, platform::Icon::Critical);
        QVERIFY2(told.text.contains(QStringLiteral("user2share.pdx")), qPrintable(told.text));
        QVERIFY2(!told.text.contains(QStringLiteral("Nothing has been changed")), qPrintable(told.text));
        QCOMPARE(install.readData(QStringLiteral("user2debt.pdx")), QByteArray("500\r\n"));
        QVERIFY(!app::existingWindow<Form2>());
        QVERIFY(!signIn->Timer1->isActive());
        QCOMPARE(install.endRequests(), 0);
    }

    void closeBox_data()
    {
        QTest::addColumn<int>("office");  // 0: none yet, 1: hidden (logged off), 2: showing
        QTest::addColumn<int>("ends");
        QTest::newRow("before the first sign-in") << 0 << 0;
        QTest::newRow("after a log off") << 1 << 1;
        QTest::newRow("office still showing") << 2 << 0;
    }

    void closeBox()
    {
        QFETCH(int, office);
        QFETCH(int, ends);
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        if (office > 0) {
            Form2 *main = app::window<Form2>();
            main->show();
            if (office == 1)
                main->hide();
        }
        QPointer<frmcontrol> signIn = openSignIn();
        signIn->show();
        QVERIFY(signIn->close());
        processDeletes();
        QVERIFY(!signIn);
        QCOMPARE(install.endRequests(), ends);
    }

    void escapeKeepsTheWindowExitEndsTheProgram()
    {
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        QPointer<frmcontrol> signIn = openSignIn();
        signIn->show();
        QVERIFY(QTest::qWaitForWindowExposed(signIn));
        choosePlayer(signIn, 1);
        signIn->Command6_Click();
        QTest::keyClick(signIn->Text11, Qt::Key_Escape);
        QTest::keyClick(signIn->combo1, Qt::Key_Escape);
        processDeletes();
        QVERIFY(signIn);
        QVERIFY(signIn->isVisible());
        QVERIFY(signIn->Text11->isVisibleTo(signIn));
        QCOMPARE(install.endRequests(), 0);
        // Exit does end the program.
        QTest::mouseClick(signIn->Command2, Qt::LeftButton);
        QCOMPARE(install.endRequests(), 1);
        VERIFY_DIALOGS(dialogs);
    }
};

PADDOX_TEST(SignInTest)
#include "sign_in_test.moc"
