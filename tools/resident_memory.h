#pragma once
// Resident memory of a running process, for the benchmarks.

#include <QFile>
#include <QString>

// VmRSS of process `pid` in KiB ("self" for this process), or -1.
inline long resident_kib(const QString& pid = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
