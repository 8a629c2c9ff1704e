#include "hall/hall_of_fame.h"

#include "platform/program.h"
#include "platform/text_files.h"

#include <QDir>

namespace hall {

QString hallFolder() { return platform::playerPath(QStringLiteral("hall")); }
QString scorePath(int index) { return QDir(hallFolder()).filePath(QStringLiteral("posit%1.tam").arg(index)); }
QString namePath(int index) { return QDir(hallFolder()).filePath(QStringLiteral("positnam%1.tam").arg(index)); }

std::optional<Table> readTable()
{
    Table table;
    for (int index = 0; index < positions; ++index) {
        const platform::ReadResult score = platform::readLastLine(scorePath(index));
        if (!score.opened || !score.lastLine || !platform::wholeNumber(*score.lastLine))
            return std::nullopt;
        table[index].score = *score.lastLine;
    }
    for (int index = 0; index < positions; ++index) {
        const platform::ReadResult name = platform::readLastLine(namePath(index));
        if (!name.opened)
            return std::nullopt;
        table[index].name = name.lastLine.value_or(QString());  // an empty file is an empty name
    }
    return table;
}

Table defaultTable()
{
    Table table;
    long long amount = 5000000;
    for (Entry &entry : table) {
        amount -= 10000;
        entry.score = platform::numberLineText(amount);
        entry.name = QStringLiteral("Tamblor Networks");
    }
    return table;
}

bool writeDefaultTable()
{
    QDir().mkpath(hallFolder());
    const Table table = defaultTable();
    bool ok = true;
    for (int index = 0; index < positions; ++index)
        ok = platform::writeTextLine(scorePath(index), table[index].score).ok && ok;
    for (int index = 0; index < positions; ++index)
        ok = platform::writeTextLine(namePath(index), table[index].name).ok && ok;
    return ok;
}

Loaded loadTable()
{
    if (std::optional<Table> table = readTable())
        return {*table, true};
    // Once only: a table that cannot be rewritten is shown from memory.
    writeDefaultTable();
    if (std::optional<Table> table = readTable())
        return {*table, true};
    return {defaultTable(), false};
}

std::optional<int> rank(platform::Money cash, const Table &table)
{
    for (int index = 0; index < positions; ++index) {
        const std::optional<double> score = platform::wholeNumber(table[index].score);
        if (score && cash > *score)
            return index;
    }
    return std::nullopt;
}

Table withEntry(const Table &table, int index, platform::Money cash, const QString &name)
{
    Table shown = table;
    for (int i = positions - 1; i > index; --i)
        shown[i] = table[i - 1];
    shown[index] = {platform::moneyText(cash), name};
    return shown;
}

bool storeEntry(const Table &shown, int index, platform::Money cash)
{
    bool ok = true;
    // From the bottom up: a write cut short leaves an entry twice on disk, never one lost.
    for (int i = positions - 1; i >= index; --i) {
        // A moved score goes back exactly as it was read, number line and all.
        const bool score = i == index ? platform::writeNumberLine(scorePath(i), cash).ok
                                      : platform::writeTextLine(scorePath(i), shown[i].score).ok;
        const bool named = platform::writeTextLine(namePath(i), shown[i].name).ok;
        ok = score && named && ok;
    }
    return ok;
}

}  // namespace hall
