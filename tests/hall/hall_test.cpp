// The hall of fame: its files, the ranking, the window's entry, countdown and way out.
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include "app/window_registry.h"
#include "hall/hall_of_fame.h"
#include "hall/hall_of_fame_window.h"
#include "info/page_window.h"
#include "game/session.h"
#include "office/betting_office_window.h"

#include <QtWidgets>

#include <csignal>
#include <sys/resource.h>

using namespace testing;

namespace {
QByteArray hallFile(const QString &name)
{
    QFile f(QDir(hall::hallFolder()).filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}
void writeHallFile(const QString &name, const QByteArray &bytes)
{
    QFile f(QDir(hall::hallFolder()).filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
const QByteArray defaultScores[] = {" 4990000 \r\n", " 4980000 \r\n", " 4970000 \r\n", " 4960000 \r\n", " 4950000 \r\n"};

// A player with this cash signed in to the betting office.
BettingOfficeWindow *officeWithCash(int cash)
{
    BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
    office->show();
    game::PlayerRecord record;
    record.slot = 2, record.name = "user2", record.cash = cash, game::session().signIn(record);
    return office;
}
template <class W>
W *in(QWidget *window, const QString &name) { return window->findChild<W *>(name); }
void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}  // namespace

class HallTest : public QObject {
    Q_OBJECT
private slots:
    // A missing hall, or a score that is no number, gives the default table, written afresh.
    void defaultTable()
    {
        for (const bool garbage : {false, true}) {
            TestInstallation install;
            QDir(hall::hallFolder()).removeRecursively();
            if (garbage)
                hall::writeDefaultTable(), writeHallFile("positnam0.tam", "Ann\r\n"), writeHallFile("posit3.tam", "lots\r\n");
            const hall::Loaded loaded = hall::loadTable();
            QVERIFY(loaded.stored);
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(hallFile(QStringLiteral("posit%1.tam").arg(i)), defaultScores[i]);
                QCOMPARE(hallFile(QStringLiteral("positnam%1.tam").arg(i)), QByteArray("Tamblor Networks\r\n"));
                QCOMPARE(loaded.table[i].score, QString::fromLatin1(defaultScores[i].chopped(2)));
                QCOMPARE(loaded.table[i].name, QStringLiteral("Tamblor Networks"));
            }
        }
    }

    // A hall folder that cannot be written: the defaults are shown from memory, nothing is ranked.
    void unwritableHall()
    {
        TestInstallation install;
        QDir(hall::hallFolder()).removeRecursively();
        QFile blocker(hall::hallFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        ScriptedDialogs dialogs;
        officeWithCash(6000000);
        HallOfFameWindow *hallWindow = app::window<HallOfFameWindow>();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(in<QLabel>(hallWindow, "lblScore_4")->text(), QStringLiteral(" 4950000 "));
        QCOMPARE(in<QLabel>(hallWindow, "lblNote")->text(), QStringLiteral("The hall of fame could not be stored, so no new entry can be made."));
    }

    void ranking()
    {
        const struct { int cash, index; } rows[] = {  // index -1: no entry
            {500, -1}, {4990001, 0}, {4980000, 2} /* a tie with position 2 */, {4950001, 4}, {4950000, -1}, {-20, -1}};
        for (const auto &row : rows)
            QCOMPARE(hall::rank(row.cash, hall::defaultTable()).value_or(-1), row.index);
    }

    // An entry moves the places below it down, on screen and on disk alike: afterwards every
    // place's files hold what the window shows. "|" parts the five places.
    void entryOnScreenAndOnDisk()
    {
        const QString full = " 900 | 800 | 700 | 600 | 500 ", fullNames = "Ann|Bob|Cy|Di|Ed";
        const QString partial = " 900 | 800 | 50 | 0 | 0 ", partialNames = "Ann|Bob|Cy||";
        const struct { QString scores, names; int cash; QString scoresAfter, namesAfter; } rows[] = {
            {full, fullNames, 1000, " 1000 | 900 | 800 | 700 | 600 ", "Zoë|Ann|Bob|Cy|Di"},
            {full, fullNames, 750, " 900 | 800 | 750 | 700 | 600 ", "Ann|Bob|Zoë|Cy|Di"},
            {full, fullNames, 550, " 900 | 800 | 700 | 600 | 550 ", "Ann|Bob|Cy|Di|Zoë"},
            {partial, partialNames, 1000, " 1000 | 900 | 800 | 50 | 0 ", "Zoë|Ann|Bob|Cy|"},
            {partial, partialNames, 60, " 900 | 800 | 60 | 50 | 0 ", "Ann|Bob|Zoë|Cy|"},
            {" 900 | 800 | 700 | 600 | 0 ", "Ann|Bob|Cy|Di|", 5, " 900 | 800 | 700 | 600 | 5 ", "Ann|Bob|Cy|Di|Zoë"}};
        for (const auto &[scores, names, cash, scoresAfter, namesAfter] : rows) {
            TestInstallation install;
            ScriptedDialogs dialogs;
            hall::writeDefaultTable();
            for (int i = 0; i < 5; ++i) {
                writeHallFile(QStringLiteral("posit%1.tam").arg(i), scores.split('|')[i].toUtf8() + "\r\n");
                writeHallFile(QStringLiteral("positnam%1.tam").arg(i), names.split('|')[i].toUtf8() + "\r\n");
            }
            officeWithCash(cash);
            dialogs.expectInput(QStringLiteral("Zoë"));
            dialogs.expectMessage(QStringLiteral("Your on the board"));
            dialogs.onMessage = [](const ShownMessage &) {  // while it is up the window stays and its countdown waits
                for (QWidget *window : QApplication::topLevelWidgets())
                    if (window->objectName() == "frmHall")
                        QVERIFY(!in<QTimer>(window, "Timer1")->isActive() && !window->close());
            };
            HallOfFameWindow *hallWindow = app::window<HallOfFameWindow>();
            VERIFY_DIALOGS(dialogs);
            QCOMPARE(dialogs.inputs().value(0).title, QStringLiteral("You Have A High Score"));
            QCOMPARE(dialogs.inputs().value(0).prompt, QStringLiteral("Enter Your Name"));
            for (int i = 0; i < 5; ++i) {
                const QString score = scoresAfter.split('|')[i], name = namesAfter.split('|')[i];
                QCOMPARE(hallFile(QStringLiteral("posit%1.tam").arg(i)), score.toUtf8() + "\r\n");
                QCOMPARE(hallFile(QStringLiteral("positnam%1.tam").arg(i)), name.toUtf8() + "\r\n");
                // The new score shows as plain digits, the moved ones as they were read.
                QCOMPARE(in<QLabel>(hallWindow, QStringLiteral("lblScore_%1").arg(i))->text(), name == "Zoë" ? score.trimmed() : score);
                QCOMPARE(in<QLabel>(hallWindow, QStringLiteral("lblName_%1").arg(i))->text(), name);
            }
            QVERIFY(in<QLabel>(hallWindow, "lblNote")->isHidden());
            QVERIFY(in<QTimer>(hallWindow, "Timer1")->isActive());  // the countdown goes on after the prompt
        }
    }

    // Cancelled, the name is empty; the hall opened again with the same cash enters it again, below.
    void sixMillionTwice()
    {
        TestInstallation install;
        ScriptedDialogs dialogs;
        officeWithCash(6000000);
        for (int opening = 0; opening < 2; ++opening) {
            dialogs.expectInput(std::nullopt), dialogs.expectMessage(QStringLiteral("Your on the board"));
            in<QPushButton>(app::window<HallOfFameWindow>(), "Command1")->click(), processDeletes();
        }
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(hallFile("posit0.tam") + hallFile("posit1.tam") + hallFile("positnam1.tam"), QByteArray(" 6000000 \r\n 6000000 \r\n\r\n"));
    }

    // The disk fills while the entry is stored: shown, but the player is told it was not kept, and the
    // place's file keeps the name it had.
    void fullDisk()
    {
        TestInstallation install;
        ScriptedDialogs dialogs;
        officeWithCash(6000000);
        dialogs.expectInput(QString(40, 'Z')), dialogs.expectMessage(QStringLiteral("Your on the board"));
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails rather than ending the program
        rlimit room{};
        getrlimit(RLIMIT_FSIZE, &room);
        const rlimit full{20, room.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        HallOfFameWindow *hallWindow = app::window<HallOfFameWindow>();
        setrlimit(RLIMIT_FSIZE, &room);
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(in<QLabel>(hallWindow, "lblName_0")->text(), QString(40, 'Z'));
        QCOMPARE(in<QLabel>(hallWindow, "lblNote")->text(), QStringLiteral("Your entry could not be written to the hall folder."));
        QCOMPARE(hallFile("positnam0.tam"), QByteArray("Tamblor Networks\r\n"));
    }

    // The countdown: a blank between the caption, shown whole, and the seconds; at 0 the hall
    // closes. Closing the office passes through the hall; closing the hall then shows the credits,
    // or ends the game when the player asked to skip them; with the office there it does neither.
    void leavingTheHall()
    {
        // The office closed or not, the credits flag, the countdown run out (else "Command1"), the ends, the credits.
        const struct { bool officeClosed; QByteArray flag; bool countdown; int ends; bool credits; } rows[] = {
            {false, " 0 \r\n", true, 0, false}, {true, " 1 \r\n", true, 1, false}, {true, " 0 \r\n", false, 0, true}};
        for (const auto &row : rows) {
            TestInstallation install;
            install.writeData(QStringLiteral("show.pdx"), row.flag);
            BettingOfficeWindow *office = officeWithCash(500);
            row.officeClosed ? void(office->close()) : app::window<HallOfFameWindow>()->show();
            processDeletes();
            QPointer<HallOfFameWindow> hallWindow = app::existingWindow<HallOfFameWindow>();
            QVERIFY(hallWindow && hallWindow->isVisible());
            QTimer *countdown = in<QTimer>(hallWindow, "Timer1");
            const QLabel *caption = in<QLabel>(hallWindow, "Label4"), *seconds = in<QLabel>(hallWindow, "lblSeconds");
            const int blank = caption->fontMetrics().horizontalAdvance(QStringLiteral("This screen will close in: "));
            QVERIFY(countdown->interval() == 999 && caption->text() == QStringLiteral("This screen will close in:"));
            QVERIFY(caption->width() >= blank - caption->fontMetrics().horizontalAdvance(' ') && seconds->x() >= caption->x() + blank);
            QCOMPARE(seconds->text(), QStringLiteral("10 seconds"));
            for (int tick = 9; tick >= 0 && row.countdown; --tick) {
                QTimerEvent event(countdown->timerId());
                QCoreApplication::sendEvent(countdown, &event);
                QCOMPARE(seconds->text(), QStringLiteral("%1 seconds").arg(tick));
            }
            if (!row.countdown)
                in<QPushButton>(hallWindow, "Command1")->click();
            processDeletes();
            QVERIFY(!hallWindow);
            QCOMPARE(install.endRequests(), row.ends);
            if (!row.ends)  // once the game has asked to end, no window counts
                QCOMPARE(app::existingWindow<PageWindow>() && !in<QWidget>(app::existingWindow<PageWindow>(), "Check1")->isHidden(), row.credits);
        }
    }
};

PADDOX_TEST(HallTest)
#include "hall_test.moc"
