#include "player/first_run.h"

#include "platform/program.h"
#include "platform/text_files.h"
#include "player/record_files.h"

#include <QDir>
#include <algorithm>
#include <QFileInfo>

namespace player {

FileProblem writeRecordField(int slot, const QString &suffix, const QString &text)
{
    const QString path = recordPath(slot, suffix);
    const platform::WriteResult written = platform::writeTextLine(path, text);
    if (written)
        return {};
    return {path, written.error, true};
}

FieldRead readRecordField(int slot, const QString &suffix)
{
    const QString path = recordPath(slot, suffix);
    const platform::ReadResult read = platform::readLastLine(path);
    FieldRead field;
    if (!read.opened) {
        field.problem = {path, read.error, false};
        return field;
    }
    field.text = read.lastLine;
    return field;
}

NameList readNames()
{
    NameList list;
    for (int slot = 1; slot <= slotCount; ++slot) {
        const FieldRead name = readRecordField(slot, nameSuffix);
        list.problems[slot - 1] = name.problem;
        if (!name.problem.ok() && list.problem.ok())
            list.problem = name.problem;
        list.names[slot - 1] = name.text.value_or(QString());
    }
    return list;
}

int NameList::unreadable() const
{
    return static_cast<int>(std::count_if(problems.begin(), problems.end(), [](const FileProblem &p) { return !p.ok(); }));
}

QList<int> slotsWithoutNameFile()
{
    QList<int> missing;
    for (int slot = 1; slot <= slotCount; ++slot) {
        if (!QFileInfo::exists(recordPath(slot, nameSuffix)))
            missing << slot;
    }
    return missing;
}

bool anyRecordFileExists()
{
    for (int slot = 1; slot <= slotCount; ++slot) {
        for (const QString &suffix : recordSuffixes()) {
            if (QFileInfo::exists(recordPath(slot, suffix)))
                return true;
        }
    }
    return false;
}

FileProblem writeDefaultFields(int slot, const QStringList &suffixes)
{
    for (const QString &suffix : suffixes) {
        const FileProblem problem = writeRecordField(slot, suffix, defaultFieldText(slot, suffix));
        if (!problem.ok())
            return problem;
    }
    return {};
}

FileProblem writeSetUpFiles()
{
    for (int slot = 1; slot <= slotCount; ++slot) {
        const FileProblem problem = writeRecordField(slot, passwordSuffix, defaultPassword);
        if (!problem.ok())
            return problem;
    }
    QStringList newPlayer{nameSuffix};
    newPlayer << playingSuffixes;
    for (int slot = 2; slot <= slotCount; ++slot) {
        const FileProblem problem = writeDefaultFields(slot, newPlayer);
        if (!problem.ok())
            return problem;
    }
    return {};
}

FileProblem writeSlotOneFallback()
{
    QStringList order{passwordSuffix, nameSuffix};
    order << playingSuffixes;
    return writeDefaultFields(1, order);
}

FileProblem rebuildMissingFiles(int slot)
{
    QStringList missing;
    QStringList order{passwordSuffix, nameSuffix};
    order << playingSuffixes;
    for (const QString &suffix : order) {
        if (!QFileInfo::exists(recordPath(slot, suffix)))
            missing << suffix;
    }
    return writeDefaultFields(slot, missing);
}

QStringList unusableFiles(int slot, const QStringList &suffixes)
{
    QStringList unusable;
    for (const QString &suffix : suffixes) {
        if (!readRecordField(slot, suffix).problem.ok())
            unusable << suffix;
    }
    return unusable;
}

FileProblem makeDataFolder()
{
    const QString folder = platform::dataFolder();
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return {};
    return {folder, QStringLiteral("the folder could not be created"), true};
}

QString dataFolderProblemText(const FileProblem &problem, AfterProblem after)
{
    QString text = QStringLiteral("Paddox6 cannot read or write its data folder:\n%1\n\n").arg(QDir::toNativeSeparators(platform::dataFolder()));
    const QString name = QFileInfo(problem.path).fileName();
    if (problem.writing)
        text += QStringLiteral("%1 could not be written (%2).").arg(name, problem.error);
    else
        text += QStringLiteral("%1 could not be read (%2).").arg(name, problem.error);
    switch (after) {
    case AfterProblem::Closing:
        text += QStringLiteral("\n\nPlease check that the folder exists and that you may change it. Paddox6 will now close.");
        break;
    case AfterProblem::NothingChanged:
        text += QStringLiteral("\n\nNothing has been changed.");
        break;
    case AfterProblem::NotRepaired:
        text += QStringLiteral("\n\nThe slot could not be fully rebuilt; the files written so far hold "
                               "a new player's values.");
        break;
    }
    return text;
}

QString damagedSlotQuestion(int slot, const QStringList &fileNames)
{
    const QString which = fileNames.size() == 1 ? QStringLiteral("the file %1 is").arg(fileNames.first())
                                                : QStringLiteral("the files %1 are").arg(fileNames.join(QStringLiteral(", ")));
    return QStringLiteral("The player in slot %1 cannot be loaded: %2 missing or cannot be read.\n\n"
                          "Do you want to rebuild the missing files of slot %1 with a new player's values?\n"
                          "Yes rebuilds them, No returns to the player list.")
        .arg(slot)
        .arg(which);
}

}  // namespace player
