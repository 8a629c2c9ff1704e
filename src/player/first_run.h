#pragma once
// Reading the five player names, and setting up the record files when they are
// not there yet: the whole set-up for a new installation, or only the slots that
// are missing, or a damaged slot rebuilt at sign-in.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace player {

// A file that could not be read or written, and why. Empty when all went well.
struct FileProblem {
    QString path;
    QString error;
    bool writing = false;
    bool ok() const { return path.isEmpty(); }
};

// Writes one record file of a slot (one line, CR LF, replacing the whole file).
FileProblem writeRecordField(int slot, const QString &suffix, const QString &text);

// The last line of one record file of a slot. `problem` is set when the file
// does not exist or cannot be read; a file with no line gives no text.
struct FieldRead {
    std::optional<QString> text;
    FileProblem problem;
};
FieldRead readRecordField(int slot, const QString &suffix);

// The five names in slot order. A name file that cannot be read leaves its name empty
// and its problem set; `problem` names the first of them. A name file with no line
// gives an empty name.
struct NameList {
    std::array<QString, 5> names;
    std::array<FileProblem, 5> problems;
    FileProblem problem;
    int unreadable() const;
};
NameList readNames();

// The slots (1..5) whose name file does not exist.
QList<int> slotsWithoutNameFile();
// True when any record file of any slot exists (an installation whose name files alone went missing
// still holds its players' money and horses).
bool anyRecordFileExists();

// The first-run set-up's files: slots 1..5 get the password "7351", slots 2..5
// a new player's name, money, share and horses. Stops at the first file that
// cannot be written.
FileProblem writeSetUpFiles();
// Slot 1 as a new player: password, "User 1", money, share and horses.
FileProblem writeSlotOneFallback();
// Writes a new player's values into the given files of a slot (suffixes), in order.
FileProblem writeDefaultFields(int slot, const QStringList &suffixes);
// A slot that lost its name file: every file of it that does not exist gets a new
// player's value. Files that exist are left alone.
FileProblem rebuildMissingFiles(int slot);
// The suffixes of a slot's files that do not exist or cannot be read.
QStringList unusableFiles(int slot, const QStringList &suffixes);

// Makes sure the data folder exists.
FileProblem makeDataFolder();

// What the player is told when the data folder cannot be used, and what follows.
enum class AfterProblem {
    Closing,         // the game ends
    NothingChanged,  // the operation was abandoned before it changed anything
    NotRepaired,     // a damaged slot was rebuilt only in part: the player stays at the list
};
QString dataFolderProblemText(const FileProblem &problem, AfterProblem after);
// What the player is asked when a slot's record files are missing or unreadable.
QString damagedSlotQuestion(int slot, const QStringList &fileNames);

}  // namespace player
