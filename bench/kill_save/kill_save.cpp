// Kills a saving game at random moments and checks that every record it leaves is whole.
// A child process saves slot 1 in a loop, every save with its own number in all eight
// fields; the parent kills it with SIGKILL after a random delay, repairs the data folder
// the way the game's start does, and reads the record back the way sign-in does.
//   kill_save [kills] [folder]   (default 1000 kills, in a new folder under the current one)
#include "platform/program.h"
#include "player/first_run.h"
#include "player/record_safety.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

player::PlayingFields fieldsOf(long long save)
{
    player::PlayingFields fields;
    fields.cash = QString::number(save);
    fields.debt = QString::number(-save);
    fields.share = QStringLiteral("Share of save %1").arg(save);
    for (int horse = 0; horse < 5; ++horse)
        fields.horses[horse] = QStringLiteral("Horse %1 of save %2").arg(horse + 1).arg(save);
    return fields;
}

[[noreturn]] void saveForever(long long first)
{
    for (long long save = first;; ++save)
        player::saveRecord(1, fieldsOf(save));
}

struct Check {
    bool whole = false;
    bool empty = false;
    long long save = -1;
};

// The eight files as sign-in reads them: all present, none empty, all from one save.
Check readRecord()
{
    Check check;
    QStringList values;
    for (const QString &suffix : player::playingSuffixes) {
        const player::FieldRead read = player::readRecordField(1, suffix);
        if (!read.problem.ok() || !read.text || read.text->isEmpty())
            check.empty = true;
        values << read.text.value_or(QString());
    }
    bool ok = false;
    check.save = values[0].toLongLong(&ok);
    check.whole = ok && !check.empty && values == fieldsOf(check.save).inSaveOrder();
    return check;
}

int leftovers(const QString &folder)
{
    int count = 0;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (name.endsWith(QLatin1String(".journal")) || !(name.endsWith(QLatin1String(".pdx")) || name.endsWith(QLatin1String(".dll"))))
            ++count;
    }
    return count;
}

}  // namespace

int main(int argc, char **argv)
{
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir scratch(QDir::current().filePath(QStringLiteral("kill_save-XXXXXX")));
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.path();
    platform::setProgramFolder(folder);
    QDir().mkpath(platform::dataFolder());
    player::writeDefaultFields(1, player::recordSuffixes());
    player::saveRecord(1, fieldsOf(0));

    // How long one save takes here: the kills are spread over a few saves' time.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        player::saveRecord(1, fieldsOf(0));
    const long long saveMicros = std::max<long long>(50, clock.nsecsElapsed() / 1000 / 20);

    std::mt19937_64 random(std::random_device{}());
    std::uniform_int_distribution<long long> delay(0, 4 * saveMicros);
    int torn = 0, empty = 0, leftover = 0, completed = 0, moved = 0;
    long long last = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const long long first = (kill + 1) * 1000000LL;
        const pid_t child = fork();
        if (child < 0) {
            std::perror("fork");
            return 2;
        }
        if (child == 0)
            saveForever(first);
        usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        // The game's start: leftover temporary files go, an interrupted save is completed.
        completed += QFileInfo::exists(player::journalPath(1)) ? 1 : 0;
        player::startUpRepairs();
        leftover += leftovers(platform::dataFolder());
        const Check check = readRecord();
        torn += check.whole ? 0 : 1;
        empty += check.empty ? 1 : 0;
        if (!check.whole)
            std::fprintf(stderr, "kill %d: the record is not from one save\n", kill + 1);
        moved += check.save != last ? 1 : 0;
        last = check.save;
    }
    std::printf("%d kills, %d torn records\n", kills, torn);
    std::printf("(%d with an empty or missing file, %d leftover files after the next start, "
                "%d saves completed from their journal, %d kills after a new whole save; one save takes %lld us)\n",
                empty, leftover, completed, moved, saveMicros);
    return torn == 0 && empty == 0 && leftover == 0 ? 0 : 1;
}
