#include "support/test_installation.h"

#include "app/window_registry.h"
#include "game/session.h"
#include "platform/settings.h"
#include "platform/sound.h"
#include "platform/program.h"
#include "player/record_files.h"
#include "update/version_check.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

namespace testing {

namespace {
QList<int> ends;  // the codes the game asked to end with

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); it.hasNext();) {
        const QString source = it.next(), target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        it.fileInfo().isDir() ? void(QDir().mkpath(target)) : void(QFile::copy(source, target));
    }
}
}  // namespace

TestInstallation::TestInstallation()
{
    // A fresh game: no window and no session left from an earlier test.
    app::destroyAllWindows();
    game::Session::reset();
    // The Tools menu's switches as a new player finds them, whatever an earlier test left.
    platform::setSoundOn(true);
    platform::setSwitch(platform::resultsInRaceWindowKey, false);
    copyTree(QStringLiteral(PADDOX_INSTALL_DIR), dir_.path());
    QDir(dir_.path()).mkpath(QStringLiteral("data")), QDir(dir_.path()).mkpath(QStringLiteral("hall"));
    // Files of a real installation must not leak into a test's fresh data folder.
    QDir data(dataFile(QString()));
    for (const QString &f : data.entryList(QDir::Files))
        data.remove(f);
    platform::setProgramFolder(dir_.path());
    ends.clear();
    platform::setEndProgramAction([](int code) { ends.append(code); });
    update::setAutomaticChecksOn(false);  // a test of the check switches it on itself
}

TestInstallation::~TestInstallation()
{
    app::destroyAllWindows();
    game::Session::reset();
    platform::setProgramFolder(QString());
}

QString TestInstallation::dataFile(const QString &name) const { return QDir(dir_.path()).filePath(QStringLiteral("data/") + name); }

void TestInstallation::writeData(const QString &name, const QByteArray &bytes) const
{
    QFile f(dataFile(name));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray TestInstallation::readData(const QString &name) const
{
    QFile f(dataFile(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestInstallation::dataExists(const QString &name) const { return QFile::exists(dataFile(name)); }

void TestInstallation::writeDefaultPlayers(const QString &country) const
{
    for (int slot = 1; slot <= player::slotCount; ++slot) {
        writeData(player::recordFileName(slot, player::nameSuffix), player::defaultName(slot).toUtf8() + "\r\n");
        writeData(player::recordFileName(slot, player::passwordSuffix), "7351\r\n");
        const QStringList values = player::defaultPlayingFields().inSaveOrder();
        for (int i = 0; i < player::playingSuffixes.size(); ++i)
            writeData(player::recordFileName(slot, player::playingSuffixes[i]), values[i].toUtf8() + "\r\n");
    }
    writeData(QStringLiteral("pdxcountry.pdx"), country.toUtf8() + "\r\n");
}

int TestInstallation::endRequests() const { return int(ends.size()); }
QList<int> TestInstallation::endCodes() const { return ends; }

}  // namespace testing
