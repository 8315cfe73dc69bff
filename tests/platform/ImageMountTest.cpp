// Disc images mounted for the user: what counts as an image, the fuseiso way
// for real, and the UDisks2 way against a mock service on a bus of the test's own.
#include "platform/ImageMount.h"
#include "platform/Exceptions.h"
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
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

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

QString FoldersIn(const QString& runtime) {
    return runtime + "/quorvix-player";
}

// The folder where a process mounts.
QString ProcessFolderIn(const QString& runtime, qint64 pid) {
    return FoldersIn(runtime) + "/" + QString::number(pid);
}

// A run that was killed leaves its mount behind; the next one clears it
// away, and mounts in a folder of its own process. Another program's mount
// (the author's tool beside the player) stays.
TEST_F(FuseIsoImageTest, MountsInTheRuntimeFolderOverALeftOverAndUnmounts) {
    QV_SKIP_WITHOUT_FUSE();
    QProcess ended;
    ended.start("true");
    ASSERT_TRUE(ended.waitForFinished(10000));
    const QString base = QFileInfo(SampleDisc().Iso).completeBaseName();
    const QString leftOver = FoldersIn(Runtime.path()) + "/" + base;
    const QString killedRun = ProcessFolderIn(Runtime.path(), ended.processId()) + "/" + base;
    const QString otherProgram = ProcessFolderIn(Runtime.path(), ::getppid()) + "/" + base;
    for (const QString& mount : {leftOver, killedRun, otherProgram}) {
        ASSERT_TRUE(QDir().mkpath(mount));
        RunOrThrow("fuseiso", {SampleDisc().Iso, mount});
        ASSERT_EQ(TimesMounted(mount), 1);
    }

    auto image = MountWithFuseIso(SampleDisc().Iso);
    const QString folder = image->MountPoint();
    for (const QString& gone : {leftOver, killedRun}) {
        EXPECT_EQ(TimesMounted(gone), 0) << gone.toStdString();
        EXPECT_FALSE(QFileInfo::exists(gone)) << gone.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(killedRun).absolutePath()));
    EXPECT_EQ(TimesMounted(otherProgram), 1) << "another running program lost its disc";
    RunOrThrow("fusermount", {"-u", "-z", otherProgram});
    EXPECT_EQ(QFileInfo(folder).absolutePath(), ProcessFolderIn(Runtime.path(), ::getpid()));
    EXPECT_TRUE(QFileInfo(folder).fileName().startsWith(
        QFileInfo(SampleDisc().Iso).completeBaseName() + "-"));
    EXPECT_EQ(TimesMounted(folder), 1);
    EXPECT_TRUE(QFile::exists(folder + "/setup.inf"));
    image.reset();
    EXPECT_EQ(TimesMounted(folder), 0);
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(folder).absolutePath()));
}

// Names whose base is empty, "." or "..", and two images of one name: each
// mount has a folder of its own inside the program's folder, never the
// runtime folder or the program's folder itself. An unmount asked for while
// a file on the disc is open still takes the disc away.
TEST_F(FuseIsoImageTest, EveryImageGetsAFolderOfItsOwn) {
    QV_SKIP_WITHOUT_FUSE();
    QTemporaryDir images;
    ASSERT_TRUE(QDir().mkpath(images.filePath("other")));
    QStringList names = {"...iso", "..iso", ".iso", "disc.iso", "other/disc.iso"};
    for (const QString& name : names)
        ASSERT_TRUE(QFile::link(SampleDisc().Iso, images.filePath(name)));
    std::vector<std::unique_ptr<TImageMount>> mounts;
    QStringList folders;
    for (const QString& name : names) {
        // Each mount clears away what it finds: only one at a time.
        mounts.push_back(MountWithFuseIso(images.filePath(name)));
        const QString folder = mounts.back()->MountPoint();
        const QString parent = QFileInfo(QFileInfo(folder).canonicalFilePath()).absolutePath();
        EXPECT_EQ(parent,
                  QFileInfo(ProcessFolderIn(Runtime.path(), ::getpid())).canonicalFilePath())
            << name.toStdString();
        EXPECT_TRUE(QFile::exists(folder + "/setup.inf")) << name.toStdString();
        EXPECT_FALSE(folders.contains(folder)) << name.toStdString();
        folders << folder;

        QFile open(folder + "/setup.inf");
        ASSERT_TRUE(open.open(QIODevice::ReadOnly));
        mounts.back()->Unmount();
        EXPECT_EQ(TimesMounted(folder), 0) << name.toStdString();
        EXPECT_FALSE(QFileInfo::exists(folder)) << name.toStdString();
        mounts.back()->Unmount(); // once is enough
    }
    mounts.clear();
    EXPECT_TRUE(QDir(FoldersIn(Runtime.path())).isEmpty());
    EXPECT_FALSE(MountInfo().contains(Runtime.path()));
}

// The mock service logs the calls it gets; see UDisks2Mock.py. The process
// connects to one system bus only, so the suite shares it.
class UDisksImageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Bus = std::make_unique<PrivateSessionBus>();
        // Before the first use of the system bus in this process.
        SystemBus =
            std::make_unique<ScopedEnvironment>("DBUS_SYSTEM_BUS_ADDRESS", Bus->Address().toUtf8());
    }
    static void TearDownTestSuite() {
        SystemBus.reset();
        Bus.reset();
    }
    void StartMock(const QString& busy = {}) {
        ASSERT_FALSE(Bus->Address().isEmpty()) << "no dbus-daemon";
        Mock.setProcessChannelMode(QProcess::ForwardedChannels);
        Mock.start("/usr/bin/python3",
                   {"-m", "dbusmock", "--system", "--logfile", Log(), "--template",
                    QV_SOURCE_DIR "/tests/support/UDisks2Mock.py", "--parameters",
                    QStringLiteral(R"({"busy": "%1"})").arg(busy)});
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

    static inline std::unique_ptr<PrivateSessionBus> Bus;
    static inline std::unique_ptr<ScopedEnvironment> SystemBus;
    QTemporaryDir Dir;
    QProcess Mock;
};

// The loop device clears itself once unmounted, even after a run that is
// killed. The window thread runs on while the service works.
TEST_F(UDisksImageTest, ALoopDeviceReadOnlyIsMountedAndReleased) {
    ASSERT_NO_FATAL_FAILURE(StartMock());
    const QString iso = QFileInfo(SampleDisc().Iso).canonicalFilePath();
    int ticks = 0;
    QTimer ticking;
    QObject::connect(&ticking, &QTimer::timeout, [&ticks] { ++ticks; });
    ticking.start(20);
    auto image = MountImage(SampleDisc().Iso);
    EXPECT_GT(ticks, 0) << "the window thread waited for the service";
    EXPECT_EQ(image->MountPoint(), "/media/mock/SAMPLE");
    const QString calls = Calls();
    EXPECT_TRUE(calls.contains("LoopSetup ")) << calls.toStdString();
    EXPECT_TRUE(calls.contains("{\"read-only\": True}")) << calls.toStdString();
    EXPECT_TRUE(calls.contains("descriptor of " + iso + ", read-only")) << calls.toStdString();
    EXPECT_GT(calls.indexOf("SetAutoclear True"), calls.indexOf("LoopSetup "))
        << calls.toStdString();
    EXPECT_TRUE(calls.contains("Mount {}")) << calls.toStdString();
    EXPECT_FALSE(calls.contains("Unmount")) << calls.toStdString();

    image.reset();
    const QString atEnd = Calls();
    const qsizetype unmounted = atEnd.indexOf("Unmount {}");
    EXPECT_GE(unmounted, 0) << atEnd.toStdString();
    EXPECT_GT(atEnd.indexOf("Delete {}"), unmounted) << atEnd.toStdString();
}

// A clip still open on the disc: the unmount is forced (lazy), and only a
// refusal of that too is a failure, told and not hidden.
TEST_F(UDisksImageTest, ABusyDiscIsUnmountedLazilyAndARefusalIsTold) {
    ASSERT_NO_FATAL_FAILURE(StartMock("unforced"));
    auto image = MountImage(SampleDisc().Iso);
    image->Unmount();
    const QString calls = Calls();
    const qsizetype forced = calls.indexOf("Unmount {\"force\": True}");
    EXPECT_GT(forced, calls.indexOf("Unmount {}")) << calls.toStdString();
    EXPECT_GT(calls.indexOf("Delete {}"), forced) << calls.toStdString();
    image.reset();
    EXPECT_EQ(Calls().count("Unmount {"), 2) << "unmounted again at the end";
    TearDown();

    ASSERT_NO_FATAL_FAILURE(StartMock("always"));
    image = MountImage(SampleDisc().Iso);
    try {
        image->Unmount();
        ADD_FAILURE() << "a refused unmount passed for done";
    } catch (const Exception& refused) {
        EXPECT_TRUE(QString(refused.what()).contains("busy")) << refused.what();
    }
    EXPECT_EQ(image->MountPoint(), "/media/mock/SAMPLE") << "the disc is still there";
}

} // namespace
