// The race book's file and figures.
#include "book/race_book.h"

#include "platform/program.h"
#include "platform/text_files.h"
#include "player/record_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace book {

namespace {

constexpr int fieldCount = 22;
// A book is a few hundred bytes a race; anything larger than this is not one of ours.
constexpr qint64 bookSizeLimit = qint64(256) << 20;

bool parseMoney(const QString &text, Money *value)
{
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<Money>::min() || number > std::numeric_limits<Money>::max())
        return false;
    *value = Money(number);
    return true;
}

// "yyyy-MM-ddTHH:mm:ss+hh:mm" (or "Z") as the book writes it; invalid otherwise. Read with its
// own offset from UTC, never through the local time zone: QDateTime's own ISO reading and local
// times are many times slower, and a book of thousands of races is read at every opening.
QDateTime parseWhen(const QString &text)
{
    const bool utc = text.size() == 20 && text[19] == QLatin1Char('Z');
    if ((!utc && text.size() != 25) || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-') ||
        text[10] != QLatin1Char('T') || text[13] != QLatin1Char(':') || text[16] != QLatin1Char(':'))
        return {};
    int parts[8] = {};
    const int starts[8] = {0, 5, 8, 11, 14, 17, 20, 23};
    const int fields = utc ? 6 : 8;
    for (int i = 0; i < fields; ++i) {
        const int length = i == 0 ? 4 : 2;
        for (int k = starts[i]; k < starts[i] + length; ++k) {
            if (!text[k].isDigit())
                return {};
            parts[i] = parts[i] * 10 + text[k].digitValue();
        }
    }
    int offset = 0;
    if (!utc) {
        const QChar sign = text[19];
        if ((sign != QLatin1Char('+') && sign != QLatin1Char('-')) || text[22] != QLatin1Char(':') ||
            parts[6] > 14 || parts[7] > 59)
            return {};
        offset = (sign == QLatin1Char('-') ? -1 : 1) * (parts[6] * 3600 + parts[7] * 60);
    }
    const QDate date(parts[0], parts[1], parts[2]);
    const QTime time(parts[3], parts[4], parts[5]);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::OffsetFromUTC, offset);
}

}  // namespace

int Row::oddsOf(const QString &horse) const
{
    for (int i = 0; i < 5; ++i) {
        if (horses[i] == horse)
            return odds[i];
    }
    return -1;
}

Money Row::returned() const
{
    if (!won())
        return 0;
    // An ordinary race keeps the stake of a winning bet; the Grand National took it at Confirm.
    return kind == grandNationalKind ? winnings : platform::heldAdd(stake, winnings);
}

QString bookPath(int slot) { return player::recordPath(slot, QStringLiteral("book.csv")); }

QStringList headerFields()
{
    QStringList fields{QStringLiteral("date"), QStringLiteral("kind")};
    for (int horse = 1; horse <= 5; ++horse)
        fields << QStringLiteral("horse%1").arg(horse) << QStringLiteral("odds%1").arg(horse);
    fields << QStringLiteral("backed") << QStringLiteral("stake") << QStringLiteral("winner")
           << QStringLiteral("winnings") << QStringLiteral("owners prize") << QStringLiteral("charge")
           << QStringLiteral("fine") << QStringLiteral("drug") << QStringLiteral("cash") << QStringLiteral("debt");
    return fields;
}

QString encodeField(const QString &field)
{
    const bool quote = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                       field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')) ||
                       field.startsWith(QLatin1Char(' ')) || field.endsWith(QLatin1Char(' '));
    if (!quote)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray encodeLine(const QStringList &fields)
{
    QStringList encoded;
    for (const QString &field : fields)
        encoded << encodeField(field);
    return encoded.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QStringList rowFields(const Row &row)
{
    // The time as the clock showed it, with its offset from UTC.
    const QDateTime when = row.when.timeSpec() == Qt::OffsetFromUTC ? row.when
                                                                    : row.when.toOffsetFromUtc(row.when.offsetFromUtc());
    const int offset = when.offsetFromUtc();
    const QString zone = offset == 0 ? QStringLiteral("Z")
                                     : QStringLiteral("%1%2:%3")
                                           .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                                           .arg(std::abs(offset) / 3600, 2, 10, QLatin1Char('0'))
                                           .arg(std::abs(offset) / 60 % 60, 2, 10, QLatin1Char('0'));
    QStringList fields{when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + zone, row.kind};
    for (int i = 0; i < 5; ++i)
        fields << row.horses[i] << QString::number(row.odds[i]);
    fields << row.backed << QString::number(row.stake) << row.winner << QString::number(row.winnings)
           << QString::number(row.ownersPrize) << QString::number(row.charge) << QString::number(row.fine)
           << (row.drug ? QStringLiteral("yes") : QStringLiteral("no")) << QString::number(row.cash)
           << QString::number(row.debt);
    return fields;
}

QList<QStringList> decodeRecords(const QString &text, bool *torn)
{
    QList<QStringList> records;
    QStringList fields;
    const qsizetype n = text.size();
    const QChar *data = text.constData();
    qsizetype i = 0;
    bool open = false;  // a record has begun and not ended
    while (i < n) {
        open = true;
        QString field;
        if (data[i] == QLatin1Char('"')) {
            // A quoted field: up to the lone closing quote, "" standing for one quote.
            ++i;
            bool closed = false;
            while (i < n) {
                if (data[i] == QLatin1Char('"')) {
                    if (i + 1 < n && data[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += data[i++];
            }
            if (!closed)
                break;  // torn inside the quotes
        }
        // The unquoted part, up to a comma or a line end.
        const qsizetype begin = i;
        while (i < n && data[i] != QLatin1Char(',') && data[i] != QLatin1Char('\r') && data[i] != QLatin1Char('\n'))
            ++i;
        field += QStringView(data + begin, i - begin);
        fields << field;
        if (i == n)
            break;  // no line end: torn
        if (data[i] == QLatin1Char(',')) {
            ++i;
            if (i == n)
                break;
            continue;
        }
        i += (data[i] == QLatin1Char('\r') && i + 1 < n && data[i + 1] == QLatin1Char('\n')) ? 2 : 1;
        records << fields;
        fields.clear();
        open = false;
    }
    if (torn)
        *torn = open;
    return records;
}

bool rowFromFields(const QStringList &fields, Row *row)
{
    if (fields.size() != fieldCount)
        return false;
    Row r;
    r.when = parseWhen(fields[0]);
    r.kind = fields[1];
    if (!r.when.isValid() || (r.kind != raceKind && r.kind != grandNationalKind))
        return false;
    for (int i = 0; i < 5; ++i) {
        r.horses[i] = fields[2 + 2 * i];
        bool ok = false;
        r.odds[i] = fields[3 + 2 * i].toInt(&ok);
        if (!ok || r.odds[i] < 0)
            return false;
    }
    r.backed = fields[12];
    r.winner = fields[14];
    const QString &drug = fields[19];
    if (drug != QLatin1String("yes") && drug != QLatin1String("no"))
        return false;
    r.drug = drug == QLatin1String("yes");
    if (!parseMoney(fields[13], &r.stake) || !parseMoney(fields[15], &r.winnings) ||
        !parseMoney(fields[16], &r.ownersPrize) || !parseMoney(fields[17], &r.charge) ||
        !parseMoney(fields[18], &r.fine) || !parseMoney(fields[20], &r.cash) || !parseMoney(fields[21], &r.debt))
        return false;
    *row = r;
    return true;
}

AppendResult appendRow(const QString &path, const Row &row)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        return {false, file.errorString()};
    }
    auto fail = [&] { return AppendResult{false, file.errorString()}; };
    // Find the end of the last complete line: whatever follows it is a torn row.
    qint64 keep = file.size();
    if (keep > 0) {
        constexpr qint64 block = 4096;
        qint64 end = keep;
        keep = 0;
        while (end > 0) {
            const qint64 start = std::max<qint64>(0, end - block);
            if (!file.seek(start))
                return fail();
            const QByteArray bytes = file.read(end - start);
            if (bytes.size() != end - start)
                return fail();
            const qsizetype lineEnd = bytes.lastIndexOf('\n');
            if (lineEnd >= 0) {
                keep = start + lineEnd + 1;
                break;
            }
            end = start;
        }
        if (keep != file.size() && !file.resize(keep))
            return fail();
    }
    QByteArray bytes;
    if (keep == 0)
        bytes = encodeLine(headerFields());
    bytes += encodeLine(rowFields(row));
    if (!file.seek(keep) || file.write(bytes) != bytes.size() || !file.flush())
        return fail();
    if (::fsync(file.handle()) != 0)
        return {false, QStringLiteral("The race book could not be synced to the disk.")};
    return {true, {}};
}

QString recordRace(int slot, const Row &row)
{
    if (slot < 1 || slot > player::slotCount)
        return {};
    const AppendResult appended = appendRow(bookPath(slot), row);
    if (appended.ok)
        return {};
    return QStringLiteral("This race could not be written to your race book (%1): %2")
        .arg(player::recordFileName(slot, QStringLiteral("book.csv")), appended.error);
}

Book parseBook(const QByteArray &bytes)
{
    Book book;
    bool torn = false;
    const QList<QStringList> records = decodeRecords(QString::fromUtf8(bytes), &torn);
    book.skipped = torn ? 1 : 0;
    const QStringList header = headerFields();
    book.rows.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (i == 0 && records[i] == header)
            continue;
        if (records[i].size() == 1 && records[i][0].isEmpty())
            continue;  // an empty line
        Row row;
        if (rowFromFields(records[i], &row))
            book.rows << row;
        else
            ++book.skipped;
    }
    return book;
}

Book loadBook(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    const platform::BytesRead read = platform::readGameFile(path, bookSizeLimit);
    if (!read.opened) {
        Book book;
        book.error = read.error;
        return book;
    }
    return parseBook(read.bytes);
}

AppendResult writeRows(const QString &path, const QList<Row> &rows)
{
    QByteArray bytes = encodeLine(headerFields());
    for (const Row &row : rows)
        bytes += encodeLine(rowFields(row));
    const platform::WriteResult written = platform::writeBytes(path, bytes);
    return {written.ok, written.error};
}

int oddsBand(int odds)
{
    if (odds <= 5)
        return 0;
    if (odds <= 10)
        return 1;
    if (odds <= 20)
        return 2;
    if (odds <= 40)
        return 3;
    return 4;
}

QString bandName(int band)
{
    static const char *const names[bandCount] = {"1-5", "6-10", "11-20", "21-40", "41+"};
    return band >= 0 && band < bandCount ? QString::fromLatin1(names[band]) : QString();
}

OddsFigures oddsFigures(const QList<Row> &rows)
{
    OddsFigures figures;
    std::array<double, bandCount> promisedSum{};
    double overallPromised = 0;
    for (const Row &row : rows) {
        for (int i = 0; i < 5; ++i) {
            const int band = oddsBand(row.odds[i]);
            const double promise = 1.0 / (row.odds[i] + 1);
            const bool won = row.horses[i] == row.winner;
            for (BandFigures *f : {&figures.bands[band], &figures.overall}) {
                ++f->runners;
                f->wins += won ? 1 : 0;
            }
            promisedSum[band] += promise;
            overallPromised += promise;
        }
        const int backedOdds = row.oddsOf(row.backed);
        if (backedOdds < 0 || row.stake <= 0)
            continue;
        for (BandFigures *f : {&figures.bands[oddsBand(backedOdds)], &figures.overall}) {
            ++f->bets;
            f->staked += row.stake;
            f->returned += row.returned();
        }
    }
    for (int band = 0; band < bandCount; ++band) {
        BandFigures &f = figures.bands[band];
        f.promised = f.runners ? promisedSum[band] / f.runners : 0.0;
    }
    figures.overall.promised = figures.overall.runners ? overallPromised / figures.overall.runners : 0.0;
    return figures;
}

}  // namespace book
