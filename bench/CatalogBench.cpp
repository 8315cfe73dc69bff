// Loading the catalog and one tick of the disc watch.
#include "catalog/CatalogRecord.h"
#include "shell/Pathes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A machine's usual mounts, then the disc as a fuseiso image.
QByteArray MountInfoWithDisc(const QString& disc) {
    QByteArray lines;
    for (int i = 0; i < 30; ++i)
        lines += QByteArray::number(100 + i) + " 1 0:" + QByteArray::number(i) + " / /mnt/m" +
                 QByteArray::number(i) + " rw,relatime shared:1 - ext4 /dev/sda" +
                 QByteArray::number(i) + " rw\n";
    lines += "200 1 0:99 / " + QFile::encodeName(disc) +
             " ro,nosuid,nodev,relatime - fuse.fuseiso fuseiso ro,user_id=0,group_id=0\n";
    return lines;
}

class Fixture {
public:
    Fixture() {
        SetProgramFolderForTesting(Temp.filePath("prog"));
        SetProgramFileNameForTesting("Quorvix_Player");
        QDir().mkpath(Temp.filePath("prog"));
        WriteFile(Temp.filePath("disc/QUORVIX_PLAYER.EXE"), "MZ");
        WriteFile(Temp.filePath("disc/VIDEO/CLIP01.AVI"), "RIFF");
        WriteFile(Temp.filePath("mountinfo"), MountInfoWithDisc(Temp.filePath("disc")));
        SetMountInfoPathForTesting(Temp.filePath("mountinfo"));
    }
    ~Fixture() {
        SetProgramFolderForTesting({});
        SetProgramFileNameForTesting({});
        SetMountInfoPathForTesting({});
    }
    QString Path(const QString& name) const { return Temp.filePath(name); }

private:
    QTemporaryDir Temp;
};

void BM_LoadCatalog(benchmark::State& state) {
    Fixture fixture;
    std::vector<CatalogRecord> records(static_cast<size_t>(state.range(0)));
    for (auto& r : records)
        SetShortString(r.Title, "\xC2\xEE\xE4\xEE\xEF\xE0\xE4");
    QDir().mkpath(fixture.Path("prog/Data"));
    WriteCatalogFile(fixture.Path("prog/Data/All.dat"), records);
    for (auto _ : state) {
        LoadCatalog();
        benchmark::DoNotOptimize(Catalog.data());
    }
    if (!CatalogLoaded || Catalog.size() != records.size())
        state.SkipWithError("catalog did not load");
    state.SetBytesProcessed(state.iterations() * state.range(0) *
                            static_cast<int64_t>(sizeof(CatalogRecord)));
}
BENCHMARK(BM_LoadCatalog)->Arg(256)->Arg(65536)->Unit(benchmark::kMicrosecond);

void BM_DiscWatchTick(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state)
        benchmark::DoNotOptimize(ProgramDiscPresent());
    if (!ProgramDiscPresent())
        state.SkipWithError("disc not seen");
}
BENCHMARK(BM_DiscWatchTick)->Unit(benchmark::kMicrosecond);

void BM_DiscWatchTickNoDisc(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ProgramDiscPresent());
}
BENCHMARK(BM_DiscWatchTickNoDisc)->Unit(benchmark::kMicrosecond);

void BM_LocateFileOnDisc(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state)
        benchmark::DoNotOptimize(LocateFile("Video\\clip01.avi"));
    if (LocateFile("Video\\clip01.avi").isEmpty())
        state.SkipWithError("file not found");
}
BENCHMARK(BM_LocateFileOnDisc)->Unit(benchmark::kMicrosecond);

} // namespace
