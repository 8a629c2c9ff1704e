#include "player/record_files.h"

#include "platform/program.h"
#include "platform/text_files.h"

namespace player {

QString defaultName(int slot)
{
    return slot == 1 ? QStringLiteral("User 1") : QStringLiteral("user%1").arg(slot);
}

QStringList recordSuffixes()
{
    QStringList suffixes = playingSuffixes;
    suffixes << nameSuffix << passwordSuffix;
    return suffixes;
}

QString defaultFieldText(int slot, const QString &suffix)
{
    if (suffix == nameSuffix)
        return defaultName(slot);
    if (suffix == passwordSuffix)
        return defaultPassword;
    const qsizetype field = playingSuffixes.indexOf(suffix);
    if (field < 0)
        return QString();
    return defaultPlayingFields().inSaveOrder().value(field);
}

namespace {
bool breaksLine(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}
}  // namespace

NameFault nameFault(const QString &name)
{
    if (breaksLine(name))
        return NameFault::LineBreak;
    return name.size() > longestName ? NameFault::TooLong : NameFault::None;
}

QString nameRefusal(const QString &name)
{
    const NameFault fault = nameFault(name);
    if (fault == NameFault::LineBreak)
        return QStringLiteral("A player's name must fit on one line. Please type it again without line breaks.");
    if (fault == NameFault::TooLong)
        return QStringLiteral("A player's name can have at most %1 characters. Please choose a shorter name.")
            .arg(longestName);
    return QString();
}

QString passwordRefusal(const QString &password)
{
    if (breaksLine(password))
        return QStringLiteral("A password must fit on one line. Please type it again without line breaks.");
    return QString();
}

QString recordFileName(int slot, const QString &suffix) { return QStringLiteral("user%1%2").arg(slot).arg(suffix); }

QString recordPath(int slot, const QString &suffix) { return platform::dataPath(recordFileName(slot, suffix)); }

QStringList PlayingFields::inSaveOrder() const
{
    QStringList values{cash, debt, share};
    for (const QString &horse : horses)
        values << horse;
    return values;
}

PlayingFields defaultPlayingFields()
{
    PlayingFields fields;
    fields.cash = defaultMoney;
    fields.debt = defaultMoney;
    fields.share = noShares;
    fields.horses = defaultHorseNames;
    return fields;
}

QString writePlayingFiles(int slot, const PlayingFields &fields)
{
    QString firstError;
    const QStringList values = fields.inSaveOrder();
    for (int i = 0; i < playingSuffixes.size(); ++i) {
        const QString path = recordPath(slot, playingSuffixes[i]);
        const platform::WriteResult written = platform::writeTextLine(path, values[i]);
        if (!written && firstError.isEmpty())
            firstError = QStringLiteral("%1: %2").arg(path, written.error);
    }
    return firstError;
}

namespace {
short slotNow = 0;
}
short currentSlot() { return slotNow; }
void setCurrentSlot(short slot) { slotNow = slot; }

}  // namespace player
