#include "ProcessMemory.h"

#include <QByteArray>
#include <QFile>

#include <malloc.h>

namespace {

qint64 statusField(const QByteArray& name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith(name + ':'))
            continue;
        // "VmHWM:     12345 kB"
        bool ok = false;
        const qint64 kibibytes =
            line.mid(name.size() + 1).trimmed().chopped(3).trimmed().toLongLong(&ok);
        return ok ? kibibytes * 1024 : -1;
    }
    return -1;
}

} // namespace

qint64 residentBytes() {
    return statusField("VmRSS");
}

qint64 peakResidentBytes() {
    return statusField("VmHWM");
}

bool resetPeakResident() {
    malloc_trim(0);
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    // "5" resets the peak resident set size to the current one.
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1 && clearRefs.flush();
}
