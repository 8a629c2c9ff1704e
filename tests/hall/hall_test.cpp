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

Form2 *officeWithCash(const QString &cash)
{
    Form2 *office = app::window<Form2>();
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

    // The entry moves the lower entries down on screen; on disk it only replaces its own place.
    void entryOnScreenAndOnDisk()
    {
        TestInstallation install;
        ScriptedDialogs dialogs;
        officeWithCash(QStringLiteral("4975000"));
        dialogs.expectInput(QStringLiteral("Ann"));
        dialogs.expectMessage(QStringLiteral("Your on the board"));
        frmHall *hallWindow = app::window<frmHall>();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.inputs().value(0).title, QStringLiteral("You Have A High Score"));
        QCOMPARE(dialogs.inputs().value(0).prompt, QStringLiteral("Enter Your Name"));
        const QStringList scores{" 4990000 ", " 4980000 ", "4975000", " 4970000 ", " 4960000 "};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(hallWindow->lblScore[i]->text(), scores[i]);
        QCOMPARE(hallWindow->lblName[2]->text(), QStringLiteral("Ann"));
        QCOMPARE(hallFile(QStringLiteral("posit2.tam")), QByteArray(" 4975000 \r\n"));
        QCOMPARE(hallFile(QStringLiteral("positnam2.tam")), QByteArray("Ann\r\n"));
        QCOMPARE(hallFile(QStringLiteral("posit3.tam")), defaultScores[3]);
        QCOMPARE(hallFile(QStringLiteral("posit4.tam")), defaultScores[4]);
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
            app::window<frmHall>()->Command1_Click();
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
        frmHall *hallWindow = app::window<frmHall>();
        VERIFY_DIALOGS(dialogs);
        QVERIFY(!hallWindow->lblNote->isHidden());
        QCOMPARE(hallFile(QStringLiteral("posit0.tam")), defaultScores[0]);
    }

    void countdownToZero()
    {
        TestInstallation install;
        officeWithCash(QStringLiteral("500"));
        QPointer<frmHall> hallWindow = app::window<frmHall>();
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
        QVERIFY(!app::existingWindow<Form10>());  // the office is still there: no credits
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
        frmHall *hallWindow = app::existingWindow<frmHall>();
        QVERIFY(hallWindow && hallWindow->isVisible());
        hallWindow->Command1_Click();
        QCOMPARE(install.endRequests(), credits ? 0 : 1);
        if (credits)
            QVERIFY(app::existingWindow<Form10>() && !app::existingWindow<Form10>()->addressMode());
    }
};

PADDOX_TEST(HallTest)
#include "hall_test.moc"
