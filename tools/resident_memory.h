#pragma once
// Resident memory of a running process, for the benchmarks and tests.

#include <QFile>
#include <QString>

// A memory figure of process `pid` ("self" for this process) in KiB, by its
// name in /proc/<pid>/status ("VmRSS", "VmHWM"), or -1.
inline long status_kib(const QByteArray& field, const QString& pid = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = field + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    return -1;
}

// Resident memory now.
inline long resident_kib(const QString& pid = QStringLiteral("self"))
{
    return status_kib("VmRSS", pid);
}
