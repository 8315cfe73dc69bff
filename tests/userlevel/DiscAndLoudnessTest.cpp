// A user seeks, takes the disc out and puts it back, changes the loudness,
// saves a play list, then changes to the second disc of the set.
#include "userlevel/UserDriver.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// The same picture, or the same moved by a pixel sideways: opening a clip
// reads the knob back from the engine's loudness, which may move it a pixel.
bool SameButForAPixel(const QImage& a, const QImage& b) {
    const QRect inner = a.rect().adjusted(1, 0, -1, 0);
    for (int dx = -1; dx <= 1; ++dx)
        if (a.copy(inner) == b.copy(inner.translated(dx, 0)))
            return true;
    return false;
}

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// How far the position bar is filled, in its pixels: the place in the file.
int GaugeFill(const TUserSession& user, QPoint bar) {
    const QImage gauge = user.Area(Bar::Gauge.translated(bar));
    int fill = 0;
    while (fill < gauge.width() && Near(gauge.pixel(fill, 1), qRgb(198, 0, 0)))
        ++fill;
    return fill;
}

// The middle of the volume knob, from its top edge: the only thing on that
// row of the track that differs from the bare skin at the row's start.
int KnobMiddle(const TUserSession& user, QPoint bar) {
    constexpr int kKnobTopRow = 45;
    const QRect track = Bar::VolumeKnobTrack;
    const QImage row =
        user.Area(QRect(track.left(), kKnobTopRow, track.width(), 1).translated(bar));
    int first = -1, last = -1;
    for (int x = 0; x < row.width(); ++x) {
        if (row.pixel(x, 0) != row.pixel(0, 0)) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return first < 0 ? -1 : track.left() + (first + last + 1) / 2;
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

    // Paused, the elapsed time follows the pointer along the position bar; the
    // release seeks there and plays on from there. The first entry plays the
    // first seconds of a one-minute clip, and the bar maps the whole clip.
    const QRect stateWord = Bar::StateWord.translated(bar);
    ASSERT_TRUE(user.Still(stateWord)); // the position poll has shown the state
    const QImage playing = user.Area(stateWord);
    user.Click(bar + Bar::Pause);
    ASSERT_TRUE(user.Still(picture));
    const QRect elapsed = Bar::Elapsed.translated(bar);
    const QImage before = user.Area(elapsed);
    const QPoint gauge = bar + Bar::Gauge.topLeft() + QPoint(0, 1);
    constexpr int kSeekTo = 150;
    user.MoveTo(gauge + QPoint(20, 0));
    user.Press();
    user.MoveTo(gauge + QPoint(kSeekTo, 0));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(elapsed) != before; }, 3000));
    user.Release();
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(stateWord) == playing; }, 5000))
        << "the seek did not resume playback";
    EXPECT_TRUE(user.Changing(picture)) << "playback did not go on after the seek";
    // The release alone fills the bar up to the release point, never past it.
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return GaugeFill(user, bar) > kSeekTo; }, 8000))
        << "playback did not go on from the seek: " << GaugeFill(user, bar);

    // The disc out pauses; the same disc back plays on from where it was, not
    // from the entry's start (before the seek) nor another entry's.
    user.EjectDisc();
    EXPECT_TRUE(user.Still(picture));
    const int pausedAt = GaugeFill(user, bar);
    user.InsertDisc(1);
    EXPECT_TRUE(user.Changing(picture)) << "the same disc back did not resume";
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return GaugeFill(user, bar) > pausedAt; }, 8000))
        << "the same disc back did not resume where it was: " << pausedAt << " then "
        << GaugeFill(user, bar);

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
    EXPECT_TRUE(user.Still(knob)) << "the knob never stopped";
    EXPECT_EQ(KnobMiddle(user, bar), Bar::VolumeKnobTop.x()) << "the knob never reached the top";
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
    ASSERT_TRUE(user.WaitForFocus(user.Dialog()));
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
    ASSERT_TRUE(user.WaitForFocus(user.Dialog()));
    user.Type("mine.lst");
    user.Key("Return");
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(listName) != favourites; }, 5000));

    // The second disc of the set: its own catalog load and its own settings.
    // As with a real drive, the player sees the disc leave (its clip stops)
    // before the next one is in.
    user.EjectDisc();
    ASSERT_TRUE(user.Still(picture)) << "the clip played on without its disc";
    user.InsertDisc(2);
    EXPECT_TRUE(user.Changing(picture));
    // After a name typed in the file dialog, the dialog's completion popup
    // takes the next click, wherever it lands; a click on the desktop spends it.
    user.Click(QPoint(1200, 500));

    // The third entry, some way into it, and muted, when the user leaves.
    const QString third = "Водопад, часть 3";
    const auto showing = [&](const QString& title, int timeoutMs) {
        return user.WaitForWindow(
            CaptionRole, [&](const TWindowState& s) { return s.Name == title; }, timeoutMs);
    };
    // The first click may still be spent on the dialog's popup: again, lower
    // on the button (a second click on the same spot would be a double click).
    int tries = 0;
    while (tries < 3 && !showing("Водопад, часть 2", 0)) {
        user.Click(bar + Bar::Next + QPoint(0, 6 * (tries++ % 2)));
        showing("Водопад, часть 2", 3000);
    }
    ASSERT_TRUE(showing("Водопад, часть 2", 0));
    user.Click(bar + Bar::Next + QPoint(0, 6 * (tries % 2)));
    ASSERT_TRUE(user.WaitForWindow(CaptionRole, [&](const TWindowState& s) {
        return s.Name == third;
    })) << "Next twice did not reach the third entry";
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return GaugeFill(user, bar) > 0; }, 5000));
    user.MoveTo(gauge + QPoint(200, 0));
    user.Press();
    user.Release();
    user.Click(bar + Bar::Pause);
    ASSERT_TRUE(user.Still(picture));
    const int leftAt = GaugeFill(user, bar);
    user.Click(bar + Bar::Mute);
    user.MoveTo(bar + Bar::BareSkin); // the button as it looks without the pointer
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(muteButton) != unmuted; }, 3000));
    const QImage mutedButton = user.Area(muteButton);
    const QImage leftKnob = user.Area(knob);

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

    // Started again, it carries on: the same entry, from about the same
    // second (not from the entry's start, 6 s earlier), as loud and muted.
    user.StartPlayer();
    EXPECT_TRUE(user.WaitForWindow(CaptionRole, [&](const TWindowState& s) {
        return s.Name == third;
    })) << "another entry started";
    int carriedOnAt = 0;
    ASSERT_TRUE(
        TUserSession::WaitUntil([&] { return (carriedOnAt = GaugeFill(user, bar)) > 0; }, 10000));
    EXPECT_GE(carriedOnAt, leftAt - 3);
    EXPECT_LE(carriedOnAt, leftAt + 22) << "more than 5 s past where it stopped";
    EXPECT_TRUE(user.Changing(picture)) << "it did not play on";
    EXPECT_TRUE(SameButForAPixel(user.Area(knob), leftKnob)) << "the loudness was not kept";
    EXPECT_EQ(user.Area(muteButton), mutedButton) << "the mute was not kept";
    user.Shot("carried-on");
    user.Click(bar + Bar::Exit);
    EXPECT_TRUE(user.WaitForExit(3000));
}

} // namespace
