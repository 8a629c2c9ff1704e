#include "player/import.h"

#include "platform/dialogs.h"
#include "platform/text_files.h"
#include "player/record_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace player {

namespace {
QString &locationOverride()
{
    static QString path;
    return path;
}

// The other edition's data folder, when its location record names a folder that exists.
std::optional<QString> otherDataFolder()
{
    const platform::ReadResult record = platform::readLastLine(locationRecordPath());
    if (!record.opened || !record.lastLine || record.lastLine->isEmpty())
        return std::nullopt;
    const QString data = QDir(*record.lastLine).filePath(QStringLiteral("data"));
    if (!QFileInfo(data).isDir())
        return std::nullopt;
    return data;
}

// Reads one slot's ten files from the other edition, in the order they are written.
// Nothing when any of them is missing or cannot be read.
struct SlotCopy {
    QStringList suffixes;
    QStringList texts;
};
std::optional<SlotCopy> readOtherSlot(const QString &folder, int slot)
{
    SlotCopy copy;
    copy.suffixes << nameSuffix << playingSuffixes << passwordSuffix;
    for (const QString &suffix : copy.suffixes) {
        // Slot 1's name has a file of its own in that edition.
        const QString source = (slot == 1 && suffix == nameSuffix) ? QStringLiteral("pdxname.pdx")
                                                                   : recordFileName(slot, suffix);
        const platform::ReadResult read = platform::readLastLine(QDir(folder).filePath(source));
        if (!read.opened)
            return std::nullopt;
        copy.texts << read.lastLine.value_or(QString());
    }
    return copy;
}
}  // namespace

QString locationRecordPath()
{
    if (!locationOverride().isEmpty())
        return locationOverride();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Tamblor Networks/iPaddoxV.loc"));
}

void setLocationRecordPath(const QString &path) { locationOverride() = path; }

ImportOutcome importOtherEdition()
{
    ImportOutcome outcome;
    const std::optional<QString> folder = otherDataFolder();
    for (int slot = 1; folder && slot <= slotCount; ++slot) {
        if (slot > 1)
            setCurrentSlot(static_cast<short>(slot));
        const std::optional<SlotCopy> copy = readOtherSlot(*folder, slot);
        if (!copy)
            break;
        for (int i = 0; i < copy->suffixes.size(); ++i) {
            outcome.writeProblem = writeRecordField(slot, copy->suffixes[i], copy->texts[i]);
            if (!outcome.writeProblem.ok())
                return outcome;
        }
        outcome.slotsCopied = slot;
    }
    if (outcome.slotsCopied == slotCount) {
        setCurrentSlot(static_cast<short>(slotCount + 1));
        outcome.completed = true;
        platform::say(importDoneMessage);
        return outcome;
    }
    if (outcome.slotsCopied == 0) {
        platform::say(noPreviousVersionsMessage);
        outcome.writeProblem = writeSlotOneFallback();
        return outcome;
    }
    // Some players came over: the player is told which, not that none were found.
    platform::say(outcome.slotsCopied == 1
                      ? QStringLiteral("Imported player 1; the other slots were set up new.")
                      : QStringLiteral("Imported players 1 to %1; the other slots were set up new.").arg(outcome.slotsCopied));
    return outcome;
}

}  // namespace player
