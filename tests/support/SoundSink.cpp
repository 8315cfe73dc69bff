#include "support/SoundSink.h"

#include "support/SampleDisc.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr int Channels = 2;
constexpr int FrameBytes = Channels * 2;                 // signed 16-bit samples
constexpr qsizetype BlockBytes = Rate / 20 * FrameBytes; // 50 ms, 22 periods of 440 Hz

QString FromSoundServer(const char* variable) {
    const QString value = qEnvironmentVariable(variable);
    EXPECT_FALSE(value.isEmpty()) << "run the sound tests through scripts/sound-server.sh";
    return value;
}

double BlockRms(const char* bytes, qsizetype size) {
    double sum = 0.0;
    for (qsizetype i = 0; i + 1 < size; i += 2) {
        std::int16_t sample;
        std::memcpy(&sample, bytes + i, 2);
        sum += double(sample) * sample;
    }
    return std::sqrt(sum / double(size / 2)) / 32768.0;
}

// The median over 50 ms blocks: a block that the sink played empty because
// the engine fell behind on a loaded machine does not count.
double MedianBlockRms(const QByteArray& recorded) {
    std::vector<double> blocks;
    for (qsizetype at = 0; at + BlockBytes <= recorded.size(); at += BlockBytes)
        blocks.push_back(BlockRms(recorded.constData() + at, BlockBytes));
    if (blocks.empty())
        return 0.0;
    std::nth_element(blocks.begin(), blocks.begin() + blocks.size() / 2, blocks.end());
    return blocks[blocks.size() / 2];
}

// Records the monitor from first use to the end of the test program. A
// recorder that just connected hears nothing while an idle sink finishes its
// long block (up to 2 s), so one is kept running.
class TSinkRecorder {
public:
    TSinkRecorder() {
        Process.start("parec", {"-s", SoundServerAddress(), "-d",
                                FromSoundServer("QV_SOUND_SINK") + ".monitor", "--format=s16le",
                                "--rate=" + QString::number(Rate),
                                "--channels=" + QString::number(Channels), "--latency-msec=20"});
        EXPECT_TRUE(Process.waitForStarted()) << "parec: " << Process.errorString().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([this] { return Process.bytesAvailable() > 0; }, 5000))
            << "parec: " << Process.readAllStandardError().toStdString();
    }
    ~TSinkRecorder() {
        Process.terminate();
        Process.waitForFinished();
    }
    TSinkRecorder(const TSinkRecorder&) = delete;
    TSinkRecorder& operator=(const TSinkRecorder&) = delete;

    // The next stretch the sink plays: on a loaded machine it may reach the
    // recorder later than the wall clock says.
    QByteArray Record(int milliseconds) {
        Process.readAllStandardOutput(); // what was played before
        const qsizetype wanted = qsizetype(Rate) * milliseconds / 1000 * FrameBytes;
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return Process.bytesAvailable() >= wanted; }, 10 * milliseconds))
            << "the recorder stopped";
        return Process.read(wanted);
    }

private:
    QProcess Process;
};

TSinkRecorder& Recorder() {
    static TSinkRecorder* recorder = nullptr;
    if (!recorder) {
        recorder = new TSinkRecorder;
        qAddPostRoutine([] {
            delete recorder;
            recorder = nullptr;
        });
    }
    return *recorder;
}

} // namespace

QString SoundServerAddress() {
    return FromSoundServer("QV_SOUND_SERVER");
}

double SettledRms() {
    QTest::qWait(500);
    return MedianBlockRms(Recorder().Record(600));
}

const QString& SineClip() {
    static const QTemporaryDir dir;
    static const QString clip = [] {
        const QString path = dir.filePath("SINE.AVI");
        const QString tone = "0.5*sin(2*PI*440*t)";
        RunOrThrow("ffmpeg", {"-v",
                              "error",
                              "-y",
                              "-f",
                              "lavfi",
                              "-i",
                              "testsrc=size=160x120:rate=25",
                              "-f",
                              "lavfi",
                              "-i",
                              "aevalsrc=" + tone + "|" + tone + ":s=" + QString::number(Rate),
                              "-t",
                              "30",
                              "-c:v",
                              "mpeg4",
                              "-vtag",
                              "DIVX",
                              "-c:a",
                              "pcm_s16le",
                              path});
        return path;
    }();
    return clip;
}
