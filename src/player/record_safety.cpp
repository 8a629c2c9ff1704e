#include "player/record_safety.h"

#include "platform/program.h"
#include "platform/text_files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace player {

namespace {
const QByteArray journalHeader = QByteArrayLiteral("Paddox6 record journal 1");
const QByteArray checksumKey = QByteArrayLiteral("sha256=");
// A journal holds eight short lines; anything much larger is not one.
constexpr qint64 journalSizeLimit = 64 * 1024;

QByteArray checksum(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Writes the eight files in save order, stopping at the first that fails.
FileProblem writeFields(int slot, const PlayingFields &fields)
{
    const QStringList values = fields.inSaveOrder();
    for (int i = 0; i < playingSuffixes.size(); ++i) {
        const QString path = recordPath(slot, playingSuffixes[i]);
        const platform::WriteResult written = platform::writeTextLine(path, values[i]);
        if (!written)
            return {path, written.error, true};
    }
    return {};
}

// Gone afterwards (removed now, or not there).
bool removeFile(const QString &path)
{
    const QFileInfo info(path);
    return QFile::remove(path) || (!info.exists() && !info.isSymLink());
}

// The name of a temporary file a save leaves when it is killed: a game file's name,
// a dot and six letters or digits.
bool isLeftoverName(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || name.size() - dot - 1 != 6)
        return false;
    for (qsizetype i = dot + 1; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    }
    const QStringView base = QStringView(name).left(dot);
    return base.endsWith(u".pdx") || base.endsWith(u".dll") || base.endsWith(u".journal");
}
}  // namespace

QString journalFileName(int slot) { return QStringLiteral("user%1.journal").arg(slot); }

QString journalPath(int slot) { return platform::dataPath(journalFileName(slot)); }

QByteArray journalBytes(int slot, const PlayingFields &fields)
{
    QByteArray body = journalHeader + '\n';
    const QStringList values = fields.inSaveOrder();
    for (int i = 0; i < playingSuffixes.size(); ++i)
        body += recordFileName(slot, playingSuffixes[i]).toUtf8() + '=' + values[i].toUtf8().toPercentEncoding() + '\n';
    return body + checksumKey + checksum(body) + '\n';
}

std::optional<PlayingFields> parseJournal(int slot, const QByteArray &bytes)
{
    const qsizetype sumAt = bytes.lastIndexOf('\n' + checksumKey);
    if (sumAt < 0 || !bytes.endsWith('\n'))
        return std::nullopt;
    const QByteArray body = bytes.left(sumAt + 1);
    if (bytes.mid(sumAt + 1 + checksumKey.size()).chopped(1) != checksum(body))
        return std::nullopt;
    const QList<QByteArray> lines = body.chopped(1).split('\n');
    if (lines.size() != playingSuffixes.size() + 1 || lines.first() != journalHeader)
        return std::nullopt;
    QStringList values;
    for (int i = 0; i < playingSuffixes.size(); ++i) {
        const QByteArray key = recordFileName(slot, playingSuffixes[i]).toUtf8() + '=';
        const QByteArray &line = lines[i + 1];
        if (!line.startsWith(key))
            return std::nullopt;
        values << QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(key.size())));
    }
    PlayingFields fields;
    fields.cash = values[0];
    fields.debt = values[1];
    fields.share = values[2];
    for (int horse = 0; horse < 5; ++horse)
        fields.horses[horse] = values[3 + horse];
    return fields;
}

FileProblem saveRecord(int slot, const PlayingFields &fields)
{
    const QString journal = journalPath(slot);
    // The journal is synced before the first file is replaced: whatever happens
    // next, the whole new record can be written again from it.
    const platform::WriteResult written = platform::writeBytes(journal, journalBytes(slot, fields), true);
    if (!written)
        return {journal, written.error, true};
    if (FileProblem problem = writeFields(slot, fields); !problem.ok())
        return problem;
    if (!removeFile(journal))
        return {journal, QStringLiteral("the finished save's journal could not be removed"), true};
    return {};
}

JournalFinish finishJournal(int slot)
{
    const QString path = journalPath(slot);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    const platform::BytesRead read = platform::readGameFile(path, journalSizeLimit);
    const std::optional<PlayingFields> fields = read.opened ? parseJournal(slot, read.bytes) : std::nullopt;
    if (!fields) {
        // Not a whole journal: the save it belonged to never began replacing files.
        removeFile(path);
        return {JournalOutcome::Damaged, {}};
    }
    if (FileProblem problem = writeFields(slot, *fields); !problem.ok())
        return {JournalOutcome::Failed, problem};
    if (!removeFile(path))
        return {JournalOutcome::Failed, {path, QStringLiteral("it could not be removed"), true}};
    return {JournalOutcome::Finished, {}};
}

int removeLeftoverTemporaryFiles(const QString &folder)
{
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (isLeftoverName(entry.fileName()) && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}

QList<FileProblem> startUpRepairs()
{
    QList<FileProblem> problems;
    removeLeftoverTemporaryFiles(platform::dataFolder());
    for (int slot = 1; slot <= slotCount; ++slot) {
        const JournalFinish finish = finishJournal(slot);
        if (finish.outcome == JournalOutcome::Failed)
            problems << finish.problem;
    }
    return problems;
}

QString saveProblemText(const FileProblem &problem)
{
    return QStringLiteral("Your game could not be saved. This file could not be written:\n%1\n(%2)\n\n"
                          "Your money and horses are still here; the game will try again at the next save.")
        .arg(QDir::toNativeSeparators(problem.path), problem.error);
}

QString leaveUnsavedQuestion()
{
    return QStringLiteral("Your game has not been saved since the last save failed.\n\n"
                          "Do you want to leave anyway? Yes leaves without saving; No returns to the game.");
}

QString notSavedNote() { return QStringLiteral("Not saved"); }

QString unfinishedSaveText(const FileProblem &problem)
{
    return QStringLiteral("The last save of this player was interrupted and cannot be completed now:\n%1\n(%2)\n\n"
                          "The player's files are left as they are; please free some space or check the "
                          "data folder, then choose the player again.")
        .arg(QDir::toNativeSeparators(problem.path), problem.error);
}

QString notAnAmountQuestion(const QString &fileName)
{
    return QStringLiteral("The file %1 does not hold an amount of money.\n\n"
                          "Do you want to set it to 0? Yes sets it to 0 and signs in; No returns to the player list.")
        .arg(fileName);
}

QString damagedSlotEntry(int slot)
{
    return QStringLiteral("(%1 is damaged)").arg(recordFileName(slot, nameSuffix));
}

}  // namespace player
