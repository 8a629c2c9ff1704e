// Reading the race book: its file piece by piece into compact races.
#include "book/race_book.h"

#include "platform/text_files.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace book {

namespace {

constexpr qsizetype fieldCount = 22;
// The bytes read at a time: a few milliseconds of work, so a reading is stopped quickly.
constexpr qint64 pieceSize = qint64(1) << 20;

bool parseMoney(QByteArrayView text, Money *value)
{
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<Money>::min() || number > std::numeric_limits<Money>::max())
        return false;
    *value = Money(number);
    return true;
}

// "yyyy-MM-ddTHH:mm:ss+hh:mm" (or "Z") as the book writes it: the clock's time in seconds since
// 1970-01-01 00:00, and its offset from UTC. Read by hand, never through a time zone: a book of
// many thousands of races is read at every opening.
bool parseWhen(QByteArrayView text, qint64 *clock, qint32 *offset)
{
    const bool utc = text.size() == 20 && text[19] == 'Z';
    if ((!utc && text.size() != 25) || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':')
        return false;
    int parts[8] = {};
    const int starts[8] = {0, 5, 8, 11, 14, 17, 20, 23};
    const int fields = utc ? 6 : 8;
    for (int i = 0; i < fields; ++i) {
        const int length = i == 0 ? 4 : 2;
        for (int k = starts[i]; k < starts[i] + length; ++k) {
            if (text[k] < '0' || text[k] > '9')
                return false;
            parts[i] = parts[i] * 10 + (text[k] - '0');
        }
    }
    *offset = 0;
    if (!utc) {
        const char sign = text[19];
        if ((sign != '+' && sign != '-') || text[22] != ':' || parts[6] > 14 || parts[7] > 59)
            return false;
        *offset = (sign == '-' ? -1 : 1) * (parts[6] * 3600 + parts[7] * 60);
    }
    const QDate date(parts[0], parts[1], parts[2]);
    const QTime time(parts[3], parts[4], parts[5]);
    if (!date.isValid() || !time.isValid())
        return false;
    *clock = (date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * 86400 + time.msecsSinceStartOfDay() / 1000;
    return true;
}

}  // namespace

Names::Names() : starts_{0} { add(QStringView()); }

qint64 Names::find(QStringView name) const
{
    if (hashed_.isEmpty())
        return -1;
    const qsizetype mask = hashed_.size() - 1;
    for (qsizetype at = qHash(name) & mask; hashed_[at] != 0; at = (at + 1) & mask) {
        if ((*this)[hashed_[at] - 1] == name)
            return hashed_[at] - 1;
    }
    return -1;
}

quint32 Names::add(QStringView name)
{
    if (const qint64 found = find(name); found >= 0)
        return quint32(found);
    const auto number = quint32(size());
    pool_.append(name);
    starts_.append(quint32(pool_.size()));
    // Half the places at most are taken, so a look-up ends after a few steps.
    const bool grow = 2 * starts_.size() > hashed_.size();
    if (grow)
        hashed_ = QList<quint32>(std::max<qsizetype>(64, 2 * hashed_.size()), 0);
    const qsizetype mask = hashed_.size() - 1;
    for (quint32 each = grow ? 0 : number; each <= number; ++each) {
        qsizetype at = qHash((*this)[each]) & mask;
        while (hashed_[at] != 0)
            at = (at + 1) & mask;
        hashed_[at] = each + 1;
    }
    return number;
}

int Race::backedOdds() const
{
    for (int i = 0; i < 5; ++i) {
        if (horses[i] == backed)
            return odds[i];
    }
    return -1;
}

Money Race::returned() const
{
    if (!won())
        return 0;
    // An ordinary race keeps the stake of a winning bet; the Grand National took it at Confirm.
    return grandNational ? winnings : platform::heldAdd(stake, winnings);
}

Row Book::row(const Race &race) const
{
    Row row;
    row.when = QDateTime::fromSecsSinceEpoch(race.clock - race.offset, Qt::OffsetFromUTC, race.offset);
    row.kind = kind(race);
    for (int i = 0; i < 5; ++i) {
        row.horses[i] = name(race.horses[i]);
        row.odds[i] = race.odds[i];
    }
    row.backed = name(race.backed);
    row.winner = name(race.winner);
    row.stake = race.stake, row.winnings = race.winnings, row.ownersPrize = race.ownersPrize;
    row.charge = race.charge, row.fine = race.fine, row.drug = race.drug, row.cash = race.cash, row.debt = race.debt;
    return row;
}

BookReader::BookReader(qint64 size) { book_.races.reserve(size / 128); }

void BookReader::feed(QByteArrayView bytes)
{
    pending_.append(bytes.data(), bytes.size());
    readRecords(false);
}

Book BookReader::finish()
{
    readRecords(true);
    if (!pending_.isEmpty())
        ++book_.skipped;  // torn: the file ends inside it
    pending_.clear();
    return std::move(book_);
}

void BookReader::readRecords(bool last)
{
    // A byte-order mark before the header is no part of it.
    static const QByteArray mark = QByteArrayLiteral("\xEF\xBB\xBF");
    if (!begun_) {
        if (!last && pending_.size() < mark.size() && mark.startsWith(pending_))
            return;
        if (pending_.startsWith(mark))
            pending_.remove(0, mark.size());
        begun_ = true;
    }
    const char *data = pending_.constData();
    const qsizetype n = pending_.size();
    qsizetype done = 0;  // the end of the last whole record
    QList<QByteArrayView> fields;
    QList<QByteArray> quoted;  // the quoted fields' text, their doubled quotes made single
    for (;;) {
        // One record from `done`: fields up to a comma, quoted ones up to their lone closing quote,
        // the record up to a line end (CR LF, LF or CR) outside the quotes. It is not whole while the
        // bytes end inside it, nor while a closing quote or a CR is the last byte and more may come.
        fields.clear();
        qsizetype i = done;
        qsizetype quotes = 0;
        bool whole = false;
        while (i < n) {
            QByteArray *text = nullptr;
            if (data[i] == '"') {
                if (quotes == quoted.size())
                    quoted.append(QByteArray());
                text = &quoted[quotes++];
                text->resize(0);
                bool closed = false;
                for (++i; i < n && !closed;) {
                    const char *quote = static_cast<const char *>(std::memchr(data + i, '"', size_t(n - i)));
                    const qsizetype end = quote ? quote - data : n;
                    text->append(data + i, end - i);
                    i = end;
                    if (i == n || (i + 1 == n && !last))
                        break;
                    if (i + 1 < n && data[i + 1] == '"') {
                        text->append('"');
                        i += 2;
                    } else {
                        ++i;
                        closed = true;
                    }
                }
                if (!closed)
                    break;
            }
            const qsizetype begin = i;
            while (i < n && data[i] != ',' && data[i] != '\r' && data[i] != '\n')
                ++i;
            if (text) {
                text->append(data + begin, i - begin);
                fields.append(QByteArrayView(*text));
            } else {
                fields.append(QByteArrayView(data + begin, i - begin));
            }
            if (i == n)
                break;
            if (data[i] == ',') {
                ++i;
                continue;
            }
            if (data[i] == '\r' && i + 1 == n && !last)
                break;
            i += (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n') ? 2 : 1;
            whole = true;
            break;
        }
        if (!whole)
            break;
        take(fields);
        done = i;
    }
    pending_.remove(0, done);
}

void BookReader::take(const QList<QByteArrayView> &fields)
{
    static const QList<QByteArray> header = [] {
        QList<QByteArray> fields;
        for (const QString &field : headerFields())
            fields << field.toUtf8();
        return fields;
    }();
    static const QByteArray race = raceKind.toUtf8(), grandNational = grandNationalKind.toUtf8();
    if (records_++ == 0 && fields == QList<QByteArrayView>(header.begin(), header.end()))
        return;
    if (fields.size() == 1 && fields[0].isEmpty())
        return;  // an empty line
    Race entry;
    bool ok = fields.size() == fieldCount && parseWhen(fields[0], &entry.clock, &entry.offset) &&
              (fields[1] == race || fields[1] == grandNational);
    for (int i = 0; ok && i < 5; ++i) {
        entry.odds[i] = fields[3 + 2 * i].toInt(&ok);
        ok = ok && entry.odds[i] >= 0;
    }
    ok = ok && (fields[19] == "yes" || fields[19] == "no") && parseMoney(fields[13], &entry.stake) &&
         parseMoney(fields[15], &entry.winnings) && parseMoney(fields[16], &entry.ownersPrize) &&
         parseMoney(fields[17], &entry.charge) && parseMoney(fields[18], &entry.fine) &&
         parseMoney(fields[20], &entry.cash) && parseMoney(fields[21], &entry.debt);
    if (!ok) {
        ++book_.skipped;
        return;
    }
    entry.grandNational = fields[1] == grandNational;
    entry.drug = fields[19] == "yes";
    auto name = [this](QByteArrayView bytes) {
        name_.resize(decoder_.requiredSpace(bytes.size()));
        const QChar *end = decoder_.appendToBuffer(name_.data(), bytes);
        name_.truncate(end - name_.constData());
        return book_.names.add(name_);
    };
    for (int i = 0; i < 5; ++i)
        entry.horses[i] = name(fields[2 + 2 * i]);
    entry.backed = name(fields[12]);
    entry.winner = name(fields[14]);
    book_.races.append(entry);
}

Book loadBook(const QString &path, const std::function<bool(qint64, qint64)> &progress)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    Book failed;
    const platform::OpenedFile file = platform::openOrdinaryFile(path, O_RDONLY, true);
    if (file.fd < 0) {
        failed.error = file.error;
        return failed;
    }
    BookReader reader(std::min(file.size, bookSizeLimit));
    QByteArray piece(pieceSize, Qt::Uninitialized);
    // A book that passes the limit while it is read is too large, whatever its size claimed.
    qint64 done = file.size > bookSizeLimit ? bookSizeLimit + 1 : 0;
    for (;;) {
        if (done > bookSizeLimit) {
            failed.error = QStringLiteral("it is larger than 64 MB (some 400,000 races), more than the Race Book "
                                          "shows. Races are still added to it; to start a new book, move %1 out "
                                          "of the data folder, or clear it with Clear Book.")
                               .arg(info.fileName());
            break;
        }
        if (progress && !progress(done, file.size)) {
            failed.error = QStringLiteral("the reading was stopped");
            break;
        }
        const ssize_t n = ::read(file.fd, piece.data(), size_t(pieceSize));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failed.error = QString::fromLocal8Bit(std::strerror(errno));
            break;
        }
        if (n == 0) {
            ::close(file.fd);
            return reader.finish();
        }
        done += n;
        reader.feed(QByteArrayView(piece.constData(), n));
    }
    ::close(file.fd);
    return failed;
}

}  // namespace book
