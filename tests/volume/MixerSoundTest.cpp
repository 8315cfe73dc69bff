// The device-volume component on the ALSA mixer of the sound server's plugin,
// the mixer of nearly every desktop: it offers "Master" and no "CD", "PCM" or
// "Synth".
#include "volume/Volumes.h"

#include "support/SoundSink.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray Amixer(const QStringList& arguments) {
    QProcess amixer;
    amixer.start("amixer", arguments);
    EXPECT_TRUE(amixer.waitForFinished());
    EXPECT_EQ(amixer.exitCode(), 0) << amixer.readAllStandardError().toStdString();
    return amixer.readAllStandardOutput();
}

// Master's left level on the plugin's scale, 0..65536.
long MasterValue() {
    const QByteArray text = Amixer({"get", "Master"});
    const QRegularExpressionMatch match =
        QRegularExpression(R"(Front Left: Playback (\d+))").match(QString::fromLatin1(text));
    EXPECT_TRUE(match.hasMatch()) << text.toStdString();
    return match.captured(1).toLong();
}

class MixerSoundTest : public ::testing::Test {
protected:
    // The sink's level is shared with the tests that listen.
    void SetUp() override { Amixer({"-q", "set", "Master", "100%"}); }
    void TearDown() override { Amixer({"-q", "set", "Master", "100%"}); }
};

TEST_F(MixerSoundTest, MasterServesTheWaveChannelAndTheOthersHaveNoDevice) {
    ASSERT_EQ(MasterValue(), 65536);
    TVolumeControl control;
    EXPECT_EQ(control.DeviceId(TVolumeControl::CDChannel), -1);
    EXPECT_EQ(control.DeviceId(TVolumeControl::WaveChannel), 1);
    EXPECT_EQ(control.DeviceId(TVolumeControl::MidiChannel), -1);
    EXPECT_EQ(control.WaveVolume(), 255);

    QSlider cdBar(Qt::Vertical);
    control.SetCDTrackBar(&cdBar);
    EXPECT_EQ(cdBar.value(), 255) << "a channel without a device reads as silent";
    control.SetCDVolume(10);
    control.SetMidiVolume(10);
    cdBar.triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(control.CDVolume(), 0);
    EXPECT_EQ(control.MidiVolume(), 0);
    EXPECT_EQ(MasterValue(), 65536) << "writes to a channel without a device go nowhere";
}

TEST_F(MixerSoundTest, TheWaveBarAndMasterFollowEachOther) {
    TVolumeControl control;
    QSlider bar(Qt::Vertical);
    control.SetWaveTrackBar(&bar);
    EXPECT_EQ(bar.value(), 0) << "a vertical bar is loud at the top";

    // A user's move to 156: level 255 - 156 = 99, both halves 99 * 256.
    bar.setValue(155);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(MasterValue(), 25344);
    EXPECT_EQ(control.WaveVolume(), 99);

    // A quarter set from outside is level 64 at the next refresh.
    Amixer({"-q", "set", "Master", "25%"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar.value() == 255 - 64; }, 2000))
        << "the bar shows " << bar.value();
    EXPECT_EQ(MasterValue(), 16384) << "a refresh writes nothing back";
}

} // namespace
