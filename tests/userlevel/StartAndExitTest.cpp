// A user starts the player, finds its windows where they belong, drags the
// bar, and leaves it: by the Exit button, by the end of the session, also
// when the favourites can't be written. A disc image opens from the command
// line, also through the player that runs.
#include "userlevel/PlayingFixture.h"
#include "userlevel/UserDriver.h"

#include "support/SampleDisc.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool Viewable(const TWindowState& s) {
    return s.Viewable;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ReadAll(const QString& path) {
    return QString::fromUtf8(Bytes(path));
}

// Presses at a point of the bar, moves the pointer by offset and lets go;
// true when the bar followed.
bool DragBar(TUserSession& user, QPoint grab, QPoint offset) {
    const QPoint from = user.State(MainRole).Client.topLeft();
    const QPoint start = from + grab;
    user.MoveTo(start);
    user.Press();
    user.MoveTo(start + offset / 2);
    user.MoveTo(start + offset);
    const bool moved = TUserSession::WaitUntil(
        [&] { return user.State(MainRole).Client.topLeft() == from + offset; }, 2000);
    user.Release();
    return moved;
}

// The player's mount of an image (in this test's mount namespace, which the
// player shares), in a folder named after the image inside its process's.
bool ImageMounted(const TUserSession& user, const QString& image = SampleDisc().Iso) {
    const QRegularExpression folder(
        " " + QRegularExpression::escape(user.RuntimeDir() + "/quorvix-player/") + "[0-9]+/" +
        QRegularExpression::escape(QFileInfo(image).completeBaseName() + "-"));
    return ReadAll("/proc/self/mountinfo").contains(folder);
}

// Clicks the check box of a row of the catalog tree and waits until it shows.
void ToggleCheckBox(TUserSession& user, int row) {
    const QRect box(user.At(CatalogRole, Tree::RowCheckBox(row)) - QPoint(3, 3), QSize(7, 7));
    const QImage before = user.Area(box);
    user.Click(user.At(CatalogRole, Tree::RowCheckBox(row)));
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return user.Area(box) != before; }, 5000));
}

bool PlaysTheFirstEntry(TUserSession& user) {
    return user.WaitForWindow(
        CaptionRole, [](const TWindowState& s) { return s.Name == "Водопад, часть 1"; }, 20000);
}

// Clicks Exit and reports how long the program took to end; -1 if it didn't.
qint64 ExitByButton(TUserSession& user) {
    user.Click(user.At(MainRole, Bar::Exit));
    QElapsedTimer ending;
    ending.start();
    return user.WaitForExit(5000) ? ending.elapsed() : -1;
}

TEST(StartAndExit, LayoutSingleInstanceDragAndExit) {
    TUserSession user("layout");
    user.SetWorkDir(1, user.WorkDir());
    user.StartPlayer();
    user.Shot("start");

    const TWindowState bar = user.State(MainRole);
    EXPECT_EQ(bar.Frame, QRect((kScreenWidth - 625) / 2, kScreenHeight - 92 - 30, 625, 92));
    ASSERT_TRUE(user.WaitForWindow(VideoRole, Viewable));
    ASSERT_TRUE(user.WaitForWindow(CaptionRole, Viewable));
    const TWindowState video = user.State(VideoRole);
    EXPECT_EQ(video.Frame, QRect((kScreenWidth - 348) / 2, (kScreenHeight - 279) / 2, 348, 279));
    // A window manager may show the strip before the program has placed it.
    EXPECT_TRUE(user.WaitForWindow(CaptionRole, [&](const TWindowState& s) {
        return s.Frame.topLeft() == video.Frame.topLeft() - QPoint(0, 19);
    })) << "the caption strip is not above the video window";
    EXPECT_FALSE(user.State(CatalogRole).Viewable); // no disc yet

    // A second start brings the hidden bar back, and ends.
    user.Click(user.At(MainRole, Bar::Hide));
    ASSERT_TRUE(user.WaitForWindow(MainRole, [](const TWindowState& s) { return !s.Viewable; }));
    auto second = user.StartSecondPlayer();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(user.Player().state(), QProcess::Running);
    EXPECT_TRUE(user.WaitForWindow(MainRole, Viewable)) << "the bar stayed hidden";

    // The bar goes with a press on its bare skin, not with one on a button.
    EXPECT_TRUE(DragBar(user, Bar::BareSkin, {40, -30}));
    EXPECT_FALSE(DragBar(user, Bar::Play, {-40, -20}));
    EXPECT_TRUE(DragBar(user, Bar::BareSkin, {-60, 0}));
    user.Shot("dragged");

    user.InsertDisc();
    EXPECT_TRUE(user.WaitForWindow(CatalogRole, Viewable));
    EXPECT_TRUE(user.WaitForWindow(CaptionRole,
                                   [](const TWindowState& s) { return s.Name != "Current Name"; }));
    EXPECT_TRUE(user.WaitForWindow(
        CatalogRole, [](const TWindowState& s) { return s.Frame.topLeft() == QPoint(5, 5); }))
        << "catalog frame at " << user.State(CatalogRole).Frame.x() << ","
        << user.State(CatalogRole).Frame.y() << " client at " << user.State(CatalogRole).Client.x()
        << "," << user.State(CatalogRole).Client.y();
    user.Shot("playing");
    // Opened, the clip gives the window its size and place: a drag begun
    // before that would race the program's own move.
    const QSize clip = ClipSize(SampleDisc().Folder + "/Video/CLIP01.AVI");
    ASSERT_TRUE(user.WaitForWindow(VideoRole, [&](const TWindowState& s) {
        return s.Client.size() == clip;
    })) << "the first entry's clip did not open";

    // The strip carries the picture partly over the catalog.
    const QRect strip = user.State(CaptionRole).Client;
    const QRect catalog = user.State(CatalogRole).Client;
    const QPoint grip = strip.center();
    const QPoint target =
        QPoint(catalog.right() - 30, catalog.top() + 40) + (grip - strip.topLeft());
    user.MoveTo(grip);
    user.Press();
    user.MoveTo(grip + (target - grip) / 2);
    user.MoveTo(target);
    user.Release();
    EXPECT_TRUE(user.WaitForWindow(
        CaptionRole, [&](const TWindowState& s) { return s.Client.center() == target; }));
    const QRect picture = user.State(VideoRole).Frame;
    EXPECT_EQ(picture.topLeft(), user.State(CaptionRole).Frame.topLeft() + QPoint(0, 19));

    // Stacking under a window manager is the manager's decision.
    if (!user.UnderWindowManager()) {
        // The catalog raised over the picture; the pointer over the strip
        // brings the picture back to the front.
        user.RaiseWindow(CatalogRole);
        const QPoint covered = picture.topLeft() + QPoint(10, 200);
        const QRgb catalogColour = qRgb(254, 232, 206);
        EXPECT_TRUE(TUserSession::WaitUntil(
            [&] { return Near(user.Pixel(covered), catalogColour, 4); }, 3000));
        user.Shot("covered");
        user.MoveTo(target + QPoint(20, 0));
        user.MoveTo(target + QPoint(22, 0));
        EXPECT_TRUE(TUserSession::WaitUntil(
            [&] { return !Near(user.Pixel(covered), catalogColour, 4); }, 3000))
            << "the picture stayed behind the catalog";
    }

    const qint64 took = ExitByButton(user);
    ASSERT_GE(took, 0) << "Exit did not end the program";
    RecordProperty("ExitMs", int(took));
    EXPECT_LT(took, 1000) << "ms to end after Exit";
    EXPECT_EQ(user.Player().exitCode(), 0);
    EXPECT_TRUE(ReadAll(user.SettingsFile()).contains("FavFileName="));
    EXPECT_TRUE(QFile::exists(user.WorkDir() + "/Favorites.lst"));
}

// The working folder lies on the disc, which can't be written: the failure
// shows once, and the program still ends; the settings are still written.
// A folder stands where the program's own settings file should be: the
// player says so once and plays on the defaults. Ended by the session, it
// ends without a message, even with that one still open.
TEST(StartAndExit, ExitWhilePausedWhenTheFavouritesCannotBeWritten) {
    TUserSession user("unwritable");
    user.InsertDisc();
    QFile::remove(user.SettingsFile());
    user.SetWorkDir(1, user.DiscFolder() + "/Data");
    const QString programSettings = QFileInfo(user.SettingsFile()).path() + "/quorvix-player.ini";
    ASSERT_TRUE(QDir().mkpath(programSettings));
    user.StartPlayer();
    QString unreadable;
    ASSERT_TRUE(
        TUserSession::WaitUntil([&] { return !(unreadable = user.MessageBox()).isEmpty(); }, 10000))
        << "no message about the unreadable settings file";
    user.Shot("unreadable-settings");
    ASSERT_TRUE(user.WaitForFocus(unreadable));
    user.Key("Return");
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return user.MessageBox().isEmpty(); }, 5000));
    ASSERT_TRUE(user.WaitForWindow(CaptionRole,
                                   [](const TWindowState& s) { return s.Name != "Current Name"; }));
    const QRect picture = user.State(VideoRole).Client.adjusted(4, 4, -4, -4);
    ASSERT_TRUE(user.Changing(picture));
    user.Click(user.At(MainRole, Bar::Pause));
    ASSERT_TRUE(user.Still(picture));

    user.Click(user.At(MainRole, Bar::Exit));
    QString box;
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return !(box = user.MessageBox()).isEmpty(); }, 5000))
        << "no message about the failed save";
    user.Shot("message");
    EXPECT_EQ(user.Player().state(), QProcess::Running); // waits for the user
    ASSERT_TRUE(user.WaitForFocus(box));
    user.Key("Return");
    EXPECT_TRUE(user.WaitForExit(3000)) << "the program did not end after the message";
    EXPECT_TRUE(ReadAll(user.SettingsFile()).contains("FavFileName="));
    EXPECT_TRUE(QFileInfo(programSettings).isDir());

    // At a logout nobody is left to read a message: the program still ends.
    QFile::remove(user.SettingsFile());
    user.SetWorkDir(1, user.DiscFolder() + "/Data");
    user.StartPlayer();
    ASSERT_TRUE(user.WaitForWindow(CaptionRole,
                                   [](const TWindowState& s) { return s.Name != "Current Name"; }));
    user.Player().terminate();
    EXPECT_TRUE(user.WaitForExit(5000)) << "the failed save held up the end of the session";
    EXPECT_TRUE(ReadAll(user.SettingsFile()).contains("FavFileName="));
}

// On a Wayland desktop too, where the windows go to XWayland: the program
// asks for the X11 platform that Qt itself would pass over there.
TEST(StartAndExit, ExitWithoutADiscOnAWaylandDesktop) {
    TUserSession user("nodisc");
    user.StartWaylandDesktop();
    user.StartPlayer();
    EXPECT_FALSE(user.Maps("libQt6WaylandClient")) << "the windows went to Wayland";
    const qint64 took = ExitByButton(user);
    ASSERT_GE(took, 0) << "Exit did not end the program";
    EXPECT_LT(took, 1000) << "ms to end after Exit";
    EXPECT_FALSE(QFile::exists(user.SettingsFile())); // nothing was loaded: nothing written
}

// The sample disc as discs are made in Russia: its settings file named in
// Windows-1251 ("Клипы"), its values quoted and a DOS end mark after them, as
// Windows tools leave them.
QString CyrillicDisc(const QTemporaryDir& folder) {
    const QString disc = folder.filePath("disc");
    RunOrThrow("cp", {"-a", SampleDisc().Folder, disc});
    QFile setup(disc + "/setup.inf");
    if (!setup.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        setup.write("[Main]\r\nVolume=\"2\"\r\nIniFileName=\"\xCA\xEB\xE8\xEF\xFB\"\r\n\x1a") < 0)
        throw std::runtime_error("cannot write " + disc.toStdString() + "/setup.inf");
    setup.close();
    const QString iso = folder.filePath("disc.iso");
    RunOrThrow("genisoimage", {"-quiet", "-J", "-R", "-V", "QUORVIX_1", "-o", iso, disc});
    return iso;
}

// One run of the player on the disc in the drive; the first entry unchecked
// when asked. Ends by Exit.
void RunOnce(TUserSession& user, bool uncheckFirstEntry) {
    user.StartPlayer();
    ASSERT_TRUE(user.WaitForWindow(CatalogRole, Viewable));
    ASSERT_TRUE(user.WaitForWindow(CaptionRole,
                                   [](const TWindowState& s) { return s.Name != "Current Name"; }));
    if (uncheckFirstEntry) {
        ASSERT_NO_FATAL_FAILURE(ToggleCheckBox(user, 1));
    }
    ASSERT_GE(ExitByButton(user), 0) << "Exit did not end the program";
}

// Favourites are kept across runs on a disc named in Windows-1251 that the
// user set up with quorvix-disc-setup, and on a disc never set up. What the
// second run writes at exit is what it restored from the first.
TEST(StartAndExit, FavouritesAreKeptWithAndWithoutSetUp) {
    TUserSession user("favourites");
    QTemporaryDir folder;
    const QByteArray firstUnchecked = "0\xA4"
                                      "0\r\n";
    user.InsertImage(CyrillicDisc(folder));
    const QString setUp = user.SetUpDiscInDrive();
    const QString cyrillicWork = user.DataHome() + QString::fromUtf8("/quorvix-player/Клипы");
    EXPECT_TRUE(setUp.contains("WorkDir=" + cyrillicWork + " written")) << setUp.toStdString();
    for (bool uncheck : {true, false}) {
        ASSERT_NO_FATAL_FAILURE(RunOnce(user, uncheck));
        EXPECT_TRUE(Bytes(cyrillicWork + "/Favorites.lst").startsWith(firstUnchecked))
            << (uncheck ? "first" : "second") << " run on the set-up disc";
    }
    EXPECT_TRUE(ReadAll(QFileInfo(user.SettingsFile()).path() + QString::fromUtf8("/Клипы.ini"))
                    .startsWith("[Volume2]\r\n"))
        << "the quoted volume";
    user.EjectDisc();

    user.InsertImage(SampleDisc().Iso);
    const QString work = user.DataHome() + "/quorvix-player/QuorvixSample";
    for (bool uncheck : {true, false}) {
        ASSERT_NO_FATAL_FAILURE(RunOnce(user, uncheck));
        EXPECT_TRUE(Bytes(work + "/Favorites.lst").startsWith(firstUnchecked))
            << (uncheck ? "first" : "second") << " run on the disc never set up";
    }
    EXPECT_TRUE(ReadAll(user.SettingsFile()).startsWith("[Volume1]\r\nWorkDir=" + work + "\r\n"));
}

// A logout (SIGTERM) while a clip of the image plays: the program ends as by
// Exit, with the user's changes written and the image unmounted.
TEST(StartAndExit, ADiscImageOpensLikeADiscAndIsUnmountedWhenTheSessionEnds) {
    QV_SKIP_WITHOUT_FUSE();
    TUserSession user("image");
    user.SetWorkDir(1, user.WorkDir());
    user.StartPlayer({SampleDisc().Iso});
    EXPECT_TRUE(PlaysTheFirstEntry(user));
    EXPECT_TRUE(ImageMounted(user));
    const QRect picture = user.State(VideoRole).Client.adjusted(4, 4, -4, -4);
    EXPECT_TRUE(user.Changing(picture));

    ASSERT_NO_FATAL_FAILURE(ToggleCheckBox(user, 1));
    // The knob, at the top from the start, dragged down a way.
    const QPoint top = user.At(MainRole, Bar::VolumeKnobTop);
    const QImage loud = user.Area(Bar::VolumeKnobTrack.translated(top - Bar::VolumeKnobTop));
    user.MoveTo(top);
    user.Press();
    user.MoveTo(top - QPoint(30, 0));
    user.MoveTo(top - QPoint(60, 0));
    user.Release();
    ASSERT_TRUE(TUserSession::WaitUntil(
        [&] {
            return user.Area(Bar::VolumeKnobTrack.translated(top - Bar::VolumeKnobTop)) != loud;
        },
        5000));
    ASSERT_TRUE(user.Changing(picture)) << "the clip no longer plays";

    // A second signal, as a session manager may send, while the first one's
    // saves are under way.
    user.Player().terminate();
    user.Player().terminate();
    QElapsedTimer ending;
    ending.start();
    ASSERT_TRUE(user.WaitForExit(5000)) << "SIGTERM did not end the program";
    RecordProperty("SigtermExitMs", int(ending.elapsed()));
    EXPECT_EQ(user.Player().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(user.Player().exitCode(), 0);
    EXPECT_TRUE(Bytes(user.WorkDir() + "/Favorites.lst")
                    .startsWith("0\xA4"
                                "0\r\n"))
        << "the unticked entry was not kept";
    const QString settings = ReadAll(user.SettingsFile());
    EXPECT_TRUE(settings.contains("FavFileName=")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("LastPosition=")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("left=")) << settings.toStdString();
    const QString player =
        ReadAll(QFileInfo(user.SettingsFile()).absolutePath() + "/quorvix-player.ini");
    EXPECT_TRUE(player.contains("Volume=")) << "the loudness was not kept";
    EXPECT_FALSE(ImageMounted(user));
}

// "Open with" while the player runs, its bar hidden: the image goes to it.
TEST(StartAndExit, ALaterStartHandsItsImageToThePlayer) {
    QV_SKIP_WITHOUT_FUSE();
    TUserSession user("handover");
    user.SetWorkDir(1, user.WorkDir());
    user.StartPlayer();
    user.Click(user.At(MainRole, Bar::Hide));
    ASSERT_TRUE(user.WaitForWindow(MainRole, [](const TWindowState& s) { return !s.Viewable; }));

    auto second = user.StartSecondPlayer({SampleDisc().Iso});
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0) << second->readAllStandardError().toStdString();
    EXPECT_TRUE(user.WaitForWindow(MainRole, Viewable)) << "the bar stayed hidden";
    EXPECT_TRUE(PlaysTheFirstEntry(user));
    EXPECT_TRUE(ImageMounted(user));

    // Another image takes the place of the first, as another disc would.
    QTemporaryDir images;
    const QString other = images.filePath("volume2.iso");
    ASSERT_TRUE(QFile::link(SampleDisc(2).Iso, other));
    const QString otherWorkDir = user.WorkDir() + "/volume2";
    ASSERT_TRUE(QDir().mkpath(otherWorkDir));
    user.SetWorkDir(2, otherWorkDir);
    const QRect picture = user.State(VideoRole).Client.adjusted(4, 4, -4, -4);
    auto third = user.StartSecondPlayer({other});
    ASSERT_TRUE(third->waitForFinished(20000));
    EXPECT_EQ(third->exitCode(), 0);
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return ImageMounted(user, other); }, 20000));
    EXPECT_FALSE(ImageMounted(user));
    EXPECT_TRUE(user.Changing(picture, 10000)) << "the other disc does not play";

    ASSERT_GE(ExitByButton(user), 0) << "Exit did not end the program";
    EXPECT_FALSE(ImageMounted(user, other));
    EXPECT_TRUE(QFile::exists(otherWorkDir + "/Favorites.lst")) << "the other disc never loaded";
}

} // namespace
