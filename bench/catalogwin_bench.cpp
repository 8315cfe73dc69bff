// Building the catalog tree, applying a favourites file and showing a picture.
#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "platform/JpegImage.h"
#include "player/Unit1.h"
#include "shell/Pathes.h"
#include "shell/PlayListFile.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void EnsureApplication() {
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qv_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

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
    bool Application = (EnsureApplication(), true); // before any widget
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

// A 4000 x 3000 camera picture with detail everywhere, as a disc might carry.
QString WriteLargePicture(const QTemporaryDir& folder) {
    QImage picture(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int y = 0; y < picture.height(); y += 50)
        for (int x = 0; x < picture.width(); x += 50)
            painter.fillRect(x, y, 50, 50, QColor::fromHsv((x + y) / 10 % 360, 200, 50 + y % 200));
    painter.end();
    QDir().mkpath(folder.filePath("Pic"));
    const QString path = folder.filePath("Pic/big.jpg");
    if (!picture.save(path, "JPG", 90))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Clicking an entry whose picture is 4000 x 3000: decoded and fitted into the panel.
void BM_ShowEntryPicture(benchmark::State& state) {
    Windows windows;
    FillCatalog(1);
    SetShortString(Catalog[0].MediaName, "big");
    QTemporaryDir folder;
    WriteLargePicture(folder);
    SetProgramFolderForTesting(folder.path());
    for (auto _ : state)
        windows.Main->ShowEntryPicture(0);
    SetProgramFolderForTesting({});
}
BENCHMARK(BM_ShowEntryPicture)->Unit(benchmark::kMillisecond);

// The same picture decoded whole, for comparison.
void BM_DecodeJpegFullSize(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = WriteLargePicture(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadJpegFile(path));
}
BENCHMARK(BM_DecodeJpegFullSize)->Unit(benchmark::kMillisecond);

} // namespace
