#pragma once
// The program folder, its data files, and ending the program.
#include <QString>
#include <functional>

namespace platform {

// The folder the game keeps everything in: production uses the executable's
// folder, tests a temporary copy of an installation.
QString programFolder();
void setProgramFolder(const QString &folder);
// The program folder joined with a relative path ("data/user1cash.pdx").
QString programPath(const QString &relative);
// A file in the data folder ("user1cash.pdx").
QString dataPath(const QString &fileName);
QString dataFolder();

// Ends the program at once: no window's closing handling runs. Tests replace
// the action to see that the program would have ended.
void endProgram(int code = 0);
void setEndProgramAction(std::function<void(int)> action);

}  // namespace platform
