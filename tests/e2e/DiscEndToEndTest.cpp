// The whole program on the sample disc image, mounted with fuseiso, with the
// real disc watch and the real playback engine.
#include "support/DiscProgram.h"
#include "support/PrivateBus.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/fcTreeView.h"
#include "media/MediaPlayer_TLB.h"
#include "player/MprisService.h"
#include "player/Unit1.h"
#include "shell/Forms.h"
#include "shell/Pathes.h"
#include "video/CaptionUnit.h"
#include "video/VidOutUnit.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

class DiscEndToEndTest : public DiscProgramTest {
protected:
    void SetUp() override {
        DiscProgramTest::SetUp();
        if (IsSkipped())
            return;
        Disc = &SampleDisc(1);
        QDir(ConfigDir.path()).mkpath(QStringLiteral("quorvix-player"));
        QFile ini(ConfigDir.filePath(QStringLiteral("quorvix-player/QuorvixSample.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Volume1]\r\nWorkDir=" + WorkDir.path().toUtf8() + "\r\n");
    }

    const SampleDiscFiles* Disc = nullptr;
    QTemporaryDir WorkDir;
};

TEST_F(DiscEndToEndTest, InsertPlayFollowEjectAndReinsert) {
    EXPECT_FALSE(ProgramDiscPresent());
    Insert(Disc->Iso);

    // The watch finds the disc within a tick and the first checked entry plays.
    ASSERT_TRUE(QTest::qWaitFor([] { return CatalogLoaded && CurrentIndex == 0; }, 10000));
    EXPECT_TRUE(CatForm2->isVisible());
    EXPECT_EQ(MainForm->DiscVolume, 1);
    ASSERT_TRUE(WaitForState(mpPlaying));
    EXPECT_EQ(CaptionForm->CaptionText, QString::fromUtf8("Водопад, часть 1"));
    EXPECT_EQ(Control()->ImageSourceWidth(), 320);
    EXPECT_EQ(MainForm->Label4->text(), QStringLiteral("00:01:00"));
    EXPECT_TRUE(QTest::qWaitFor([] { return MainForm->Label1->text() == "Playing"; }, 10000));

    // Near its end mark (20 s) the next entry takes over, in the same file.
    Control()->SetCurrentPosition(Catalog[0].EndPos - 1.0);
    ASSERT_TRUE(QTest::qWaitFor([] { return CurrentIndex == 1; }, 10000));
    EXPECT_EQ(CaptionForm->CaptionText, QString::fromUtf8("Водопад, часть 2"));
    EXPECT_TRUE(WaitForState(mpPlaying));

    // Taking the disc out pauses; the same disc back resumes.
    Eject();
    ASSERT_TRUE(WaitForState(mpPaused));
    EXPECT_FALSE(DiscPresent);
    Insert(Disc->Iso);
    ASSERT_TRUE(WaitForState(mpPlaying));
    EXPECT_EQ(CurrentIndex, 1);

    // Next opens another file of the disc; its end mark, reached by real
    // playback (1 s to 5 s), starts the entry after it.
    MainForm->NextBtnClick();
    EXPECT_EQ(CurrentIndex, 2);
    MainForm->NextBtnClick();
    EXPECT_EQ(CurrentIndex, 3);
    EXPECT_TRUE(Control()->FileName().endsWith("clip03.AVI", Qt::CaseInsensitive));
    ASSERT_TRUE(QTest::qWaitFor([] { return CurrentIndex == 4; }, 10000)) << State();
    EXPECT_TRUE(Control()->FileName().endsWith("clip02.AVI", Qt::CaseInsensitive));
    ASSERT_TRUE(QTest::qWaitFor([] { return Control()->ImageSourceWidth() == 640; }, 10000));
    EXPECT_TRUE(WaitForState(mpPlaying));
}

TEST_F(DiscEndToEndTest, MediaKeysFollowAndDriveRealPlayback) {
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.Address().isEmpty()) << "no dbus-daemon";
    StartMprisService(QDBusConnection::connectToBus(bus.Address(), "e2e"));
    Insert(Disc->Iso);
    ASSERT_TRUE(QTest::qWaitFor([] { return CatalogLoaded && CurrentIndex == 0; }, 3000));
    ASSERT_TRUE(WaitForState(mpPlaying));
    EXPECT_EQ(bus.Playerctl({"status"}), "Playing");
    const QStringList metadata =
        bus.Playerctl(
               {"metadata", "--format", "{{title}}|{{album}}|{{mpris:length}}|{{mpris:artUrl}}"})
            .split('|');
    ASSERT_EQ(metadata.size(), 4);
    EXPECT_EQ(metadata[0].toStdString(), "Водопад, часть 1");
    EXPECT_EQ(metadata[1].toStdString(), "Природа");
    EXPECT_EQ(metadata[2].toStdString(), "20000000");
    const QUrl art(metadata[3]);
    EXPECT_TRUE(art.isLocalFile() && art.path().startsWith(Mount->MountPoint()) &&
                art.path().endsWith("/Pic/clip01.jpg") && QFile::exists(art.toLocalFile()))
        << metadata[3].toStdString();

    // A seek from the desktop keeps the entry's end mark: it ends there.
    bus.Playerctl({"position", "19"});
    EXPECT_GE(Control()->CurrentPosition(), 18.9);
    ASSERT_TRUE(QTest::qWaitFor([] { return CurrentIndex == 1; }, 5000)) << State();
    bus.Playerctl({"next"});
    EXPECT_EQ(CurrentIndex, 2);
    EXPECT_EQ(bus.Playerctl({"metadata", "title"}).toStdString(), "Водопад, часть 3");
    EXPECT_LT(bus.Playerctl({"position"}).toDouble(), 3.0) << "counted from the entry's start";
    bus.Playerctl({"play-pause"});
    EXPECT_TRUE(WaitForState(mpPaused));
    EXPECT_EQ(bus.Playerctl({"status"}), "Paused");
}

// A disc never set up: the program makes its own working folder and records it.
TEST_F(DiscEndToEndTest, ClosingWritesTheSettingsAndTheFavourites) {
    const QString settingsFile =
        ConfigDir.filePath(QStringLiteral("quorvix-player/QuorvixSample.ini"));
    ASSERT_TRUE(QFile::remove(settingsFile));
    const QDir work(ConfigDir.filePath(QStringLiteral("data/quorvix-player/QuorvixSample")));
    Insert(Disc->Iso);
    ASSERT_TRUE(QTest::qWaitFor([] { return CatalogLoaded; }, 10000));
    ASSERT_EQ(ProgramDiscDrive(), Mount->MountPoint()) << "another disc was loaded";
    ASSERT_TRUE(SettingsValid);
    CatForm2->NodeOfEntry(4)->SetChecked(false);
    const QRect frame = CatForm2->frameGeometry();
    const int32_t playing = CurrentIndex;
    MainForm->close();
    DestroyForms();

    QFile favourites(work.filePath(QStringLiteral("Favorites.lst")));
    ASSERT_TRUE(favourites.open(QIODevice::ReadOnly));
    const QByteArray lines = favourites.readAll();
    EXPECT_TRUE(lines.startsWith("1\xA4"
                                 "0\r\n1\xA4"
                                 "1\r\n"));
    EXPECT_TRUE(lines.contains("\r\n0\xA4"
                               "4\r\n"));
    QFile ini(settingsFile);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    QString written = QString::fromUtf8(ini.readAll());
    // Where playing stopped, kept since the first entry started.
    static const QRegularExpression place("LastEntry=(\\d+)\r\nLastPosition=\\d+\\.\\d{3}\r\n");
    const QRegularExpressionMatch match = place.match(written);
    ASSERT_TRUE(match.hasMatch()) << written.toStdString();
    EXPECT_EQ(match.captured(1).toInt(), playing);
    EXPECT_EQ(written.remove(place),
              QStringLiteral("[Volume1]\r\nWorkDir=%1\r\nFavFileName=%2\r\n"
                             "left=%3\r\ntop=%4\r\nwidth=%5\r\nheight=%6\r\n")
                  .arg(work.path(), work.filePath("Favorites.lst"))
                  .arg(frame.left())
                  .arg(frame.top())
                  .arg(frame.width())
                  .arg(frame.height()));
}

} // namespace
