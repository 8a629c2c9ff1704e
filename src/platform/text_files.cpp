#include "platform/text_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {

namespace {
// Windows-1252's characters 0x80..0x9F; the rest is Latin-1. Unused codes map to themselves.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

QString decodeText(const QByteArray &bytes)
{
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

ReadResult readLastLine(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QFileInfo::exists(path) ? file.errorString() : QStringLiteral("the file does not exist");
        return result;
    }
    result.opened = true;
    // Record files hold one short line; anything vastly larger is not one of ours.
    constexpr qint64 limit = 1 << 20;
    if (file.size() > limit) {
        result.opened = false;
        result.error = QStringLiteral("the file is too large to be a game file");
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.opened = false;
        result.error = file.errorString();
        return result;
    }
    if (bytes.isEmpty())
        return result;
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
    result.lastLine = line;
    return result;
}

WriteResult writeTextLine(const QString &path, const QString &text)
{
    WriteResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = text.toUtf8() + "\r\n";
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

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
