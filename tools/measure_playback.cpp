// Opens a clip in the libmpv control inside a window, plays it, and prints
// the time from loading to the first drawn frame. It keeps playing for the
// given number of seconds so that its CPU use can be sampled from outside.
//   measure_playback CLIP [SECONDS] [--software]
#include "media/MpvMediaPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: measure_playback CLIP [SECONDS] [--software]\n");
        return 2;
    }
    const int seconds = args.size() > 2 && !args[2].startsWith("--") ? args[2].toInt() : 10;
    const auto path = args.contains("--software") ? TMpvRenderPath::Software : TMpvRenderPath::Auto;

    TMpvMediaPlayer player(nullptr, path);
    player.resize(640, 480);
    player.show();
    QElapsedTimer clock;
    bool started = false;
    QObject::connect(&player, &TMpvMediaPlayer::FrameRendered, [&] {
        if (!started)
            return;
        std::printf("first_frame_ms %.1f\n", clock.nsecsElapsed() / 1e6);
        std::printf("render %s\n",
                    player.RenderPath() == TMpvRenderPath::OpenGL ? "opengl" : "software");
        std::fflush(stdout);
        started = false;
        QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    });
    // Loading starts once the window is up and the picture can be drawn.
    QTimer::singleShot(500, [&] {
        clock.start();
        started = true;
        player.SetFileName(args[1]);
        player.Play();
    });
    return app.exec();
}
