// A record saved as one unit: interrupted saves completed from the journal, damaged
// journals dropped, failed saves told once, and sign-in with damaged record files.
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "platform/widgets/panel_status_bar.h"
#include "player/record_safety.h"
#include "player/sign_in_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

using namespace testing;

namespace {
player::PlayingFields record(const QString &cash)
{
    player::PlayingFields fields{cash, "-" + cash, player::noShares, player::defaultHorseNames};
    fields.horses[4] = "Horse of " + cash;
    return fields;
}

QStringList stored(const TestInstallation &install, int slot)
{
    QStringList lines;
    for (const QString &suffix : player::playingSuffixes)
        lines << QString::fromUtf8(install.readData(player::recordFileName(slot, suffix))).chopped(2);
    return lines;
}

BettingOfficeWindow *signIn(int slot)
{
    app::window<SignInWindow>()->slotButton(slot)->setChecked(true);
    app::window<SignInWindow>()->Command1_Click();
    return app::existingWindow<BettingOfficeWindow>();
}
}  // namespace

class JournalTest : public QObject {
    Q_OBJECT

private slots:
    void interruptedAndDamagedJournals()
    {
        // Killed after 0..8 of the eight files were replaced: the load finds the new record whole.
        // A journal that is not whole (cut, changed, another slot's, empty) is dropped and the old record stays.
        const QByteArray whole = player::journalBytes(2, record("900"));
        const QList<QByteArray> damaged{whole.chopped(5), QByteArray(whole).replace("900", "901"),
                                        player::journalBytes(4, record("900")), QByteArray()};
        for (int row = 0; row <= 8 + damaged.size(); ++row) {
            TestInstallation install;
            install.writeDefaultPlayers();
            install.writeData(player::journalFileName(2), row <= 8 ? whole : damaged[row - 9]);
            for (int i = 0; i < (row <= 8 ? row : 0); ++i)
                install.writeData(player::recordFileName(2, player::playingSuffixes[i]), record("900").inSaveOrder()[i].toUtf8());
            QCOMPARE(player::finishJournal(2).outcome, row <= 8 ? player::JournalOutcome::Finished : player::JournalOutcome::Damaged);
            QCOMPARE(stored(install, 2), (row <= 8 ? record("900") : player::defaultPlayingFields()).inSaveOrder());
            QVERIFY(!install.dataExists(player::journalFileName(2)));
        }
    }

    void failedSaveIsCompletedLaterAndLeftoversGo()
    {
        TestInstallation install;
        install.writeDefaultPlayers();
        QVERIFY(QFile::remove(install.dataFile(QStringLiteral("user1share.pdx"))));
        QVERIFY(QDir().mkpath(install.dataFile(QStringLiteral("user1share.pdx"))));
        const player::FileProblem problem = player::saveRecord(1, record(QStringLiteral("750")));
        QCOMPARE(QFileInfo(problem.path).fileName(), QStringLiteral("user1share.pdx"));
        QVERIFY(install.dataExists(player::journalFileName(1)));
        QVERIFY(QDir(install.dataFile(QStringLiteral("user1share.pdx"))).removeRecursively());
        install.writeData(QStringLiteral("user1cash.pdx.Ab12Cd"), "7");
        install.writeData(QStringLiteral("notes.txt.Ab12Cd"), "mine");
        QVERIFY(player::startUpRepairs().isEmpty());
        QCOMPARE(stored(install, 1), record(QStringLiteral("750")).inSaveOrder());
        QCOMPARE(QDir(install.dataFile(QString())).entryList({"*.Ab12Cd"}), QStringList{"notes.txt.Ab12Cd"});
    }

    void saveErrorsAreToldOnce()
    {
        TestInstallation install;
        install.writeDefaultPlayers();
        ScriptedDialogs dialogs;
        BettingOfficeWindow *office = signIn(1);
        QVERIFY(QFile::remove(install.dataFile(QStringLiteral("user1debt.pdx"))));
        QVERIFY(QDir().mkpath(install.dataFile(QStringLiteral("user1debt.pdx"))));
        dialogs.expectAnyMessage();
        office->paddoxsavenoname();
        office->paddoxsavenoname();
        QVERIFY(dialogs.messages().first().text.contains(QDir::toNativeSeparators(install.dataFile("user1debt.pdx"))));
        QCOMPARE(office->StatusBar1->panelText(2), QStringLiteral("Not saved"));
        const QString question = QStringLiteral("Your game has not been saved since the last save failed.\n\n"
                                                "Do you want to leave anyway? Yes leaves without saving; No returns to the game.");
        dialogs.expectMessage(question, platform::Answer::No);
        office->exit_Click();
        QCOMPARE(install.endRequests(), 0);
        dialogs.expectMessage(question, platform::Answer::No);
        QCloseEvent close;
        QApplication::sendEvent(office, &close);
        QVERIFY(!close.isAccepted());
        dialogs.expectMessage(question, platform::Answer::Yes);
        office->exit_Click();
        QCOMPARE(install.endRequests(), 1);
        VERIFY_DIALOGS(dialogs);
        // The next save that gets through clears the note.
        QVERIFY(QDir(install.dataFile(QStringLiteral("user1debt.pdx"))).removeRecursively());
        office->paddoxsavenoname();
        QCOMPARE(office->StatusBar1->panelText(2), QString());
    }

    void signInWithDamagedFiles()
    {
        TestInstallation install;
        install.writeDefaultPlayers();
        install.writeData(QStringLiteral("user2cash.pdx"), "9999999999999\r\n");
        QFile::remove(install.dataFile(QStringLiteral("user3n.pdx")));
        QVERIFY(QDir().mkpath(install.dataFile(QStringLiteral("user3n.pdx"))));
        install.writeData(player::journalFileName(1), player::journalBytes(1, record(QStringLiteral("321"))));
        ScriptedDialogs dialogs;
        SignInWindow *list = app::window<SignInWindow>();
        QCOMPARE(list->combo1->item(2)->text(), QStringLiteral("(user3n.pdx is damaged)"));
        const QString question = QStringLiteral("The file user2cash.pdx does not hold an amount of money.\n\nDo you want to "
                                                "set it to 0? Yes sets it to 0 and signs in; No returns to the player list.");
        dialogs.expectMessage(question, platform::Answer::No);
        QVERIFY(!signIn(2));
        dialogs.expectMessage(question, platform::Answer::Yes);
        QCOMPARE(signIn(2)->Text1->text(), QStringLiteral("0"));
        QCOMPARE(install.readData(QStringLiteral("user2cash.pdx")), QByteArray("0\r\n"));
        // Slot 1's interrupted save is completed before its record is read.
        QCOMPARE(signIn(1)->Text1->text(), QStringLiteral("321"));
        QCOMPARE(install.endRequests(), 0);
        VERIFY_DIALOGS(dialogs);
    }
};

PADDOX_TEST(JournalTest)
#include "journal_test.moc"
