// A disc of three clips built into an image by the real genisoimage, mounted
// through the program's own image mount and read as the player reads it.
#include "AuthorTestSupport.h"

#include "author/DiscProject.h"
#include "author/ImageBuild.h"
#include "catalog/CatalogRecord.h"
#include "shell/Pathes.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

class ImageBuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        QV_SKIP_WITHOUT_FUSE();
        QV_REQUIRE(QStandardPaths::findExecutable("genisoimage").isEmpty()
                       ? QStringLiteral("genisoimage is not installed")
                       : QString());
        MakeClip(Path("clips/Природа/Водопад.avi"), 3);
        MakeClip(Path("clips/City/street.avi"), 2);
        MakeClip(Path("clips/City/bridge.avi"), 2);
        WriteAll(Path("clips/City/bridge.jpg"), "picture");
        Project.NewFromFolder(Path("clips"));
    }
    QString Path(const QString& name) const { return Dir.filePath(name); }
    // Builds to the end; whether it passed.
    bool Build(const QString& image) {
        QSignalSpy finished(&Builder, &TImageBuild::Finished);
        Builder.Start(Project, image);
        EXPECT_TRUE(Builder.IsRunning());
        EXPECT_TRUE(finished.wait(60000));
        return !finished.isEmpty() && finished.first().first().toBool();
    }

    PrivateRuntime Runtime; // first made, last gone: the mounts go before it
    QTemporaryDir Dir;
    TDiscProject Project;
    TImageBuild Builder;
};

TEST_F(ImageBuildTest, ThreeClipsMakeAnImageThePlayerFindsEverythingOn) {
    Project.SetTitle(0, "Мост");
    Project.SetMarks(1, 0.5, 1.5);
    Project.SetVolumeLabel("AUTHOR_TEST");
    QSignalSpy progress(&Builder, &TImageBuild::Progress);
    int ticks = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] { ++ticks; });
    beat.start(0);
    QDir().mkpath(Path("out"));
    ASSERT_TRUE(Build(Path("out/disc.iso"))) << Builder.Failures().join('\n').toStdString();
    EXPECT_GT(ticks, 0) << "the event loop ran while it built";
    EXPECT_TRUE(Builder.Failures().isEmpty());
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().first().toDouble(), 100.0);
    EXPECT_GT(Builder.ToolMilliseconds(), 0);
    EXPECT_FALSE(QFileInfo::exists(Path("out/disc.iso.part")));

    // As a drive shows it: upper-case names, the marker, the label, the catalog as built.
    FuseIsoMount disc(Path("out/disc.iso"));
    ASSERT_TRUE(disc.Mounted());
    const QString root = disc.MountPoint();
    EXPECT_EQ(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"DATA", "PIC", "QUORVIX_PLAYER.EXE", "SETUP.INF", "VIDEO"}));
    EXPECT_EQ(QDir(root + "/VIDEO").entryList(QDir::Files),
              QStringList({"BRIDGE.AVI", "CLIP.AVI", "STREET.AVI"}));
    EXPECT_EQ(ReadAll(root + "/DATA/ALL.DAT"), Bytes(Project.Records()));
    EXPECT_EQ(ReadAll(root + "/PIC/BRIDGE.JPG"), "picture");
    EXPECT_EQ(ReadAll(root + "/SETUP.INF"), "[Main]\r\nVolume=1\r\nIniFileName=clips\r\n");
    EXPECT_EQ(ReadAll(root + "/VIDEO/CLIP.AVI"), ReadAll(Path("clips/Природа/Водопад.avi")));
    QFile image(Path("out/disc.iso"));
    ASSERT_TRUE(image.open(QIODevice::ReadOnly));
    ASSERT_TRUE(image.seek(16 * 2048 + 40));
    EXPECT_EQ(image.read(32).trimmed(), "AUTHOR_TEST");
}

TEST_F(ImageBuildTest, TheCheckOfAnImageNamesWhatThePlayerWouldNotFind) {
    // The disc as a folder, then an image of it made by hand without one clip
    // and with marks beyond another's end.
    Project.SetMarks(2, 1.0, 9.0);
    Project.SaveAs(Path("disc"));
    ASSERT_TRUE(QFile::remove(Path("disc/Video/STREET.AVI")));
    RunOrThrow("genisoimage", {"-quiet", "-J", "-o", Path("broken.iso"), Path("disc")});
    const QStringList failures = VerifyImage(Path("broken.iso"), &Project.Records());
    const QString all = failures.join('\n');
    EXPECT_TRUE(all.contains("entry 2 \"Водопад\": ends at 9 s, beyond the ")) << all.toStdString();
    EXPECT_TRUE(all.contains("entry 1 \"street\": no video Video/STREET.AVI")) << all.toStdString();
    EXPECT_EQ(failures.size(), 2) << all.toStdString();

    // Without marker and with another catalog.
    ASSERT_TRUE(QFile::remove(Path("disc/QUORVIX_PLAYER.EXE")));
    std::vector<CatalogRecord> other = Project.Records();
    other.pop_back();
    RunOrThrow("genisoimage", {"-quiet", "-J", "-o", Path("other.iso"), Path("disc")});
    const QString second = VerifyImage(Path("other.iso"), &other).join('\n');
    EXPECT_TRUE(second.contains("no QUORVIX_PLAYER.EXE")) << second.toStdString();
    EXPECT_TRUE(second.contains("not the one the disc was built from")) << second.toStdString();

    WriteAll(Path("not.iso"), QByteArray(64 * 1024, 'x'));
    EXPECT_TRUE(VerifyImage(Path("not.iso")).join('\n').contains("not a disc image"));
}

TEST_F(ImageBuildTest, AFailedBuildLeavesNoImageAndSaysWhy) {
    WriteAll(Path("out/disc.iso"), "the previous image");
    // A label genisoimage takes, but a folder it cannot write into.
    ASSERT_FALSE(Build(Path("missing/folder/disc.iso")));
    EXPECT_TRUE(Builder.Failures().join('\n').contains("genisoimage failed"))
        << Builder.Failures().join('\n').toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("missing/folder/disc.iso")));

    // Cancelled midway, the old image stays as it was.
    Builder.Start(Project, Path("out/disc.iso"));
    Builder.Cancel();
    EXPECT_FALSE(Builder.IsRunning());
    EXPECT_EQ(ReadAll(Path("out/disc.iso")), "the previous image");
    EXPECT_FALSE(QFileInfo::exists(Path("out/disc.iso.part")));
}

TEST_F(ImageBuildTest, ProgressComesFromTheToolAndAClipThatIsNoMediaFailsTheImagesCheck) {
    // Large enough for genisoimage to report its steps, and no video at all.
    CatalogRecord record = Project.Record(0);
    SetShortString(record.MediaName, "HUGE");
    Project.InsertRecords(0, {record});
    Project.SaveAs(Path("disc"));
    MakeSparse(Path("disc/Video/HUGE.AVI"), 60 * 1024 * 1024);
    Project.Open(Path("disc"));
    QSignalSpy progress(&Builder, &TImageBuild::Progress);
    EXPECT_FALSE(Build(Path("disc.iso")));
    ASSERT_GE(progress.size(), 4);
    double last = 0;
    for (const QList<QVariant>& step : progress) {
        EXPECT_GT(step.first().toDouble(), last);
        last = step.first().toDouble();
    }
    EXPECT_EQ(last, 100.0);
    const QString failures = Builder.Failures().join('\n');
    EXPECT_TRUE(failures.contains("entry 0 \"bridge\": ") &&
                failures.contains("HUGE.AVI cannot be read as media"))
        << failures.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Path("disc.iso"))) << "built, though its check failed";
}

} // namespace
