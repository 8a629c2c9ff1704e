#pragma once
// Where the game's files live, and ending the program.
//
// Two roots: the installation's read-only files (help pages, the credits page)
// and the players' writable files (data/, hall/, the flag files). A portable copy
// (the executable's folder holds a writable data/ folder: the build folder, an
// unpacked archive) keeps both beside the executable; an installed copy reads its
// pages from <prefix>/share/paddox and keeps the players' files in the per-user
// data location. Only this file knows which of the two it is.
#include <QString>
#include <functional>

namespace platform {

struct Roots {
    QString installation;  // read-only files
    QString player;        // data/, hall/
    bool portable = false;
};

// The choice itself. `writable` tells whether a folder exists and the game may
// create files in it.
Roots chooseRoots(const QString &executableFolder, const QString &shareFolder, const QString &userFolder,
                  const std::function<bool(const QString &)> &writable);
// Whether a file can be created in the folder (tried, not taken from the permission bits).
bool folderWritable(const QString &folder);
// The roots of this run, chosen once on first use.
Roots roots();

// The installation's root; tests and benchmarks make a temporary copy of an
// installation the portable root of both kinds of files.
QString programFolder();
void setProgramFolder(const QString &folder);
// An installed read-only file ("whats/paddoxhelpmain.htm").
QString programPath(const QString &relative);
// A folder or file of the players' own ("hall", "data").
QString playerPath(const QString &relative);
// A file in the data folder ("user1cash.pdx").
QString dataPath(const QString &fileName);
QString dataFolder();
// Creates the players' folders (data/, hall/) where they are missing.
bool makePlayerFolders();

// Ends the program at once: no window's closing handling runs. Tests replace
// the action to see that the program would have ended.
void endProgram(int code = 0);
void setEndProgramAction(std::function<void(int)> action);

}  // namespace platform
