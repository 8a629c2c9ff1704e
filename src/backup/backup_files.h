#pragma once
// Backing up a player's record into a folder the player chose, and restoring it from there.
// A backup holds "userbackup.pdx" (the slot backed up, as a number line), "usern.pdx" (the
// player's name) and that slot's eight playing files under their data-folder names
// ("user3cash.pdx" .. "user3hor5.pdx"). The password is never part of a backup.
#include "player/record_files.h"

#include <QString>

namespace backup {

inline const QString slotFileName = QStringLiteral("userbackup.pdx");
inline const QString nameFileName = QStringLiteral("usern.pdx");

// A file directly in the folder; a root folder ("/", "C:/") works as well as any other.
QString folderFile(const QString &folder, const QString &fileName);

// How far a backup or restore step came. On failure `problem` names the file and the reason.
struct Step {
    bool ok = false;
    QString name;      // the player's name: read from the data folder, or from the backup
    int fromSlot = 0;  // restore: the slot the backup was made from
    bool wroteFailed = false;  // a write failed (rather than a backup file missing or damaged)
    QString problem;
};

// Backup, first part: reads the slot's name from the data folder, then writes "userbackup.pdx"
// and "usern.pdx". A missing name file stops it before anything is written.
Step beginBackup(const QString &folder, int slot);
// Backup, second part: the eight playing files, from the values the player sees now.
Step finishBackup(const QString &folder, int slot, const player::PlayingFields &fields);

// Restore, first part: the backed-up slot from "userbackup.pdx", the name from "usern.pdx",
// then the name is written into the slot's name file.
Step beginRestore(const QString &folder, int slot);
// Restore, second part: each of the backed-up slot's eight files, in save order, is read and
// written into the slot's data file. It stops at the first failure; what was written stays.
Step finishRestore(const QString &folder, int fromSlot, int slot);

}  // namespace backup
