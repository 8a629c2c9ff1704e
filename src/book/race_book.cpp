// The race book's file and figures.
#include "book/race_book.h"

#include "platform/program.h"
#include "platform/text_files.h"
#include "player/record_files.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace book {

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

AppendResult appendRow(const QString &path, const Row &row)
{
    // Never through a link, into a pipe or a device: only the book's own ordinary file is written.
    const platform::OpenedFile opened = platform::openOrdinaryFile(path, O_RDWR | O_CREAT, true);
    if (opened.fd < 0)
        return {false, opened.error};
    QFile file;
    if (!file.open(opened.fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(opened.fd);
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

AppendResult writeRows(const QString &path, const Book &book, const QList<qsizetype> &races)
{
    QByteArray bytes = encodeLine(headerFields());
    for (const qsizetype race : races)
        bytes += encodeLine(rowFields(book.row(book.races[race])));
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

OddsFigures oddsFigures(const Book &book)
{
    OddsFigures figures;
    std::array<double, bandCount> promisedSum{};
    double overallPromised = 0;
    for (const Race &race : book.races) {
        for (int i = 0; i < 5; ++i) {
            const int band = oddsBand(race.odds[i]);
            const double promise = 1.0 / (race.odds[i] + 1);
            const bool won = race.horses[i] == race.winner;
            for (BandFigures *f : {&figures.bands[band], &figures.overall}) {
                ++f->runners;
                f->wins += won ? 1 : 0;
            }
            promisedSum[band] += promise;
            overallPromised += promise;
        }
        const int backedOdds = race.backedOdds();
        if (backedOdds < 0 || race.stake <= 0)
            continue;
        for (BandFigures *f : {&figures.bands[oddsBand(backedOdds)], &figures.overall}) {
            ++f->bets;
            f->staked += race.stake;
            f->returned += race.returned();
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
