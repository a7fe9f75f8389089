#pragma once

// This process's memory as Linux reports it, for the benchmarks' peak
// figures.

#include <QByteArray>
#include <QFile>
#include <QList>

#include <cstring>

namespace ProcessMemory {

// A "key: value kB" field of /proc/self/status ("VmRSS:", "VmHWM:"), in
// KiB; 0 where it cannot be read.
inline qint64 statusKiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Resets the kernel's high-water mark (VmHWM) to the present resident set
// and returns that set in KiB.
inline qint64 resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
    return statusKiB("VmRSS:");
}

} // namespace ProcessMemory
