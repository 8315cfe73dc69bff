// Building the catalog tree, applying a favourites file and showing pictures.
#include "catalog/CatalogRecord.h"
#include "catalog/PlayListFile.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/PictureLoader.h"
#include "platform/Exceptions.h"
#include "platform/JpegImage.h"
#include "platform/ProcessMemory.h"
#include "player/Unit1.h"
#include "shell/Pathes.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>

namespace {

// Groups of 16 records with titles of varying length.
void FillCatalog(int64_t count) {
    Catalog.assign(static_cast<size_t>(count), CatalogRecord{});
    for (int64_t i = 0; i < count; ++i) {
        CatalogRecord& record = Catalog[static_cast<size_t>(i)];
        record.GroupKey = static_cast<uint8_t>(i / 16 % 200 + 1);
        SetShortString(record.GroupName, "Group " + std::to_string(i / 16));
        SetShortString(record.Title,
                       "Entry title number " + std::string(i % 23, 'x') + std::to_string(i));
        record.EntryIndex = static_cast<uint8_t>(i % 256);
    }
    CatalogLoaded = true;
}

struct Windows {
    Windows() {
        MainForm = Main.get();
        CatForm2 = Form.get();
    }
    ~Windows() {
        CatForm2 = nullptr;
        MainForm = nullptr;
    }
    std::unique_ptr<TMainForm> Main = std::make_unique<TMainForm>();
    std::unique_ptr<TCatForm2> Form = std::make_unique<TCatForm2>();
};

void BM_BuildCatalogTree(benchmark::State& state) {
    Windows windows;
    FillCatalog(state.range(0));
    for (auto _ : state) {
        windows.Form->BuildCatalogTree();
        windows.Form->CheckAllNodes();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildCatalogTree)->Arg(256)->Arg(10000)->Unit(benchmark::kMillisecond);

// A favourites file that unchecks every third entry, applied after every node
// was checked, as at a disc load.
void BM_ApplyFavourites(benchmark::State& state) {
    Windows windows;
    FillCatalog(state.range(0));
    QTemporaryDir folder;
    WorkDir = folder.path();
    FavFileName = folder.filePath("Favorites.lst");
    std::vector<std::string> lines;
    for (int64_t i = 0; i < state.range(0); ++i)
        lines.push_back((i % 3 ? "1" : "0") + std::string(1, '\xA4') + std::to_string(i % 256));
    WritePlayListFile(FavFileName, lines);
    windows.Form->BuildCatalogTree();
    for (auto _ : state) {
        windows.Form->CheckAllNodes();
        windows.Form->ApplyingPlayList = true;
        windows.Main->RestorePlayList();
        windows.Form->ApplyingPlayList = false;
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    WorkDir.clear();
    FavFileName.clear();
}
BENCHMARK(BM_ApplyFavourites)->Arg(256)->Arg(10000)->Unit(benchmark::kMillisecond);

// The pictures measured: a 4000 x 3000 camera picture with detail
// everywhere, and a wide progressive picture of 16384 x 4096 that keeps
// every coefficient while it decodes (refused, over the budget), and one of
// 4000 x 2000 within the budget.
enum TPicture { Baseline4000x3000, Progressive16384x4096, Progressive4000x2000 };

QImage Detailed(QSize size) {
    QImage picture(size, QImage::Format_RGBX8888);
    QPainter painter(&picture);
    for (int y = 0; y < picture.height(); y += 50)
        for (int x = 0; x < picture.width(); x += 50)
            painter.fillRect(x, y, 50, 50, QColor::fromHsv((x + y) / 10 % 360, 200, 50 + y % 200));
    return picture;
}

QString WritePicture(const QTemporaryDir& folder, TPicture kind) {
    QByteArray bytes;
    if (kind == Baseline4000x3000)
        bytes = EncodeJpeg(Detailed({4000, 3000}), {.Quality = 90});
    else if (kind == Progressive16384x4096)
        bytes = EncodeJpeg(Detailed({16384, 4096}), {.Progressive = true});
    else
        bytes = EncodeJpeg(Detailed({4000, 2000}), {.Progressive = true});
    QDir().mkpath(folder.filePath("Pic"));
    const QString path = folder.filePath("Pic/big.jpg");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The peak resident memory starts again from what is resident now. Large
// blocks are then mapped and unmapped each time, as the first ones are:
// pages a heap gives back otherwise never count in the kernel's peak.
long ResetPeak() {
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    return ReadProcessFigures().RssKb;
}

double CpuMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Clicking an entry with that picture until it is shown: the whole wait, the
// time the window thread spends (it sleeps while the picture decodes), the
// processor time of the whole program, and the peak memory above what was
// resident before the first click.
void BM_ShowEntryPicture(benchmark::State& state) {
    Windows windows;
    FillCatalog(1);
    SetShortString(Catalog[0].MediaName, "big");
    QTemporaryDir folder;
    WritePicture(folder, static_cast<TPicture>(state.range(0)));
    SetProgramFolderForTesting(folder.path());
    QEventLoop shown;
    TPictureLoader& loader = *windows.Form->PictureLoader;
    const auto show = loader.OnLoaded;
    loader.OnLoaded = [&](const std::optional<TJpegPicture>& picture) {
        show(picture);
        shown.quit();
    };
    double windowMs = 0;
    const long before = ResetPeak();
    const double processMs = CpuMs(CLOCK_PROCESS_CPUTIME_ID);
    for (auto _ : state) {
        const double windowStart = CpuMs(CLOCK_THREAD_CPUTIME_ID);
        windows.Main->ShowEntryPicture(0);
        shown.exec();
        windowMs = std::max(windowMs, CpuMs(CLOCK_THREAD_CPUTIME_ID) - windowStart);
    }
    state.counters["window_thread_ms_max"] = windowMs;
    state.counters["cpu_ms"] =
        (CpuMs(CLOCK_PROCESS_CPUTIME_ID) - processMs) / static_cast<double>(state.iterations());
    state.counters["peak_rss_mb"] = (ReadProcessFigures().PeakRssKb - before) / 1024.0;
    state.counters["shown_default"] =
        windows.Form->Image1->pixmap().size() == windows.Form->ImageList1.size();
    SetProgramFolderForTesting({});
}
BENCHMARK(BM_ShowEntryPicture)
    ->ArgName("picture")
    ->Arg(Baseline4000x3000)
    ->Arg(Progressive16384x4096)
    ->Arg(Progressive4000x2000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same pictures decoded whole, for comparison.
void BM_DecodeJpegFullSize(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = WritePicture(folder, static_cast<TPicture>(state.range(0)));
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(LoadJpegFile(path));
        } catch (const Exception&) {
            state.SkipWithError("refused");
            break;
        }
    }
}
BENCHMARK(BM_DecodeJpegFullSize)
    ->ArgName("picture")
    ->Arg(Baseline4000x3000)
    ->Arg(Progressive4000x2000)
    ->Unit(benchmark::kMillisecond);

} // namespace
