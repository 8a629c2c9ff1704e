// Renaming a player and changing a slot's password from the sign-in window.
#include "player_test_support.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace testing;

namespace {
using Answers = QList<std::optional<QString>>;
const std::optional<QString> cancelled;

void script(ScriptedDialogs &dialogs, const Answers &answers)
{
    for (const auto &a : answers)
        dialogs.expectInput(a);
}
}  // namespace

class MaintenanceTest : public QObject {
    Q_OBJECT

private slots:
    void rename_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("stored");   // the slot's password file
        QTest::addColumn<Answers>("answers");     // password prompt, then new name
        QTest::addColumn<QString>("message");     // empty: none
        QTest::addColumn<QString>("name");        // the slot's name afterwards
        QTest::newRow("renamed") << 3 << QByteArray("7351\r\n") << Answers{"7351", "Bob"}
                                 << "User 3 As Been Renamed Bob" << "Bob";
        QTest::newRow("wrong password") << 3 << QByteArray("7351\r\n") << Answers{"7350"}
                                        << "Incorrect Password, Please Check And Try Again" << "user3";
        QTest::newRow("case counts") << 2 << QByteArray("Pass\r\n") << Answers{"pass"}
                                     << "Incorrect Password, Please Check And Try Again" << "user2";
        QTest::newRow("no password, nothing typed") << 4 << QByteArray("\r\n") << Answers{"", "Dee"}
                                                    << "User 4 As Been Renamed Dee" << "Dee";
        QTest::newRow("empty name typed") << 5 << QByteArray("7351\r\n") << Answers{"7351", ""}
                                          << "User 5 As Been Renamed " << "";
        QTest::newRow("password prompt cancelled") << 3 << QByteArray("7351\r\n") << Answers{cancelled} << QString()
                                                   << "user3";
        QTest::newRow("name prompt cancelled") << 3 << QByteArray("7351\r\n") << Answers{"7351", cancelled} << QString()
                                               << "user3";
    }

    void rename()
    {
        QFETCH(int, slot);
        QFETCH(QByteArray, stored);
        QFETCH(Answers, answers);
        QFETCH(QString, message);
        QFETCH(QString, name);
        InstalledPlayers install;
        install.writeData(player::recordFileName(slot, player::passwordSuffix), stored);
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        choosePlayer(signIn, slot);
        script(dialogs, answers);
        if (!message.isEmpty())
            dialogs.expectMessage(message);
        QTest::mouseClick(signIn->Command5, Qt::LeftButton);
        VERIFY_DIALOGS(dialogs);
        const AskedInput password = dialogs.inputs().first();
        QCOMPARE(password.prompt, QStringLiteral("Enter Password"));
        QCOMPARE(password.title, QStringLiteral("Enter Your Password"));
        QVERIFY(password.password);
        if (dialogs.inputs().size() > 1) {
            QCOMPARE(dialogs.inputs().at(1).prompt, QStringLiteral("Enter New Name"));
            QCOMPARE(dialogs.inputs().at(1).title, QString());
        }
        for (const ShownMessage &m : dialogs.messages())
            QCOMPARE(m.icon, platform::Icon::None);
        QCOMPARE(install.readData(player::recordFileName(slot, player::nameSuffix)), line(name));
        QCOMPARE(signIn->slotButton(slot)->text(), name);
        QCOMPARE(signIn->combo1->item(slot - 1)->text(), name);
        QCOMPARE(signIn->txtPass->text(), QString::fromUtf8(stored.chopped(2)));
        // The other players and every other file stay as they were.
        for (int other = 1; other <= 5; ++other) {
            if (other != slot)
                QCOMPARE(install.readData(player::recordFileName(other, player::nameSuffix)), line(player::defaultName(other)));
        }
        QCOMPARE(install.readData(player::recordFileName(slot, player::passwordSuffix)), stored);
        // Renaming is not choosing: the slot stays chosen and Play stays on.
        QCOMPARE(signIn->chosenSlot(), slot);
        QVERIFY(signIn->Command6->isEnabled());
    }

    void renameWithoutAChosenSlotDoesNothing()
    {
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        signIn->Command5_Click();
        signIn->Command7_Click();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(dialogs.inputs().isEmpty());
    }

    void renameThatCannotBeWrittenChangesNothing()
    {
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        choosePlayer(signIn, 4);
        // Slot 5's name file cannot be replaced (a folder stands in its place).
        QFile::remove(install.dataFile(QStringLiteral("user5n.pdx")));
        QVERIFY(QDir().mkpath(install.dataFile(QStringLiteral("user5n.pdx"))));
        script(dialogs, {"7351", "Dora"});
        dialogs.expectAnyMessage();
        signIn->Command5_Click();
        VERIFY_DIALOGS(dialogs);
        const ShownMessage shown = dialogs.messages().first();
        QCOMPARE(shown.icon, platform::Icon::Critical);
        QVERIFY2(shown.text.contains(QStringLiteral("user5n.pdx")), qPrintable(shown.text));
        QCOMPARE(signIn->Option4->text(), QStringLiteral("user4"));
        QCOMPARE(signIn->combo1->item(3)->text(), QStringLiteral("user4"));
        QCOMPARE(install.readData(QStringLiteral("user4n.pdx")), QByteArray("user4\r\n"));
        QCOMPARE(install.endRequests(), 0);
    }

    void changePassword_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<Answers>("answers");    // current, new, new again
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("after");   // the password file afterwards
        QTest::newRow("changed") << QByteArray("7351\r\n") << Answers{"7351", "Gallop", "Gallop"}
                                 << "Your Password As Been Changed" << QByteArray("Gallop\r\n");
        QTest::newRow("wrong current") << QByteArray("7351\r\n") << Answers{"7531"} << "Password Is Incorrect"
                                       << QByteArray("7351\r\n");
        QTest::newRow("current with a blank") << QByteArray("7351\r\n") << Answers{"7351 "} << "Password Is Incorrect"
                                              << QByteArray("7351\r\n");
        QTest::newRow("repeat differs") << QByteArray("7351\r\n") << Answers{"7351", "abc", "ABC"}
                                        << "The New Passwords Do Not Match" << QByteArray("7351\r\n");
        QTest::newRow("cleared") << QByteArray("7351\r\n") << Answers{"7351", "", ""} << "Your Password As Been Changed"
                                 << QByteArray("\r\n");
        QTest::newRow("no password yet") << QByteArray("\r\n") << Answers{"", "new one", "new one"}
                                         << "Your Password As Been Changed" << QByteArray("new one\r\n");
        QTest::newRow("current prompt cancelled") << QByteArray("7351\r\n") << Answers{cancelled} << QString()
                                                  << QByteArray("7351\r\n");
        QTest::newRow("new prompt cancelled") << QByteArray("7351\r\n") << Answers{"7351", cancelled} << QString()
                                              << QByteArray("7351\r\n");
        QTest::newRow("repeat cancelled") << QByteArray("7351\r\n") << Answers{"7351", "x", cancelled} << QString()
                                          << QByteArray("7351\r\n");
    }

    void changePassword()
    {
        QFETCH(QByteArray, stored);
        QFETCH(Answers, answers);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        InstalledPlayers install;
        install.writeData(QStringLiteral("user2p.dll"), stored);
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        choosePlayer(signIn, 2);
        script(dialogs, answers);
        if (!message.isEmpty())
            dialogs.expectMessage(message);
        QTest::mouseClick(signIn->Command7, Qt::LeftButton);
        VERIFY_DIALOGS(dialogs);
        const QStringList prompts{"Enter Password", "Enter New Password", "Re-Enter New Password"};
        const QStringList titles{"Enter Your Password", "Enter Your New Password", "Re-Enter Your New Password"};
        for (int i = 0; i < dialogs.inputs().size(); ++i) {
            QCOMPARE(dialogs.inputs().at(i).prompt, prompts[i]);
            QCOMPARE(dialogs.inputs().at(i).title, titles[i]);
            QVERIFY(dialogs.inputs().at(i).password);
        }
        QCOMPARE(install.readData(QStringLiteral("user2p.dll")), after);
        QCOMPARE(signIn->txtPass->text(), QString::fromUtf8(after.chopped(2)));
        // Only slot 2's password file changes.
        QCOMPARE(install.readData(QStringLiteral("user1p.dll")), QByteArray("7351\r\n"));
        QCOMPARE(install.readData(QStringLiteral("user2n.pdx")), QByteArray("user2\r\n"));
    }

    void noLineMeansNoPassword()
    {
        // A slot whose password file holds no line has no password, whatever another
        // slot's rename asked for before.
        InstalledPlayers install;
        install.writeData(QStringLiteral("user1p.dll"), "first\r\n");
        install.writeData(QStringLiteral("user2p.dll"), "");
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        choosePlayer(signIn, 1);
        script(dialogs, {"first", cancelled});
        signIn->Command5_Click();
        choosePlayer(signIn, 2);
        script(dialogs, {"", "Bea"});
        dialogs.expectMessage(QStringLiteral("User 2 As Been Renamed Bea"));
        signIn->Command5_Click();
        script(dialogs, {"first"});
        dialogs.expectMessage(QStringLiteral("Password Is Incorrect"));
        signIn->Command7_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(install.readData(QStringLiteral("user2n.pdx")), QByteArray("Bea\r\n"));
    }
};

PADDOX_TEST(MaintenanceTest)
#include "maintenance_test.moc"
