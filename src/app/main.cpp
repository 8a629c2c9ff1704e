// Paddox: start-up. The splash window opens the game.
#include "app/window_registry.h"
#include "platform/dialogs.h"
#include "platform/instance_lock.h"
#include "platform/program.h"
#include "platform/version.h"
#include "platform/widgets/qt_dialogs.h"
#include "platform/widgets/qt_sounds.h"
#include "player/record_safety.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

QString versionText()
{
    return QStringLiteral("paddox %1.%2.%3")
        .arg(platform::versionMajor)
        .arg(platform::versionMinor)
        .arg(platform::versionRevision);
}

// The options the game takes. Returns the exit code when the command line is
// answered without starting the game (help, version, a mistake).
std::optional<int> readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Paddox, a horse-race betting game for up to five players."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "paddox: %s\nTry 'paddox --help'.\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(version)) {
        std::printf("%s\n", qPrintable(versionText()));
        return 0;
    }
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "paddox: unexpected argument '%s'\nTry 'paddox --help'.\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return 2;
    }
    return std::nullopt;
}

// Help and version are answered before any window system is needed.
bool asksForInformation(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-?", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

}  // namespace

int main(int argc, char **argv)
{
    if (asksForInformation(argc, argv)) {
        QCoreApplication information(argc, argv);
        return readCommandLine(QCoreApplication::arguments()).value_or(0);
    }
    QApplication application(argc, argv);  // takes the toolkit's own options off the command line
    QApplication::setApplicationName(QStringLiteral("Paddox6"));
    if (const std::optional<int> answered = readCommandLine(QCoreApplication::arguments()))
        return *answered;
    platform::QtDialogs dialogs;
    platform::setDialogs(&dialogs);
    // Nothing is loaded, and no audio device asked for, until a sound first plays.
    platform::QtSounds sounds;
    platform::setSounds(&sounds);
    // One game per data folder; a second copy changes no file and ends. An installed
    // copy makes the player's folders on its first start.
    platform::makePlayerFolders();
    platform::InstanceLock lock;
    if (!lock.acquire()) {
        platform::say(lock.error(), platform::Icon::Critical);
        platform::setSounds(nullptr);
        platform::setDialogs(nullptr);
        return 1;
    }
    // Interrupted saves are completed before anything reads a record; what cannot be
    // completed now is told when that player signs in.
    player::startUpRepairs();
    app::startGame();
    const int code = application.exec();
    platform::setSounds(nullptr);
    platform::setDialogs(nullptr);
    return code;
}
