// The record line reader: whatever bytes a record file holds are decoded and cut to
// their last line, and a line the game writes reads back as itself.
#include "platform/text_files.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = platform::decodeText(bytes);
    const std::optional<QString> line = platform::lastLineOf(bytes);
    // No bytes, no line; otherwise one line of the decoded text, without a line feed.
    if (bytes.isEmpty() == line.has_value())
        std::abort();
    if (!line)
        return 0;
    if (line->contains(QLatin1Char('\n')) || !text.contains(*line))
        std::abort();
    // What the saves write comes back unchanged: any text without a line end that
    // UTF-8 can hold and that does not begin with a byte-order mark.
    const bool writable = !line->contains(QLatin1Char('\r')) && !line->startsWith(QChar(0xFEFF)) &&
                          QString::fromUtf8(line->toUtf8()) == *line;
    if (writable && platform::lastLineOf(platform::textLineBytes(*line)) != *line)
        std::abort();
    return 0;
}
