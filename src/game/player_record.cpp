#include "game/player_record.h"

namespace game {

player::PlayingFields PlayerRecord::playingFields() const
{
    player::PlayingFields fields;
    fields.cash = platform::moneyText(cash);
    fields.debt = platform::moneyText(debt);
    fields.share = share;
    fields.horses = horses;
    return fields;
}

QString shareFromFile(const QString &text)
{
    return text.isEmpty() || text == QLatin1String("0") ? player::noShares : text;
}

PlayerRecord recordFromFiles(int slot, const QStringList &playingTexts, const QString &name)
{
    PlayerRecord record;
    record.slot = slot;
    record.name = name;
    record.cash = platform::moneyOrZero(playingTexts.value(0));
    record.debt = platform::moneyOrZero(playingTexts.value(1));
    record.share = shareFromFile(playingTexts.value(2));
    for (int i = 0; i < horseCount; ++i)
        record.horses[i] = playingTexts.value(3 + i);
    return record;
}

}  // namespace game
