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
    bool missing = false;      // restore: a file of the backup is not there, or no slot is named
    QString problem;
    QStringList values;        // restore: the eight playing values read, in save order
};

// Backup, first part: reads the slot's name from the data folder, then writes "userbackup.pdx"
// and "usern.pdx". A missing name file stops it before anything is written.
Step beginBackup(const QString &folder, int slot);
// Backup, second part: the eight playing files, from the values the player sees now.
Step finishBackup(const QString &folder, int slot, const player::PlayingFields &fields);

// Restore, first part: the whole backup is read and checked before anything is written: the
// backed-up slot from "userbackup.pdx", the name from "usern.pdx", then that slot's eight files.
// Every file must be there and readable, the cash and debt amounts of money, and the name, the
// share and the horse names what the game takes (one line of at most 30 characters; the share
// may also be none).
Step readBackup(const QString &folder);
// Restore, second part: the name, then the eight values in save order, into the slot's data
// files. It stops at the first write that fails; what was written stays.
Step writeRestore(const Step &backup, int slot);

}  // namespace backup
