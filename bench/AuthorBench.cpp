// A disc of 20 clips made from a folder, checked, built into an image and the
// image checked as the player meets it, with the longest the event loop stood
// still meanwhile; beside it, the image tool alone on the same files.
#include "author/DiscChecks.h"
#include "author/DiscProject.h"
#include "author/ImageBuild.h"
#include "media/MediaProbe.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {

// 20 clips of 4 s at 320x240, in four folders; made once.
QString ClipFolder() {
    static QTemporaryDir folder;
    static bool made = false;
    if (!made) {
        for (int i = 0; i < 20; ++i) {
            const QString path =
                folder.filePath(QStringLiteral("Group %1/clip %2.avi").arg(i / 5).arg(i));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QProcess ffmpeg;
            ffmpeg.start("ffmpeg",
                         {"-v", "error", "-nostdin", "-y", "-t", "4", "-f", "lavfi", "-i",
                          QStringLiteral("testsrc=size=320x240:rate=25:decimals=%1").arg(i % 3),
                          "-c:v", "mpeg4", "-vtag", "DIVX", path});
            if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
                qFatal("ffmpeg failed");
        }
        made = true;
    }
    return folder.path();
}

bool CanMount() {
    const int fd = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

void BM_AuthorBuildAndCheck20Clips(benchmark::State& state) {
    if (!CanMount()) {
        state.SkipWithError("no /dev/fuse: the image cannot be mounted to be checked");
        return;
    }
    const QString clips = ClipFolder();
    QTemporaryDir out;
    double toolMs = 0;
    // The longest the event loop went without turning while building: what
    // a window (its preview) would stand still for.
    qint64 longestStall = 0;
    QElapsedTimer sinceTick;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout,
                     [&] { longestStall = std::max(longestStall, sinceTick.restart()); });
    for (auto _ : state) {
        TDiscProject project;
        project.NewFromFolder(clips);
        const TCheckReport report = CheckProject(project, MediaFileDuration);
        benchmark::DoNotOptimize(report.Findings.size());
        TImageBuild build;
        QEventLoop loop;
        bool ok = false;
        QObject::connect(&build, &TImageBuild::Finished, [&](bool passed) {
            ok = passed;
            loop.quit();
        });
        sinceTick.start();
        ticks.start(5);
        build.Start(project, out.filePath("disc.iso"));
        loop.exec();
        ticks.stop();
        longestStall = std::max(longestStall, sinceTick.elapsed());
        if (!ok) {
            state.SkipWithError(build.Failures().join('\n').toUtf8().constData());
            return;
        }
        toolMs += static_cast<double>(build.ToolMilliseconds());
    }
    state.counters["genisoimage_ms"] =
        benchmark::Counter(toolMs / static_cast<double>(state.iterations()));
    state.counters["longest_stall_ms"] = benchmark::Counter(static_cast<double>(longestStall));
}
BENCHMARK(BM_AuthorBuildAndCheck20Clips)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

// The same graft points, given to genisoimage by hand.
void BM_GenisoimageAlone20Clips(benchmark::State& state) {
    TDiscProject project;
    project.NewFromFolder(ClipFolder());
    QTemporaryDir out;
    const QStringList arguments =
        ImageToolArguments(project, out.filePath("staging"), out.filePath("disc.iso"));
    for (auto _ : state) {
        QProcess tool;
        tool.start("genisoimage", arguments);
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
            state.SkipWithError("genisoimage failed");
            return;
        }
    }
}
BENCHMARK(BM_GenisoimageAlone20Clips)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
