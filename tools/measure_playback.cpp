// Measures playback for scripts/measure_playback.sh, in two ways:
//   measure_playback CLIP [SECONDS] [--opengl|--software] [--fullscreen]
//     the libmpv control alone, in a window of the clip's own size (or the
//     whole screen), playing CLIP;
//   measure_playback --disc FOLDER [SECONDS] [--changes N] [--dwell MS] [--opengl|--software]
//     the program's four windows on the disc mounted at FOLDER: the first
//     entry plays, then Next is pressed N times, each entry shown for MS.
// Without --opengl or --software the picture is drawn as the program would
// choose. Both print "key value" lines: how the picture is drawn, the time
// from loading to the first drawn frame, the resident size then, after
// SECONDS of playing and after the changes, the peak, and the frames dropped.
// Playing lasts SECONDS so that the CPU use can be sampled from outside.
#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/fcTreeView.h"
#include "media/MpvMediaPlayer.h"
#include "platform/Exceptions.h"
#include "platform/ProcessMemory.h"
#include "player/Unit1.h"
#include "shell/Application.h"
#include "shell/Forms.h"
#include "shell/Pathes.h"
#include "video/VidOutUnit.h"

#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <functional>

namespace {

void Print(const char* key, double value) {
    std::printf("%s %.1f\n", key, value);
    std::fflush(stdout);
}

void PrintRss(const char* key) {
    Print(key, ReadProcessFigures().RssKb / 1024.0);
}

void PrintEnd(const TMpvMediaPlayer& player) {
    Print("peak_rss_mb", ReadProcessFigures().PeakRssKb / 1024.0);
    Print("frame_drop_count", static_cast<double>(player.DecoderFramesDropped()));
    Print("vo_drop_frame_count", static_cast<double>(player.OutputFramesDropped()));
}

// Times the first frame drawn after start(), then runs the given step.
class TFirstFrame : public QObject {
public:
    TFirstFrame(TMpvMediaPlayer& player, std::function<void()> then) : Then(std::move(then)) {
        connect(&player, &TMpvMediaPlayer::FrameRendered, this, [this] {
            if (!Clock.isValid())
                return;
            Print("first_frame_ms", Clock.nsecsElapsed() / 1e6);
            PrintRss("rss_first_frame_mb");
            Clock.invalidate();
            Then();
        });
    }
    void Start() { Clock.start(); }
    bool Started() const { return Clock.isValid(); }

private:
    QElapsedTimer Clock;
    std::function<void()> Then;
};

void PrintOutput(const TMpvMediaPlayer& player) {
    std::printf("video_output %s\n",
                player.RenderPath() == TVideoOutput::OpenGL ? "opengl" : "software");
}

int MeasureClip(const QString& clip, int seconds, TVideoOutput path, bool fullScreen) {
    TMpvMediaPlayer player(nullptr, {path});
    PrintOutput(player);
    TFirstFrame first(player, [&] {
        QTimer::singleShot(seconds * 1000, [&] {
            PrintRss("rss_playing_mb");
            PrintEnd(player);
            QCoreApplication::exit(0);
        });
    });
    // The window takes the picture's size once the engine knows it.
    QObject::connect(&player, &TWinMediaPlayer::OpenStateChange, [&] {
        if (!fullScreen)
            player.resize(player.ImageSourceWidth(), player.ImageSourceHeight());
    });
    // The whole screen by geometry, as the video window does: without a
    // window manager nobody grants the full-screen state.
    if (fullScreen)
        player.setGeometry(player.screen()->geometry());
    player.show();
    // Loading starts once the window is up and the picture can be drawn.
    QTimer::singleShot(500, [&] {
        first.Start();
        player.SetFileName(clip);
        player.Play();
    });
    return QApplication::exec();
}

// The disc as the only optical medium, the program as a copy on the hard disk.
void UseDisc(const QString& mountPoint, const QTemporaryDir& work) {
    QFile mountInfo(work.filePath(QStringLiteral("mountinfo")));
    if (mountInfo.open(QIODevice::WriteOnly))
        mountInfo.write("1 1 0:1 / " + QFile::encodeName(mountPoint) +
                        " ro - fuse.fuseiso fuseiso ro\n");
    SetMountInfoPathForTesting(mountInfo.fileName());
    SetProgramFolderForTesting(work.path());
    SetProgramFileNameForTesting(QStringLiteral("Quorvix_Player"));
    qputenv("XDG_CONFIG_HOME", work.filePath(QStringLiteral("config")).toLocal8Bit());
    SetExceptionReporter(
        [](const QString& text) { std::fprintf(stderr, "error: %s\n", qPrintable(text)); });
}

// Presses Next the given number of times, each time once the new entry has
// drawn a frame and then played for the dwell.
class TEntryChanges : public QObject {
public:
    TEntryChanges(TMpvMediaPlayer& player, int changes, int dwellMs, std::function<void()> done)
        : Left(changes), Dwell(dwellMs), Done(std::move(done)) {
        connect(&player, &TMpvMediaPlayer::FrameRendered, this, [this] {
            if (!Waiting)
                return;
            Waiting = false;
            QTimer::singleShot(Dwell, this, [this] { Next(); });
        });
    }
    void Next() {
        if (Left-- == 0) {
            Done();
            return;
        }
        Waiting = true;
        const int change = ++Made;
        MainForm->NextBtnClick();
        // A change that never shows a frame is reported, and the run goes on.
        QTimer::singleShot(5000, this, [this, change] {
            if (!Waiting || change != Made)
                return;
            std::fprintf(stderr, "no frame after change %d (entry %d, file %s)\n", change,
                         CurrentIndex, qPrintable(VidOutForm->ActiveMovie1->FileName()));
            Waiting = false;
            Next();
        });
    }

private:
    int Left;
    int Made = 0;
    int Dwell;
    bool Waiting = false;
    std::function<void()> Done;
};

// Entries without a video file would stop Next where they stand.
void UncheckMissingEntries() {
    for (size_t i = 0; i < Catalog.size(); ++i)
        if (LocateFile(EntryVideoFile(Catalog[i])).isEmpty())
            CatForm2->NodeOfEntry(static_cast<int32_t>(i))->SetChecked(false);
}

int MeasureDisc(const QString& mountPoint, int seconds, int changes, int dwellMs,
                TVideoOutput path) {
    QTemporaryDir work;
    UseDisc(mountPoint, work);
    SetMediaPlayerFactory([path](QWidget* parent) { return new TMpvMediaPlayer(parent, {path}); });
    CreateForms();
    auto& player = dynamic_cast<TMpvMediaPlayer&>(*VidOutForm->ActiveMovie1);
    PrintOutput(player);
    TEntryChanges next(player, changes, dwellMs, [&] {
        PrintRss("rss_after_changes_mb");
        PrintEnd(player);
        QCoreApplication::exit(0);
    });
    TFirstFrame first(player, [&] {
        QTimer::singleShot(seconds * 1000, [&] {
            PrintRss("rss_playing_mb");
            UncheckMissingEntries();
            next.Next();
        });
    });
    // The clock starts when the disc watch hands the first entry to the control.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!player.FileName().isEmpty()) {
            first.Start();
            watch.stop();
        }
    });
    watch.start(1);
    ShowForms();
    const int result = QApplication::exec();
    DestroyForms();
    return result;
}

int ArgumentAfter(const QStringList& args, const QString& name, int fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

} // namespace

int main(int argc, char** argv) {
    LimitHeapArenas(); // as the program does
    TApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr,
                     "usage: measure_playback CLIP [SECONDS] [--opengl|--software] [--fullscreen]\n"
                     "       measure_playback --disc FOLDER [SECONDS] [--changes N] "
                     "[--dwell MS] [--opengl|--software]\n");
        return 2;
    }
    const bool disc = args[1] == "--disc";
    const QString target = disc ? args.value(2) : args[1];
    const QString secondsArg = args.value(disc ? 3 : 2);
    const int seconds =
        !secondsArg.startsWith("--") && secondsArg.toInt() > 0 ? secondsArg.toInt() : 10;
    const auto path = args.contains("--software") ? TVideoOutput::Software
                      : args.contains("--opengl") ? TVideoOutput::OpenGL
                                                  : TVideoOutput::Auto;
    if (disc)
        return MeasureDisc(target, seconds, ArgumentAfter(args, "--changes", 100),
                           ArgumentAfter(args, "--dwell", 500), path);
    return MeasureClip(target, seconds, path, args.contains("--fullscreen"));
}
