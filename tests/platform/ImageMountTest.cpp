// Disc images mounted for the user: what counts as an image, the fuseiso way
// for real, and the UDisks2 way against a mock service on a bus of the test's own.
#include "platform/ImageMount.h"
#include "platform/FuseIsoImage.h"
#include "platform/UDisksImage.h"
#include "support/PrivateBus.h"
#include "support/SampleDisc.h"
#include "support/ScopedEnvironment.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString MountInfo() {
    QFile file("/proc/self/mountinfo");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

int TimesMounted(const QString& folder) {
    return MountInfo().count(" " + folder + " ");
}

TEST(ImageMount, OnlyReadableIso9660OrUdfImagesAreDiscImages) {
    EXPECT_EQ(DiscImageProblem(SampleDisc().Iso), "");
    QTemporaryDir dir;
    EXPECT_TRUE(DiscImageProblem(dir.path()).contains("is not a file"));
    EXPECT_TRUE(DiscImageProblem(dir.filePath("none.iso")).contains("no such file"));

    // The bytes of a real image, but cut off before its volume descriptors.
    QFile source(SampleDisc().Iso);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray image = source.readAll();
    const auto problemOf = [&dir](const QByteArray& bytes) {
        QFile file(dir.filePath("image.iso"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return DiscImageProblem(file.fileName());
    };
    EXPECT_TRUE(problemOf(image.left(32 * 1024)).contains("is not a disc image"));
    EXPECT_TRUE(problemOf(QByteArray(64 * 1024, '\0')).contains("is not a disc image"));
    // A UDF image begins its recognition sequence where ISO 9660 has its first descriptor.
    QByteArray udf(64 * 1024, '\0');
    udf.replace(32 * 1024 + 1, 5, "BEA01");
    EXPECT_EQ(problemOf(udf), "");
}

class FuseIsoImageTest : public ::testing::Test {
protected:
    QTemporaryDir Runtime;
    ScopedEnvironment InRuntime{"XDG_RUNTIME_DIR", Runtime.path().toLocal8Bit()};
};

// A run that was killed leaves its mount behind; the next one mounts anyway.
TEST_F(FuseIsoImageTest, MountsInTheRuntimeFolderOverALeftOverAndUnmounts) {
    QV_SKIP_WITHOUT_FUSE();
    const QString folder =
        Runtime.path() + "/quorvix-player/" + QFileInfo(SampleDisc().Iso).completeBaseName();
    ASSERT_TRUE(QDir().mkpath(folder));
    RunOrThrow("fuseiso", {SampleDisc().Iso, folder});
    ASSERT_EQ(TimesMounted(folder), 1);

    auto image = MountWithFuseIso(SampleDisc().Iso);
    EXPECT_EQ(image->MountPoint(), folder);
    EXPECT_EQ(TimesMounted(folder), 1);
    EXPECT_TRUE(QFile::exists(folder + "/setup.inf"));
    image.reset();
    EXPECT_EQ(TimesMounted(folder), 0);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

// The mock service logs the calls it gets; see UDisks2Mock.py.
class UDisksImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Bus.Address().isEmpty()) << "no dbus-daemon";
        Mock.setProcessChannelMode(QProcess::ForwardedChannels);
        Mock.start("/usr/bin/python3",
                   {"-m", "dbusmock", "--system", "--logfile", Log(), "--template",
                    QV_SOURCE_DIR "/tests/support/UDisks2Mock.py"});
        ASSERT_TRUE(QTest::qWaitFor([] { return UDisksBus().has_value(); }, 20000))
            << "the mock service did not start (python3-dbusmock)";
    }
    void TearDown() override {
        Mock.terminate();
        Mock.waitForFinished();
    }
    QString Log() const { return Dir.filePath("calls.log"); }
    QString Calls() const {
        QFile file(Log());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    PrivateSessionBus Bus;
    // Before the first use of the system bus in this process.
    ScopedEnvironment SystemBus{"DBUS_SYSTEM_BUS_ADDRESS", Bus.Address().toUtf8()};
    QTemporaryDir Dir;
    QProcess Mock;
};

TEST_F(UDisksImageTest, ALoopDeviceReadOnlyIsMountedAndReleased) {
    const QString iso = QFileInfo(SampleDisc().Iso).canonicalFilePath();
    auto image = MountImage(SampleDisc().Iso);
    EXPECT_EQ(image->MountPoint(), "/media/mock/SAMPLE");
    const QString calls = Calls();
    EXPECT_TRUE(calls.contains("LoopSetup ")) << calls.toStdString();
    EXPECT_TRUE(calls.contains("{\"read-only\": True}")) << calls.toStdString();
    EXPECT_TRUE(calls.contains("descriptor of " + iso + ", read-only")) << calls.toStdString();
    EXPECT_TRUE(calls.contains("Mount {}")) << calls.toStdString();
    EXPECT_FALSE(calls.contains("Unmount")) << calls.toStdString();

    image.reset();
    const QString atEnd = Calls();
    const qsizetype unmounted = atEnd.indexOf("Unmount {}");
    EXPECT_GE(unmounted, 0) << atEnd.toStdString();
    EXPECT_GT(atEnd.indexOf("Delete {}"), unmounted) << atEnd.toStdString();
}

} // namespace
