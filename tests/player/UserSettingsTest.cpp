#include "catalog/CatalogRecord.h"
#include "catalog/SetupInf.h"
#include "catalogwin/CatWinTestSupport.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/SettingsFiles.h"
#include "shell/Pathes.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// setup.inf beside the program, the user's configuration in a temporary folder.
class SettingsTest : public CatalogWindowTest {
protected:
    void SetUp() override {
        CatalogWindowTest::SetUp();
        ASSERT_TRUE(Temp.isValid());
        qputenv("XDG_CONFIG_HOME", Temp.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", Temp.filePath("data").toUtf8());
        SetProgramFolderForTesting(Temp.filePath("program"));
        // No disc of anyone else's may stand in for the missing setup.inf.
        SetMountInfoPathForTesting(Temp.filePath("no-mounts"));
        SetupPath = Temp.filePath("program/setup.inf");
        Work = Temp.filePath("work");
        QDir().mkpath(Work);
        BuildTwoGroups();
        SettingsValid = false;
    }
    void TearDown() override {
        SetProgramFolderForTesting({});
        SetMountInfoPathForTesting({});
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
        SettingsValid = false;
        CatalogWindowTest::TearDown();
    }
    void WriteSetup(const QByteArray& text) { WriteAll(SetupPath, text); }
    QString UserFile(const QString& name) const {
        return Temp.filePath("config/quorvix-player/") + name;
    }

    QTemporaryDir Temp;
    QString SetupPath;
    QString Work;
};

TEST_F(SettingsTest, DiscVolumeComesFromSetupInf) {
    EXPECT_EQ(ReadDiscVolume(), 0);
    WriteSetup("[Main]\r\nVolume=3\r\nIniFileName=Kino\r\n");
    EXPECT_EQ(ReadDiscVolume(), 3);
}

TEST_F(SettingsTest, WithoutIniFileNameOrWorkDirNothingIsWrittenBack) {
    WriteSetup("[Main]\r\nVolume=2\r\n");
    Main->LoadUserSettings();
    EXPECT_EQ(Main->DiscVolume, 2);
    EXPECT_EQ(Main->IniFileName, "ERROR");
    EXPECT_EQ(Main->IniSection, "Volume2");
    EXPECT_EQ(UserSettingsPath(Main->IniFileName), UserFile("ERROR.ini"));
    EXPECT_EQ(WorkDir, "ERROR");
    EXPECT_EQ(FavFileName, "ERROR/Favorites.lst");
    EXPECT_FALSE(SettingsValid);
    Main->WriteUserSettings();
    EXPECT_FALSE(QFileInfo::exists(UserFile("ERROR.ini")));
    EXPECT_FALSE(QFileInfo::exists(Temp.filePath("config")));
    EXPECT_FALSE(QFileInfo::exists(Temp.filePath("data")));
}

// Counts the times a file in a folder is replaced (renamed over). The moves
// of the temporary files in between keep the kernel from merging the events.
class ReplaceCounter {
public:
    explicit ReplaceCounter(const QString& file)
        : Fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), Name(QFileInfo(file).fileName()) {
        inotify_add_watch(Fd, QFile::encodeName(QFileInfo(file).path()).constData(),
                          IN_MOVED_FROM | IN_MOVED_TO);
    }
    ~ReplaceCounter() { ::close(Fd); }
    int Count() const {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        ssize_t got;
        while ((got = ::read(Fd, buffer, sizeof buffer)) > 0)
            for (char* at = buffer; at < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                count += (event->mask & IN_MOVED_TO) && event->len > 0 &&
                         QFile::decodeName(event->name) == Name;
                at += sizeof(inotify_event) + event->len;
            }
        return count;
    }

private:
    int Fd;
    QString Name;
};

// A disc never set up keeps its settings from the first run: the default
// working folder is made, used and recorded with the rest, in one write.
TEST_F(SettingsTest, WithoutWorkDirTheDefaultFolderIsUsedAndRecorded) {
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    const QString folder = Temp.filePath("data/quorvix-player/Kino");
    Main->LoadUserSettings();
    EXPECT_TRUE(SettingsValid);
    EXPECT_EQ(WorkDir, folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(FavFileName, folder + "/Favorites.lst");
    Form->CheckAllNodes();
    Entry(2)->SetChecked(false);
    Form->move(40, 50);
    Form->resize(200, 300);
    QDir().mkpath(Temp.filePath("config/quorvix-player"));
    const ReplaceCounter replaces(UserFile("Kino.ini"));
    Main->WriteUserSettings();
    EXPECT_EQ(replaces.Count(), 1) << "the settings went out in more than one write";
    const QByteArray written = "[Volume1]\r\nWorkDir=" + folder.toUtf8() +
                               "\r\nFavFileName=" + folder.toUtf8() +
                               "/Favorites.lst\r\nleft=40\r\ntop=50\r\nwidth=200\r\nheight=300\r\n";
    EXPECT_EQ(ReadAll(UserFile("Kino.ini")), written);
    EXPECT_TRUE(ReadAll(folder + "/Favorites.lst")
                    .contains("0\xA4"
                              "2\r\n"));

    // The next run reads it back, and the key is not written twice.
    Main->LoadUserSettings();
    Form->CheckAllNodes();
    Main->RestorePlayList();
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 1, 3, 4}));
    Main->WriteUserSettings();
    EXPECT_EQ(ReadAll(UserFile("Kino.ini")), written);
}

// A disc may only name a file in the settings folder. With any other name
// the disc plays on without settings, and the failure is raised to be shown.
TEST_F(SettingsTest, ANameThatIsNoPlainFileNameKeepsNoSettings) {
    for (const QByteArray& name :
         {QByteArray("../../victim/app"), QByteArray("/tmp/app"), QByteArray("..\\..\\app"),
          QByteArray(".."), QByteArray("."), QByteArray(""), QByteArray("a\x1b[2Jb")}) {
        SCOPED_TRACE(name.toStdString());
        WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=" + name + "\r\n");
        try {
            Main->LoadUserSettings();
            ADD_FAILURE() << "accepted";
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find("not a plain file name"), std::string::npos)
                << error.what();
            EXPECT_EQ(std::string(error.what()).find('\x1b'), std::string::npos)
                << "a control character reached the message";
        }
        EXPECT_FALSE(SettingsValid);
        EXPECT_EQ(WorkDir, "ERROR");
        Main->WriteUserSettings();
        EXPECT_EQ(QDir(Temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{"program", "work"}));
    }
}

// A settings file that can't be read is not taken for an empty one: nothing
// is written over it in that run.
TEST_F(SettingsTest, AnUnreadableSettingsFileIsReportedAndLeftAlone) {
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    QDir().mkpath(UserFile("Kino.ini")); // opens, but can't be read
    EXPECT_THROW(Main->LoadUserSettings(), EInOutError);
    EXPECT_FALSE(SettingsValid);
    QDir().rmdir(UserFile("Kino.ini"));
    Main->WriteUserSettings();
    EXPECT_FALSE(QFileInfo::exists(UserFile("Kino.ini")));
    EXPECT_FALSE(QFileInfo::exists(Temp.filePath("data")));
}

TEST_F(SettingsTest, DefaultFavouritesAreWrittenAtTheNextClose) {
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    WriteAll(UserFile("Kino.ini"), "[Volume1]\r\nWorkDir=" + Work.toUtf8() + "\r\n");
    Main->LoadUserSettings();
    EXPECT_TRUE(SettingsValid);
    EXPECT_EQ(FavFileName, Work + "/Favorites.lst");
    EXPECT_FALSE(Form->SizeFromSettings);
    EXPECT_EQ(Form->PlayListDialog(QFileDialog::AcceptOpen)->directory().absolutePath(), Work);
    EXPECT_EQ(Form->PlayListDialog(QFileDialog::AcceptSave)->nameFilters(),
              QStringList{"Play_List files(*.lst)"});

    Form->CheckAllNodes();
    Entry(1)->SetChecked(false);
    Form->move(40, 50);
    Form->resize(200, 300);
    Main->WriteUserSettings();
    const TIniFile user(UserFile("Kino.ini"));
    EXPECT_EQ(user.ReadString("Volume1", "FavFileName", "ERROR"),
              (Work + "/Favorites.lst").toUtf8());
    EXPECT_EQ(user.ReadInteger("Volume1", "left", 0), 40);
    EXPECT_EQ(user.ReadInteger("Volume1", "top", 0), 50);
    EXPECT_EQ(user.ReadInteger("Volume1", "width", 0), 200);
    EXPECT_EQ(user.ReadInteger("Volume1", "height", 0), 300);
    EXPECT_EQ(user.ReadString("Volume1", "WorkDir", "ERROR"), Work.toUtf8());
    EXPECT_EQ(ReadAll(Work + "/Favorites.lst"), "1\xA4"
                                                "0\r\n0\xA4"
                                                "1\r\n1\xA4"
                                                "2\r\n1\xA4"
                                                "3\r\n1\xA4"
                                                "4\r\n");
    EXPECT_TRUE(PlayListLines.empty());
}

// The settings folder turned into a file: the settings can't be written, the
// favourites still are, and the failure is passed on to be shown.
TEST_F(SettingsTest, AFailedSettingsWriteStillSavesTheFavourites) {
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    WriteAll(UserFile("Kino.ini"), "[Volume1]\r\nWorkDir=" + Work.toUtf8() + "\r\n");
    Main->LoadUserSettings();
    Form->CheckAllNodes();
    ASSERT_TRUE(QDir(Temp.filePath("config/quorvix-player")).removeRecursively());
    WriteAll(Temp.filePath("config/quorvix-player"), "not a folder");
    CurrentIndex = 1;
    EXPECT_THROW(Main->SavePlace(2.0), EInOutError);
    EXPECT_NO_THROW(Main->SavePlace(3.0)) << "each entry change tried, the failure shown once";
    EXPECT_THROW(Main->WriteUserSettings(), EInOutError);
    EXPECT_TRUE(ReadAll(Work + "/Favorites.lst").startsWith("1\xA4"));
}

TEST_F(SettingsTest, StoredGeometryIsAppliedOnlyWithoutZeros) {
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    WriteAll(UserFile("Kino.ini"), "[Volume1]\r\nWorkDir=" + Work.toUtf8() +
                                       "\r\nleft=300\r\ntop=0\r\nwidth=250\r\nheight=400\r\n");
    Main->LoadUserSettings();
    EXPECT_FALSE(Form->SizeFromSettings);
    EXPECT_EQ(Form->pos(), QPoint(5, 5));

    TIniFile(UserFile("Kino.ini")).WriteInteger("Volume1", "top", -20);
    Main->LoadUserSettings();
    EXPECT_TRUE(Form->SizeFromSettings);
    EXPECT_EQ(Form->frameGeometry().topLeft(), QPoint(300, -20));
    EXPECT_EQ(Form->size(), QSize(250, 400));
    const int width = Form->width();
    Form->BuildCatalogTree(); // placed from the settings: building does not size it
    EXPECT_EQ(Form->width(), width);
}

TEST_F(SettingsTest, GeometryNeedsAnExistingWorkDir) {
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    WriteAll(UserFile("Kino.ini"), "[Volume1]\r\nWorkDir=" + Temp.filePath("gone").toUtf8() +
                                       "\r\nleft=300\r\ntop=20\r\nwidth=250\r\nheight=400\r\n");
    Main->LoadUserSettings();
    EXPECT_TRUE(SettingsValid);
    EXPECT_FALSE(Form->SizeFromSettings);
    EXPECT_EQ(Form->pos(), QPoint(5, 5));
}

TEST_F(SettingsTest, TwoVolumesKeepSeparateSectionsOfOneFile) {
    WriteAll(UserFile("Kino.ini"), "[Volume1]\r\nWorkDir=" + Work.toUtf8() +
                                       "\r\n[Volume2]\r\nWorkDir=" + Work.toUtf8() +
                                       "\r\nFavFileName=" + Work.toUtf8() + "/two.lst\r\n");
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    Main->LoadUserSettings();
    Form->move(11, 12);
    Main->WriteUserSettings();
    WriteSetup("[Main]\r\nVolume=2\r\nIniFileName=Kino\r\n");
    Main->LoadUserSettings();
    EXPECT_EQ(FavFileName, Work + "/two.lst");
    Form->move(21, 22);
    Main->WriteUserSettings();

    const TIniFile user(UserFile("Kino.ini"));
    EXPECT_EQ(user.ReadInteger("Volume1", "left", 0), 11);
    EXPECT_EQ(user.ReadInteger("Volume2", "left", 0), 21);
    EXPECT_EQ(user.ReadString("Volume1", "FavFileName", "ERROR"),
              (Work + "/Favorites.lst").toUtf8());
    EXPECT_EQ(user.ReadString("Volume2", "FavFileName", "ERROR"), (Work + "/two.lst").toUtf8());
    EXPECT_TRUE(QFileInfo::exists(Work + "/two.lst"));
}

// setup.inf is Windows text: two discs named in Cyrillic keep files of their own.
TEST_F(SettingsTest, CyrillicIniFileNamesNameSeparateFiles) {
    const QString kino = QString::fromUtf8("Кино"), music = QString::fromUtf8("Музыка");
    const QString otherWork = Temp.filePath("work2");
    QDir().mkpath(otherWork);
    // Each disc's file names its own working folder and keeps its own geometry.
    auto useDisc = [&](const QString& name, const QString& work, int left) {
        SCOPED_TRACE(name.toStdString());
        WriteAll(UserFile(name + ".ini"), "[Volume1]\r\nWorkDir=" + work.toUtf8() + "\r\n");
        WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=" + QStringToAnsi(name) + "\r\n");
        Main->LoadUserSettings();
        EXPECT_EQ(Main->IniFileName, name);
        EXPECT_EQ(WorkDir, work);
        Form->move(left, 12);
        Main->WriteUserSettings();
    };
    useDisc(kino, Work, 11);
    useDisc(music, otherWork, 21);
    EXPECT_EQ(TIniFile(UserFile(kino + ".ini")).ReadInteger("Volume1", "left", 0), 11);
    EXPECT_EQ(TIniFile(UserFile(music + ".ini")).ReadInteger("Volume1", "left", 0), 21);
}

TEST_F(SettingsTest, LoadedPlayListBecomesTheFavouritesAndIsOverwrittenAtClose) {
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    WriteAll(UserFile("Kino.ini"), "[Volume1]\r\nWorkDir=" + Work.toUtf8() + "\r\n");
    Main->LoadUserSettings();
    Form->CheckAllNodes();
    const QString other = Work + "/other.lst";
    WriteAll(other, "0\xA4"
                    "3\r\n0\xA4"
                    "4\r\n");
    Form->ChooseFile = [&](QFileDialog* dialog) {
        EXPECT_EQ(dialog, Form->OpenDialog1);
        return other;
    };
    Form->FlatButton1Click();
    EXPECT_EQ(FavFileName, other);
    EXPECT_EQ(Form->Label3->text(), "other.lst");
    EXPECT_FALSE(Form->ApplyingPlayList);
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 1, 2}));

    Entry(0)->SetChecked(false);
    Main->WriteUserSettings();
    EXPECT_EQ(TIniFile(UserFile("Kino.ini")).ReadString("Volume1", "FavFileName", "ERROR"),
              other.toUtf8());
    EXPECT_EQ(ReadAll(other), "0\xA4"
                              "0\r\n1\xA4"
                              "1\r\n1\xA4"
                              "2\r\n0\xA4"
                              "3\r\n0\xA4"
                              "4\r\n");
    EXPECT_FALSE(QFileInfo::exists(Work + "/Favorites.lst"));
}

TEST_F(SettingsTest, LoadRefusesAPlayListWhoseNameCannotBeStored) {
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    const QByteArray settings = "[Volume1]\r\nWorkDir=" + Work.toUtf8() + "\r\n";
    WriteAll(UserFile("Kino.ini"), settings);
    Main->LoadUserSettings();
    const QString favourites = FavFileName;
    const QString broken = Work + "/a\n[Volume2]\nWorkDir=.lst"; // legal on Linux
    WriteAll(broken, "0\xA4"
                     "0\r\n");
    Form->CheckAllNodes();
    Form->ChooseFile = [&](QFileDialog*) { return broken; };
    EXPECT_THROW(Form->FlatButton1Click(), Exception);
    EXPECT_EQ(FavFileName, favourites);
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 1, 2, 3, 4}));
    Main->WriteUserSettings();
    const QByteArray written = ReadAll(UserFile("Kino.ini"));
    EXPECT_FALSE(written.contains("Volume2")) << written.toStdString();
}

TEST_F(SettingsTest, SaveButtonWritesTheChosenFileAndKeepsTheFavourites) {
    WriteSetup("[Main]\r\nVolume=1\r\nIniFileName=Kino\r\n");
    WriteAll(UserFile("Kino.ini"), "[Volume1]\r\nWorkDir=" + Work.toUtf8() + "\r\n");
    Main->LoadUserSettings();
    Form->CheckAllNodes();
    const QString chosen = Work + "/saved.lst";
    Form->ChooseFile = [&](QFileDialog* dialog) {
        EXPECT_EQ(dialog, Form->SaveDialog1);
        return chosen;
    };
    Form->FlatButton2Click();
    EXPECT_EQ(FavFileName, Work + "/Favorites.lst");
    EXPECT_EQ(Form->Label3->text(), "Play List");
    EXPECT_EQ(ReadAll(chosen).count("\r\n"), 5);

    // A save that fails still leaves the favourites as they were.
    Form->ChooseFile = [&](QFileDialog*) { return Work + "/missing/dir/x.lst"; };
    WriteAll(Temp.filePath("work/missing"), "a file where a folder should be");
    EXPECT_THROW(Form->FlatButton2Click(), Exception);
    EXPECT_EQ(FavFileName, Work + "/Favorites.lst");
    EXPECT_TRUE(PlayListLines.empty());

    Form->ChooseFile = [](QFileDialog*) { return QString(); }; // cancelled
    Form->FlatButton2Click();
    EXPECT_EQ(FavFileName, Work + "/Favorites.lst");
}

} // namespace
