#include "volume/Volumes.h"

#include "platform/AlsaMixer.h"

#include <QSlider>
#include <QTemporaryFile>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

namespace {

class FakeMixer : public TMixerDevices {
public:
    std::array<bool, 3> Present{true, true, false};
    std::array<uint32_t, 3> Levels{};
    std::vector<std::pair<int, uint32_t>> Writes;

    bool HasDevice(int channel) const override { return Present[static_cast<size_t>(channel)]; }
    std::optional<uint32_t> ReadLevel(int channel) override {
        return Levels[static_cast<size_t>(channel)];
    }
    void WriteLevel(int channel, uint32_t level) override {
        Writes.emplace_back(channel, level);
        Levels[static_cast<size_t>(channel)] = level;
    }
};

class VolumesTest : public ::testing::Test {
protected:
    VolumesTest() {
        auto mixer = std::make_unique<FakeMixer>();
        Mixer = mixer.get();
        Control = std::make_unique<TVolumeControl>(std::move(mixer), nullptr);
    }
    FakeMixer* Mixer;
    std::unique_ptr<TVolumeControl> Control;
};

TEST_F(VolumesTest, LevelsMapToBytesAsTheMeanOfBothChannels) {
    Mixer->Levels[1] = 0x0000FFFF; // left full, right silent
    EXPECT_EQ(Control->WaveVolume(), 127);
    Mixer->Levels[1] = 0xFFFFFFFF;
    EXPECT_EQ(Control->WaveVolume(), 255);
    Mixer->Levels[0] = 0x40004000;
    EXPECT_EQ(Control->CDVolume(), 64);

    Control->SetWaveVolume(127);
    Control->SetCDVolume(255);
    ASSERT_EQ(Mixer->Writes.size(), 2u);
    EXPECT_EQ(Mixer->Writes[0], std::make_pair(1, 32512u | 32512u << 16));
    EXPECT_EQ(Mixer->Writes[1], std::make_pair(0, 65280u | 65280u << 16));
}

TEST_F(VolumesTest, ChannelWithoutDeviceReadsZeroAndIgnoresWrites) {
    EXPECT_EQ(Control->DeviceId(TVolumeControl::MidiChannel), -1);
    EXPECT_EQ(Control->DeviceId(TVolumeControl::WaveChannel), 1);
    Mixer->Levels[2] = 0xFFFFFFFF;
    EXPECT_EQ(Control->MidiVolume(), 0);
    Control->SetMidiVolume(200);
    EXPECT_TRUE(Mixer->Writes.empty());
    QSlider bar(Qt::Vertical);
    Control->SetMidiTrackBar(&bar);
    EXPECT_EQ(bar.value(), 255);
}

TEST_F(VolumesTest, LinkedBarsMirrorLevelsWithoutWritingBack) {
    QSlider vertical(Qt::Vertical);
    QSlider horizontal(Qt::Horizontal);
    vertical.setRange(0, 10);
    Mixer->Levels[1] = 100u | 100u << 16;
    Mixer->Levels[0] = 0x20002000;
    Control->SetWaveTrackBar(&vertical);
    Control->SetCDTrackBar(&horizontal);
    EXPECT_EQ(vertical.maximum(), 255);
    EXPECT_EQ(vertical.value(), 255 - 0); // (100 + 100) >> 9 is 0
    EXPECT_EQ(horizontal.value(), 32);

    Mixer->Levels[1] = 0x80008000;
    Control->SetInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return vertical.value() == 127; }, 2000));
    EXPECT_TRUE(Mixer->Writes.empty()) << "refreshing a bar must not set the level";
    vertical.setValue(3);
    EXPECT_TRUE(Mixer->Writes.empty()) << "only the user's moves set the level";
}

TEST_F(VolumesTest, UserMovesSetTheLevel) {
    QSlider vertical(Qt::Vertical);
    Control->SetWaveTrackBar(&vertical);
    vertical.setValue(55);
    vertical.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(Mixer->Writes.size(), 1u);
    EXPECT_EQ(Mixer->Writes[0], std::make_pair(1, 199u << 8 | 199u << 24)); // 255 - 56
}

TEST_F(VolumesTest, DestroyedBarIsUnlinked) {
    auto* bar = new QSlider(Qt::Horizontal);
    Control->SetWaveTrackBar(bar);
    EXPECT_EQ(Control->WaveTrackBar(), bar);
    delete bar;
    EXPECT_EQ(Control->WaveTrackBar(), nullptr);
    Control->RefreshTrackBars();
    QSlider other(Qt::Horizontal);
    Control->SetWaveTrackBar(&other);
    EXPECT_EQ(Control->WaveTrackBar(), &other);
}

TEST(MixerScale, EndsMapToEndsAndValuesRoundToNearest) {
    EXPECT_EQ(MixerValueToWord(0, 0, 87), 0);
    EXPECT_EQ(MixerValueToWord(87, 0, 87), 65535);
    EXPECT_EQ(MixerValueToWord(-10, -10, 10), 0);
    EXPECT_EQ(MixerValueToWord(0, -10, 10), 32768);
    EXPECT_EQ(MixerValueToWord(99, 0, 87), 65535) << "out of range clamps";
    EXPECT_EQ(MixerValueToWord(5, 5, 5), 0) << "an empty range is silent";
    EXPECT_EQ(WordToMixerValue(0, 0, 87), 0);
    EXPECT_EQ(WordToMixerValue(65535, 0, 87), 87);
    EXPECT_EQ(WordToMixerValue(32512, 0, 255), 127); // 126.51
    for (long v = 0; v <= 87; ++v)
        EXPECT_EQ(WordToMixerValue(MixerValueToWord(v, 0, 87), 0, 87), v);
}

TEST(AlsaMixer, OpensQuietlyWithOrWithoutACard) {
    QTemporaryFile captured;
    ASSERT_TRUE(captured.open());
    const int savedStderr = ::dup(2);
    ::dup2(captured.handle(), 2);
    auto mixer = OpenAlsaMixer();
    TVolumeControl control(OpenAlsaMixer(), nullptr);
    (void)control.WaveVolume();
    ::dup2(savedStderr, 2);
    ::close(savedStderr);
    captured.seek(0); // the descriptor shared its offset with stderr
    EXPECT_EQ(captured.readAll(), "");
    if (!AlsaCardPresent()) {
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_FALSE(mixer->HasDevice(channel));
        EXPECT_EQ(control.WaveVolume(), 0);
    }
}

} // namespace
