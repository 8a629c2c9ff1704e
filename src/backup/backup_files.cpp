#include "backup/backup_files.h"

#include "platform/conversions.h"
#include "platform/text_files.h"

#include <QDir>
#include <QFileInfo>

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
    if (!read.lastLine) {
        *failure = failed(path, read.opened ? QStringLiteral("the file is empty") : read.error, false);
        failure->missing = !read.opened && !QFileInfo::exists(path);
    }
    return read.lastLine;
}

// Why a name (the player's or a horse's) from a backup is not one the game takes; empty when it is.
QString nameProblem(const QString &name)
{
    switch (player::nameFault(name)) {
    case player::NameFault::LineBreak: return QStringLiteral("the name is not on one line");
    case player::NameFault::TooLong:
        return QStringLiteral("the name has more than %1 characters").arg(player::longestName);
    case player::NameFault::None: break;
    }
    return QString();
}

// The same for a playing value: the cash and debt are amounts of money, the share is none
// (as the game reads "You Have No Shares", "0" or nothing) or a horse's name.
QString valueProblem(const QString &suffix, const QString &value)
{
    const QStringList &suffixes = player::playingSuffixes;  // cash, debt, share, horses 1..5
    if (suffix == suffixes[0] || suffix == suffixes[1])
        return platform::readMoney(value).ok() ? QString() : QStringLiteral("it does not hold an amount of money");
    if (suffix == suffixes[2] && (value.isEmpty() || value == QLatin1String("0") || value == player::noShares))
        return QString();
    return nameProblem(value);
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

Step readBackup(const QString &folder)
{
    Step step;
    const QString slotPath = folderFile(folder, slotFileName);
    const auto slotLine = lastLine(slotPath, &step);
    const std::optional<double> fromSlot = slotLine ? platform::wholeNumber(*slotLine) : std::nullopt;
    if (!fromSlot || *fromSlot < 1 || *fromSlot > player::slotCount) {
        if (slotLine)
            step = failed(slotPath, QStringLiteral("it does not name a player slot"), false);
        step.missing = true;  // without the slot it came from, the folder holds no backup at all
        return step;
    }
    const QString namePath = folderFile(folder, nameFileName);
    const auto name = lastLine(namePath, &step);
    if (!name)
        return step;
    if (const QString fault = nameProblem(*name); !fault.isEmpty())
        return failed(namePath, fault, false);
    step.fromSlot = static_cast<int>(*fromSlot);
    for (const QString &suffix : player::playingSuffixes) {
        const QString path = folderFile(folder, player::recordFileName(step.fromSlot, suffix));
        const auto value = lastLine(path, &step);
        if (!value)
            return step;
        if (const QString fault = valueProblem(suffix, *value); !fault.isEmpty())
            return failed(path, fault, false);
        step.values << *value;
    }
    step.ok = true;
    step.name = *name;
    return step;
}

Step writeRestore(const Step &backup, int slot)
{
    Step step;
    if (!write(player::recordPath(slot, player::nameSuffix), backup.name, &step))
        return step;
    for (int i = 0; i < player::playingSuffixes.size(); ++i) {
        if (!write(player::recordPath(slot, player::playingSuffixes[i]), backup.values.value(i), &step))
            return step;
    }
    step.ok = true;
    return step;
}

}  // namespace backup
