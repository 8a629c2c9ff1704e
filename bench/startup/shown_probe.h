#pragma once
// Reports the moment a window is first painted: prints the peak memory so far
// and ends the process at once, so the driver can time exec -> first picture.
#include <QEvent>
#include <QFile>
#include <QObject>
#include <cstdio>
#include <cstdlib>

class ShownProbe : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            std::printf("shown %lld\n", peakKiB());
            std::fflush(stdout);
            std::_Exit(0);
        }
        return QObject::eventFilter(watched, event);
    }

    static long long peakKiB()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong();
        return -1;
    }
};
