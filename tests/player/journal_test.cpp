// A record saved as one unit: interrupted saves completed from the journal, damaged
// journals dropped, failed saves told once, and sign-in with damaged record files.
#include "fixture.h"

#include "office/betting_office_window.h"
#include "platform/widgets/panel_status_bar.h"
#include "player/record_safety.h"

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
            const Fixture f;
            f.install.writeData(player::journalFileName(2), row <= 8 ? whole : damaged[row - 9]);
            for (int i = 0; i < (row <= 8 ? row : 0); ++i)
                f.install.writeData(player::recordFileName(2, player::playingSuffixes[i]), record("900").inSaveOrder()[i].toUtf8());
            QCOMPARE(player::finishJournal(2).outcome, row <= 8 ? player::JournalOutcome::Finished : player::JournalOutcome::Damaged);
            QCOMPARE(stored(f.install, 2), (row <= 8 ? record("900") : player::defaultPlayingFields()).inSaveOrder());
            QVERIFY(!f.install.dataExists(player::journalFileName(2)));
        }
    }

    void failedSaveIsCompletedLaterAndLeftoversGo()
    {
        const Fixture f;
        f.block(QStringLiteral("user1share.pdx"));
        const player::FileProblem problem = player::saveRecord(1, record(QStringLiteral("750")));
        QCOMPARE(QFileInfo(problem.path).fileName(), QStringLiteral("user1share.pdx"));
        QVERIFY(f.install.dataExists(player::journalFileName(1)));
        QVERIFY(QDir(f.install.dataFile(QStringLiteral("user1share.pdx"))).removeRecursively());
        f.install.writeData(QStringLiteral("user1cash.pdx.z0Z9aA"), "7");
        f.install.writeData(QStringLiteral("notes.txt.z0Z9aA"), "mine");
        f.install.writeData(QStringLiteral("user1cash.pdx.z0Z9a~"), "mine");  // not six letters or digits
        QVERIFY(player::startUpRepairs().isEmpty());
        QCOMPARE(stored(f.install, 1), record(QStringLiteral("750")).inSaveOrder());
        QCOMPARE(QDir(f.install.dataFile(QString())).entryList({"*.z0Z9a*"}), QStringList({"notes.txt.z0Z9aA", "user1cash.pdx.z0Z9a~"}));
    }

    void saveErrorsAreToldOnce()
    {
        Fixture f;
        f.play(1);
        BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>();
        const auto saveQuietly = [] { game::tell(game::session().saveQuietly()); };
        f.block(QStringLiteral("user1debt.pdx"));
        f.dialogs.expectAnyMessage();
        saveQuietly(), saveQuietly();
        QVERIFY(f.dialogs.messages().first().text.contains(QDir::toNativeSeparators(f.install.dataFile("user1debt.pdx"))));
        const auto note = [office] { return control<platform::PanelStatusBar>(office, "StatusBar1")->panelText(2); };
        QCOMPARE(note(), QStringLiteral("Not saved"));
        const QString question = QStringLiteral("Your game has not been saved since the last save failed.\n\n"
                                                "Do you want to leave anyway? Yes leaves without saving; No returns to the game.");
        // Exit, the close box, Exit: the player is asked each time, and leaves on Yes only.
        for (int i = 0; i < 3; ++i) {
            f.dialogs.expectMessage(question, i < 2 ? platform::Answer::No : platform::Answer::Yes);
            QCloseEvent close;
            i == 1 ? void(QApplication::sendEvent(office, &close)) : control<QAction>(office, "exit")->trigger();
            QVERIFY(close.isAccepted() == (i != 1));  // the close box leaves the window open
            QCOMPARE(f.install.endRequests(), i / 2);
        }
        VERIFY_DIALOGS(f.dialogs);
        // The next save that gets through clears the note.
        QVERIFY(QDir(f.install.dataFile(QStringLiteral("user1debt.pdx"))).removeRecursively());
        saveQuietly();
        QCOMPARE(note(), QString());
    }

    void signInWithDamagedFiles()
    {
        Fixture f;
        f.install.writeData(QStringLiteral("user2cash.pdx"), "9999999999999\r\n");
        f.block(QStringLiteral("user3n.pdx"));
        f.install.writeData(player::journalFileName(1), player::journalBytes(1, record(QStringLiteral("321"))));
        QCOMPARE(control<QListWidget>(f.signIn(), "combo1")->item(2)->text(), QStringLiteral("(user3n.pdx is damaged)"));
        const QString question = QStringLiteral("The file user2cash.pdx does not hold an amount of money.\n\nDo you want to "
                                                "set it to 0? Yes sets it to 0 and signs in; No returns to the player list.");
        const game::PlayerRecord &signedIn = game::session().record();
        f.dialogs.expectMessage(question, platform::Answer::No);
        f.play(2);
        QVERIFY(!signedIn.signedIn() && !app::existingWindow<BettingOfficeWindow>());
        f.dialogs.expectMessage(question, platform::Answer::Yes);
        f.play(2);
        QVERIFY(signedIn.slot == 2 && signedIn.cash == 0);
        QCOMPARE(f.install.readData(QStringLiteral("user2cash.pdx")), QByteArray("0\r\n"));
        // Slot 1's interrupted save is completed before its record is read.
        f.play(1);
        QVERIFY(signedIn.slot == 1 && signedIn.cash == 321);
        QCOMPARE(f.install.endRequests(), 0);
        VERIFY_DIALOGS(f.dialogs);
    }
};

PADDOX_TEST(JournalTest)
#include "journal_test.moc"
