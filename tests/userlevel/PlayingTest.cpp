// A user plays the sample disc: transport buttons, the catalog tree, the
// window commands and the disc tools, each by a click or a key; and a disc
// made as real discs are.
#include "userlevel/PlayingFixture.h"

#include "catalog/CatalogRecord.h"
#include "platform/GraphicsDevice.h"
#include "support/SampleDisc.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using Tree::RowCheckBox;
using Tree::RowTitle;

struct Marks {
    double Start;
    double End;
    bool operator==(const Marks&) const = default;
};
// The start and end marks of a catalog file, entry by entry.
std::vector<Marks> MarksIn(const QString& catalog) {
    std::vector<Marks> marks;
    for (const CatalogRecord& record : ReadCatalogFile(catalog))
        marks.push_back({record.StartPos, record.EndPos});
    return marks;
}

TEST_F(Playing, TransportCatalogAndWindowCommands) {
    // Installed with the disc's catalog beside it, which the disc tools rewrite.
    const QString programFolder = User.InstallProgram();
    ASSERT_TRUE(QDir().mkpath(programFolder + "/Data"));
    ASSERT_TRUE(
        QFile::copy(SampleDisc().Folder + "/Data/All.dat", programFolder + "/Data/All.dat"));
    User.StartPlayer();
    ASSERT_TRUE(User.Still(StateWord())); // mapped is not yet painted
    const QImage stoppedWord = User.Area(StateWord());
    User.InsertDisc();
    ASSERT_TRUE(Viewable(CatalogRole, true));
    ASSERT_TRUE(User.WaitForWindow(CaptionRole,
                                   [](const TWindowState& s) { return s.Name != "Current Name"; }));

    // An entry of the tree by Enter; the transport buttons.
    User.Focus(CatalogRole);
    User.Click(User.At(CatalogRole, RowTitle(2)));
    User.Key("Return");
    ASSERT_TRUE(Showing("Водопад, часть 2"));
    EXPECT_TRUE(User.Changing(Picture())) << "nothing plays";
    EXPECT_TRUE(User.Still(StateWord()));
    const QImage playingWord = User.Area(StateWord());
    ClickBar(Bar::Pause);
    EXPECT_TRUE(User.Still(Picture())) << "Pause did not stop the picture";
    const QImage pausedWord = User.Area(StateWord());
    EXPECT_TRUE(pausedWord != stoppedWord) << "the bar says Stopped while paused";
    EXPECT_TRUE(pausedWord != playingWord) << "the bar says Playing while paused";
    ClickBar(Bar::Pause);
    EXPECT_TRUE(User.Changing(Picture())) << "a second Pause did not resume";
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return User.Area(StateWord()) == playingWord; }, 5000));
    ClickBar(Bar::Stop);
    EXPECT_TRUE(User.Still(Picture()));
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return User.Area(StateWord()) == stoppedWord; }, 5000));
    User.Shot("stopped");
    ClickBar(Bar::Play);
    EXPECT_TRUE(User.Changing(Picture())) << "Play after Stop";
    ClickBar(Bar::Next);
    EXPECT_TRUE(Showing("Водопад, часть 3"));
    ClickBar(Bar::Previous);
    EXPECT_TRUE(Showing("Водопад, часть 2"));

    // An unchecked entry is skipped by Next and can't be started; nor can a
    // group. Repeat plays the entry again at its end; it stays on, so that
    // the play order never opens another group of the tree (which would move
    // the rows clicked below).
    ClickBar(Bar::Repeat);
    User.Click(User.At(CatalogRole, RowCheckBox(3)));
    ClickBar(Bar::Next);
    EXPECT_TRUE(Showing("Горы"));
    const QRect elapsed = Bar::Elapsed.translated(User.State(MainRole).Client.topLeft());
    const QImage earlier = User.Area(elapsed);
    QImage first;
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return (first = User.Area(elapsed)) != earlier; }, 3000));
    // A second on the way through the entry, not its first moment, which the
    // poll may not show again when the entry starts over.
    QImage during;
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return (during = User.Area(elapsed)) != first; }, 3000));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(elapsed) != during; }, 3000));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(elapsed) == during; }, 8000))
        << "the time never came back";
    EXPECT_EQ(User.State(CaptionRole).Name.toStdString(), "Горы");
    User.Click(User.At(CatalogRole, RowTitle(3)), 1, 2);
    User.Click(User.At(CatalogRole, {60, Tree::FirstRowY}), 1, 2);
    EXPECT_FALSE(User.WaitForWindow(
        CaptionRole, [](const TWindowState& s) { return s.Name != "Горы"; }, 1500));
    User.Shot("catalog");

    // A click on an entry shows its picture.
    const QRect pictureBox(User.At(CatalogRole, {10, 4}), QSize(118, 86));
    const QImage mountains = User.Area(pictureBox);
    User.Click(User.At(CatalogRole, RowTitle(1)));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(pictureBox) != mountains; }, 3000));
    User.Click(User.At(CatalogRole, RowTitle(1)), 1, 2); // a double click plays it
    EXPECT_TRUE(Showing("Водопад, часть 1"));
    EXPECT_TRUE(User.Changing(Picture())); // open: the window commands apply

    // The keys of desktop players on the picture: Space pauses and plays, N
    // and P step, F and Escape switch full screen, as does a double click,
    // which leaves the bar as it was.
    const auto fullScreen = [](const TWindowState& s) {
        return s.Frame.contains(QRect(0, 0, kScreenWidth, kScreenHeight));
    };
    const auto ownSize = [](const TWindowState& s) { return s.Frame.width() < kScreenWidth; };
    User.Focus(VideoRole);
    User.Key("space");
    EXPECT_TRUE(User.Still(Picture())) << "Space did not pause";
    User.Key("space");
    EXPECT_TRUE(User.Changing(Picture())) << "Space did not play again";
    User.Key("n");
    EXPECT_TRUE(Showing("Водопад, часть 2"));
    User.Key("p");
    EXPECT_TRUE(Showing("Водопад, часть 1"));
    User.Key("f");
    EXPECT_TRUE(User.WaitForWindow(VideoRole, fullScreen)) << "F";
    User.Key("Escape");
    EXPECT_TRUE(User.WaitForWindow(VideoRole, ownSize)) << "Escape";
    User.Click(Picture().center(), 1, 2);
    EXPECT_TRUE(User.WaitForWindow(VideoRole, fullScreen)) << "a double click";
    EXPECT_TRUE(Viewable(MainRole, true));
    User.Click(Picture().center(), 1, 2);
    EXPECT_TRUE(User.WaitForWindow(VideoRole, ownSize));
    EXPECT_TRUE(Viewable(MainRole, true));

    // A notch of the wheel over the knob is a step of the volume keys: Up
    // undoes it. (The knob looks other under the pointer, which leaves it.)
    User.Focus(MainRole);
    const QRect knob = Bar::VolumeKnobTrack.translated(User.State(MainRole).Client.topLeft());
    EXPECT_TRUE(User.Still(knob)); // the bar drawn again where the full-screen picture was
    const QImage loudest = User.Area(knob);
    User.Click(User.At(MainRole, Bar::VolumeKnobTop), 5);
    User.MoveTo(User.At(MainRole, Bar::BareSkin));
    EXPECT_TRUE(User.Still(knob));
    EXPECT_NE(User.Area(knob), loudest) << "the wheel did not turn the volume down";
    User.Key("Up");
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(knob) == loudest; }, 3000))
        << "the wheel went more than one step";

    // Tab reaches the bar's controls, marked; Space then presses the one
    // reached (Mute, the second) and the picture plays on. A click on the bar
    // takes the keyboard back from it: Space pauses again.
    const QRect muteButton(User.At(MainRole, {245, 49}), QSize(27, 11));
    const QImage muteUnmarked = User.Area(muteButton);
    User.Key("Tab");
    User.Key("Tab");
    QImage muteMarked;
    EXPECT_TRUE(TUserSession::WaitUntil(
        [&] { return (muteMarked = User.Area(muteButton)) != muteUnmarked; }, 3000))
        << "no focus mark";
    User.Key("space");
    EXPECT_TRUE(TUserSession::WaitUntil(
        [&] {
            const QImage now = User.Area(muteButton);
            return now != muteMarked && now != muteUnmarked;
        },
        3000))
        << "Mute was not pressed";
    EXPECT_TRUE(User.Changing(Picture()));
    User.Key("space");
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(muteButton) == muteMarked; }, 3000));
    User.Key("shift+Tab");
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return User.Area(muteButton) == muteUnmarked; }, 3000));
    ClickBar(Bar::BareSkin);
    User.Key("space");
    EXPECT_TRUE(User.Still(Picture())) << "Space after a click on the bar";
    User.Key("space");
    EXPECT_TRUE(User.Changing(Picture()));
    // Part 1 again from its start, so that the marks below are saved early in it.
    ClickBar(Bar::Stop);
    ClickBar(Bar::Play);

    // Hide Player; a click on the picture brings the bar back, not the catalog.
    ClickBar(Bar::Hide);
    EXPECT_TRUE(Viewable(MainRole, false));
    EXPECT_TRUE(Viewable(CatalogRole, false));
    User.Click(Picture().center());
    EXPECT_TRUE(Viewable(MainRole, true));
    EXPECT_FALSE(User.State(CatalogRole).Viewable);
    ClickBar(Bar::Catalog);
    EXPECT_TRUE(Viewable(CatalogRole, true));

    // Ctrl+D shows the disc tools; the file test lists the missing sound files.
    User.Focus(MainRole);
    const QRect markTools(User.At(MainRole, {284, 6}), QSize(173, 15));
    const QImage withoutMarkTools = User.Area(markTools);
    User.Key("ctrl+e"); // nothing before Ctrl+D
    User.Key("ctrl+d");
    User.Key("ctrl+e");
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return User.Area(markTools) != withoutMarkTools; }, 3000));
    EXPECT_TRUE(User.Still(markTools, 3000));
    ClickBar(Bar::TestPlayerFile);
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return !User.MessageBox().isEmpty(); }, 5000));
    User.Shot("missing-files");
    EXPECT_TRUE(User.WaitForFocus(User.MessageBox()));
    User.Key("Return");
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.MessageBox().isEmpty(); }, 3000));

    // Segment marks saved while part 1 plays: Start, then End with
    // EndToStart, each rewriting the catalog beside the program.
    const QString saved = programFolder + "/Data/All.dat";
    const std::vector<Marks> installed = MarksIn(saved);
    ClickBar(Bar::SavePos);
    std::vector<Marks> started;
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return (started = MarksIn(saved)) != installed; }, 3000));
    ASSERT_EQ(started.size(), installed.size());
    const double startMark = started[0].Start;
    EXPECT_GT(startMark, 0.0);
    EXPECT_EQ(started[0].End, installed[0].End);
    started[0].Start = installed[0].Start;
    EXPECT_EQ(started, installed) << "more than the start mark changed";
    ClickBar(Bar::EndMark);
    ClickBar(Bar::EndToStart);
    const QRect shownTime = Bar::Elapsed.translated(User.State(MainRole).Client.topLeft());
    const QImage now = User.Area(shownTime);
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return User.Area(shownTime) != now; }, 3000));
    ClickBar(Bar::SavePos);
    std::vector<Marks> ended;
    EXPECT_TRUE(TUserSession::WaitUntil(
        [&] { return (ended = MarksIn(saved)).size() > 2 && ended[0].End != installed[0].End; },
        3000));
    ASSERT_EQ(ended.size(), installed.size());
    EXPECT_EQ(ended[0].Start, startMark);
    EXPECT_GT(ended[0].End, startMark);
    EXPECT_EQ(ended[1].Start, ended[0].End) << "EndToStart";
    EXPECT_EQ(ended[2], installed[2]);

    // Part 1 now ends a second after its start and repeats. Out of the play
    // list, with Play All File it plays past its end mark; Random then ends the
    // repetition at the mark, once Play All File is released.
    User.Click(User.At(CatalogRole, RowCheckBox(1)));
    ClickBar(Bar::PlayAllFile);
    ClickBar(Bar::Random);
    EXPECT_FALSE(User.WaitForWindow(
        CaptionRole, [](const TWindowState& s) { return s.Name != "Водопад, часть 1"; }, 3000))
        << "the end mark ended the entry despite Play All File";
    ClickBar(Bar::PlayAllFile);
    EXPECT_TRUE(User.WaitForWindow(CaptionRole, [](const TWindowState& s) {
        return s.Name != "Водопад, часть 1";
    })) << "Random did not end the repetition";

    // CustomLoader loads the disc again: the tree is built anew with every
    // entry checked, so part 1's row loses its empty box.
    const QRect partOneBox(User.At(CatalogRole, RowCheckBox(1)) - QPoint(3, 3), QSize(7, 7));
    const QImage unchecked = User.Area(partOneBox);
    ClickBar(Bar::CustomLoader);
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(partOneBox) != unchecked; }, 5000));
    User.Shot("loaded-again");

    ClickBar(Bar::Exit);
    EXPECT_TRUE(User.WaitForExit(3000));
}

// A disc made as real discs are: upper-case 8.3 names (its catalog read from
// DATA/ALL.DAT), a CMYK picture for "Водопад" and none for "Горы"; Next and
// the order go from entry to entry.
class PlayingRealDisc : public Playing {
protected:
    PlayingRealDisc() : Playing("playing-real", SampleDiscKind::Real) {}
};

TEST_F(PlayingRealDisc, UpperCaseNamesAndACmykPicture) {
    ASSERT_TRUE(QFile::exists(SampleDisc(1, SampleDiscKind::Real).Folder + "/DATA/ALL.DAT"));
    User.StartPlayer();
    User.InsertDisc();
    ASSERT_TRUE(Showing("Водопад, часть 1"));
    EXPECT_TRUE(User.Changing(Picture())) << "nothing plays";

    // The playing entry's picture is the CMYK one; "Горы" shows the default.
    const QRect pictureBox(User.At(CatalogRole, {10, 4}), QSize(118, 86));
    EXPECT_TRUE(User.Still(pictureBox, 3000));
    const QImage cmyk = User.Area(pictureBox);
    User.Click(User.At(CatalogRole, RowTitle(4)));
    QImage mountains;
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return (mountains = User.Area(pictureBox)) != cmyk; }, 3000))
        << "the CMYK picture is the default one";
    User.Click(User.At(CatalogRole, RowTitle(1)));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(pictureBox) == cmyk; }, 3000))
        << "the CMYK picture did not come back";
    User.Shot("cmyk-picture");

    for (const char* title : {"Водопад, часть 2", "Водопад, часть 3", "Горы"}) {
        ClickBar(Bar::Next);
        ASSERT_TRUE(Showing(QString::fromUtf8(title))) << "Next to " << title;
    }
    // "Горы" lasts four seconds; the order goes on by itself.
    ASSERT_TRUE(User.WaitForWindow(
        CaptionRole, [](const TWindowState& s) { return s.Name == "Street at night"; }, 15000));
    EXPECT_TRUE(User.Changing(Picture())) << "the entry of the upper-case CLIP02.AVI does not play";
    Exit();
}

// A clip that can't be played, after one that played: the picture goes and
// the logo's window is drawn again, the bar reads stopped, and Next goes on.
// The clip after "Street at night" is missing: the order, Previous and Next
// pass over it.
TEST_F(Playing, ABrokenClipBringsTheLogoBackAndAMissingOneIsPassedOver) {
    // The picture as a surface of its own, drawn with OpenGL even where it is emulated.
    User.SetPlayerSetting("Video", "opengl");
    // Files beside the program come before the disc's: "Горы" gets a broken clip.
    const QString programFolder = User.InstallProgram();
    ASSERT_TRUE(QDir().mkpath(programFolder + "/Video"));
    QFile broken(programFolder + "/Video/CLIP03.AVI");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(64 * 1024, '\x5a'));
    broken.close();
    User.StartPlayer();
    ASSERT_TRUE(User.Still(StateWord())); // mapped is not yet painted
    const QImage stoppedWord = User.Area(StateWord());
    // The play sign in the middle of the logo, which is centred in the window.
    const QRgb playSign = qRgb(2, 162, 138);
    const auto logoShown = [this, playSign] {
        return Near(User.Pixel(User.State(VideoRole).Client.center() + QPoint(-7, -10)), playSign);
    };
    ASSERT_TRUE(TUserSession::WaitUntil(logoShown, 5000));
    // Light writing in the logo's dark foot, under its name, while no disc is in.
    const auto insertDiscLine = [this] {
        const QPoint centre = User.State(VideoRole).Client.center();
        const QImage foot = User.Area(QRect(centre + QPoint(-120, 107), QSize(240, 10)));
        int light = 0;
        for (int y = 0; y < foot.height(); ++y)
            for (int x = 0; x < foot.width(); ++x)
                light += qGray(foot.pixel(x, y)) > 120;
        return light > 40;
    };
    EXPECT_TRUE(TUserSession::WaitUntil(insertDiscLine, 5000)) << "nothing says what to do";
    User.InsertDisc();
    ASSERT_TRUE(Showing("Водопад, часть 1"));
    ASSERT_TRUE(User.Changing(Picture())) << "nothing plays";
    EXPECT_FALSE(logoShown()) << "the picture does not cover the logo";
    if (!GraphicsHardwarePresent()) {
        EXPECT_TRUE(User.Maps("libLLVM")) << "the setting did not bring OpenGL";
    }

    User.Focus(CatalogRole);
    User.Click(User.At(CatalogRole, RowTitle(4)));
    User.Key("Return");
    ASSERT_TRUE(Showing("Горы"));
    EXPECT_TRUE(TUserSession::WaitUntil(logoShown, 5000)) << "the last picture stayed";
    EXPECT_FALSE(insertDiscLine()) << "the disc is in, yet the line asks for it";
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return User.Area(StateWord()) == stoppedWord; }, 5000));
    EXPECT_TRUE(User.Still(Picture(), 3000));
    User.Shot("broken-clip");

    ClickBar(Bar::Next);
    EXPECT_TRUE(Showing("Street at night"));
    EXPECT_TRUE(User.Changing(Picture())) << "Next after the broken clip";
    EXPECT_TRUE(User.WaitForWindow(
        CaptionRole, [](const TWindowState& s) { return s.Name == "Bridge over the river"; },
        30000))
        << "the order stopped at the missing clip";
    EXPECT_TRUE(User.Changing(Picture()));
    ClickBar(Bar::Previous);
    EXPECT_TRUE(Showing("Street at night"));
    ClickBar(Bar::Next);
    EXPECT_TRUE(Showing("Bridge over the river"));
    EXPECT_TRUE(User.Changing(Picture()));
    ClickBar(Bar::Exit);
    EXPECT_TRUE(User.WaitForExit(3000));
}

} // namespace
