#pragma once
// The race book: one row per settled race in "data/userNbook.csv", appended and never
// rewritten, and the figures the book window draws from it.
#include "platform/conversions.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace book {

using platform::Money;

inline const QString raceKind = QStringLiteral("race");
inline const QString grandNationalKind = QStringLiteral("grand national");

// One settled race, as the settlement saw it.
struct Row {
    QDateTime when;
    QString kind = raceKind;
    std::array<QString, 5> horses;
    std::array<int, 5> odds{};
    QString backed;
    Money stake = 0;
    QString winner;
    Money winnings = 0;     // paid for the backed horse's win; 0 on a loss
    Money ownersPrize = 0;  // paid for the owned horse's win
    Money charge = 0;       // the owner's charge
    Money fine = 0;         // the drug-test fine
    bool drug = false;      // the backed horse was drugged
    Money cash = 0;         // after the settlement
    Money debt = 0;

    bool won() const { return !backed.isEmpty() && backed == winner; }
    // The odds of the named horse on the card, -1 when it is not on it.
    int oddsOf(const QString &horse) const;
    // What came back for the stake on a win: the winnings, and in an ordinary race the stake kept
    // too; nothing on a loss.
    Money returned() const;
};

// The book's file for a slot, in the data folder.
QString bookPath(int slot);

// The header row's fields.
QStringList headerFields();
// One field, quoted when it holds a comma, a quote, a line end or a blank at either end.
QString encodeField(const QString &field);
// A row's line in the file, CR LF included.
QByteArray encodeLine(const QStringList &fields);
QStringList rowFields(const Row &row);

// The records of a CSV text. A last record without its line end is torn and not returned;
// `torn` says whether there was one.
QList<QStringList> decodeRecords(const QString &text, bool *torn = nullptr);
// A row from a record's fields; false when the record is not a well-formed row.
bool rowFromFields(const QStringList &fields, Row *row);

struct AppendResult {
    bool ok = false;
    QString error;  // why the row could not be written, for the player
};
// Appends one row. A new or empty file gets the header first; a torn last row (a crash in an
// earlier append) is cut off before writing. The row is flushed and synced to the disk.
AppendResult appendRow(const QString &path, const Row &row);

// Appends the row to the slot's book; the message for the player when it could not be
// written, empty when it was (or when there is no slot).
QString recordRace(int slot, const Row &row);

struct Book {
    QList<Row> rows;
    int skipped = 0;  // damaged records left out (a torn last row, garbage lines)
    QString error;    // the file is there but could not be read
};
Book loadBook(const QString &path);
Book parseBook(const QByteArray &bytes);

// Writes rows as a complete CSV file (header first), atomically.
AppendResult writeRows(const QString &path, const QList<Row> &rows);

// The odds bands 1-5, 6-10, 11-20, 21-40, 41+.
inline constexpr int bandCount = 5;
// The band of odds (0..4); odds below 1 count in the first band.
int oddsBand(int odds);
// "1-5", "6-10", "11-20", "21-40", "41+".
QString bandName(int band);

struct BandFigures {
    int runners = 0;          // horses run at these odds
    int wins = 0;             // of them, winners
    double promised = 0;      // the mean of 1/(odds+1) over the runners
    int bets = 0;             // bets placed on horses at these odds
    qint64 staked = 0;
    qint64 returned = 0;
    double shareWon() const { return runners ? double(wins) / runners : 0.0; }
    // Pounds back for every pound staked; 0 when nothing was staked.
    double returnPerPound() const { return staked ? double(returned) / double(staked) : 0.0; }
};
struct OddsFigures {
    std::array<BandFigures, bandCount> bands;
    BandFigures overall;  // the bets over all bands (runners: all horses)
};
OddsFigures oddsFigures(const QList<Row> &rows);

}  // namespace book
