// Backing up and restoring a player through the Back Up / Restore window.
#include "admin_fixture.h"
#include "backup/backup_files.h"
#include "backup/backup_window.h"

using testing::control;

namespace {
// The backup window at the folder, chosen as a player types it: the path, then Enter.
BackupWindow *backupWindowAt(const QString &folder)
{
    BackupWindow *window = app::window<BackupWindow>();
    control<QLineEdit>(window, "Text1")->setText(folder);
    QTest::keyClick(control<QLineEdit>(window, "Text1"), Qt::Key_Return);
    return window;
}

// Every file of the folder as "name: contents".
QStringList folderFiles(const QString &folder)
{
    QStringList files;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files, QDir::Name))
        if (QFile file(info.filePath()); file.open(QIODevice::ReadOnly))
            files << info.fileName() + ": " + file.readAll();
    return files;
}
}  // namespace

class BackupTest : public QObject {
    Q_OBJECT
private slots:
    void backupOfSlotThree()
    {
        SignedIn game(3);
        game.writeData(QStringLiteral("user3n.pdx"), "old name\r\nJo Bloggs\r\n");
        SignedIn::signIn(3, 1234, QStringLiteral("Mr Ed"), QStringLiteral("Nag"));
        QTemporaryDir folder;
        game.dialogs.expectMessage(QStringLiteral("Backing Up data for: Jo Bloggs"));
        game.dialogs.expectMessage(QStringLiteral("Back Up Completed Successfully"));
        control(backupWindowAt(folder.path()), "cmdbackup")->click();
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
        BackupWindow *window = backupWindowAt(folder.path());
        for (const int slot : {2, 4}) {
            SignedIn::signIn(slot, 11 * slot);
            game.dialogs.expectMessage(QStringLiteral("Backing Up data for: user%1").arg(slot));
            game.dialogs.expectMessage(QStringLiteral("Back Up Completed Successfully"));
            control(window, "cmdbackup")->click();
        }
        SignedIn::signIn(1, 777);
        game.dialogs.expectMessage(QStringLiteral("Now restoring user user4 Data, to the current user"));
        game.dialogs.expectMessage(QStringLiteral("All Data Restored Successfully, paddox must now restart!"));
        control(window, "cmdrestore")->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(game.endRequests(), 1);
        QCOMPARE(game.file(1, "n.pdx") + game.file(1, "cash.pdx") + game.file(1, "hor5.pdx") + game.file(1, "p.dll"),
                 QByteArray("user4\r\n44\r\nBlack Beauty\r\nsecret\r\n"));
    }
    // A backup with a file missing, unreadable or holding what the game does not take restores
    // nothing: every file of the slot stays as it was.
    void restoreFails()
    {
        // The backup file spoilt ("*": every one), what it holds instead (none: it is not there; "/": a
        // folder), the reason told (none: "Backed Up Data Not Found").
        const struct { const char *file; QByteArray bytes; const char *reason; } rows[] = {
            {"*", {}, ""}, {"user3cash.pdx", {}, ""}, {"userbackup.pdx", "three\r\n", ""},
            {"user3debt.pdx", "/", "it is a folder, not a file"},
            {"user3cash.pdx", "lots\r\n", "it does not hold an amount of money"},
            {"usern.pdx", QByteArray(31, 'a'), "the name has more than 30 characters"},
            {"usern.pdx", "Ann\rBob\r\n", "the name is not on one line"},
            {"user3share.pdx", QByteArray(200 * 1024, 'x'), "the name has more than 30 characters"}};
        for (const auto &[file, bytes, reason] : rows) {
            ROW(file);
            SignedIn game(1);
            QTemporaryDir folder;
            const QStringList names{"userbackup.pdx", "usern.pdx", "user3cash.pdx", "user3debt.pdx", "user3share.pdx",
                                    "user3hor1.pdx", "user3hor2.pdx", "user3hor3.pdx", "user3hor4.pdx", "user3hor5.pdx"};
            for (const QString &name : names) {
                QFile backup(folder.filePath(name));
                if (QByteArray(file) != "*" && backup.open(QIODevice::WriteOnly))
                    backup.write(name == file ? bytes : name == names[0] ? " 3 \r\n" : name.contains("cash") || name.contains("debt") ? "900\r\n" : "Ann\r\n");
            }
            if (bytes.isNull() || bytes == "/")
                QFile::remove(folder.filePath(file));
            if (bytes == "/")
                QDir(folder.path()).mkdir(file);
            const auto slotFiles = [&game] {
                QByteArray all;
                for (const QString &suffix : player::recordSuffixes())
                    all += game.file(1, suffix.toLatin1().constData());
                return all;
            };
            const QByteArray before = slotFiles();
            game.dialogs.expectMessage(!*reason ? QStringLiteral("Backed Up Data Not Found")
                                                : QStringLiteral("This backup cannot be restored because of this file:\n%1/%2\n(%3)\n\n"
                                                                 "Nothing has been restored; your game is unchanged.").arg(folder.path(), file, reason));
            control(backupWindowAt(folder.path()), "cmdrestore")->click();
            VERIFY_DIALOGS(game.dialogs);
            QCOMPARE(slotFiles(), before);
            QCOMPARE(game.endRequests(), 0);
        }
    }
    void location()
    {
        SignedIn game(1);
        QTemporaryDir folder;
        BackupWindow *window = backupWindowAt(folder.path());
        auto *list = control<QTreeView>(window, "Dir1");
        const auto listed = [list] { return qobject_cast<QFileSystemModel *>(list->model())->filePath(list->currentIndex()); };
        QCOMPARE(listed(), folder.path());
        // Typed without Enter, a path that is no folder stops the button and moves nothing.
        control<QLineEdit>(window, "Text1")->setText(folder.path() + "/nowhere");
        game.dialogs.expectMessage(QStringLiteral("\"%1/nowhere\" is not a folder.\n\nType the path of a folder, or "
                                                  "choose one in the list. The folder list stays at:\n%1")
                                       .arg(folder.path()));
        control(window, "cmdrestore")->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(listed(), folder.path());
        for (const auto &[root, file] : {std::pair{"/", "/usern.pdx"}, {"/media/stick/", "/media/stick/usern.pdx"}})
            QCOMPARE(backup::folderFile(root, "usern.pdx"), QString(file));
    }
};

PADDOX_TEST(BackupTest)
#include "backup_test.moc"
