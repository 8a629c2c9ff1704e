// Paddox: start-up. The splash window opens the game.
#include "app/window_registry.h"
#include "app/splash_window.h"
#include "platform/widgets/qt_dialogs.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Paddox6"));
    platform::QtDialogs dialogs;
    platform::setDialogs(&dialogs);
    app::window<Form1>()->show();
    const int code = application.exec();
    platform::setDialogs(nullptr);
    return code;
}
