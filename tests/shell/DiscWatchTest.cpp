// The disc watch over a disc described by a mount table of the test's own,
// with the scripted playback control.
#include "support/FormsFixture.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "player/Unit1.h"
#include "shell/Exceptions.h"
#include "shell/Pathes.h"
#include "video/VidOutUnit.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <cstring>

namespace {

class DiscWatchTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        SetProgramFileNameForTesting(QStringLiteral("Quorvix_Player"));
        qputenv("XDG_CONFIG_HOME", HomeDir.filePath(QStringLiteral("config")).toLocal8Bit());
        MakeDisc(Disc.path(), 1, {"clip01", "clip02"});
    }
    void TearDown() override {
        SetProgramFileNameForTesting(QString());
        qunsetenv("XDG_CONFIG_HOME");
        FormsTest::TearDown();
    }

    static void Write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A disc folder as a disc made for Windows carries it.
    void MakeDisc(const QString& root, int volume, const std::vector<std::string>& media) {
        Write(root + "/QUORVIX_PLAYER.EXE", "");
        Write(root + "/setup.inf",
              "[Main]\r\nVolume=" + QByteArray::number(volume) + "\r\nIniFileName=Watch\r\n");
        std::vector<CatalogRecord> records(media.size());
        for (size_t i = 0; i < media.size(); ++i) {
            std::memset(&records[i], 0, sizeof(CatalogRecord));
            records[i].GroupKey = 1;
            SetShortString(records[i].GroupName, "Group");
            SetShortString(records[i].Title, "Title " + media[i]);
            SetShortString(records[i].MediaName, media[i]);
            Write(root + "/VIDEO/" + QString::fromStdString(media[i]).toUpper() + ".AVI", "");
        }
        QDir().mkpath(root + "/DATA");
        WriteCatalogFile(root + "/DATA/ALL.DAT", records);
    }

    // The disc goes in (or out) of the drive: the mount table says so.
    void Insert(const QString& root) {
        Write(MountInfo(), "36 25 0:32 / " + root.toUtf8() +
                               " ro,relatime - iso9660 /dev/sr0 ro\n"
                               "20 1 8:1 / / rw - ext4 /dev/sda1 rw\n");
    }
    void Eject() { Write(MountInfo(), "20 1 8:1 / / rw - ext4 /dev/sda1 rw\n"); }
    QString MountInfo() const { return ProgramDir.filePath(QStringLiteral("mountinfo")); }

    void Tick() { MainForm->Timer2Timer(); }

    QTemporaryDir Disc;
};

TEST_F(DiscWatchTest, StartingWithoutADiscShowsTheStoppedPlayerAndWritesNothing) {
    SetMountInfoPathForTesting(MountInfo());
    Eject();
    Tick();
    EXPECT_FALSE(CatalogLoaded);
    EXPECT_FALSE(CatForm2->isVisible());
    EXPECT_EQ(MainForm->Label1->text(), QStringLiteral("Stopped"));
    EXPECT_EQ(MainForm->Label2->text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(MainForm->Label4->text(), QStringLiteral("00:00:00"));
    MainForm->close();
    EXPECT_FALSE(QDir(HomeDir.filePath(QStringLiteral("config"))).exists());
}

TEST_F(DiscWatchTest, InsertLoadsEjectPausesTheSameDiscResumesAnotherReloads) {
    SetMountInfoPathForTesting(MountInfo());
    Insert(Disc.path());
    Tick();
    ASSERT_TRUE(CatalogLoaded);
    EXPECT_TRUE(MainForm->Timer2->isActive()); // started again after the load
    EXPECT_TRUE(CatForm2->isVisible());
    EXPECT_EQ(MainForm->DiscVolume, 1);
    EXPECT_EQ(CurrentIndex, 0); // the first checked entry
    EXPECT_EQ(Player()->FileName(), Disc.path() + "/VIDEO/CLIP01.AVI");
    Player()->FinishOpening();
    EXPECT_EQ(Player()->PlayState(), mpPlaying);

    Tick(); // still in: nothing happens
    Eject();
    Tick();
    EXPECT_EQ(Player()->PlayState(), mpPaused);
    Tick();
    Insert(Disc.path());
    Player()->Calls.clear();
    Tick();
    EXPECT_EQ(Player()->Calls, QStringList({"Play"})); // resumed, not reloaded

    QTemporaryDir second;
    MakeDisc(second.path(), 2, {"other"});
    Eject();
    Tick();
    Insert(second.path());
    Tick();
    EXPECT_EQ(MainForm->DiscVolume, 2);
    EXPECT_EQ(Catalog.size(), 1u);
    EXPECT_EQ(Player()->FileName(), second.path() + "/VIDEO/OTHER.AVI");
}

// A disc whose settings can't be kept plays on; the failure is raised once,
// after the load, for the application to show, and nothing is written.
TEST_F(DiscWatchTest, ADiscNamingItsSettingsOutsideTheFolderPlaysAndSaysSoOnce) {
    Write(Disc.path() + "/setup.inf", "[Main]\r\nVolume=1\r\nIniFileName=../Watch\r\n");
    SetMountInfoPathForTesting(MountInfo());
    Insert(Disc.path());
    EXPECT_THROW(Tick(), Exception);
    EXPECT_TRUE(CatalogLoaded);
    EXPECT_EQ(CurrentIndex, 0);
    EXPECT_EQ(Player()->FileName(), Disc.path() + "/VIDEO/CLIP01.AVI");
    EXPECT_TRUE(MainForm->Timer2->isActive());
    Tick();
    MainForm->close();
    EXPECT_FALSE(QDir(HomeDir.filePath(QStringLiteral("config"))).exists());
    EXPECT_FALSE(QDir(HomeDir.filePath(QStringLiteral(".local"))).exists());
}

TEST_F(DiscWatchTest, ADiscWithoutACatalogLeavesTheWindowsAsTheyAre) {
    QFile::remove(Disc.path() + "/DATA/ALL.DAT");
    SetMountInfoPathForTesting(MountInfo());
    Insert(Disc.path());
    Tick();
    EXPECT_FALSE(CatalogLoaded);
    EXPECT_FALSE(CatForm2->isVisible());
    EXPECT_TRUE(MainForm->Timer2->isActive());
    EXPECT_TRUE(Player()->Calls.isEmpty());
}

} // namespace
