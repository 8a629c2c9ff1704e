#include "platform/text_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
// Windows-1252's characters 0x80..0x9F; the rest is Latin-1. Unused codes map to themselves.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

// Makes a renamed file's new name last: the folder's entry is written out too.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
}  // namespace

QString decodeText(const QByteArray &bytes)
{
    // What a text editor saves as "Unicode": UTF-16 after its byte-order mark.
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(cp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

OpenedFile openOrdinaryFile(const QString &path, int flags, bool noLinks)
{
    OpenedFile opened;
    // Opened without waiting: a named pipe would otherwise hang the game.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (noLinks ? O_NOFOLLOW : 0), 0666);
    if (fd < 0) {
        const int code = errno;
        opened.error = code == ENOENT   ? QStringLiteral("the file does not exist")
                       : code == ELOOP  ? QStringLiteral("it is a link to another file, not a file of its own")
                       : code == EISDIR ? QStringLiteral("it is a folder, not a file")
                                        : systemError(code);
        return opened;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        opened.error = systemError(errno);
    else if (S_ISDIR(info.st_mode))
        opened.error = QStringLiteral("it is a folder, not a file");
    else if (!S_ISREG(info.st_mode))
        opened.error = QStringLiteral("it is not an ordinary file (a device or a pipe)");
    if (!opened.error.isEmpty()) {
        ::close(fd);
        return opened;
    }
    opened.fd = fd;
    opened.size = info.st_size;
    return opened;
}

BytesRead readGameFile(const QString &path, qint64 limit)
{
    BytesRead result;
    const OpenedFile file = openOrdinaryFile(path, O_RDONLY);
    if (file.fd < 0) {
        result.error = file.error;
        return result;
    }
    // One byte past the limit tells a file that is too large, whatever its size claims.
    char chunk[4096];
    QByteArray bytes;
    while (bytes.size() <= limit) {
        const auto want = static_cast<size_t>(std::min<qint64>(sizeof chunk, limit + 1 - bytes.size()));
        const ssize_t n = ::read(file.fd, chunk, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = systemError(errno);
            break;
        }
        if (n == 0)
            break;
        bytes.append(chunk, n);
    }
    if (result.error.isEmpty() && bytes.size() > limit)
        result.error = QStringLiteral("the file is too large to be a game file");
    if (result.error.isEmpty()) {
        result.bytes = bytes;
        result.opened = true;
    }
    ::close(file.fd);
    return result;
}

std::optional<QString> lastLineOf(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    QString text = decodeText(bytes);
    // A trailing line end closes the last line; it does not start another.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    const qsizetype start = text.lastIndexOf(QLatin1Char('\n')) + 1;
    QString line = text.mid(start);
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

ReadResult readLastLine(const QString &path)
{
    ReadResult result;
    const BytesRead read = readGameFile(path);
    result.opened = read.opened;
    result.error = read.error;
    if (read.opened)
        result.lastLine = lastLineOf(read.bytes);
    return result;
}

WriteResult writeBytes(const QString &path, const QByteArray &bytes, bool sync)
{
    WriteResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    // A full disk shows only when the bytes leave the buffer: they are pushed out
    // and checked here, before the new file may take the old one's place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    if (sync)
        syncFolder(QFileInfo(path).absolutePath());
    result.ok = true;
    return result;
}

QByteArray textLineBytes(const QString &text) { return text.toUtf8() + "\r\n"; }

WriteResult writeTextLine(const QString &path, const QString &text) { return writeBytes(path, textLineBytes(text)); }

QString numberLineText(long long number)
{
    return number < 0 ? QStringLiteral("-%1 ").arg(-static_cast<unsigned long long>(number))
                      : QStringLiteral(" %1 ").arg(number);
}

WriteResult writeNumberLine(const QString &path, long long number)
{
    return writeTextLine(path, numberLineText(number));
}

}  // namespace platform
