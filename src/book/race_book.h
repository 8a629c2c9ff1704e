#pragma once
// The race book: one row per settled race in "data/userNbook.csv", appended and never
// rewritten, and the figures the book window draws from it.
#include "platform/conversions.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <array>
#include <functional>

namespace book {

using platform::Money;

inline const QString raceKind = QStringLiteral("race");
inline const QString grandNationalKind = QStringLiteral("grand national");

// One settled race, as the settlement saw it and as its line in the file holds it.
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
};

// The names a book holds, each kept once; its races hold the names' numbers. The empty name is
// number 0.
class Names {
public:
    Names();
    // The name's number, a new one when the name is new.
    quint32 add(QStringView name);
    // The name's number, -1 when the book does not hold it.
    qint64 find(QStringView name) const;
    QStringView operator[](quint32 number) const
    {
        return QStringView(pool_).mid(starts_[number], starts_[number + 1] - starts_[number]);
    }
    qsizetype size() const { return starts_.size() - 1; }

private:
    QString pool_;             // every name, one after the other
    QList<quint32> starts_;    // where each name begins in the pool, and where the last one ends
    QList<quint32> hashed_;    // by the name's hash: its number + 1, 0 where free
};

// A race as a read book keeps it: what the table, the charts and an export need, in a few dozen
// bytes, so that a book of hundreds of thousands of races is held in little memory.
struct Race {
    qint64 clock = 0;   // the date and time as the clock showed them, in seconds since 1970-01-01 00:00
    qint32 offset = 0;  // the clock's offset from UTC, in seconds
    std::array<quint32, 5> horses{};  // name numbers
    quint32 backed = 0, winner = 0;
    std::array<qint32, 5> odds{};
    Money stake = 0, winnings = 0, ownersPrize = 0, charge = 0, fine = 0, cash = 0, debt = 0;
    bool grandNational = false;
    bool drug = false;

    bool won() const { return backed != 0 && backed == winner; }
    // The odds of the backed horse on the card, -1 when it is not on it.
    int backedOdds() const;
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
    QList<Race> races;
    Names names;
    int skipped = 0;  // damaged records left out (a torn last row, garbage lines)
    QString error;    // the file is there but could not be read

    QString name(quint32 number) const { return names[number].toString(); }
    QString kind(const Race &race) const { return race.grandNational ? grandNationalKind : raceKind; }
    // The race's row as the file holds it.
    Row row(const Race &race) const;
};

// A book file's bytes read as they come: a record may run over from one piece into the next.
class BookReader {
public:
    // `size`: the bytes expected, so the races are given their room at once.
    explicit BookReader(qint64 size = 0);
    void feed(QByteArrayView bytes);
    // The book; a last record without its line end is torn and counted as skipped.
    Book finish();

private:
    // Reads the records from the start of the pending bytes; `last` when no more bytes come.
    void readRecords(bool last);
    void take(const QList<QByteArrayView> &fields);

    QByteArray pending_;
    bool begun_ = false;  // the start of the file, and its byte-order mark, are behind
    qsizetype records_ = 0;
    Book book_;
    QStringDecoder decoder_{QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom};
    QString name_;  // a name decoded, before it is looked up
};

// A book larger than this is not read (the player is told why): at about 160 bytes a race it
// holds some 400,000 races, and the Race Book holds even a book of that size of the oddest
// races in well under 300 MB.
inline constexpr qint64 bookSizeLimit = qint64(64) << 20;

// Reads a book file. `progress`, when given, hears the bytes read so far and the file's size,
// and ends the reading when it returns false. A book that is a link or not an ordinary file is
// refused, as is one over the size limit.
Book loadBook(const QString &path, const std::function<bool(qint64 done, qint64 size)> &progress = {});

// Writes the book's races at these places as a complete CSV file (header first), atomically.
AppendResult writeRows(const QString &path, const Book &book, const QList<qsizetype> &races);

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
OddsFigures oddsFigures(const Book &book);

}  // namespace book
