// The libmpv control heard through a real sound server: the system's output is
// used when there is one, and playback goes on silently when there is none.
#include "media/MpvMediaPlayer.h"
#include "support/SoundSink.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class EngineSoundTest : public ::testing::Test {
protected:
    void SetUp() override { Start(); }

    // The sound needs no picture: software drawing starts without a window.
    void Start() {
        Player =
            std::make_unique<TMpvMediaPlayer>(nullptr, TMediaPlayerOptions{TVideoOutput::Software});
    }

    // Opens the sine clip and plays it until the position has moved.
    void PlaySine() {
        QSignalSpy ready(Player.get(), &TWinMediaPlayer::ReadyStateChange);
        Player->SetFileName(SineClip());
        ASSERT_TRUE(QTest::qWaitFor([&] { return ready.count() > 0; }, 8000));
        Player->Play();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Player->CurrentPosition() > 0.5; }, 8000));
    }

    std::unique_ptr<TMpvMediaPlayer> Player;
};

QByteArray SinkInputs() {
    QProcess pactl;
    pactl.start("pactl", {"-s", SoundServerAddress(), "list", "sink-inputs"});
    EXPECT_TRUE(pactl.waitForFinished());
    return pactl.readAllStandardOutput();
}

TEST_F(EngineSoundTest, PlayingIsHeardUnderTheProgramsNameAndPauseAndStopSilenceIt) {
    PlaySine();
    EXPECT_GT(SettledRms(), 0.3);
    const QByteArray inputs = SinkInputs();
    EXPECT_TRUE(inputs.contains("application.name = \"Quorvix Player\"")) << inputs.data();
    EXPECT_TRUE(inputs.contains("application.icon_name = \"quorvix-player\"")) << inputs.data();

    Player->Pause();
    EXPECT_LT(SettledRms(), SilenceRms);
    Player->Play();
    EXPECT_GT(SettledRms(), 0.3);
    Player->Stop();
    EXPECT_LT(SettledRms(), SilenceRms);
}

TEST_F(EngineSoundTest, WithoutASoundServerPlaybackGoesOnSilently) {
    Player.reset();
    // Neither the engine's outputs nor ALSA's pulse plugin find a server here;
    // the test's environment comes back after it.
    QTemporaryDir empty;
    qputenv("XDG_RUNTIME_DIR", empty.path().toLocal8Bit());
    Start();
    QSignalSpy errors(Player.get(), &TWinMediaPlayer::Error);
    PlaySine();
    const double position = Player->CurrentPosition();
    EXPECT_LT(SettledRms(), SilenceRms);
    EXPECT_GT(Player->CurrentPosition(), position + 0.2) << "the clip must play on";
    EXPECT_EQ(Player->PlayState(), mpPlaying);
    EXPECT_EQ(errors.count(), 0);
    Player.reset(); // its sound threads are gone before the folder
}

} // namespace
