// The hall of fame: its files, the ranking, the window's entry, countdown and way out.
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include "app/window_registry.h"
#include "hall/hall_of_fame.h"
#include "hall/hall_of_fame_window.h"
#include "info/page_window.h"
#include "office/betting_office_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

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

BettingOfficeWindow *officeWithCash(const QString &cash)
{
    BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
    office->show();
    office->Timer3->stop();
    office->Text1->setText(cash);
    office->txtuser->setText(QStringLiteral("user2"));
    return office;
}
void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}  // namespace

class HallTest : public QObject {
    Q_OBJECT
private slots:
    void emptyFolderGetsTheDefaultTable()
    {
        TestInstallation install;
        QDir(hall::hallFolder()).removeRecursively();
        const hall::Loaded loaded = hall::loadTable();
        QVERIFY(loaded.stored);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(hallFile(QStringLiteral("posit%1.tam").arg(i)), defaultScores[i]);
            QCOMPARE(hallFile(QStringLiteral("positnam%1.tam").arg(i)), QByteArray("Tamblor Networks\r\n"));
            QCOMPARE(loaded.table[i].score, QString::fromLatin1(defaultScores[i].chopped(2)));
        }
    }

    void garbageScoreResetsTheTable()
    {
        TestInstallation install;
        hall::writeDefaultTable();
        writeHallFile(QStringLiteral("positnam0.tam"), "Ann\r\n");
        writeHallFile(QStringLiteral("posit3.tam"), "lots\r\n");
        const hall::Loaded loaded = hall::loadTable();
        QCOMPARE(loaded.table[0].name, QStringLiteral("Tamblor Networks"));
        QCOMPARE(hallFile(QStringLiteral("posit3.tam")), defaultScores[3]);
    }

    // A hall folder that cannot be written: the defaults are shown from memory, nothing is ranked.
    void unwritableHall()
    {
        TestInstallation install;
        QDir(hall::hallFolder()).removeRecursively();
        QFile blocker(hall::hallFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const hall::Loaded loaded = hall::loadTable();
        QVERIFY(!loaded.stored);
        QCOMPARE(loaded.table[4].score, QStringLiteral(" 4950000 "));
    }

    void ranking_data()
    {
        QTest::addColumn<int>("cash");
        QTest::addColumn<int>("index");  // -1: no entry
        QTest::newRow("500") << 500 << -1;
        QTest::newRow("above the top") << 4990001 << 0;
        QTest::newRow("tie with position 2") << 4980000 << 2;
        QTest::newRow("just above the bottom") << 4950001 << 4;
        QTest::newRow("tie with the bottom") << 4950000 << -1;
        QTest::newRow("negative") << -20 << -1;
    }
    void ranking()
    {
        QFETCH(int, cash);
        QFETCH(int, index);
        QCOMPARE(hall::rank(cash, hall::defaultTable()).value_or(-1), index);
    }

    // An entry moves the places below it down, on screen and on disk alike: afterwards every
    // place's files hold what the window shows. "|" parts the five places.
    void entryOnScreenAndOnDisk_data()
    {
        QTest::addColumn<QString>("scores");  // the score files before, then after
        QTest::addColumn<QString>("names");
        QTest::addColumn<int>("cash");
        QTest::addColumn<QString>("scoresAfter");
        QTest::addColumn<QString>("namesAfter");
        const QString full = " 900 | 800 | 700 | 600 | 500 ", fullNames = "Ann|Bob|Cy|Di|Ed";
        const QString partial = " 900 | 800 | 50 | 0 | 0 ", partialNames = "Ann|Bob|Cy||";
        QTest::newRow("full, place 1") << full << fullNames << 1000 << " 1000 | 900 | 800 | 700 | 600 " << "Zoë|Ann|Bob|Cy|Di";
        QTest::newRow("full, place 3") << full << fullNames << 750 << " 900 | 800 | 750 | 700 | 600 " << "Ann|Bob|Zoë|Cy|Di";
        QTest::newRow("full, place 5") << full << fullNames << 550 << " 900 | 800 | 700 | 600 | 550 " << "Ann|Bob|Cy|Di|Zoë";
        QTest::newRow("partial, place 1") << partial << partialNames << 1000 << " 1000 | 900 | 800 | 50 | 0 " << "Zoë|Ann|Bob|Cy|";
        QTest::newRow("partial, place 3") << partial << partialNames << 60 << " 900 | 800 | 60 | 50 | 0 " << "Ann|Bob|Zoë|Cy|";
        QTest::newRow("partial, place 5") << " 900 | 800 | 700 | 600 | 0 " << "Ann|Bob|Cy|Di|" << 5
                                          << " 900 | 800 | 700 | 600 | 5 " << "Ann|Bob|Cy|Di|Zoë";
    }
    void entryOnScreenAndOnDisk()
    {
        QFETCH(QString, scores);
        QFETCH(QString, names);
        QFETCH(int, cash);
        QFETCH(QString, scoresAfter);
        QFETCH(QString, namesAfter);
        TestInstallation install;
        ScriptedDialogs dialogs;
        hall::writeDefaultTable();
        for (int i = 0; i < 5; ++i) {
            writeHallFile(QStringLiteral("posit%1.tam").arg(i), scores.split('|')[i].toUtf8() + "\r\n");
            writeHallFile(QStringLiteral("positnam%1.tam").arg(i), names.split('|')[i].toUtf8() + "\r\n");
        }
        officeWithCash(QString::number(cash));
        dialogs.expectInput(QStringLiteral("Zoë"));
        dialogs.expectMessage(QStringLiteral("Your on the board"));
        HallOfFameWindow *hallWindow = app::window<HallOfFameWindow>();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.inputs().value(0).title, QStringLiteral("You Have A High Score"));
        QCOMPARE(dialogs.inputs().value(0).prompt, QStringLiteral("Enter Your Name"));
        for (int i = 0; i < 5; ++i) {
            const QString score = scoresAfter.split('|')[i], name = namesAfter.split('|')[i];
            QCOMPARE(hallFile(QStringLiteral("posit%1.tam").arg(i)), score.toUtf8() + "\r\n");
            QCOMPARE(hallFile(QStringLiteral("positnam%1.tam").arg(i)), name.toUtf8() + "\r\n");
            // The new score shows as plain digits, the moved ones as they were read.
            QCOMPARE(hallWindow->lblScore[i]->text(), name == QStringLiteral("Zoë") ? score.trimmed() : score);
            QCOMPARE(hallWindow->lblName[i]->text(), name);
        }
        QVERIFY(hallWindow->lblNote->isHidden());
        QVERIFY(hallWindow->Timer1->isActive());  // the countdown goes on after the prompt
    }

    void sixMillionTwice()
    {
        TestInstallation install;
        ScriptedDialogs dialogs;
        officeWithCash(QStringLiteral("6000000"));
        for (int opening = 0; opening < 2; ++opening) {
            dialogs.expectInput(std::nullopt);  // cancelled: an empty name
            dialogs.expectMessage(QStringLiteral("Your on the board"));
            app::window<HallOfFameWindow>()->Command1_Click();
            processDeletes();
        }
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(hallFile(QStringLiteral("posit0.tam")), QByteArray(" 6000000 \r\n"));
        QCOMPARE(hallFile(QStringLiteral("posit1.tam")), QByteArray(" 6000000 \r\n"));
        QCOMPARE(hallFile(QStringLiteral("positnam1.tam")), QByteArray("\r\n"));
    }

    void cashTooLargeIsNotRanked()
    {
        TestInstallation install;
        ScriptedDialogs dialogs;
        officeWithCash(QStringLiteral("99999999999"));
        HallOfFameWindow *hallWindow = app::window<HallOfFameWindow>();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(!hallWindow->lblNote->isHidden());
        QCOMPARE(hallFile(QStringLiteral("posit0.tam")), defaultScores[0]);
    }

    void countdownToZero()
    {
        TestInstallation install;
        officeWithCash(QStringLiteral("500"));
        QPointer<HallOfFameWindow> hallWindow = app::window<HallOfFameWindow>();
        hallWindow->show();
        QCOMPARE(hallWindow->Timer1->interval(), 999);
        // A blank stands between the caption, shown whole, and the seconds.
        const QLabel *caption = hallWindow->findChild<QLabel *>(QStringLiteral("Label4"));
        QCOMPARE(caption->text(), QStringLiteral("This screen will close in:"));
        const int blank = caption->fontMetrics().horizontalAdvance(QStringLiteral("This screen will close in: "));
        QVERIFY(caption->width() >= blank - caption->fontMetrics().horizontalAdvance(' '));
        QVERIFY(hallWindow->lblSeconds->x() >= caption->x() + blank);
        for (int tick = 9; tick >= 0; --tick) {
            hallWindow->Timer1_Timer();
            QCOMPARE(hallWindow->lblSeconds->text(), QStringLiteral("%1 seconds").arg(tick));
        }
        processDeletes();
        QVERIFY(!hallWindow);
        QVERIFY(!app::existingWindow<PageWindow>());  // the office is still there: no credits
    }

    // Closing the office passes through the hall; closing the hall then shows the credits,
    // or ends the game when the player asked to skip them.
    void closingTheOffice_data()
    {
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<bool>("credits");
        QTest::newRow("credits") << QByteArray(" 0 \r\n") << true;
        QTest::newRow("skipped") << QByteArray(" 1 \r\n") << false;
    }
    void closingTheOffice()
    {
        QFETCH(QByteArray, flag);
        QFETCH(bool, credits);
        TestInstallation install;
        install.writeData(QStringLiteral("show.pdx"), flag);
        officeWithCash(QStringLiteral("500"))->close();
        processDeletes();
        HallOfFameWindow *hallWindow = app::existingWindow<HallOfFameWindow>();
        QVERIFY(hallWindow && hallWindow->isVisible());
        hallWindow->Command1_Click();
        QCOMPARE(install.endRequests(), credits ? 0 : 1);
        if (credits)
            QVERIFY(app::existingWindow<PageWindow>() && !app::existingWindow<PageWindow>()->addressMode());
    }
};

PADDOX_TEST(HallTest)
#include "hall_test.moc"
