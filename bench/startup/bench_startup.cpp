// Start-up benchmark: time from exec to the splash shown, and peak memory, for the
// game and for a minimal Qt Widgets program, over 10 runs each; printed as ratios.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Run {
    double ms = 0;
    long long peakKiB = 0;
};

bool runOnce(const QString &program, const QString &workDir, Run &run)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.setProgram(program);
    QElapsedTimer clock;
    clock.start();
    process.start();
    if (!process.waitForStarted(10000))
        return false;
    QByteArray out;
    while (!out.contains('\n')) {
        if (!process.waitForReadyRead(20000))
            return false;
        out += process.readAllStandardOutput();
    }
    run.ms = clock.nsecsElapsed() / 1e6;
    process.waitForFinished(5000);
    const QList<QByteArray> words = out.trimmed().split(' ');
    run.peakKiB = words.size() == 2 ? words[1].toLongLong() : -1;
    return words.value(0) == "shown";
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString here = QCoreApplication::applicationDirPath();
    // The game runs from a fresh installation: a copy of itself with an empty data folder.
    QTemporaryDir install;
    QDir(install.path()).mkpath(QStringLiteral("data"));
    const QString game = QDir(install.path()).filePath(QStringLiteral("bench_startup_game"));
    QFile::copy(QDir(here).filePath(QStringLiteral("bench_startup_game")), game);
    QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString minimal = QDir(here).filePath(QStringLiteral("bench_startup_minimal"));

    constexpr int runs = 10;
    std::vector<double> gameMs, minimalMs, gameKiB, minimalKiB;
    for (int i = 0; i < runs; ++i) {
        Run g, m;
        // Alternate the two so that a busy moment of the machine hurts both alike.
        if (!runOnce(minimal, here, m) || !runOnce(game, install.path(), g)) {
            std::fprintf(stderr, "a run did not show its window\n");
            return 1;
        }
        gameMs.push_back(g.ms);
        minimalMs.push_back(m.ms);
        gameKiB.push_back(double(g.peakKiB));
        minimalKiB.push_back(double(m.peakKiB));
    }
    const double timeRatio = median(gameMs) / median(minimalMs);
    const double memoryRatio = median(gameKiB) / median(minimalKiB);
    std::printf("start-up, median of %d runs (platform %s)\n", runs, qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  exec -> splash shown: game %.1f ms, minimal %.1f ms, ratio %.2f (target <= 1.30) %s\n",
                median(gameMs), median(minimalMs), timeRatio, timeRatio <= 1.3 ? "met" : "NOT met");
    std::printf("  peak memory:          game %.0f KiB, minimal %.0f KiB, ratio %.2f (target <= 1.30) %s\n",
                median(gameKiB), median(minimalKiB), memoryRatio, memoryRatio <= 1.3 ? "met" : "NOT met");
    return 0;
}
