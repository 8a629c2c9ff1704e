#include "platform/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdlib>
#include <optional>

#ifndef PADDOX_SHARE_RELATIVE
#define PADDOX_SHARE_RELATIVE "../share/paddox"
#endif

namespace platform {

namespace {
std::optional<Roots> &chosen()
{
    static std::optional<Roots> r;
    return r;
}
std::function<void(int)> &endAction()
{
    static std::function<void(int)> action;
    return action;
}
}  // namespace

Roots chooseRoots(const QString &executableFolder, const QString &shareFolder, const QString &userFolder,
                  const std::function<bool(const QString &)> &writable)
{
    if (writable(QDir(executableFolder).filePath(QStringLiteral("data"))))
        return {executableFolder, executableFolder, true};
    return {shareFolder, userFolder, false};
}

bool folderWritable(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("write-test-XXXXXX")));
    return probe.open();
}

Roots roots()
{
    if (!chosen()) {
        const QString executable = QCoreApplication::applicationDirPath();
        const QString share = QDir::cleanPath(QDir(executable).filePath(QStringLiteral(PADDOX_SHARE_RELATIVE)));
        chosen() = chooseRoots(executable, share, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                               folderWritable);
    }
    return *chosen();
}

QString programFolder() { return roots().installation; }

void setProgramFolder(const QString &f)
{
    if (f.isEmpty())
        chosen().reset();
    else
        chosen() = Roots{f, f, true};
}

QString programPath(const QString &relative) { return QDir(programFolder()).filePath(relative); }
QString playerPath(const QString &relative) { return QDir(roots().player).filePath(relative); }
QString dataFolder() { return playerPath(QStringLiteral("data")); }
QString dataPath(const QString &fileName) { return QDir(dataFolder()).filePath(fileName); }

bool makePlayerFolders()
{
    const bool data = QDir().mkpath(dataFolder());
    const bool hall = QDir().mkpath(playerPath(QStringLiteral("hall")));
    return data && hall;
}

void endProgram(int code)
{
    if (endAction()) {
        endAction()(code);
        return;
    }
    // At once: the files are all closed after every write, so nothing is lost.
    std::_Exit(code);
}

void setEndProgramAction(std::function<void(int)> action) { endAction() = std::move(action); }

}  // namespace platform
