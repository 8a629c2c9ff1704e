// Where the files live (portable or installed) and the command line without a display.
#include "platform/program.h"
#include "support/test_main.h"

#include <QProcess>
#include <QTemporaryDir>

class RootsTest : public QObject {
    Q_OBJECT
private slots:
    void chooseRoots_data()
    {
        QTest::addColumn<QStringList>("writable");
        QTest::addColumn<QStringList>("expected");  // installation, player, mode
        const QStringList installed{"/usr/share/paddox", "/home/a/P", "installed"};
        QTest::newRow("writable data/ beside the program") << QStringList{"/opt/p/data"}
                                                            << QStringList{"/opt/p", "/opt/p", "portable"};
        QTest::newRow("no data/") << QStringList{} << installed;
        QTest::newRow("read-only data/") << QStringList{"/opt/p", "/home/a/P"} << installed;
    }
    void chooseRoots()
    {
        QFETCH(QStringList, writable);
        QFETCH(QStringList, expected);
        const platform::Roots r = platform::chooseRoots("/opt/p", "/usr/share/paddox", "/home/a/P",
                                                        [&](const QString &f) { return writable.contains(f); });
        QCOMPARE((QStringList{r.installation, r.player, r.portable ? "portable" : "installed"}), expected);
        QTemporaryDir dir;
        QVERIFY(platform::folderWritable(dir.path()) && !platform::folderWritable(dir.filePath("missing")));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output");
        QTest::newRow("version") << QStringList{"--version"} << 0 << "paddox 6.6.2\n";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "-v, --version";
        QTest::newRow("unknown, after the toolkit's own")
            << QStringList{"-platform", "offscreen", "--bogus"} << 2 << "paddox: Unknown option 'bogus'.\n";
    }
    void commandLine()  // with no display at all
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, output);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(PADDOX_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), code);
        QVERIFY(QString::fromLocal8Bit(program.readAll()).contains(output));
    }
};
PADDOX_TEST(RootsTest)

#include "roots_test.moc"
