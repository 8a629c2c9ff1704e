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

// Reads every line (CR LF, LF and a last line without an end read the same);
// the last one counts. UTF-8, or Windows-1252 for files from older installations.
ReadResult readLastLine(const QString &path);

struct WriteResult {
    bool ok = false;
    QString error;  // why the file could not be written, for the player
    explicit operator bool() const { return ok; }
};

// Replaces the file with one line holding the text unchanged, then CR LF.
WriteResult writeTextLine(const QString &path, const QString &text);
// Replaces the file with a number line: a blank (a minus sign for a negative
// number), the digits, a blank, then CR LF.
WriteResult writeNumberLine(const QString &path, long long number);
// The text of a number line, without its line end.
QString numberLineText(long long number);

// Text from bytes: UTF-8 when valid, Windows-1252 otherwise.
QString decodeText(const QByteArray &bytes);

}  // namespace platform
