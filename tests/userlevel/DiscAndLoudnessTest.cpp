// A user seeks, changes the loudness, saves a play list, takes the disc out
// and puts it back, then changes to the second disc of the set.
#include "userlevel/UserDriver.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(DiscAndLoudness, SeekLoudnessPlayListAndDiscChanges) {
    TUserSession user("disc");
    const QString secondWork = user.WorkDir() + "2";
    ASSERT_TRUE(QDir().mkpath(secondWork));
    user.SetWorkDir(1, user.WorkDir());
    user.SetWorkDir(2, secondWork);
    user.InsertDisc(1);
    user.StartPlayer();
    ASSERT_TRUE(user.WaitForWindow(CaptionRole,
                                   [](const TWindowState& s) { return s.Name != "Current Name"; }));
    const QPoint bar = user.State(MainRole).Client.topLeft();
    const QRect picture = user.State(VideoRole).Client.adjusted(4, 4, -4, -4);
    ASSERT_TRUE(user.Changing(picture));

    // Paused, the elapsed time follows the pointer along the position bar.
    user.Click(bar + Bar::Pause);
    ASSERT_TRUE(user.Still(picture));
    const QRect elapsed = Bar::Elapsed.translated(bar);
    const QImage before = user.Area(elapsed);
    const QPoint gauge = bar + Bar::Gauge.topLeft() + QPoint(0, 1);
    user.MoveTo(gauge + QPoint(20, 0));
    user.Press();
    user.MoveTo(gauge + QPoint(200, 0));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(elapsed) != before; }, 3000));
    user.Release();
    EXPECT_TRUE(user.Changing(picture)) << "playback did not go on after the seek";

    // Volume Down and Volume Up held step on and on; Mute; the knob by the
    // pointer, which also ends the mute.
    const QRect knob = Bar::VolumeKnobTrack.translated(bar);
    const auto holdSteps = [&](QPoint button) {
        const QImage from = user.Area(knob);
        user.MoveTo(bar + button);
        user.Press();
        QImage step = from;
        EXPECT_TRUE(
            TUserSession::WaitUntil([&] { return (step = user.Area(knob)) != from; }, 3000));
        EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(knob) != step; }, 3000))
            << "holding the button made one step only";
    };
    holdSteps(Bar::VolumeDown);
    user.Release();
    holdSteps(Bar::VolumeUp);
    EXPECT_TRUE(user.Still(knob)) << "the knob never reached the top";
    user.Release();
    const QRect muteButton(bar + QPoint(245, 49), QSize(27, 11));
    const QImage unmuted = user.Area(muteButton);
    user.Click(bar + Bar::Mute);
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(muteButton) != unmuted; }, 3000));
    const QImage loudest = user.Area(knob);
    user.MoveTo(bar + Bar::VolumeKnobTop);
    user.Press();
    user.MoveTo(bar + Bar::VolumeKnobTop - QPoint(30, 0));
    user.MoveTo(bar + Bar::VolumeKnobTop - QPoint(60, 0));
    user.Release();
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(knob) != loudest; }, 3000))
        << "the knob did not follow the pointer";
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(muteButton) == unmuted; }, 3000))
        << "moving the knob left the sound muted";
    user.Shot("loudness");

    // A play list saved through the file dialog.
    user.Click(user.At(CatalogRole, {116, 108}));
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return !user.Dialog().isEmpty(); }, 5000));
    user.Type("mine");
    user.Key("Return");
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return QFile::exists(user.WorkDir() + "/mine.lst"); }, 5000));
    // Loaded back, it becomes the favourites list, named over the tree.
    const QRect listName(user.At(CatalogRole, {34, 102}), QSize(65, 13));
    const QImage favourites = user.Area(listName);
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return user.Dialog().isEmpty(); }, 5000));
    user.Click(user.At(CatalogRole, {14, 108}));
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return !user.Dialog().isEmpty(); }, 5000));
    user.Type("mine.lst");
    user.Key("Return");
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(listName) != favourites; }, 5000));

    // The disc out pauses; the same disc back resumes.
    user.EjectDisc();
    EXPECT_TRUE(user.Still(picture));
    user.InsertDisc(1);
    EXPECT_TRUE(user.Changing(picture)) << "the same disc back did not resume";

    // The second disc of the set: its own catalog load and its own settings.
    user.EjectDisc();
    user.InsertDisc(2);
    EXPECT_TRUE(user.Changing(picture));
    // After a name typed in the file dialog, the dialog's completion popup
    // takes the next click, wherever it lands; a click on the desktop spends it.
    user.Click(QPoint(1200, 500));
    user.Click(bar + Bar::Exit);
    ASSERT_TRUE(user.WaitForExit(3000));
    // Written into the second volume's section, the first one left as it was.
    const QString settings = ReadAll(user.SettingsFile());
    const qsizetype second = settings.indexOf("[Volume2]");
    ASSERT_GE(second, 0) << settings.toStdString();
    EXPECT_FALSE(settings.left(second).contains("FavFileName=")) << settings.toStdString();
    const QString secondSection = settings.mid(second);
    EXPECT_TRUE(secondSection.contains("\r\nFavFileName=" + secondWork + "/Favorites.lst\r\n"))
        << settings.toStdString();
    for (const char* key : {"left", "top", "width", "height"})
        EXPECT_TRUE(secondSection.contains(QString("\r\n%1=").arg(key))) << key;
    EXPECT_TRUE(QFile::exists(secondWork + "/Favorites.lst"));
    EXPECT_FALSE(QFile::exists(user.WorkDir() + "/Favorites.lst"));
}

} // namespace
