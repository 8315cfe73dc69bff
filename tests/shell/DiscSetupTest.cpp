#include "shell/DiscSetup.h"
#include "catalogwin/CatWinTestSupport.h"
#include "platform/Exceptions.h"
#include "shell/Pathes.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTranslator>

namespace {

// A disc folder of the test's own, the user's folders in a temporary place.
class DiscSetupTest : public CatalogWindowTest {
protected:
    void SetUp() override {
        CatalogWindowTest::SetUp();
        ASSERT_TRUE(Temp.isValid());
        qputenv("XDG_CONFIG_HOME", Path("config").toUtf8());
        qputenv("XDG_DATA_HOME", Path("data").toUtf8());
        Disc = Path("disc");
        // Discs show names in either case, and name their settings in
        // Windows-1251: here "Клипы".
        WriteAll(Disc + "/SETUP.INF", "[Main]\r\nVolume=2\r\nIniFileName=\xCA\xEB\xE8\xEF\xFB\r\n");
        Settings = Path(QString::fromUtf8("config/quorvix-player/Клипы.ini"));
        DefaultFolder = Path(QString::fromUtf8("data/quorvix-player/Клипы"));
    }
    void TearDown() override {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
        SetProgramFolderForTesting({});
        SettingsValid = false;
        CatalogWindowTest::TearDown();
    }
    QString Path(const QString& name) const { return Temp.filePath(name); }

    QTemporaryDir Temp;
    QString Disc;
    QString Settings;
    QString DefaultFolder;
};

// The program reads back exactly what the set-up wrote, and keeps it valid.
TEST_F(DiscSetupTest, NewSettingsFileNamesTheDefaultFolderTheProgramThenUses) {
    const TDiscSetup done = SetUpDisc(Disc, {}, false);
    EXPECT_TRUE(done.Written);
    EXPECT_EQ(done.Volume, 2);
    EXPECT_EQ(done.Section, "Volume2");
    EXPECT_EQ(done.SettingsPath, Settings);
    EXPECT_EQ(done.WorkDir, DefaultFolder);
    EXPECT_TRUE(QFileInfo(DefaultFolder).isDir());
    EXPECT_EQ(ReadAll(Settings), "[Volume2]\r\nWorkDir=" + DefaultFolder.toUtf8() + "\r\n");

    SetProgramFolderForTesting(Disc);
    Main->LoadUserSettings();
    EXPECT_TRUE(SettingsValid);
    EXPECT_EQ(WorkDir, DefaultFolder);
    EXPECT_EQ(FavFileName, DefaultFolder + "/Favorites.lst");
}

TEST_F(DiscSetupTest, EveryOtherByteOfTheSettingsFileStays) {
    // LF line ends, Windows-1251 bytes, a comment, another volume and no final line end.
    const QByteArray before = "; \xCA\xE8\xED\xEE\n[Volume1]\nWorkDir=/old/one\nleft=5\n"
                              "[volume2]\nFavFileName=/x/\xE9.lst\ntop=7";
    WriteAll(Settings, before);
    const QString folder = Path("my work");
    SetUpDisc(Disc, folder, false);
    // The key joins the end of its section, on a line of the file's own kind.
    EXPECT_EQ(ReadAll(Settings), before + "\nWorkDir=" + folder.toUtf8() + "\n");
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(DiscSetupTest, ExistingWorkDirIsKeptUnlessForced) {
    const QByteArray before = "[Volume2]\r\nWorkDir=/home/u/Kino\r\nleft=1\r\n";
    WriteAll(Settings, before);
    const TDiscSetup kept = SetUpDisc(Disc, Path("other"), false);
    EXPECT_FALSE(kept.Written);
    EXPECT_EQ(kept.WorkDir, "/home/u/Kino");
    EXPECT_EQ(ReadAll(Settings), before);
    EXPECT_FALSE(QFileInfo::exists(Path("other")));

    const TDiscSetup forced = SetUpDisc(Disc, Path("other"), true);
    EXPECT_TRUE(forced.Written);
    EXPECT_EQ(ReadAll(Settings),
              "[Volume2]\r\nWorkDir=" + Path("other").toUtf8() + "\r\nleft=1\r\n");
}

TEST_F(DiscSetupTest, AnEmptyWorkDirIsNoWorkDir) {
    WriteAll(Settings, "[Volume2]\r\nWorkDir=\r\n");
    EXPECT_TRUE(SetUpDisc(Disc, {}, false).Written);
    EXPECT_EQ(ReadAll(Settings), "[Volume2]\r\nWorkDir=" + DefaultFolder.toUtf8() + "\r\n");
}

TEST_F(DiscSetupTest, RefusesWhatCannotBeStoredOrIsNoDisc) {
    EXPECT_THROW(SetUpDisc(Path("nothing"), {}, false), Exception);
    EXPECT_THROW(SetUpDisc(Disc, Path("two\nlines"), false), Exception);
    EXPECT_THROW(SetUpDisc(Disc, Path("trailing "), false), Exception);
    EXPECT_FALSE(QFileInfo::exists(Settings));
    // A folder that cannot be made leaves the file alone.
    WriteAll(Path("plain"), "x");
    EXPECT_THROW(SetUpDisc(Disc, Path("plain/sub"), false), Exception);
    EXPECT_FALSE(QFileInfo::exists(Settings));
    // A disc names no file outside the settings folder.
    WriteAll(Disc + "/SETUP.INF", "[Main]\r\nVolume=2\r\nIniFileName=../../victim/app\r\n");
    EXPECT_THROW(SetUpDisc(Disc, {}, false), Exception);
    EXPECT_EQ(QDir(Temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"disc", "plain"}));
}

// The command itself: says what it did, and exits non-zero on failure.
TEST_F(DiscSetupTest, CommandReportsWhatItDid) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", Path("config"));
    env.insert("XDG_DATA_HOME", Path("data"));
    for (const char* chooser : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(chooser);
    env.insert("LANG", "C.UTF-8");
    tool.setProcessEnvironment(env);
    const auto run = [&](const QStringList& args) {
        tool.start(QV_DISC_SETUP, args);
        EXPECT_TRUE(tool.waitForFinished(30000));
        return QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
    };
    EXPECT_EQ(run({Disc}), "Disc volume 2 in " + Disc + ": WorkDir=" + DefaultFolder +
                               " written to [Volume2] of " + Settings + "\n");
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_TRUE(run({Disc}).contains("already has WorkDir=" + DefaultFolder));
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_TRUE(run({"--force", "--workdir", Path("w"), Disc}).contains("WorkDir=" + Path("w")));
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_TRUE(run({Path("nothing")}).contains("No setup.inf"));
    EXPECT_EQ(tool.exitCode(), 1);
    WriteAll(Settings, "[Volume2]\nWorkDir=" + Path("gone").toUtf8() + "\n");
    EXPECT_TRUE(run({Disc}).contains("warning: the folder " + Path("gone") + " does not exist"));
    EXPECT_EQ(tool.exitCode(), 0);
    run({"--bogus", Disc});
    EXPECT_EQ(tool.exitCode(), 2);
    WriteAll(Disc + "/SETUP.INF", "[Main]\r\nVolume=2\r\nIniFileName=..\r\n");
    EXPECT_TRUE(run({Disc}).contains("\"..\", which is not a plain file name"));
    EXPECT_EQ(tool.exitCode(), 1);

    // In the desktop's language, as the player speaks it.
    QTranslator russian;
    ASSERT_TRUE(russian.load(":/i18n/quorvix_ru.qm"));
    env.insert("LANG", "ru_RU.UTF-8");
    tool.setProcessEnvironment(env);
    const QString refused =
        russian.translate("SettingsFiles", "This disc's settings can't be kept: "
                                           "its setup.inf names the settings "
                                           "file \"%1\", which is not a plain "
                                           "file name");
    ASSERT_FALSE(refused.isEmpty());
    EXPECT_TRUE(run({Disc}).contains(refused.arg(".."))) << refused.toStdString();
    EXPECT_TRUE(
        run({"--help"})
            .contains(russian.translate("DiscSetupTool", "Root folder of the program disc.")));
}

} // namespace
