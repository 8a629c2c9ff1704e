#pragma once
// Bringing the players of the other edition, iPaddoxV, into this installation.
// That edition leaves its installation folder in a one-line location record,
// "Tamblor Networks/iPaddoxV.loc" in the user's configuration folder (the last
// line counts); its players are in the "data" folder inside it.
#include "player/first_run.h"

#include <QString>

namespace player {

// Where the location record is looked for. Tests point it elsewhere; an empty
// path puts back the usual place.
QString locationRecordPath();
void setLocationRecordPath(const QString &path);

inline const QString importDoneMessage =
    QStringLiteral("All User Data As Been Successfully Transfered From iPaddoxV To Paddox6");
inline const QString noPreviousVersionsMessage = QStringLiteral(
    "No Previous Versions Of Paddox Have Been Detected. Paddox6 Will Continue With Normal Setup. Please note "
    "Paddox6 cannot upgrade from Paddox2002/SE or Before.");

struct ImportOutcome {
    bool completed = false;    // all five slots were copied
    int slotsCopied = 0;       // slots copied completely, counted from slot 1
    FileProblem writeProblem;  // a file of this installation could not be written
};

// Copies the other edition's five players into slots 1..5 and tells the player
// how it went. A slot is copied only when every one of its files could be read,
// so no slot is left half old and half new. When the copy stops, the slots
// copied so far stay, and slot 1 becomes a new player unless it was copied.
// Sets the current slot to 2..5 while those slots are copied (6 at the end).
ImportOutcome importOtherEdition();

}  // namespace player
