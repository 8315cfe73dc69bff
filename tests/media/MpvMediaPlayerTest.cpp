// The libmpv control on real clips, drawn both ways it can draw.
#include "media/MpvMediaPlayer.h"
#include "media/MpvVideoView.h"
#include "platform/Exceptions.h"
#include "platform/GraphicsDevice.h"
#include "support/SampleDisc.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

namespace {

constexpr double Frame = 0.04; // 25 fps clips

// Clips of the sample disc (6 s at 320x240, 8 s at 640x480) and a file that
// is no video at all.
class Clips {
public:
    Clips() {
        const QDir video(SampleDisc().Folder + "/Video");
        Small = video.filePath("CLIP03.AVI");
        Large = video.filePath("CLIP02.AVI");
        Corrupt = Write("corrupt.AVI", QByteArray(64 * 1024, '\x5a'));
        Empty = Write("empty.AVI", {});
        Text = Write("text.AVI", "Not a video at all.\r\n");
        QFile small(Small);
        if (small.open(QIODevice::ReadOnly))
            Truncated = Write("truncated.AVI", small.read(4096));
    }
    QString Small, Large, Corrupt, Empty, Text, Truncated;

private:
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(Dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }
    QTemporaryDir Dir;
};

const Clips& TestClips() {
    static const Clips clips;
    return clips;
}

bool WaitFor(const std::function<bool()>& done, int ms = 8000) {
    return QTest::qWaitFor(done, ms);
}

// The clip's first frame as ffmpeg decodes it, at the clip's own size.
QImage FirstFrame(const QString& clip, QSize size) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-v", "error", "-nostdin", "-i", clip, "-frames:v", "1", "-f",
                            "rawvideo", "-pix_fmt", "bgra", "-"});
    if (!ffmpeg.waitForFinished(20000))
        return {};
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    if (bytes.size() != size.width() * size.height() * 4)
        return {};
    return QImage(reinterpret_cast<const uchar*>(bytes.constData()), size.width(), size.height(),
                  QImage::Format_ARGB32)
        .convertToFormat(QImage::Format_RGB32);
}

// Mean difference per colour channel, 0 to 255. The engine's picture differs
// from ffmpeg's by about 3 (its own colour conversion); shifted by two pixels,
// by over 6; black, by tens.
double MeanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// What the X server shows of the control, not what it would paint.
QImage OnScreen(QWidget& widget) {
    return widget.screen()
        ->grabWindow(widget.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The screen shows the clip's first frame, 1:1, once it is drawn.
void ExpectFirstFrameShown(QWidget& control, const QString& clip) {
    const QImage expected = FirstFrame(clip, control.size());
    ASSERT_FALSE(expected.isNull()) << "ffmpeg could not decode " << qPrintable(clip);
    double difference = 255;
    EXPECT_TRUE(WaitFor([&] {
        return (difference = MeanDifference(OnScreen(control), expected)) < 4.5;
    })) << "differs by "
        << difference;
}

class MpvMediaPlayerTest : public ::testing::TestWithParam<TVideoOutput> {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo(TestClips().Small).size() > 0) << "no sample clip";
        Player = std::make_unique<TMpvMediaPlayer>(nullptr, TMediaPlayerOptions{GetParam()});
        Player->resize(320, 240);
        Player->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Player.get()));
    }

    // Loads a file, optionally at a start, and waits until it is open.
    void Open(const QString& path, std::optional<double> start = {}) {
        QSignalSpy ready(Player.get(), &TWinMediaPlayer::ReadyStateChange);
        Player->SetFileName(path);
        if (start)
            Player->SetCurrentPosition(*start);
        ASSERT_TRUE(WaitFor([&] { return ready.count() > 0; }));
    }

    // Plays until the position moves off the given value; returns where it is.
    double PositionOnceMoving(double from) {
        EXPECT_TRUE(WaitFor([&] { return Player->CurrentPosition() != from; }));
        return Player->CurrentPosition();
    }

    std::unique_ptr<TMpvMediaPlayer> Player;
};

TEST_P(MpvMediaPlayerTest, OpensLoadedButNotStartedWithSizeAndDuration) {
    QSignalSpy open(Player.get(), &TWinMediaPlayer::OpenStateChange);
    QSignalSpy ready(Player.get(), &TWinMediaPlayer::ReadyStateChange);
    QSignalSpy frame(Player.get(), &TMpvMediaPlayer::FrameRendered);
    int openCountAtReady = -1;
    QObject::connect(Player.get(), &TWinMediaPlayer::ReadyStateChange,
                     [&] { openCountAtReady = open.count(); });
    Player->SetFileName(TestClips().Small);
    EXPECT_EQ(Player->FileName(), TestClips().Small);
    EXPECT_NE(Player->OpenState(), nsOpen);
    ASSERT_TRUE(WaitFor([&] { return ready.count() > 0; }));
    ASSERT_EQ(open.count(), 1);
    EXPECT_NE(open[0][0].toInt(), nsOpen);
    EXPECT_EQ(open[0][1].toInt(), nsOpen);
    EXPECT_EQ(openCountAtReady, 1);
    EXPECT_EQ(ready[0][0].toInt(), ReadyStateComplete);
    EXPECT_NEAR(Player->Duration(), 6.0, 0.1); // the sound runs a little longer
    EXPECT_EQ(Player->ImageSourceWidth(), 320);
    EXPECT_EQ(Player->ImageSourceHeight(), 240);
    EXPECT_EQ(Player->PlayState(), mpStopped);

    // The first picture shows, and the file stays where it was loaded.
    ASSERT_TRUE(WaitFor([&] { return frame.count() > 0; }));
    QTest::qWait(300);
    EXPECT_LT(Player->CurrentPosition(), Frame);
    ExpectFirstFrameShown(*Player, TestClips().Small);

    Open(TestClips().Large);
    EXPECT_EQ(Player->ImageSourceWidth(), 640);
    EXPECT_EQ(Player->ImageSourceHeight(), 480);
}

TEST_P(MpvMediaPlayerTest, PositionWrittenBeforeLoadIsWherePlaybackStarts) {
    Open(TestClips().Small, 2.0);
    EXPECT_DOUBLE_EQ(Player->CurrentPosition(), 2.0);
    Player->Play();
    const double at = PositionOnceMoving(2.0);
    EXPECT_GE(at, 2.0 - Frame);
    EXPECT_LT(at, 2.6);

    // Written once the engine is already loading the file.
    QSignalSpy ready(Player.get(), &TWinMediaPlayer::ReadyStateChange);
    Player->SetFileName(TestClips().Large);
    QCoreApplication::processEvents();
    Player->SetCurrentPosition(1.5);
    ASSERT_TRUE(WaitFor([&] { return ready.count() > 0; }));
    Player->Play();
    const double later = PositionOnceMoving(1.5);
    EXPECT_GE(later, 1.5 - Frame);
    EXPECT_LT(later, 2.1);
}

TEST_P(MpvMediaPlayerTest, PlayPauseStopAndSeek) {
    Open(TestClips().Small);
    Player->Play();
    EXPECT_EQ(Player->PlayState(), mpPlaying);
    ASSERT_TRUE(WaitFor([&] { return Player->CurrentPosition() > 0.3; }));

    Player->Pause();
    EXPECT_EQ(Player->PlayState(), mpPaused);
    Player->SetCurrentPosition(1.0);
    EXPECT_DOUBLE_EQ(Player->CurrentPosition(), 1.0); // the target until the engine is there
    QTest::qWait(300);
    EXPECT_NEAR(Player->CurrentPosition(), 1.0, Frame) << "moved while paused";

    Player->Play();
    const double resumed = PositionOnceMoving(Player->CurrentPosition());
    EXPECT_GE(resumed, 1.0 - Frame);
    EXPECT_LT(resumed, 1.6);

    // Stop keeps the file open and its position writable.
    Player->Stop();
    EXPECT_EQ(Player->PlayState(), mpStopped);
    EXPECT_EQ(Player->OpenState(), nsOpen);
    EXPECT_EQ(Player->FileName(), TestClips().Small);
    Player->SetCurrentPosition(0.5);
    QTest::qWait(300);
    EXPECT_NEAR(Player->CurrentPosition(), 0.5, Frame);
}

TEST_P(MpvMediaPlayerTest, EndRaisedOnceThenPlayStartsOver) {
    QSignalSpy end(Player.get(), &TWinMediaPlayer::EndOfStream);
    Open(TestClips().Small, 5.0);
    Player->Play();
    ASSERT_TRUE(WaitFor([&] { return end.count() > 0; }));
    QTest::qWait(300);
    EXPECT_EQ(end.count(), 1);
    EXPECT_EQ(Player->PlayState(), mpStopped);
    EXPECT_NEAR(Player->CurrentPosition(), Player->Duration(), 0.2);

    Player->Play();
    EXPECT_EQ(Player->PlayState(), mpPlaying);
    EXPECT_TRUE(WaitFor([&] {
        const double at = Player->CurrentPosition();
        return at > 0.1 && at < 1.0;
    }));
    EXPECT_EQ(end.count(), 1);
}

TEST_P(MpvMediaPlayerTest, LaterFileWinsOverOneNotYetLoaded) {
    // Replaced before its load was sent, and after.
    for (const bool sent : {false, true}) {
        QSignalSpy open(Player.get(), &TWinMediaPlayer::OpenStateChange);
        Player->SetFileName(TestClips().Small);
        if (sent)
            QCoreApplication::processEvents();
        Open(TestClips().Large);
        QTest::qWait(300);
        EXPECT_EQ(open.count(), 1);
        EXPECT_EQ(Player->ImageSourceWidth(), 640);
        EXPECT_EQ(Player->FileName(), TestClips().Large);
    }
}

TEST_P(MpvMediaPlayerTest, EmptyNameClosesAndAnotherFileOpensAfter) {
    Open(TestClips().Small);
    Player->Play();
    Player->SetFileName("");
    EXPECT_EQ(Player->OpenState(), 0);
    EXPECT_EQ(Player->PlayState(), mpStopped);
    EXPECT_TRUE(Player->FileName().isEmpty());
    Player->Play(); // nothing to play: nothing happens
    EXPECT_EQ(Player->PlayState(), mpStopped);
    Open(TestClips().Large);
    EXPECT_EQ(Player->OpenState(), nsOpen);
    EXPECT_EQ(Player->ImageSourceHeight(), 480);
}

TEST_P(MpvMediaPlayerTest, UnopenableFilesFail) {
    Open(TestClips().Small);
    EXPECT_THROW(Player->SetFileName(TestClips().Small + ".missing"), Exception);
    EXPECT_THROW(Player->SetFileName("http://localhost/x.AVI"), Exception);
    EXPECT_EQ(Player->FileName(), TestClips().Small); // the open file is kept
    EXPECT_EQ(Player->OpenState(), nsOpen);

    QSignalSpy open(Player.get(), &TWinMediaPlayer::OpenStateChange);
    QSignalSpy error(Player.get(), &TWinMediaPlayer::Error);
    Player->SetFileName(TestClips().Corrupt);
    ASSERT_TRUE(WaitFor([&] { return error.count() > 0; }));
    EXPECT_EQ(open.count(), 0);
    EXPECT_NE(Player->OpenState(), nsOpen);
}

// A file that can't be played leaves no media: nothing to play, no values of
// the file before, and the same name may be tried again.
void ExpectNoMediaAfterFailing(TMpvMediaPlayer& player, const QString& bad) {
    SCOPED_TRACE(bad.toStdString());
    QSignalSpy ready(&player, &TWinMediaPlayer::ReadyStateChange);
    player.SetFileName(TestClips().Small);
    player.SetCurrentPosition(2.0);
    ASSERT_TRUE(WaitFor([&] { return ready.count() > 0; }));
    player.Play();
    QSignalSpy open(&player, &TWinMediaPlayer::OpenStateChange);
    QSignalSpy error(&player, &TWinMediaPlayer::Error);
    QSignalSpy end(&player, &TWinMediaPlayer::EndOfStream);
    for (int attempt = 0; attempt < 2; ++attempt) {
        player.SetFileName(bad);
        player.SetCurrentPosition(1.0);
        ASSERT_TRUE(WaitFor([&] { return error.count() > attempt; }));
        EXPECT_TRUE(player.FileName().isEmpty());
        EXPECT_NE(player.OpenState(), nsOpen);
        EXPECT_EQ(player.Duration(), 0.0);
        EXPECT_EQ(player.ImageSourceWidth(), 0);
        EXPECT_EQ(player.CurrentPosition(), 0.0);
        player.Play();
        EXPECT_EQ(player.PlayState(), mpStopped);
    }
    QTest::qWait(200);
    EXPECT_EQ(error.count(), 2);
    EXPECT_EQ(open.count(), 0);
    EXPECT_EQ(end.count(), 0);
}

TEST_P(MpvMediaPlayerTest, UnplayableFileLeavesNoMediaAndCanBeTriedAgain) {
    for (const QString& bad :
         {TestClips().Empty, TestClips().Truncated, TestClips().Text, TestClips().Corrupt})
        ExpectNoMediaAfterFailing(*Player, bad);
}

// Files that can't be opened or read, for root as well.
TEST_P(MpvMediaPlayerTest, UnreadableFileLeavesNoMedia) {
    QV_REQUIRE(FailingFileSystemUnavailableReason());
#ifdef QV_FAILING_FS
    FailingFileSystemMount failing;
    for (const char* name : {"/Locked/Data/All.dat", "/Data/All.dat"})
        ExpectNoMediaAfterFailing(*Player, failing.MountPoint() + name);
#endif
}

// A start at or past the end of the file ends it at once, and only once.
TEST_P(MpvMediaPlayerTest, StartAtOrPastTheEndEndsOnce) {
    // Played when ready, as the video window does.
    QObject::connect(Player.get(), &TWinMediaPlayer::ReadyStateChange, [&] { Player->Play(); });
    for (const double start : {6.0, 6.5, 60.0}) {
        SCOPED_TRACE(start);
        QSignalSpy end(Player.get(), &TWinMediaPlayer::EndOfStream);
        Player->SetFileName(TestClips().Small);
        Player->SetCurrentPosition(start);
        ASSERT_TRUE(WaitFor([&] { return end.count() > 0; }));
        QTest::qWait(300);
        EXPECT_EQ(end.count(), 1);
        EXPECT_EQ(Player->PlayState(), mpStopped);
    }
}

// The engine reached the end while the program, not having heard of it yet,
// sought elsewhere: that end is over and must not be counted. An end reached
// by the seek itself counts once, even when the engine was already there.
TEST_P(MpvMediaPlayerTest, EndIsCountedOnceAroundSeeks) {
    QSignalSpy end(Player.get(), &TWinMediaPlayer::EndOfStream);
    Open(TestClips().Small, 5.7);
    Player->Play();
    QThread::msleep(1000); // the engine ends; its events wait
    Player->SetCurrentPosition(1.0);
    Player->Play();
    EXPECT_TRUE(WaitFor([&] { return Player->CurrentPosition() > 1.2; }));
    EXPECT_EQ(end.count(), 0);
    EXPECT_EQ(Player->PlayState(), mpPlaying);

    Player->SetCurrentPosition(5.9);
    ASSERT_TRUE(WaitFor([&] { return end.count() > 0; }));
    Player->SetCurrentPosition(Player->Duration() + 1.0); // from the end to the end
    Player->Play();
    ASSERT_TRUE(WaitFor([&] { return end.count() > 1; }));
    QTest::qWait(300);
    EXPECT_EQ(end.count(), 2);
    EXPECT_EQ(Player->PlayState(), mpStopped);
}

TEST_P(MpvMediaPlayerTest, VolumeMuteAndMouse) {
    Open(TestClips().Small);
    for (int volume : {-1, -1234, -10000, 0}) {
        Player->SetVolume(volume);
        EXPECT_EQ(Player->Volume(), volume);
    }
    Player->SetMute(true);
    EXPECT_TRUE(Player->Mute());
    Player->SetMute(false);
    EXPECT_FALSE(Player->Mute());

    QSignalSpy mouse(Player.get(), &TWinMediaPlayer::MouseDown);
    QWidget* picture = Player->childAt(40, 30);
    ASSERT_NE(picture, nullptr);
    QTest::mouseClick(picture, Qt::LeftButton, Qt::ShiftModifier, QPoint(40, 30));
    ASSERT_EQ(mouse.count(), 1);
    EXPECT_EQ(mouse[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(mouse[0][1].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(mouse[0][2].toInt(), 40);
    EXPECT_EQ(mouse[0][3].toInt(), 30);

    // The OpenGL picture is a native window of its own: presses land there
    // and must still be reported, in the control's coordinates.
    if (GetParam() != TVideoOutput::OpenGL)
        return;
    QWindow* native = nullptr;
    for (QWindow* window : Player->windowHandle()->findChildren<QWindow*>())
        native = native ? native : qobject_cast<TMpvGlWindow*>(window);
    ASSERT_NE(native, nullptr);
    QTest::mouseClick(native, Qt::RightButton, Qt::NoModifier, QPoint(7, 9));
    ASSERT_EQ(mouse.count(), 2);
    EXPECT_EQ(mouse[1][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(mouse[1][1].value<Qt::KeyboardModifiers>(), Qt::NoModifier);
    EXPECT_EQ(mouse[1][2].toInt(), 7);
    EXPECT_EQ(mouse[1][3].toInt(), 9);
}

// Frames are passed over while nothing shows them, or the engine would wait
// for each in turn and fall behind.
TEST_P(MpvMediaPlayerTest, PlaysOnAtItsPaceWhileNotShown) {
    Open(TestClips().Large); // 12 frames a second
    Player->Play();
    ASSERT_TRUE(WaitFor([&] { return Player->CurrentPosition() > 0.2; }));
    Player->hide();
    QSignalSpy frames(Player.get(), &TMpvMediaPlayer::FrameRendered);
    const double from = Player->CurrentPosition();
    ASSERT_TRUE(WaitFor([&] { return Player->CurrentPosition() > from + 2.0; }));
    EXPECT_GE(frames.count(), 0.75 * 12 * (Player->CurrentPosition() - from));
}

INSTANTIATE_TEST_SUITE_P(RenderPaths, MpvMediaPlayerTest,
                         ::testing::Values(TVideoOutput::OpenGL, TVideoOutput::Software),
                         [](const auto& info) {
                             return info.param == TVideoOutput::OpenGL ? "OpenGL" : "Software";
                         });

// The graphics device is judged from the device and sysfs trees alone.
class GraphicsDevices : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Root.isValid());
        SetDeviceRootForTesting(Root.path());
    }
    void TearDown() override {
        SetDeviceRootForTesting({});
        qunsetenv("LIBGL_ALWAYS_SOFTWARE");
    }
    // A render node served by the named kernel driver.
    void AddRenderNode(const QString& node, const QString& driver) {
        ASSERT_TRUE(QDir(Root.path()).mkpath("dev/dri"));
        QFile device(Root.filePath("dev/dri/" + node));
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        const QString sys = Root.filePath("sys/class/drm/" + node + "/device");
        ASSERT_TRUE(QDir().mkpath(sys));
        ASSERT_TRUE(QDir().mkpath(Root.filePath("sys/bus/pci/drivers/" + driver)));
        ASSERT_TRUE(QFile::link(Root.filePath("sys/bus/pci/drivers/" + driver), sys + "/driver"));
    }
    QTemporaryDir Root;
};

TEST_F(GraphicsDevices, OnlyARenderNodeOfAGraphicsDriverCounts) {
    EXPECT_FALSE(GraphicsHardwarePresent()) << "no device at all";
    AddRenderNode("renderD128", "vgem");
    EXPECT_FALSE(GraphicsHardwarePresent()) << "a virtual device that draws nothing";
    AddRenderNode("renderD129", "i915");
    EXPECT_TRUE(GraphicsHardwarePresent());
    qputenv("LIBGL_ALWAYS_SOFTWARE", "1");
    EXPECT_FALSE(GraphicsHardwarePresent()) << "software rendering asked for";
}

// A device that promises hardware but gives an emulated OpenGL (as Xvfb's
// always is) still ends in software drawing.
TEST_F(GraphicsDevices, AWrongGuessFallsBackToSoftware) {
    AddRenderNode("renderD128", "amdgpu");
    ASSERT_TRUE(GraphicsHardwarePresent());
    TMpvMediaPlayer player;
    EXPECT_EQ(player.RenderPath(), TVideoOutput::Software);
    EXPECT_FALSE(player.HasOwnSurface());
    TMpvMediaPlayer forced(nullptr, {TVideoOutput::OpenGL});
    EXPECT_EQ(forced.RenderPath(), TVideoOutput::OpenGL);
}

} // namespace

namespace {

// The software picture is drawn straight into the window's image, past the
// painter, yet a widget on top of it stays on top while frames come.
TEST(SoftwarePicture, NeverDrawsOverAWidgetOnTop) {
    TMpvMediaPlayer player(nullptr, {TVideoOutput::Software});
    player.resize(320, 240);
    QWidget cover(&player);
    cover.setGeometry(0, 0, 64, 48);
    cover.setAutoFillBackground(true);
    cover.setPalette(QPalette(QColor(255, 0, 255)));
    player.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&player));
    QSignalSpy frames(&player, &TMpvMediaPlayer::FrameRendered);
    player.SetFileName(TestClips().Small);
    player.Play();
    ASSERT_TRUE(WaitFor([&] { return frames.count() >= 10; }));
    const QImage shot = OnScreen(player);
    EXPECT_EQ(shot.pixel(32, 24), qRgb(255, 0, 255)) << "the picture was drawn over the cover";
    EXPECT_NE(shot.pixel(160, 120), qRgb(255, 0, 255));
}

} // namespace
