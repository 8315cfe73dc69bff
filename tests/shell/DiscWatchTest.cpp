// The disc watch over a disc described by a mount table of the test's own,
// with the scripted playback control.
#include "support/FormsFixture.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "player/Unit1.h"
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
    static bool InsertDiscLineShown() { return VidOutForm->Label1->isVisibleTo(VidOutForm); }

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
    EXPECT_FALSE(InsertDiscLineShown()) << "the line stayed after the disc loaded";
    Player()->FinishOpening();
    EXPECT_EQ(Player()->PlayState(), mpPlaying);

    Tick(); // still in: nothing happens
    Eject();
    Tick();
    EXPECT_EQ(Player()->PlayState(), mpPaused);
    EXPECT_TRUE(InsertDiscLineShown());
    Tick();
    Insert(Disc.path());
    Player()->Calls.clear();
    Tick();
    EXPECT_EQ(Player()->Calls, QStringList({"Play"})); // resumed, not reloaded
    EXPECT_FALSE(InsertDiscLineShown());

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
    EXPECT_TRUE(InsertDiscLineShown());
    Insert(Disc.path());
    Tick();
    EXPECT_FALSE(CatalogLoaded);
    EXPECT_FALSE(CatForm2->isVisible());
    EXPECT_TRUE(MainForm->Timer2->isActive());
    EXPECT_TRUE(Player()->Calls.isEmpty());
    EXPECT_TRUE(InsertDiscLineShown());
}

// Where the user left a volume is kept on every entry change, when the disc
// leaves and at exit; the next load of that volume carries on there when the
// entry is still checked and the place lies within its segment.
TEST_F(DiscWatchTest, TheNextLoadCarriesOnWhereTheVolumeWasLeft) {
    MakeDisc(Disc.path(), 1, {"clip01", "clip02", "clip03"});
    std::vector<CatalogRecord> records = ReadCatalogFile(Disc.path() + "/DATA/ALL.DAT");
    records[2].StartPos = 10.0;
    records[2].EndPos = 20.0;
    WriteCatalogFile(Disc.path() + "/DATA/ALL.DAT", records);
    const QString work = HomeDir.filePath(QStringLiteral("work"));
    ASSERT_TRUE(QDir().mkpath(work));
    const QString settings = HomeDir.filePath(QStringLiteral("config/quorvix-player/Watch.ini"));
    Write(settings, "[Volume1]\r\nWorkDir=" + work.toUtf8() + "\r\nleft=7\r\n");
    const auto stored = [&](const char* key) {
        return TIniFile(settings).ReadString("Volume1", key, "none");
    };
    SetMountInfoPathForTesting(MountInfo());
    Insert(Disc.path());
    Tick();
    ASSERT_EQ(CurrentIndex, 0);
    MainForm->PlayEntry(2);
    EXPECT_EQ(stored("LastEntry"), "2");
    EXPECT_EQ(stored("LastPosition"), "10.000");
    Player()->SetPosition(15.25);
    Eject();
    Tick();
    EXPECT_EQ(stored("LastPosition"), "15.250");
    EXPECT_EQ(stored("left"), "7"); // the rest of the section stays

    // As at a new start: nothing open yet.
    const auto reload = [&] {
        VidOutForm->CloseMedia();
        Player()->Calls.clear();
        MainForm->LoadDisc();
    };
    Insert(Disc.path());
    reload();
    EXPECT_EQ(CurrentIndex, 2);
    EXPECT_EQ(
        Player()->Calls.mid(0, 2),
        QStringList({"FileName=" + Disc.path() + "/VIDEO/CLIP03.AVI", "CurrentPosition=15.25"}));
    Player()->FinishOpening();
    Player()->SetPosition(17.5);
    Player()->Calls.clear();
    MainForm->StopBtnClick(); // Stop and Play start the entry from its start mark
    EXPECT_EQ(Player()->Calls, QStringList({"Stop", "CurrentPosition=10"}));

    // Past the segment, before it, not a number, not an entry, or unchecked:
    // a checked entry starts from its start mark, as without a kept place.
    const auto startsAfresh = [&](const QByteArray& entry, const QByteArray& position) {
        TIniFile(settings).WriteString("Volume1", "LastEntry", entry);
        TIniFile(settings).WriteString("Volume1", "LastPosition", position);
        reload();
        const QString start = QString("CurrentPosition=%1").arg(Catalog[CurrentIndex].StartPos);
        EXPECT_EQ(Player()->Calls.value(1), start)
            << entry.toStdString() << " at " << position.toStdString();
    };
    for (const auto& [entry, position] : std::vector<std::pair<QByteArray, QByteArray>>{
             {"2", "20"}, {"2", "9.5"}, {"2", "inf"}, {"2", "x"}, {"3", "12"}, {"-1", "12"}})
        startsAfresh(entry, position);
    Write(work + "/Favorites.lst", "1\xA4"
                                   "0\r\n1\xA4"
                                   "1\r\n0\xA4"
                                   "2\r\n");
    startsAfresh("2", "12");
    EXPECT_NE(CurrentIndex, 2) << "an unchecked entry played";

    MainForm->PlayEntry(1);
    Player()->SetPosition(3.5);
    MainForm->close();
    EXPECT_EQ(stored("LastEntry"), "1");
    EXPECT_EQ(stored("LastPosition"), "3.500");
}

} // namespace
