// The one-line files, the random draws and the twips of the desktop layer.
#include "platform/intervals.h"
#include "platform/program.h"
#include "platform/random.h"
#include "platform/text_files.h"
#include "platform/twips.h"
#include "support/scripted_random.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
}  // namespace

class TextFilesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file(const QString &name) const { return dir.filePath(name); }

private slots:
    void lastLineCounts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("hasLine");
        QTest::addColumn<QString>("line");
        QTest::newRow("one line CR LF") << QByteArray("500\r\n") << true << "500";
        QTest::newRow("one line LF") << QByteArray("500\n") << true << "500";
        QTest::newRow("no line end") << QByteArray("500") << true << "500";
        QTest::newRow("two lines: second counts") << QByteArray("500\r\n750\r\n") << true << "750";
        QTest::newRow("mixed ends") << QByteArray("a\nb\r\nc") << true << "c";
        QTest::newRow("empty line") << QByteArray("\r\n") << true << "";
        QTest::newRow("last line empty") << QByteArray("500\r\n\r\n") << true << "";
        QTest::newRow("no line at all") << QByteArray() << false << "";
        QTest::newRow("blanks kept") << QByteArray(" 1 \r\n") << true << " 1 ";
        QTest::newRow("utf-8") << QByteArray("Caf\xc3\xa9\r\n") << true << QString::fromUtf8("Caf\xc3\xa9");
        QTest::newRow("windows-1252 pound") << QByteArray("\xa3\x35\x30\r\n") << true << QString::fromUtf8("\xc2\xa3" "50");
        QTest::newRow("windows-1252 euro") << QByteArray("\x80\r\n") << true << QString::fromUtf8("\xe2\x82\xac");
    }
    void lastLineCounts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, hasLine);
        QFETCH(QString, line);
        put(file("f.pdx"), bytes);
        const platform::ReadResult read = platform::readLastLine(file("f.pdx"));
        QVERIFY(read.opened);
        QCOMPARE(read.lastLine.has_value(), hasLine);
        if (hasLine)
            QCOMPARE(*read.lastLine, line);
    }

    void missingFileIsReported()
    {
        const platform::ReadResult read = platform::readLastLine(file("nothing-here.pdx"));
        QVERIFY(!read.opened);
        QVERIFY(!read.error.isEmpty());
    }

    void writesOneLineWithCrLf()
    {
        QVERIFY(platform::writeTextLine(file("t.pdx"), "You Have No Shares").ok);
        QCOMPARE(bytesOf(file("t.pdx")), QByteArray("You Have No Shares\r\n"));
        QVERIFY(platform::writeTextLine(file("t.pdx"), "").ok);
        QCOMPARE(bytesOf(file("t.pdx")), QByteArray("\r\n"));
        QVERIFY(platform::writeTextLine(file("t.pdx"), QString::fromUtf8("\xe2\x82\xac")).ok);
        QCOMPARE(bytesOf(file("t.pdx")), QByteArray("\xe2\x82\xac\r\n"));
    }

    void numberLine()
    {
        QVERIFY(platform::writeNumberLine(file("n.pdx"), 1).ok);
        QCOMPARE(bytesOf(file("n.pdx")), QByteArray(" 1 \r\n"));
        QVERIFY(platform::writeNumberLine(file("n.pdx"), -42).ok);
        QCOMPARE(bytesOf(file("n.pdx")), QByteArray("-42 \r\n"));
    }

    void failedWriteKeepsTheOldFile()
    {
        // A folder in the way of the file: the write fails and says why.
        QDir(dir.path()).mkpath("blocked.pdx");
        const platform::WriteResult blocked = platform::writeTextLine(file("blocked.pdx"), "x");
        QVERIFY(!blocked.ok);
        QVERIFY(!blocked.error.isEmpty());
        // A file in a folder that does not exist.
        QVERIFY(!platform::writeTextLine(file("no/such/folder/x.pdx"), "x").ok);
        // A read-only folder leaves the old line in place.
        QDir(dir.path()).mkpath("ro");
        put(file("ro/keep.pdx"), "old\r\n");
        QFile::setPermissions(file("ro"), QFile::ReadOwner | QFile::ExeOwner);
        const bool canStillWrite = platform::writeTextLine(file("ro/keep.pdx"), "new").ok;  // root may write anyway
        QFile::setPermissions(file("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(bytesOf(file("ro/keep.pdx")), canStillWrite ? QByteArray("new\r\n") : QByteArray("old\r\n"));
    }

    void programPaths()
    {
        platform::setProgramFolder(dir.path());
        QCOMPARE(platform::dataPath("user1cash.pdx"), QDir(dir.path()).filePath("data/user1cash.pdx"));
        QCOMPARE(platform::programPath("hall/posit1.pdx"), QDir(dir.path()).filePath("hall/posit1.pdx"));
        platform::setProgramFolder(QString());
    }
};
PADDOX_TEST(TextFilesTest)

class DrawsTest : public QObject {
    Q_OBJECT
private slots:
    void scriptedDrawsGiveTheIntendedNumber()
    {
        testing::ScriptedRandom scripted;
        for (int n : {4, 5, 15, 100, 2000, 30000})
            for (int k = 1; k <= n; k += std::max(1, n / 7)) {
                scripted.pushDraw(k, n);
                QCOMPARE(platform::draw(n), k);
            }
        scripted.push(0.0);
        QCOMPARE(platform::draw(5), 1);
        scripted.push(0.99999994);  // the largest single-precision value below 1
        QCOMPARE(platform::draw(5), 5);
        scripted.push(0.99999994);
        QCOMPARE(platform::drawBelow(6), 5);
    }

    void realGeneratorIsUniformAndNeverRepeatsItself()
    {
        // Draws in quick succession still differ, and every value 1..5 turns up about equally.
        QList<int> counts(6, 0);
        QSet<double> seen;
        constexpr int runs = 50000;
        for (int i = 0; i < runs; ++i) {
            const double r = platform::rnd();
            QVERIFY(r >= 0.0 && r < 1.0);
            seen.insert(r);
            ++counts[platform::draw(5)];
        }
        QVERIFY2(seen.size() > runs * 0.99, "successive draws repeat");
        QCOMPARE(counts[0], 0);
        for (int k = 1; k <= 5; ++k)
            QVERIFY2(qAbs(counts[k] - runs / 5) < runs / 50, qPrintable(QString("value %1 drawn %2 times").arg(k).arg(counts[k])));
    }

    void twipsAndTimerPace()
    {
        QCOMPARE(platform::twips(15), 1);
        QCOMPARE(platform::twips(1440), 96);
        QCOMPARE(platform::twips(4000), 267);
        QCOMPARE(platform::twips(0), 0);
        QCOMPARE(platform::effectiveInterval(1), 16);
        QCOMPARE(platform::effectiveInterval(999), 999);
        QCOMPARE(platform::effectiveInterval(2000), 2000);
    }
};
PADDOX_TEST(DrawsTest)

#include "files_and_draws_test.moc"
