// The sample disc's image mounted as a real disc: found, read and ejected.
#include "support/SampleDisc.h"

#include "catalog/CatalogRecord.h"
#include "shell/Pathes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Other discs may be mounted on this machine: keep only the real mountinfo
// lines of ours.
void SeeOnlyMount(const QString& mountInfoCopy, const QString& mountPoint) {
    QFile real("/proc/self/mountinfo");
    QFile copy(mountInfoCopy);
    ASSERT_TRUE(real.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly));
    for (const QByteArray& line : real.readAll().split('\n'))
        if (line.contains(" " + QFile::encodeName(mountPoint) + " "))
            copy.write(line + "\n");
}

class DiscMountTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ProgramHome.isValid());
        SetProgramFolderForTesting(ProgramHome.path());
        SetProgramFileNameForTesting("Quorvix_Player");
    }
    void TearDown() override {
        SetProgramFolderForTesting({});
        SetProgramFileNameForTesting({});
        SetMountInfoPathForTesting({});
    }
    QString MountInfoCopy() const { return ProgramHome.filePath("mountinfo"); }
    QTemporaryDir ProgramHome;
};

TEST_F(DiscMountTest, MountedImageIsTheProgramDiscUntilEjected) {
    QV_SKIP_WITHOUT_FUSE();
    FuseIsoMount disc(SampleDisc().Iso);
    SeeOnlyMount(MountInfoCopy(), disc.MountPoint());
    SetMountInfoPathForTesting(MountInfoCopy());
    EXPECT_TRUE(CdDriveLetters().contains(disc.MountPoint()));
    EXPECT_TRUE(ProgramDiscPresent());
    EXPECT_EQ(ProgramDiscDrive(), disc.MountPoint());
    EXPECT_EQ(LocateFile("video\\clip01.avi"), disc.MountPoint() + "/Video/CLIP01.AVI");

    LoadCatalog();
    EXPECT_TRUE(CatalogLoaded);
    EXPECT_EQ(Catalog.size(), 9u);

    QFile open(LocateFile("Video\\Clip02.AVI"));
    ASSERT_TRUE(open.open(QIODevice::ReadOnly));
    disc.Eject();
    SeeOnlyMount(MountInfoCopy(), disc.MountPoint());
    EXPECT_FALSE(ProgramDiscPresent());
    EXPECT_EQ(LocateFile("Data\\All.dat"), "");
    EXPECT_EQ(open.read(4), "RIFF") << "an open file keeps reading after a lazy eject";
}

} // namespace
