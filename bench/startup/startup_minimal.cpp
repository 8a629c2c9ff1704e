// The yardstick: the smallest Qt Widgets program that shows a window.
#include "shown_probe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    ShownProbe probe;
    label.installEventFilter(&probe);
    label.show();
    return application.exec();
}
