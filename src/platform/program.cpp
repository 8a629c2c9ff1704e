#include "platform/program.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>

namespace platform {

namespace {
QString &folder()
{
    static QString f;
    return f;
}
std::function<void(int)> &endAction()
{
    static std::function<void(int)> action;
    return action;
}
}  // namespace

QString programFolder()
{
    if (folder().isEmpty())
        return QCoreApplication::applicationDirPath();
    return folder();
}

void setProgramFolder(const QString &f) { folder() = f; }

QString programPath(const QString &relative) { return QDir(programFolder()).filePath(relative); }
QString dataFolder() { return programPath(QStringLiteral("data")); }
QString dataPath(const QString &fileName) { return QDir(dataFolder()).filePath(fileName); }

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
