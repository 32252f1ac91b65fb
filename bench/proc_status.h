#pragma once

#include <QByteArray>
#include <QFile>

// A figure of this process from /proc/self/status, in KiB ("VmRSS",
// "VmHWM"); -1 where there is none.
inline long procStatusKib(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}
