// Game files that cannot fool the readers, writes that fail without losing the old
// file, hostile number texts, and one running game per data folder.
#include "support/test_installation.h"
#include "support/test_main.h"

#include "office/race_card.h"
#include "platform/conversions.h"
#include "platform/instance_lock.h"
#include "platform/text_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <sys/stat.h>

using namespace testing;

class RecordSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile()
    {
        QTemporaryDir disk;
        if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=16k", "tmpfs", disk.path()}) != 0)
            QSKIP("a small tmpfs cannot be mounted here (mount -t tmpfs needs root)");
        const QString path = QDir(disk.path()).filePath(QStringLiteral("user1cash.pdx"));
        QVERIFY(platform::writeTextLine(path, QStringLiteral("640")));
        QFile filler(QDir(disk.path()).filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {}
        filler.close();
        const platform::WriteResult written = platform::writeTextLine(path, QString(8192, QLatin1Char('9')));
        // The old line is still there, and no temporary file is left beside it.
        const QStringList left = QDir(disk.path()).entryList(QDir::Files) << *platform::readLastLine(path).lastLine;
        QProcess::execute(QStringLiteral("umount"), {disk.path()});
        QCOMPARE(written.error, QStringLiteral("No space left on device"));
        QCOMPARE(left, (QStringList{"filler", "user1cash.pdx", "640"}));
    }

    void readersCannotBeFooled()
    {
        TestInstallation install;
        const auto at = [&](const char *name) { return install.dataFile(QLatin1String(name)); };
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), at("zero.pdx")));
        QCOMPARE(mkfifo(QFile::encodeName(at("pipe.pdx")).constData(), 0600), 0);
        QVERIFY(QDir().mkpath(at("folder.pdx")));
        install.writeData(QStringLiteral("huge.pdx"), QByteArray(platform::gameFileSizeLimit + 1, 'x'));
        install.writeData(QStringLiteral("limit.pdx"), QByteArray(platform::gameFileSizeLimit - 2, 'x') + "\r\n");
        install.writeData(QStringLiteral("le.pdx"), QByteArray("\xFF\xFE" "5\0" "0\0" "0\0" "\r\0\n\0", 12));
        const QString notOrdinary = QStringLiteral("it is not an ordinary file (a device or a pipe)");
        const struct { const char *file; QString error; std::optional<QString> line; } rows[] = {
                    {"zero.pdx", notOrdinary, {}}, {"pipe.pdx", notOrdinary, {}},
                    {"folder.pdx", "it is a folder, not a file", {}},
                    {"huge.pdx", "the file is too large to be a game file", {}},
                    {"limit.pdx", "", QString(platform::gameFileSizeLimit - 2, 'x')},
                    {"le.pdx", "", "500"}};
        for (const auto &row : rows) {
            const platform::ReadResult read = platform::readLastLine(at(row.file));
            QCOMPARE(read.error, row.error);
            QCOMPARE(read.opened, row.line.has_value());
            QVERIFY2(read.lastLine == row.line, row.file);
        }
    }

    void hostileNumbers()
    {
        // text, wholeNumber (nan: none), money status, stake check with 1000 cash
        using enum platform::MoneyStatus;
        using enum office::StakeOutcome;
        const double none = qQNaN();
        const struct { QString text; double whole; platform::MoneyStatus money; office::StakeOutcome stake; } rows[] = {{"abc", none, NotANumber, NoStake},          {"-50", -50, Ok, NoStake},
                    {"-0", 0, Ok, NoStake},                      {"1e5", 100000, Ok, OverLimit},
                    {"9999999999999", 9999999999999, OutOfRange, OverLimit},
                    {QString(10000, '9'), none, NotANumber, OverLimit},
                    {" 250 ", 250, Ok, Accepted},                {"\t76.5\u00a0", 76, Ok, Accepted},
                    {"1 234", none, NotANumber, NoStake},        {"2147483648", 2147483648.0, OutOfRange, OverLimit},
                    {"\U0001F40E", none, NotANumber, NoStake},   {"\u0665\u0660", none, NotANumber, NoStake},
                    {"\u202e50", none, NotANumber, NoStake},     {"5e", none, NotANumber, NoStake},
                    {".", none, NotANumber, NoStake},            {"", none, NotANumber, NoStake}};
        for (const auto &row : rows) {
            const std::optional<double> whole = platform::wholeNumber(row.text);
            QVERIFY2(qIsNaN(row.whole) ? !whole : whole == row.whole, qPrintable(row.text.left(20)));
            QCOMPARE(platform::readMoney(row.text).status, row.money);
            QCOMPARE(office::checkStake(row.text, QStringLiteral("1000")).outcome, row.stake);
        }
        // A million characters are looked at once each, not once per way of splitting them.
        QElapsedTimer clock;
        clock.start();
        const QString digits = QString(1000000, QLatin1Char('1')) + QLatin1Char('x');
        QVERIFY(!platform::isNumberText(digits));
        QCOMPARE(office::checkStake(digits, QStringLiteral("1000")).outcome, NoStake);
        QCOMPARE(office::checkWizardStake(digits), office::WizardStake::NotChosen);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    void oneGamePerDataFolder()
    {
        TestInstallation install;
        auto first = std::make_unique<platform::InstanceLock>();
        QVERIFY(first->acquire());
        const QByteArray held = install.readData(QStringLiteral("paddox.lock"));
        platform::InstanceLock second;
        QVERIFY(!second.acquire());
        QVERIFY(second.error().startsWith(QStringLiteral("Paddox6 is already running with these players.")));
        QCOMPARE(install.readData(QStringLiteral("paddox.lock")), held);
        // A lock left by a game that was killed is taken over.
        first.reset();
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        install.writeData(QStringLiteral("paddox.lock"), QByteArray::number(gone.processId()) + held.mid(held.indexOf('\n')));
        QVERIFY(gone.waitForFinished());
        QVERIFY(second.acquire());
    }
};

PADDOX_TEST(RecordSafetyTest)
#include "record_safety_test.moc"
