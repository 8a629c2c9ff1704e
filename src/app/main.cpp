// Paddox: start-up. The splash window opens the game.
#include "app/window_registry.h"
#include "app/splash_window.h"
#include "platform/dialogs.h"
#include "platform/instance_lock.h"
#include "platform/program.h"
#include "platform/widgets/qt_dialogs.h"
#include "player/record_safety.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Paddox6"));
    platform::QtDialogs dialogs;
    platform::setDialogs(&dialogs);
    // One game per data folder; a second copy changes no file and ends.
    QDir().mkpath(platform::dataFolder());
    platform::InstanceLock lock;
    if (!lock.acquire()) {
        platform::say(lock.error(), platform::Icon::Critical);
        platform::setDialogs(nullptr);
        return 1;
    }
    // Interrupted saves are completed before anything reads a record; what cannot be
    // completed now is told when that player signs in.
    player::startUpRepairs();
    app::window<Form1>()->show();
    const int code = application.exec();
    platform::setDialogs(nullptr);
    return code;
}
