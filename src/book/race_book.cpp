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
    QStringList fields{row.when.toString(Qt::ISODate), row.kind};
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
    QString field;
    bool quoted = false, started = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        started = true;
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            fields << field;
            records << fields;
            fields.clear();
            field.clear();
            started = false;
        } else {
            field += c;
        }
    }
    if (torn)
        *torn = started;
    return records;
}

bool rowFromFields(const QStringList &fields, Row *row)
{
    if (fields.size() != fieldCount)
        return false;
    Row r;
    r.when = QDateTime::fromString(fields[0], Qt::ISODate);
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
