// The program's windows with the real engine, heard through a real sound
// server: the loudness commands and the disc leaving the drive.
#include "support/FormsFixture.h"
#include "support/SampleDisc.h"
#include "support/SoundSink.h"

#include "media/MediaPlayer_TLB.h"
#include "player/Unit1.h"
#include "shell/Pathes.h"
#include "skin/ImageSlider.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/VidOutUnit.h"

#include <QTest>
#include <QTimer>

#include <cmath>
#include <iostream>

namespace {

class PlayerSoundTest : public FormsTest {
protected:
    PlayerSoundTest() : FormsTest(TControl::Engine) {}

    void SetUp() override {
        FormsTest::SetUp();
        SetProgramFileNameForTesting(QStringLiteral("Quorvix_Player"));
        MainForm->show();
        VidOutForm->show();
    }

    static TWinMediaPlayer* Control() { return VidOutForm->ActiveMovie1; }

    static void PlaySine() {
        VidOutForm->OpenMedia(SineClip(), 0.0);
        ASSERT_TRUE(QTest::qWaitFor(
            [] {
                return Control()->PlayState() == mpPlaying && Control()->CurrentPosition() > 0.5;
            },
            10000));
    }

    std::unique_ptr<FuseIsoMount> Mount;
};

TEST_F(PlayerSoundTest, LoudnessIsAGainInDecibels) {
    PlaySine();
    struct Step {
        long double SliderValue;
        int Volume; // hundredths of a dB
    };
    // The top of the slider is the nearest it comes to 0 dB (-0.01 dB). The
    // clip's sound is 16-bit: scaled in steps of 1/256 it would come out
    // 1.4 dB loud at -40 dB and silent at -60 dB.
    const Step steps[] = {{4.0L, -1},
                          {1.0L, -1000},
                          {4.0L - std::log10(2000.0L) - 1e-9L, -2000},
                          {4.0L - std::log10(4000.0L) - 1e-9L, -4000},
                          {4.0L - std::log10(6000.0L) - 1e-9L, -6000}};
    double reference = 0.0;
    for (const Step& step : steps) {
        MainForm->VolSlider->SetSliderPosValue(step.SliderValue);
        ASSERT_EQ(Control()->Volume(), step.Volume);
        const double rms = SettledRms();
        if (step.Volume == -1) {
            reference = rms;
            std::cout << "RMS at 0 dB: " << rms << '\n';
            ASSERT_GT(reference, 0.3);
            continue;
        }
        const double expected = std::pow(10.0, step.Volume / 2000.0);
        const double ratio = rms / reference;
        std::cout << "RMS ratio at " << step.Volume / 100 << " dB: " << ratio << " (" << expected
                  << " expected)\n";
        EXPECT_NEAR(ratio, expected, 0.05 * expected) << "at " << step.Volume << " hundredths";
    }
}

TEST_F(PlayerSoundTest, MuteSilencesAndTheNextLoudnessChangeUnmutes) {
    PlaySine();
    MainForm->VolNoBtnClick();
    EXPECT_TRUE(MainForm->VolNoBtn->Down());
    EXPECT_LT(SettledRms(), SilenceRms);

    MainForm->VolSlider->SetSliderPosValue(3.0L);
    EXPECT_FALSE(MainForm->VolNoBtn->Down());
    EXPECT_GT(SettledRms(), 0.3);

    // A press of Volume Down unmutes at once, before any step.
    MainForm->VolNoBtnClick();
    EXPECT_LT(SettledRms(), SilenceRms);
    MainForm->VolDownBtnMouseDown();
    MainForm->VolUpBtnMouseUp();
    EXPECT_FALSE(MainForm->VolNoBtn->Down());
    EXPECT_EQ(Control()->Volume(), -10);
    EXPECT_GT(SettledRms(), 0.3);
}

TEST_F(PlayerSoundTest, TakingTheDiscOutSilencesItAndPuttingItBackIsHeard) {
    QV_SKIP_WITHOUT_FUSE();
    const SampleDiscFiles& disc = SampleDisc(1);
    // The real disc watch; the test program's mounts are its own.
    SetMountInfoPathForTesting(QString());
    MainForm->Timer2->start();
    Mount = std::make_unique<FuseIsoMount>(disc.Iso);
    ASSERT_TRUE(QTest::qWaitFor([] { return Control()->PlayState() == mpPlaying; }, 10000));
    EXPECT_GT(SettledRms(), 0.01);

    // Files on a lazily unmounted disc still read: only the pause silences it.
    Mount->Eject();
    ASSERT_TRUE(QTest::qWaitFor([] { return Control()->PlayState() == mpPaused; }, 5000));
    EXPECT_LT(SettledRms(), SilenceRms);

    Mount = std::make_unique<FuseIsoMount>(disc.Iso);
    ASSERT_TRUE(QTest::qWaitFor([] { return Control()->PlayState() == mpPlaying; }, 5000));
    EXPECT_GT(SettledRms(), 0.01);
}

} // namespace
