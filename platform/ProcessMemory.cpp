#include "platform/ProcessMemory.h"

#include <QDir>
#include <QFile>

#include <malloc.h>

namespace {

long StatusKb(const QByteArray& status, const QByteArray& key) {
    const qsizetype at = status.indexOf("\n" + key + ":");
    if (at < 0)
        return 0;
    const qsizetype end = status.indexOf('\n', at + 1);
    return status.mid(at + key.size() + 2, end - at - key.size() - 2)
        .trimmed()
        .split(' ')
        .front()
        .toLong();
}

int EntriesIn(const QString& folder) {
    return static_cast<int>(
        QDir(folder)
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden)
            .size());
}

} // namespace

// Every file the engine opens starts decoder and demuxer threads, and the C
// library gives new threads heaps of their own that keep what they freed:
// 100 entry changes took the program from 173 to 347 MB. Measured over 100
// changes on the sample disc: two heaps ended at 221 MB, one at 201 MB, one
// heap and a trim after each file at 180 MB; first frames and CPU did not
// change beyond the noise of the machine.
void LimitHeapArenas() {
    mallopt(M_ARENA_MAX, 1);
}

// Without it a closed file's freed pages stay resident inside the heap.
void ReleaseFreedMemory() {
    malloc_trim(0);
}

TProcessFigures ReadProcessFigures() {
    QFile file(QStringLiteral("/proc/self/status"));
    QByteArray status;
    if (file.open(QIODevice::ReadOnly))
        status = "\n" + file.readAll();
    file.close();
    TProcessFigures figures;
    figures.RssKb = StatusKb(status, "VmRSS");
    figures.PeakRssKb = StatusKb(status, "VmHWM");
    figures.Threads = static_cast<int>(StatusKb(status, "Threads"));
    // The listing's own descriptor is open while it reads; it is not counted.
    figures.Descriptors = EntriesIn(QStringLiteral("/proc/self/fd")) - 1;
    return figures;
}
