#include "backup/backup_files.h"

#include "platform/conversions.h"
#include "platform/text_files.h"

#include <QDir>

namespace backup {

namespace {
Step failed(const QString &path, const QString &why, bool writing)
{
    Step step;
    step.wroteFailed = writing;
    step.problem = QStringLiteral("%1\n(%2)").arg(QDir::toNativeSeparators(path), why);
    return step;
}

// The last line of a file; a file without a line is as good as missing.
std::optional<QString> lastLine(const QString &path, Step *failure)
{
    const platform::ReadResult read = platform::readLastLine(path);
    if (!read.lastLine)
        *failure = failed(path, read.opened ? QStringLiteral("the file is empty") : read.error, false);
    return read.lastLine;
}

bool write(const QString &path, const QString &text, Step *failure)
{
    const platform::WriteResult written = platform::writeTextLine(path, text);
    if (!written)
        *failure = failed(path, written.error, true);
    return written.ok;
}
}  // namespace

QString folderFile(const QString &folder, const QString &fileName) { return QDir(folder).filePath(fileName); }

Step beginBackup(const QString &folder, int slot)
{
    Step step;
    const auto name = lastLine(player::recordPath(slot, player::nameSuffix), &step);
    if (!name || !write(folderFile(folder, slotFileName), platform::numberLineText(slot), &step) ||
        !write(folderFile(folder, nameFileName), *name, &step))
        return step;
    step.ok = true;
    step.name = *name;
    return step;
}

Step finishBackup(const QString &folder, int slot, const player::PlayingFields &fields)
{
    Step step;
    const QStringList values = fields.inSaveOrder();
    for (int i = 0; i < player::playingSuffixes.size(); ++i) {
        if (!write(folderFile(folder, player::recordFileName(slot, player::playingSuffixes[i])), values[i], &step))
            return step;
    }
    step.ok = true;
    return step;
}

Step beginRestore(const QString &folder, int slot)
{
    Step step;
    const QString slotPath = folderFile(folder, slotFileName);
    const auto slotLine = lastLine(slotPath, &step);
    if (!slotLine)
        return step;
    const std::optional<double> fromSlot = platform::wholeNumber(*slotLine);
    if (!fromSlot || *fromSlot < 1 || *fromSlot > player::slotCount)
        return failed(slotPath, QStringLiteral("it does not name a player slot"), false);
    const auto name = lastLine(folderFile(folder, nameFileName), &step);
    if (!name || !write(player::recordPath(slot, player::nameSuffix), *name, &step))
        return step;
    step.ok = true;
    step.name = *name;
    step.fromSlot = static_cast<int>(*fromSlot);
    return step;
}

Step finishRestore(const QString &folder, int fromSlot, int slot)
{
    Step step;
    for (const QString &suffix : player::playingSuffixes) {
        const auto value = lastLine(folderFile(folder, player::recordFileName(fromSlot, suffix)), &step);
        if (!value || !write(player::recordPath(slot, suffix), *value, &step))
            return step;
    }
    step.ok = true;
    return step;
}

}  // namespace backup
