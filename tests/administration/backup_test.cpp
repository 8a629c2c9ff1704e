// Backing up and restoring a player through the Back Up / Restore window.
#include "admin_fixture.h"
#include "backup/backup_files.h"
#include "backup/backup_window.h"
#include "support/test_main.h"

#include <QFileSystemModel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

namespace {
// The backup window at the folder, chosen as a player types it: the path, then Enter.
Form7 *backupWindowAt(const QString &folder)
{
    Form7 *window = app::window<Form7>();
    window->Text1->setText(folder);
    QTest::keyClick(window->Text1, Qt::Key_Return);
    return window;
}

// Every file of the folder as "name: contents".
QStringList folderFiles(const QString &folder)
{
    QStringList files;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        QFile file(info.filePath());
        files << info.fileName() + ": " + (file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}
}  // namespace

class BackupTest : public QObject {
    Q_OBJECT
private slots:
    void backupOfSlotThree()
    {
        SignedIn game(3, QStringLiteral("1234"));
        game.writeData(QStringLiteral("user3n.pdx"), "old name\r\nJo Bloggs\r\n");
        game.office->Label16->setText(QStringLiteral("Mr Ed"));
        game.office->Option4->setText(QStringLiteral("Nag"));
        QTemporaryDir folder;
        game.dialogs.expectMessage(QStringLiteral("Backing Up data for: Jo Bloggs"));
        game.dialogs.expectMessage(QStringLiteral("Back Up Completed Successfully"));
        backupWindowAt(folder.path())->cmdbackup->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(folderFiles(folder.path()),
                 QStringList({"user3cash.pdx: 1234\r\n", "user3debt.pdx: 88\r\n", "user3hor1.pdx: Red Rum\r\n",
                              "user3hor2.pdx: Desert Orchard\r\n", "user3hor3.pdx: Mr Ed\r\n", "user3hor4.pdx: Nag\r\n",
                              "user3hor5.pdx: Black Beauty\r\n", "user3share.pdx: Mr Ed\r\n",
                              "userbackup.pdx:  3 \r\n", "usern.pdx: Jo Bloggs\r\n"}));
    }
    void twoBackupsRestoreTheLast()
    {
        SignedIn game(2);
        game.writeData(QStringLiteral("user1p.dll"), "secret\r\n");
        QTemporaryDir folder;
        Form7 *window = backupWindowAt(folder.path());
        for (const char *slot : {"2", "4"}) {
            game.office->Label23->setText(slot);
            game.office->Text1->setText(QStringLiteral("%1%1").arg(slot));
            game.dialogs.expectMessage(QStringLiteral("Backing Up data for: user%1").arg(slot));
            game.dialogs.expectMessage(QStringLiteral("Back Up Completed Successfully"));
            window->cmdbackup->click();
        }
        game.office->Label23->setText(QStringLiteral("1"));
        game.dialogs.expectMessage(QStringLiteral("Now restoring user user4 Data, to the current user"));
        game.dialogs.expectMessage(QStringLiteral("All Data Restored Successfully, paddox must now restart!"));
        window->cmdrestore->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(game.endRequests(), 1);
        QCOMPARE(game.file(1, "n.pdx") + game.file(1, "cash.pdx") + game.file(1, "hor5.pdx") + game.file(1, "p.dll"),
                 QByteArray("user4\r\n44\r\nBlack Beauty\r\nsecret\r\n"));
    }
    void restoreFails_data()
    {
        QTest::addColumn<QByteArray>("slotFile");  // empty: an empty folder
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QByteArray>("nameAfter");
        const QString notFound = QStringLiteral("Backed Up Data Not Found");
        QTest::newRow("empty folder") << QByteArray() << QStringList{notFound} << QByteArray("User 1\r\n");
        QTest::newRow("no cash file") << QByteArray(" 3 \r\n")
                                      << QStringList{"Now restoring user Ann Data, to the current user", notFound}
                                      << QByteArray("Ann\r\n");
        QTest::newRow("not a number") << QByteArray("three\r\n") << QStringList{notFound} << QByteArray("User 1\r\n");
    }
    void restoreFails()
    {
        QFETCH(QByteArray, slotFile);
        QFETCH(QStringList, messages);
        QFETCH(QByteArray, nameAfter);
        SignedIn game(1);
        QTemporaryDir folder;
        for (const auto &[name, bytes] : {std::pair{"userbackup.pdx", slotFile}, {"usern.pdx", QByteArray("Ann\r\n")}}) {
            QFile file(folder.filePath(name));
            if (!slotFile.isEmpty() && file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
        for (const QString &message : messages)
            game.dialogs.expectMessage(message);
        backupWindowAt(folder.path())->cmdrestore->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(game.file(1, "n.pdx") + game.file(1, "cash.pdx"), nameAfter + "500\r\n");
        QCOMPARE(game.endRequests(), 0);
    }
    void location()
    {
        SignedIn game(1);
        QTemporaryDir folder;
        Form7 *window = backupWindowAt(folder.path());
        QCOMPARE(qobject_cast<QFileSystemModel *>(window->Dir1->model())->filePath(window->Dir1->currentIndex()), folder.path());
        // Typed without Enter, a path that is no folder stops the button and moves nothing.
        window->Text1->setText(folder.path() + "/nowhere");
        game.dialogs.expectMessage(QStringLiteral("\"%1/nowhere\" is not a folder.\n\nType the path of a folder, or "
                                                  "choose one in the list. The folder list stays at:\n%1")
                                       .arg(folder.path()));
        window->cmdrestore->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(window->folder(), folder.path());
        for (const auto &[root, file] : {std::pair{"/", "/usern.pdx"}, {"/media/stick/", "/media/stick/usern.pdx"}})
            QCOMPARE(backup::folderFile(root, "usern.pdx"), QString(file));
    }
};

PADDOX_TEST(BackupTest)
#include "backup_test.moc"
