#pragma once
// The player's choices that last between runs (the Tools menu's switches), kept in the desktop's
// settings store under the game's own names.
#include <QSettings>

namespace platform {

// The game's settings.
QSettings gameSettings();

// A switch of the Tools menu: its value in force (read from the settings on first use, `byDefault`
// until the player chooses) and the player's choice, remembered. setSwitch returns false when the
// choice could not be saved: it still holds until the program ends.
bool switchOn(const QString &key, bool byDefault);
bool setSwitch(const QString &key, bool on);

// The settlement's messages after a race shown together in the race window, with one OK, instead
// of one box each. Off until the player chooses it.
inline const QString resultsInRaceWindowKey = QStringLiteral("ResultsInRaceWindow");
inline bool resultsInRaceWindow() { return switchOn(resultsInRaceWindowKey, false); }

}  // namespace platform
