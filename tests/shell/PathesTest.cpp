#include "shell/Pathes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text);
}

QByteArray MountLine(int id, const QString& point, const char* fsType, const char* source,
                     const char* optional = "shared:1") {
    return QByteArray::number(id) + " 1 0:" + QByteArray::number(id) + " / " +
           QFile::encodeName(point) + " ro,relatime " + optional + " - " + fsType + " " + source +
           " ro\n";
}

class PathesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Temp.isValid());
        SetProgramFolderForTesting(Path("prog"));
        SetProgramFileNameForTesting("Quorvix_Player");
        SetMountInfoPathForTesting(Path("mountinfo"));
        QDir().mkpath(Path("prog"));
        WriteText(Path("mountinfo"), "");
    }
    void TearDown() override {
        SetProgramFolderForTesting({});
        SetProgramFileNameForTesting({});
        SetMountInfoPathForTesting({});
    }
    QString Path(const QString& name) const { return Temp.filePath(name); }
    // A mounted disc carrying the program under the given spelling.
    QString MakeDisc(const QString& name, const QString& program = "QUORVIX_PLAYER.EXE") {
        const QString root = Path(name);
        QDir().mkpath(root);
        if (!program.isEmpty())
            WriteText(root + "/" + program, "MZ");
        return root;
    }
    void Mount(const QByteArray& lines) { WriteText(Path("mountinfo"), lines); }

    QTemporaryDir Temp;
};

TEST_F(PathesTest, OpticalMountsInMountInfoOrder) {
    Mount(MountLine(20, "/", "ext4", "/dev/sda1") +
          MountLine(21, "/media/cd0", "iso9660", "/dev/loop3", "") +
          MountLine(22, "/run/tmp", "tmpfs", "tmpfs") +
          MountLine(23, "/media/my\\040disc\\134x", "udf", "/dev/sr1", "shared:4 master:2") +
          MountLine(24, "/media/sr", "auto", "/dev/sr0") +
          MountLine(25, "/media/fuse", "fuse.fuseiso", "fuseiso") +
          MountLine(26, "/media/other", "fuse.sshfs", "host:/x") + "garbage line\n");
    EXPECT_EQ(CdDriveLetters(),
              QStringList({"/media/cd0", "/media/my disc\\x", "/media/sr", "/media/fuse"}));
}

TEST_F(PathesTest, NoMountInfoMeansNoDrives) {
    SetMountInfoPathForTesting(Path("missing"));
    EXPECT_TRUE(CdDriveLetters().isEmpty());
    EXPECT_FALSE(ProgramDiscPresent());
    EXPECT_EQ(ProgramDiscDrive(), "");
}

TEST_F(PathesTest, FindsTheFirstDiscCarryingTheProgram) {
    const QString foreign = MakeDisc("foreign", "OTHER.EXE");
    const QString folderOnly = MakeDisc("folder", "");
    QDir().mkpath(folderOnly + "/Quorvix_Player.exe");
    const QString first = MakeDisc("first with space", "quorvix_player.exe");
    const QString second = MakeDisc("second", "Quorvix_Player");
    Mount(MountLine(30, Path("absent"), "iso9660", "/dev/sr0") +
          MountLine(31, foreign, "iso9660", "/dev/sr1") +
          MountLine(32, folderOnly, "fuse.fuseiso", "fuseiso") +
          MountLine(33, QString(first).replace(" ", "\\040"), "udf", "/dev/sr2") +
          MountLine(34, second, "fuse.fuseiso", "fuseiso"));
    EXPECT_TRUE(ProgramDiscPresent());
    EXPECT_EQ(ProgramDiscDrive(), first);
}

TEST_F(PathesTest, ProgramNameMatchesWithOrWithoutExe) {
    const QString disc = MakeDisc("disc", "quorvix_player");
    Mount(MountLine(40, disc, "iso9660", "/dev/sr0"));
    SetProgramFileNameForTesting("QUORVIX_PLAYER.exe");
    EXPECT_EQ(ProgramDiscDrive(), disc);
    SetProgramFileNameForTesting("Quorvix");
    EXPECT_FALSE(ProgramDiscPresent());
}

// The test program has a name of its own, as the installed quorvix-player
// does; discs made for Windows and the sample disc must still be recognised.
TEST_F(PathesTest, DiscIsRecognisedWhateverTheRunningExecutableIsCalled) {
    SetProgramFileNameForTesting({});
    const QString windows = MakeDisc("windows");
    const QString other = MakeDisc("other", "quorvix-player");
    Mount(MountLine(45, other, "iso9660", "/dev/sr0") +
          MountLine(46, windows, "fuse.fuseiso", "fuseiso"));
    EXPECT_EQ(ProgramDiscDrive(), windows);
}

TEST_F(PathesTest, LocateFilePrefersTheCopyBesideTheProgram) {
    const QString disc = MakeDisc("disc");
    Mount(MountLine(50, disc, "fuse.fuseiso", "fuseiso"));
    WriteText(disc + "/DATA/ALL.DAT", "disc");
    WriteText(disc + "/setup.inf", "disc");
    WriteText(Path("prog/Data/All.dat"), "local");
    EXPECT_EQ(LocateFile("Data\\All.dat"), Path("prog/Data/All.dat"));
    EXPECT_EQ(LocateFile("setup.inf"), disc + "/setup.inf");
}

TEST_F(PathesTest, LocateFileIgnoresCaseOfEveryComponentOnTheDisc) {
    const QString disc = MakeDisc("disc");
    Mount(MountLine(51, disc, "fuse.fuseiso", "fuseiso"));
    WriteText(disc + "/VIDEO/CLIP01.AVI", "upper");
    WriteText(disc + "/pic/clip01.jpg", "lower");
    EXPECT_EQ(LocateFile("Video\\clip01.AVI"), disc + "/VIDEO/CLIP01.AVI");
    EXPECT_EQ(LocateFile("Pic\\CLIP01.jpg"), disc + "/pic/clip01.jpg");
    EXPECT_EQ(LocateFile("Pic\\clip02.jpg"), "");
    EXPECT_EQ(LocateFile("Video"), "") << "a folder is not a file";
}

TEST_F(PathesTest, WithoutTheDiscOnlyLocalFilesAreFound) {
    const QString disc = MakeDisc("disc");
    WriteText(disc + "/Data/All.dat", "disc");
    WriteText(Path("prog/setup.inf"), "local");
    EXPECT_FALSE(ProgramDiscPresent());
    EXPECT_EQ(LocateFile("Data\\All.dat"), "");
    EXPECT_EQ(LocateFile("setup.inf"), Path("prog/setup.inf"));
}

TEST_F(PathesTest, NamesThatLeaveTheirFolderAreNeverResolved) {
    const QString disc = MakeDisc("disc");
    Mount(MountLine(52, disc, "iso9660", "/dev/sr0"));
    WriteText(Path("secret.txt"), "secret");
    WriteText(Path("prog/Data/x.txt"), "x");
    QDir().mkpath(disc + "/Video");
    ASSERT_TRUE(QFile::link(Path("secret.txt"), disc + "/Video/link.AVI"));
    EXPECT_EQ(LocateFile("..\\secret.txt"), "");
    EXPECT_EQ(LocateFile("Data\\..\\..\\secret.txt"), "");
    EXPECT_EQ(LocateFile(Path("secret.txt")), "");
    EXPECT_EQ(LocateFile("\\secret.txt"), "");
    EXPECT_EQ(LocateFile("C:\\secret.txt"), "");
    EXPECT_EQ(LocateFile(""), "");
    EXPECT_EQ(LocateFile("Video\\link.AVI"), "") << "a link on the disc leads off it";
    EXPECT_EQ(LocateFile("Data/x.txt"), Path("prog/Data/x.txt"));
}

TEST_F(PathesTest, NamesWithControlCharactersAreNeverResolved) {
    WriteText(Path("prog/Data/All.dat"), "catalog");
    // A NUL would cut the name at the system call and find the catalog.
    EXPECT_EQ(LocateFile(QString("Data\\All.dat") + QChar(0) + ".AVI"), "");
    EXPECT_EQ(LocateFile(QString("Data\\All.dat") + QChar(0)), "");
    EXPECT_EQ(LocateFile("Data\\All.dat\t"), "");
    EXPECT_EQ(ProgramFolderPath(QString("Data\\All.dat") + QChar(0) + ".x"), "");
    EXPECT_EQ(LocateFile("Data\\All.dat"), Path("prog/Data/All.dat"));
}

TEST_F(PathesTest, ProgramFolderPathFollowsExistingSpelling) {
    EXPECT_EQ(ProgramFolder(), Path("prog") + "/");
    EXPECT_EQ(ProgramFolderPath("Data\\All.dat"), Path("prog/Data/All.dat"));
    WriteText(Path("prog/DATA/ALL.DAT"), "x");
    EXPECT_EQ(ProgramFolderPath("Data\\All.dat"), Path("prog/DATA/ALL.DAT"));
    EXPECT_EQ(ProgramFolderPath("..\\All.dat"), "");
}

} // namespace
