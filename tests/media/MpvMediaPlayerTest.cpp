// The libmpv control on real clips, drawn both ways it can draw.
#include "media/MpvMediaPlayer.h"
#include "media/MpvVideoView.h"
#include "platform/Exceptions.h"
#include "support/SampleDisc.h"

#include <QDir>
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
    const QImage shot = Player->grab().toImage().scaled(16, 12);
    int brightness = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            brightness += qGray(shot.pixel(x, y));
    EXPECT_GT(brightness / (shot.width() * shot.height()), 40) << "the picture is black";

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
