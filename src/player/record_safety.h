#pragma once
// Keeping a player's record whole. A record is eight files; a save first writes the
// whole new record to a journal beside them (data/userN.journal), then replaces the
// eight files, then removes the journal. A save that is interrupted leaves the
// journal, and the next start or sign-in finishes it before the record is read, so
// the eight files always hold one and the same save.
#include "player/first_run.h"
#include "player/record_files.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace player {

QString journalFileName(int slot);  // "user3.journal"
QString journalPath(int slot);

// The journal of a slot's record, and its reading: nothing when the bytes are not a
// whole journal of that slot (cut short, changed, another slot's).
QByteArray journalBytes(int slot, const PlayingFields &fields);
std::optional<PlayingFields> parseJournal(int slot, const QByteArray &bytes);

// Saves the eight playing files of a slot as one unit. On failure the problem names
// the file and the reason; the old record, or the journal that completes the new one,
// is left.
FileProblem saveRecord(int slot, const PlayingFields &fields);

enum class JournalOutcome {
    None,      // no journal: the record is whole
    Finished,  // an interrupted save was completed
    Damaged,   // the journal was not whole; it was removed and the files left as they are
    Failed,    // the journal could not be completed (problem says why); it stays for another try
};
struct JournalFinish {
    JournalOutcome outcome = JournalOutcome::None;
    FileProblem problem;
};
// Completes a save of the slot that was interrupted.
JournalFinish finishJournal(int slot);

// Removes what interrupted saves left in a folder: temporary files named after a game
// file with a random suffix ("user1cash.pdx.Ab12Cd"). Returns how many were removed.
int removeLeftoverTemporaryFiles(const QString &folder);

// The start of the game, before anything reads a record: leftover temporary files go,
// and every slot's interrupted save is completed. Returns what could not be repaired.
QList<FileProblem> startUpRepairs();

// What the player is told when a save fails, naming the file and the reason.
QString saveProblemText(const FileProblem &problem);
// What the player is asked at Exit or the close box when the game is not saved.
QString leaveUnsavedQuestion();
// The status bar's note while the game is not saved.
QString notSavedNote();
// What the player is told when a slot's interrupted save cannot be completed.
QString unfinishedSaveText(const FileProblem &problem);
// What the player is asked when a money file of the slot does not hold an amount.
QString notAnAmountQuestion(const QString &fileName);
// The player list's entry for a slot whose name file cannot be read.
QString damagedSlotEntry(int slot);

}  // namespace player
