// The record files a new installation gets, a data folder missing some players,
// and data folders the game cannot use.
#include "player_test_support.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include "player/first_run.h"

#include <QRadioButton>

using namespace testing;

class FirstRunTest : public QObject {
    Q_OBJECT

private slots:
    void emptyDataFolderListsTheNewPlayers()
    {
        TestInstallation install;
        NoOtherEdition noOther;
        ScriptedDialogs dialogs;
        dialogs.expectMessage(player::noPreviousVersionsMessage);
        frmcontrol *signIn = openSignIn();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(install.endRequests(), 0);
        const QStringList expected{"User 1", "user2", "user3", "user4", "user5"};
        QCOMPARE(listEntries(signIn), expected);
        const QByteArray horses[] = {"Red Rum\r\n", "Desert Orchard\r\n", "Mr Ed\r\n", "Whopper Meal With Fries\r\n",
                                     "Black Beauty\r\n"};
        for (int slot = 1; slot <= 5; ++slot) {
            QCOMPARE(signIn->slotButton(slot)->text(), expected[slot - 1]);
            QVERIFY(!signIn->slotButton(slot)->isChecked());
            // Every file of the slot, byte for byte.
            const QString user = QStringLiteral("user%1").arg(slot);
            QCOMPARE(install.readData(user + "n.pdx"), line(expected[slot - 1]));
            QCOMPARE(install.readData(user + "p.dll"), QByteArray("7351\r\n"));
            QCOMPARE(install.readData(user + "cash.pdx"), QByteArray("500\r\n"));
            QCOMPARE(install.readData(user + "debt.pdx"), QByteArray("500\r\n"));
            QCOMPARE(install.readData(user + "share.pdx"), QByteArray("You Have No Shares\r\n"));
            for (int horse = 1; horse <= 5; ++horse)
                QCOMPARE(install.readData(user + QStringLiteral("hor%1.pdx").arg(horse)), horses[horse - 1]);
        }
        // Fifty record files and nothing else: no blank in a name, no left-over temporary file.
        QCOMPARE(QDir(install.dataFile(QString())).entryList(QDir::Files).size(), 50);
        QCOMPARE(dialogs.messages().first().icon, platform::Icon::None);

        // A second opening finds every file and sets up nothing.
        app::destroyAllWindows();
        dialogs.clear();
        openSignIn();
        VERIFY_DIALOGS(dialogs);
    }

    void missingSlotsAreRebuiltAlone_data()
    {
        QTest::addColumn<QList<int>>("missing");
        QTest::newRow("slot 3") << QList<int>{3};
        QTest::newRow("all but slot 2") << QList<int>{1, 3, 4, 5};
    }

    void missingSlotsAreRebuiltAlone()
    {
        QFETCH(QList<int>, missing);
        TestInstallation install;
        NoOtherEdition noOther;
        // An installation the import could copy from: it must not run for a partial folder.
        noOther.writeRecord(install.folder().toUtf8() + "\r\n");
        // Every slot is a player with a history of its own.
        for (int slot = 1; slot <= 5; ++slot) {
            for (const QString &suffix : player::recordSuffixes())
                install.writeData(player::recordFileName(slot, suffix), line(QStringLiteral("kept %1").arg(slot)));
        }
        for (int slot : missing) {
            QFile::remove(install.dataFile(player::recordFileName(slot, player::nameSuffix)));
            QFile::remove(install.dataFile(player::recordFileName(slot, QStringLiteral("cash.pdx"))));
        }
        ScriptedDialogs dialogs;  // no message: nothing is imported
        frmcontrol *signIn = openSignIn();
        VERIFY_DIALOGS(dialogs);

        for (int slot = 1; slot <= 5; ++slot) {
            const bool rebuilt = missing.contains(slot);
            const QString kept = QStringLiteral("kept %1").arg(slot);
            QCOMPARE(signIn->combo1->item(slot - 1)->text(), rebuilt ? player::defaultName(slot) : kept);
            QCOMPARE(install.readData(player::recordFileName(slot, player::nameSuffix)),
                     line(rebuilt ? player::defaultName(slot) : kept));
            QCOMPARE(install.readData(player::recordFileName(slot, QStringLiteral("cash.pdx"))),
                     line(rebuilt ? QStringLiteral("500") : kept));
            // Files of the slot that were there stay as they were, the password among them.
            QCOMPARE(install.readData(player::recordFileName(slot, QStringLiteral("debt.pdx"))), line(kept));
            QCOMPARE(install.readData(player::recordFileName(slot, player::passwordSuffix)), line(kept));
        }
    }

    void lastLineOfANameFileCounts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("entry");
        QTest::newRow("two lines") << QByteArray("Old Name\r\nNew Name\r\n") << "New Name";
        QTest::newRow("line ends LF") << QByteArray("First\nSecond\n") << "Second";
        QTest::newRow("no line end") << QByteArray("Dan") << "Dan";
        QTest::newRow("empty line") << QByteArray("\r\n") << "";
        QTest::newRow("no line at all") << QByteArray() << "";
        QTest::newRow("blanks kept") << QByteArray("  Ann  \r\n") << "  Ann  ";
        QTest::newRow("older edition's accents") << QByteArray("Ren\xe9\r\n") << QString::fromUtf8("René");
    }

    void lastLineOfANameFileCounts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, entry);
        InstalledPlayers install;
        NoOtherEdition noOther;
        install.writeData(QStringLiteral("user4n.pdx"), bytes);
        ScriptedDialogs dialogs;
        frmcontrol *signIn = openSignIn();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(signIn->combo1->item(3)->text(), entry);
        QCOMPARE(signIn->Option4->text(), entry);
        QCOMPARE(install.readData(QStringLiteral("user4n.pdx")), bytes);
    }

    void unusableDataFolderEndsWithAMessage_data()
    {
        QTest::addColumn<QString>("blocked");   // a data file that is made a folder, so it can't be written or read
        QTest::addColumn<bool>("otherPlayers");  // the other slots are there
        QTest::addColumn<QString>("named");     // the file the message names
        QTest::newRow("data folder is a file") << QString() << false << "data";
        QTest::newRow("set-up cannot write") << "user3debt.pdx" << false << "user3debt.pdx";
        QTest::newRow("fallback cannot write") << "user1share.pdx" << false << "user1share.pdx";
        QTest::newRow("rebuild cannot write") << "link:user2n.pdx" << true << "user2n.pdx";
        QTest::newRow("name unreadable after set-up") << "user4n.pdx" << true << "user4n.pdx";
    }

    void unusableDataFolderEndsWithAMessage()
    {
        QFETCH(QString, blocked);
        QFETCH(bool, otherPlayers);
        QFETCH(QString, named);
        TestInstallation install;
        NoOtherEdition noOther;
        if (otherPlayers) {
            install.writeDefaultPlayers();
            QFile::remove(install.dataFile(QStringLiteral("user2n.pdx")));
            QFile::remove(install.dataFile(blocked));
        }
        if (blocked.isEmpty()) {
            QDir(install.dataFile(QString())).removeRecursively();
            QFile data(QDir(install.folder()).filePath(QStringLiteral("data")));
            QVERIFY(data.open(QIODevice::WriteOnly));
        } else if (blocked.startsWith(QLatin1String("link:"))) {
            // A link into a folder that does not exist: the file is missing and cannot be written.
            QVERIFY(QFile::link(QDir(install.folder()).filePath(QStringLiteral("nowhere/x")),
                                install.dataFile(blocked.mid(5))));
        } else {
            QVERIFY(QDir().mkpath(install.dataFile(blocked)));
        }
        ScriptedDialogs dialogs;
        if (!otherPlayers && blocked != QLatin1String("user3debt.pdx") && !blocked.isEmpty())
            dialogs.expectMessage(player::noPreviousVersionsMessage);
        dialogs.expectAnyMessage();
        frmcontrol *signIn = openSignIn();
        VERIFY_DIALOGS(dialogs);
        const ShownMessage shown = dialogs.messages().last();
        QCOMPARE(shown.icon, platform::Icon::Critical);
        QVERIFY2(shown.text.contains(QDir::toNativeSeparators(install.dataFile(QString()).chopped(1))), qPrintable(shown.text));
        QVERIFY2(shown.text.contains(named), qPrintable(shown.text));
        QCOMPARE(install.endRequests(), 1);
        // Nothing is offered to a player after that.
        QCOMPARE(signIn->combo1->count(), 0);
        signIn->Command6_Click();
        signIn->Command1_Click();
        VERIFY_DIALOGS(dialogs);
    }

    void garbageNameFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("usable");
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(static_cast<char>((i * 37 + 11) % 256));
        QTest::newRow("binary junk") << junk << true;
        QTest::newRow("far too large for a name") << QByteArray(2 << 20, 'x') << false;
    }

    void garbageNameFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, usable);
        InstalledPlayers install;
        NoOtherEdition noOther;
        install.writeData(QStringLiteral("user3n.pdx"), bytes);
        install.writeData(QStringLiteral("user3cash.pdx"), bytes);
        ScriptedDialogs dialogs;
        if (!usable)
            dialogs.expectAnyMessage();
        frmcontrol *signIn = openSignIn();
        VERIFY_DIALOGS(dialogs);
        if (usable) {
            QCOMPARE(signIn->combo1->count(), 5);
            QCOMPARE(signIn->combo1->item(3)->text(), QStringLiteral("user4"));
        } else {
            // Reported with the folder it is in; the game cannot go on without its names.
            QVERIFY(dialogs.messages().first().text.contains(QStringLiteral("user3n.pdx")));
            QCOMPARE(install.endRequests(), 1);
        }
        // Nothing is overwritten.
        QCOMPARE(install.readData(QStringLiteral("user3n.pdx")), bytes);
        QCOMPARE(install.readData(QStringLiteral("user3cash.pdx")), bytes);
    }
};

PADDOX_TEST(FirstRunTest)
#include "first_run_test.moc"
