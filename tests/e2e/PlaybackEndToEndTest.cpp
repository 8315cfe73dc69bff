// The windows with the real playback engine on real clips: files that can't
// be played, and the end of a file around seeks.
#include "support/FormsFixture.h"
#include "support/SampleDisc.h"

#include "catalog/CatalogRecord.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/IniFile.h"
#include "player/Unit1.h"
#include "skin/MyGauges.h"
#include "video/VidOutUnit.h"

#include <QBackingStore>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

class PlaybackEndToEndTest : public FormsTest {
protected:
    PlaybackEndToEndTest() : FormsTest(TControl::Engine) {
        // The picture as a surface of its own, even where OpenGL is emulated.
        QDir().mkpath(HomeDir.filePath(".config/quorvix-player"));
        TIniFile(HomeDir.filePath(".config/quorvix-player/quorvix-player.ini"))
            .WriteString("Player", "Video", "opengl");
    }

    void SetUp() override {
        FormsTest::SetUp();
        AddClip("Whole", "clip03", 0.0, 0.0);
        AddEntry(1, "Broken", "broken", 0.0, 0.0, false);
        QFile broken(VideoPath("broken"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(64 * 1024, '\x5a'));
        broken.close();
        AddClip("Mark near the end", "clip03", 4.0, 5.8);
        AddClip("Whole again", "clip03", 0.0, 0.0);
        AddClip("Start past the end", "clip07", 9.0, 0.0);
        AddClip("Last", "clip02", 0.0, 0.0);
        ShowCatalog();
        MainForm->show();
        VidOutForm->show();
    }

    // An entry on a clip of the sample disc (clip03: 6 s, clip07: 4 s, clip02: 8 s).
    void AddClip(const char* title, const char* media, double start, double end) {
        AddEntry(1, title, media, start, end, false);
        const QString clip = SampleDisc().Folder + "/Video/" + QString(media).toUpper() + ".AVI";
        if (!QFile::exists(VideoPath(media))) {
            ASSERT_TRUE(QFile::copy(clip, VideoPath(media))) << clip.toStdString();
        }
    }

    static TWinMediaPlayer* Control() { return VidOutForm->ActiveMovie1; }
    static bool Playing() { return Control()->PlayState() == mpPlaying; }
    static bool WaitFor(const std::function<bool()>& done, int ms = 8000) {
        return QTest::qWaitFor(done, ms);
    }
    static std::string Bar() {
        return QStringLiteral("entry %1, state '%2', time %3 of %4, gauge %5 of %6, file '%7'")
            .arg(CurrentIndex)
            .arg(MainForm->Label1->text(), MainForm->Label2->text(), MainForm->Label4->text())
            .arg(MainForm->Gauge1->Progress())
            .arg(MainForm->Gauge1->MaxValue())
            .arg(Control()->FileName())
            .toStdString();
    }
    static bool BarIsEmpty() {
        return MainForm->Label1->text() == "Stopped" && MainForm->Label2->text() == "00:00:00" &&
               MainForm->Label4->text() == "00:00:00" && MainForm->Gauge1->MaxValue() == 0 &&
               !MainForm->Gauge1->isEnabled() && Control()->isHidden() &&
               !VidOutForm->Image1->isHidden();
    }
};

TEST_F(PlaybackEndToEndTest, AFileThatCannotBePlayedLeavesTheBarHonest) {
    MainForm->PlayEntry(0);
    ASSERT_TRUE(WaitFor([] { return Playing() && MainForm->Label1->text() == "Playing"; }))
        << Bar();
    ASSERT_TRUE(WaitFor([] { return MainForm->Label2->text() != "00:00:00"; })) << Bar();
    ASSERT_EQ(MainForm->Label4->text(), QStringLiteral("00:00:06"));

    QSignalSpy failed(Control(), &TWinMediaPlayer::Error);
    MainForm->PlayEntry(1);
    ASSERT_TRUE(WaitFor([&] { return failed.count() == 1; })) << Bar();
    QTest::qWait(1100); // polls of the bar
    EXPECT_TRUE(BarIsEmpty()) << Bar();
    MainForm->PlayBtnClick();
    QTest::qWait(600);
    EXPECT_TRUE(BarIsEmpty()) << Bar();

    MainForm->PlayEntry(1); // tried again
    EXPECT_TRUE(WaitFor([&] { return failed.count() == 2; })) << Bar();
    MainForm->NextBtnClick();
    EXPECT_EQ(CurrentIndex, 2);
    EXPECT_TRUE(WaitFor([] { return Playing() && MainForm->Label4->text() == "00:00:06"; }))
        << Bar();
    EXPECT_FALSE(Control()->isHidden());
    MainForm->PrevBtnClick();
    EXPECT_TRUE(WaitFor([&] { return failed.count() == 3 && BarIsEmpty(); })) << Bar();
    MainForm->PrevBtnClick();
    EXPECT_TRUE(WaitFor([] { return Playing() && MainForm->Label2->text() != "00:00:00"; }))
        << Bar();
}

// The end mark lies in the last half-second: the engine reaches the end
// before it hears of the seek back that the next entry asks for. That end is
// not counted again; the next entry plays from its start, and when its file
// ends the play order goes on, through an entry that starts past its end.
TEST_F(PlaybackEndToEndTest, AnEndDuringASeekCountsOnceAndAStartPastTheEndMovesOn) {
    MainForm->PlayEntry(2);
    ASSERT_TRUE(WaitFor([] { return Playing() && Control()->CurrentPosition() > 4.0; })) << Bar();
    MainForm->Timer1->stop();
    ASSERT_TRUE(WaitFor([] { return Control()->CurrentPosition() >= 5.55; })) << Bar();
    QThread::msleep(1000); // the engine reaches the end; its events wait
    MainForm->Timer1Timer();
    MainForm->Timer1->start();
    EXPECT_EQ(CurrentIndex, 3);
    QTest::qWait(1500);
    EXPECT_EQ(CurrentIndex, 3) << Bar();
    EXPECT_TRUE(Playing()) << Bar();
    EXPECT_TRUE(WaitFor([] {
        const double at = Control()->CurrentPosition();
        return at > 0.5 && at < 3.0;
    })) << Bar();
    EXPECT_TRUE(WaitFor([] { return CurrentIndex == 5; }, 12000)) << Bar();
    EXPECT_TRUE(WaitFor([] { return Playing() && MainForm->Label4->text() == "00:00:08"; }))
        << Bar();
}

// The picture is a native window over the whole video window: behind it the
// window keeps no image of its own size, which at full screen would be
// megabytes that are never seen. The logo is drawn again once it closes.
TEST_F(PlaybackEndToEndTest, NothingIsKeptBehindThePictureAndTheLogoComesBack) {
    ASSERT_TRUE(Control()->HasOwnSurface());
    const auto imageFitsWindow = [] {
        return VidOutForm->backingStore()->size() == VidOutForm->size();
    };
    ASSERT_TRUE(WaitFor(imageFitsWindow));
    const QSize logoImage = VidOutForm->backingStore()->size();

    MainForm->PlayEntry(5);
    ASSERT_TRUE(WaitFor(Playing)) << Bar();
    VidOutForm->ShowFullScreen();
    const QSize screen = VidOutForm->screen()->size();
    ASSERT_TRUE(WaitFor([screen] { return VidOutForm->size() == screen; }));
    QTest::qWait(500);
    EXPECT_EQ(VidOutForm->backingStore()->size(), logoImage);

    VidOutForm->ShowOriginalSize();
    VidOutForm->CloseMedia();
    ASSERT_TRUE(WaitFor(imageFitsWindow));
    // The corner is the window's own colour again, not a stale picture.
    const QColor background = VidOutForm->palette().color(QPalette::Window);
    QColor corner;
    EXPECT_TRUE(WaitFor([&] {
        corner = VidOutForm->screen()->grabWindow(VidOutForm->winId()).toImage().pixelColor(2, 2);
        return corner == background;
    })) << corner.name().toStdString();
}

} // namespace
