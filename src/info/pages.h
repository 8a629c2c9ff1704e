#pragma once
// The help and page windows' own state and rules: the installed pages, the address the page
// window shows next, the credits flag file and the address field's completions.
#include "platform/text_files.h"

#include <QString>
#include <optional>

namespace info {

// The installed pages, as the game names them (relative to the program folder).
inline const QString helpContentsPage = QStringLiteral("\\whats\\paddoxhelpcon.htm");
inline const QString helpMainPage = QStringLiteral("\\whats\\paddoxhelpmain.htm");
inline const QString whatsNewPage = QStringLiteral("\\whats\\whatsnew6.htm");
inline const QString creditsPage = QStringLiteral("\\credits.htm");
// A page name such as "\whats\paddoxhelpmain.htm" as a file of the program folder. An empty
// name gives the main help page.
QString installedPage(const QString &name);

// The address the page window shows when it opens next; empty means the credits page.
QString pageTarget();
void setPageTarget(const QString &address);

// The help page the betting office asks the help window for (its hidden help page field); empty
// means the main help page.
QString helpPage();
void setHelpPage(const QString &page);

// The credits flag file "show.pdx" in the data folder: true when the player asked not to see
// the credits on leaving (its last line is the number 1). A missing or unreadable file, or any
// other line, gives false.
inline const QString creditsFlagFileName = QStringLiteral("show.pdx");
bool creditsSkipped();
platform::WriteResult writeCreditsFlag(bool skip);

// What the address field becomes when its whole text has just become `text`: "htt" gives
// "http://", "ww" gives "http://www."; any other text stays as typed (nothing).
std::optional<QString> completedAddress(const QString &text);

}  // namespace info
