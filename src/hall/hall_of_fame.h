#pragma once
// The hall of fame: five positions, each a score (a player's cash) and a name, kept in ten
// one-line files of the hall folder: posit0.tam..posit4.tam for the scores (number lines,
// " 4990000 ") and positnam0.tam..positnam4.tam for the names (the text as entered).
// Index 0 is position 1, the highest.
#include "platform/conversions.h"

#include <QString>
#include <array>
#include <optional>

namespace hall {

inline constexpr int positions = 5;

struct Entry {
    QString score;  // as read from the file, blanks included
    QString name;
};
using Table = std::array<Entry, positions>;

QString hallFolder();
QString scorePath(int index);
QString namePath(int index);

// Reads the ten files. Nothing when a file is missing or unreadable, holds no line, or a
// score line is not a number.
std::optional<Table> readTable();

// The default table: 4990000 down to 4950000 in steps of 10000, every name "Tamblor Networks".
Table defaultTable();
// Writes the default table into the ten files (the hall folder is made when missing). False
// when a file could not be written.
bool writeDefaultTable();

struct Loaded {
    Table table;
    bool stored = true;  // false: the files could not be read nor rewritten; the table is the
                         // default held in memory and nothing may be ranked against it
};
// The table to show: the stored one, or, when it cannot be read, the default table written
// afresh and read back.
Loaded loadTable();

// The index (0..4) at which the cash enters the table: the first whose score it beats
// strictly. Nothing when it beats none.
std::optional<int> rank(platform::Money cash, const Table &table);

// The table as the window shows it after an entry at `index`: the entries from there down
// move one place, the last drops off, and the new entry (cash as plain digits) takes the place.
Table withEntry(const Table &table, int index, platform::Money cash, const QString &name);

// Stores an entry as the window shows it (`shown`, from withEntry): the new entry's place, its
// score the cash as a number line, and every place below it, each score and name as shown, so
// the entries that moved down move on disk too. The places above are not written. Each file is
// replaced whole; a file that cannot be written is skipped and the others are still written.
// False when any could not be written.
bool storeEntry(const Table &shown, int index, platform::Money cash);

}  // namespace hall
