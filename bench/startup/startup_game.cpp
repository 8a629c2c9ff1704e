// The game's start-up exactly as main() does it, stopped when the splash is first painted.
#include "shown_probe.h"

#include "app/splash_window.h"
#include "app/window_registry.h"
#include "platform/widgets/qt_dialogs.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Paddox6"));
    platform::QtDialogs dialogs;
    platform::setDialogs(&dialogs);
    ShownProbe probe;
    SplashWindow *splash = app::window<SplashWindow>();
    splash->installEventFilter(&probe);
    splash->show();
    return application.exec();
}
