#include "platform/settings.h"

#include <QHash>

namespace platform {

namespace {
QHash<QString, bool> &inForce()
{
    static QHash<QString, bool> switches;
    return switches;
}
}  // namespace

QSettings gameSettings() { return QSettings(QStringLiteral("Tamblor"), QStringLiteral("Paddox6")); }

bool switchOn(const QString &key, bool byDefault)
{
    auto found = inForce().constFind(key);
    if (found == inForce().constEnd())
        found = inForce().insert(key, gameSettings().value(key, byDefault).toBool());
    return *found;
}

bool setSwitch(const QString &key, bool on)
{
    inForce().insert(key, on);
    QSettings settings = gameSettings();
    settings.setValue(key, on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace platform
