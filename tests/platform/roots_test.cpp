// Where the files live (portable or installed) and the command line without a display.
#include "platform/program.h"
#include "support/test_main.h"

#include <QProcess>
#include <QTemporaryDir>

class RootsTest : public QObject {
    Q_OBJECT
private slots:
    void chooseRoots()
    {
        // The folders that can be written; the installation's folder, the player's, the mode.
        const QStringList installed{"/usr/share/paddox", "/home/a/P", "installed"};
        const struct { const char *name; QStringList writable, expected; } rows[] = {
            {"writable data/ beside the program", {"/opt/p/data"}, {"/opt/p", "/opt/p", "portable"}},
            {"no data/", {}, installed}, {"read-only data/", {"/opt/p", "/home/a/P"}, installed}};
        for (const auto &[name, writable, expected] : rows) {
            const platform::Roots r = platform::chooseRoots("/opt/p", "/usr/share/paddox", "/home/a/P",
                                                            [&](const QString &f) { return writable.contains(f); });
            QCOMPARE((QStringList{name, r.installation, r.player, r.portable ? "portable" : "installed"}), QStringList{name} + expected);
        }
        QTemporaryDir dir;
        QVERIFY(platform::folderWritable(dir.path()) && !platform::folderWritable(dir.filePath("missing")));
    }

    void commandLine()  // with no display at all
    {
        const struct { QStringList arguments; int code; QString output; } rows[] = {
            {{"--version"}, 0, "paddox 6.6.2\n"}, {{"--help"}, 0, "-v, --version"},
            {{"-platform", "offscreen", "--bogus"}, 2, "paddox: Unknown option 'bogus'.\n"}};  // after the toolkit's own
        for (const auto &[arguments, code, output] : rows) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(name);
            program.setProcessEnvironment(environment);
            program.setProcessChannelMode(QProcess::MergedChannels);
            program.start(PADDOX_PROGRAM, arguments);
            QVERIFY(program.waitForFinished(10000));
            QCOMPARE(program.exitCode(), code);
            QVERIFY2(QString::fromLocal8Bit(program.readAll()).contains(output), qPrintable(arguments.join(' ')));
        }
    }
};
PADDOX_TEST(RootsTest)

#include "roots_test.moc"
