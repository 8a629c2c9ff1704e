// Backing up and restoring a player through the Back Up / Restore window.
#include "admin_fixture.h"

#include "backup/backup_files.h"
#include "backup/backup_window.h"
#include "support/test_main.h"

#include <QDir>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

using admintest::SignedIn;

namespace {
// The backup window over the folder, chosen as a player types it: the path, then Enter.
Form7 *backupWindowAt(const QString &folder)
{
    Form7 *window = app::window<Form7>();
    window->Text1->setText(folder);
    QTest::keyClick(window->Text1, Qt::Key_Return);
    return window;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
}  // namespace

class BackupTest : public QObject {
    Q_OBJECT
private slots:
    void backupOfSlotThree()
    {
        SignedIn game(3, QStringLiteral("1234"), QStringLiteral("-5"));
        game.writeData(QStringLiteral("user3n.pdx"), "old name\r\nJo Bloggs\r\n");
        game.office->Label16->setText(QStringLiteral("Mr Ed"));
        for (int horse = 1; horse <= 5; ++horse)
            game.office->horseOption(horse)->setText(QStringLiteral("Nag %1").arg(horse));
        QTemporaryDir folder;
        game.dialogs.expectMessage(QStringLiteral("Backing Up data for: Jo Bloggs"));
        game.dialogs.expectMessage(QStringLiteral("Back Up Completed Successfully"));
        backupWindowAt(folder.path())->cmdbackup->click();
        VERIFY_DIALOGS(game.dialogs);
        const QList<std::pair<QString, QByteArray>> expected = {
            {"user3cash.pdx", "1234\r\n"},   {"user3debt.pdx", "-5\r\n"},    {"user3hor1.pdx", "Nag 1\r\n"},
            {"user3hor2.pdx", "Nag 2\r\n"},  {"user3hor3.pdx", "Nag 3\r\n"}, {"user3hor4.pdx", "Nag 4\r\n"},
            {"user3hor5.pdx", "Nag 5\r\n"},  {"user3share.pdx", "Mr Ed\r\n"}, {"userbackup.pdx", " 3 \r\n"},
            {"usern.pdx", "Jo Bloggs\r\n"}};
        QStringList names;
        for (const auto &[name, bytes] : expected) {
            names << name;
            QFile file(QDir(folder.path()).filePath(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            QCOMPARE(file.readAll(), bytes);
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), names);
    }

    void backupRefused()
    {
        SignedIn game(2);
        QTemporaryDir folder;
        QFile::remove(game.dataFile(QStringLiteral("user2n.pdx")));
        game.dialogs.expectMessage(QStringLiteral("The backup has stopped. This file could not be read:\n%1\n(the file "
                                                  "does not exist)\n\nNothing has been backed up.")
                                       .arg(game.dataFile(QStringLiteral("user2n.pdx"))));
        Form7 *window = backupWindowAt(folder.path());
        window->cmdbackup->click();
        QVERIFY(QDir(folder.path()).isEmpty());
        game.writeDefaultPlayers();
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("userbackup.pdx")));  // cannot be written as a file
        game.dialogs.expectAnyMessage();
        window->cmdbackup->click();
        VERIFY_DIALOGS(game.dialogs);
        QVERIFY(game.dialogs.messages().last().text.startsWith(
            QStringLiteral("The backup has stopped. This file could not be written:\n%1/userbackup.pdx\n").arg(folder.path())));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }

    void twoBackupsRestoreTheLast()
    {
        SignedIn game(2, QStringLiteral("2222"));
        QTemporaryDir folder;
        Form7 *window = backupWindowAt(folder.path());
        for (int slot : {2, 4}) {
            game.office->Label23->setText(QString::number(slot));
            game.office->Text1->setText(QString::number(slot * 1111));
            game.dialogs.expectMessage(QStringLiteral("Backing Up data for: user%1").arg(slot));
            game.dialogs.expectMessage(QStringLiteral("Back Up Completed Successfully"));
            window->cmdbackup->click();
        }
        game.office->Label23->setText(QStringLiteral("1"));
        game.office->Text1->setText(QStringLiteral("1"));
        game.writeData(QStringLiteral("user1p.dll"), "secret\r\n");
        game.dialogs.expectMessage(QStringLiteral("Now restoring user user4 Data, to the current user"));
        game.dialogs.expectMessage(QStringLiteral("All Data Restored Successfully, paddox must now restart!"));
        window->cmdrestore->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(game.endRequests(), 1);
        QCOMPARE(game.file(1, "n.pdx"), QByteArray("user4\r\n"));
        QCOMPARE(game.file(1, "cash.pdx"), QByteArray("4444\r\n"));
        QCOMPARE(game.file(1, "debt.pdx"), QByteArray("88\r\n"));
        QCOMPARE(game.file(1, "hor5.pdx"), QByteArray("Black Beauty\r\n"));
        QCOMPARE(game.file(1, "p.dll"), QByteArray("secret\r\n"));
    }

    void restoreFails_data()
    {
        QTest::addColumn<QByteArray>("slotFile");  // empty: no such file
        QTest::addColumn<QByteArray>("nameFile");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QByteArray>("nameAfter");
        const QString notFound = QStringLiteral("Backed Up Data Not Found");
        QTest::newRow("empty folder") << QByteArray() << QByteArray() << QStringList{notFound} << QByteArray("User 1\r\n");
        QTest::newRow("no cash file") << QByteArray(" 3 \r\n") << QByteArray("Ann\r\n")
                                      << QStringList{"Now restoring user Ann Data, to the current user", notFound}
                                      << QByteArray("Ann\r\n");
        QTest::newRow("slot file not a number") << QByteArray("three\r\n") << QByteArray("Ann\r\n")
                                                << QStringList{notFound} << QByteArray("User 1\r\n");
        QTest::newRow("no such slot") << QByteArray(" 7 \r\n") << QByteArray("Ann\r\n") << QStringList{notFound}
                                      << QByteArray("User 1\r\n");
    }
    void restoreFails()
    {
        QFETCH(QByteArray, slotFile);
        QFETCH(QByteArray, nameFile);
        QFETCH(QStringList, messages);
        QFETCH(QByteArray, nameAfter);
        SignedIn game(1);
        QTemporaryDir folder;
        if (!slotFile.isEmpty()) {
            writeFile(folder.filePath(QStringLiteral("userbackup.pdx")), slotFile);
            writeFile(folder.filePath(QStringLiteral("usern.pdx")), nameFile);
        }
        for (const QString &message : messages)
            game.dialogs.expectMessage(message);
        backupWindowAt(folder.path())->cmdrestore->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(game.file(1, "n.pdx"), nameAfter);
        QCOMPARE(game.file(1, "cash.pdx"), QByteArray("500\r\n"));
        QCOMPARE(game.endRequests(), 0);
    }

    void location()
    {
        SignedIn game(1);
        QTemporaryDir folder;
        Form7 *window = backupWindowAt(folder.path());
        QCOMPARE(window->folder(), folder.path());
        auto *model = qobject_cast<QFileSystemModel *>(window->Dir1->model());
        QCOMPARE(model->filePath(window->Dir1->currentIndex()), folder.path());
        const QString typo = folder.path() + QStringLiteral("/nowhere");
        game.dialogs.expectMessage(QStringLiteral("\"%1\" is not a folder.\n\nType the path of a folder, or choose one "
                                                  "in the list. The folder list stays at:\n%2")
                                       .arg(typo, folder.path()));
        window->Text1->setText(typo);
        window->cmdrestore->click();  // typed without Enter: the button follows the field first
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(window->folder(), folder.path());
    }

    void rootFolderJoins_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::newRow("root") << "/" << "/userbackup.pdx";
        QTest::newRow("ends in a separator") << "/media/stick/" << "/media/stick/userbackup.pdx";
        QTest::newRow("plain") << "/media/stick" << "/media/stick/userbackup.pdx";
    }
    void rootFolderJoins()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QCOMPARE(backup::folderFile(folder, QStringLiteral("userbackup.pdx")), file);
    }
};

PADDOX_TEST(BackupTest)
#include "backup_test.moc"
