// The save journal as the start of the game finds it: any bytes, for any slot. Only a
// whole journal is taken, and one that is taken holds a record that saves the same way.
#include "player/record_safety.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int slot = 1 + data[0] % 5;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const std::optional<player::PlayingFields> fields = player::parseJournal(slot, bytes);
    if (!fields)
        return 0;
    const std::optional<player::PlayingFields> again = player::parseJournal(slot, player::journalBytes(slot, *fields));
    if (!again || again->inSaveOrder() != fields->inSaveOrder())
        std::abort();
    // Another slot's journal is never taken for this one.
    if (player::parseJournal(slot % 5 + 1, bytes))
        std::abort();
    return 0;
}
