#pragma once
// The game's one-line text files. Every write replaces the whole file atomically
// (a crash leaves the old line or the new one, never half); lines end in CR LF.
// Every read takes the file line by line and the last line counts.
#include <QString>
#include <optional>

namespace platform {

struct ReadResult {
    bool opened = false;              // the file exists and could be read
    std::optional<QString> lastLine;  // nullopt when the file holds no line at all
    QString error;                    // why it could not be read, for the player
};

// Game files are short; anything larger than this is not one of ours.
inline constexpr qint64 gameFileSizeLimit = 1 << 20;

// Reads every line (CR LF, LF and a last line without an end read the same);
// the last one counts. UTF-8, or Windows-1252 for files from older installations,
// or UTF-16 after its byte-order mark. Only an ordinary file is read (never a
// folder, a device or a pipe), and never more than the size limit.
ReadResult readLastLine(const QString &path);

// The bytes of an ordinary file of at most `limit` bytes; otherwise an error for the player.
struct BytesRead {
    bool opened = false;
    QByteArray bytes;
    QString error;
};
BytesRead readGameFile(const QString &path, qint64 limit = gameFileSizeLimit);

// A file opened (`flags` as for ::open) without waiting, and checked to be an ordinary file
// before a byte is read or written: never a folder, a device or a pipe, and with `noLinks` never
// a link in the file's own place either (nothing is read or written through it).
struct OpenedFile {
    int fd = -1;    // -1 when it could not be opened or is not an ordinary file
    qint64 size = 0;
    QString error;  // why not, for the player
};
OpenedFile openOrdinaryFile(const QString &path, int flags, bool noLinks = false);

// The last line of a file's bytes; nullopt when they hold no line at all.
std::optional<QString> lastLineOf(const QByteArray &bytes);

struct WriteResult {
    bool ok = false;
    QString error;  // why the file could not be written, for the player
    explicit operator bool() const { return ok; }
};

// Replaces the file with the bytes, atomically: the old file stays until every byte
// of the new one is written (a full disk keeps the old file and says so). With
// `sync`, the folder is synced too, so the new file survives a power cut.
WriteResult writeBytes(const QString &path, const QByteArray &bytes, bool sync = false);
// The bytes of a text line: UTF-8, then CR LF.
QByteArray textLineBytes(const QString &text);
// Replaces the file with one line holding the text unchanged, then CR LF.
WriteResult writeTextLine(const QString &path, const QString &text);
// Replaces the file with a number line: a blank (a minus sign for a negative
// number), the digits, a blank, then CR LF.
WriteResult writeNumberLine(const QString &path, long long number);
// The text of a number line, without its line end.
QString numberLineText(long long number);

// Text from bytes: UTF-16 after its byte-order mark, UTF-8 when valid, Windows-1252 otherwise.
QString decodeText(const QByteArray &bytes);

}  // namespace platform
