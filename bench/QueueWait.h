#pragma once

#include <QFile>
#include <QList>

// Nanoseconds this thread has waited, ready to run, for a processor.
inline qint64 queueWaitNs()
{
    QFile stat(QStringLiteral("/proc/thread-self/schedstat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = stat.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() : 0;
}
