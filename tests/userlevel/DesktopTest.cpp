// What depends on the desktop's window manager, run under each of them
// (QV_USERLEVEL_WM) and with none: full screen with the bar over the
// picture, the catalog window brought back, the keyboard at a disc load,
// and the ways out.
#include "userlevel/PlayingFixture.h"

#include "platform/GraphicsDevice.h"
#include "support/SampleDisc.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A patch of the bar's bare skin, the same wherever the bar stands.
const QRect SkinPatch(Bar::BareSkin - QPoint(6, 6), QSize(12, 12));

bool FullScreen(const TWindowState& s) {
    return s.Frame.contains(QRect(0, 0, kScreenWidth, kScreenHeight));
}

class DesktopFullScreen : public Playing {
protected:
    DesktopFullScreen() : Playing("fullscreen") {}

    QImage Skin() const {
        return User.Area(SkinPatch.translated(User.State(MainRole).Client.topLeft()));
    }
    // The bar is drawn over the picture.
    bool BarOnTop(const QImage& skin) const {
        return TUserSession::WaitUntil([&] { return Skin() == skin; }, 3000);
    }
};

// The bar stays over the picture and takes the pointer: each step below is
// a click on it, which would land on the picture (and hide the bar) were it
// buried. Also once the entry changes: by Next, and by the order at an
// entry's end.
TEST_F(DesktopFullScreen, TheBarStaysOverThePictureUntilOneToOne) {
    ASSERT_NO_FATAL_FAILURE(StartPlaying());
    const QImage skin = Skin();
    const QRect barBefore = User.State(MainRole).Frame;

    ClickBar(Bar::FullScreen);
    ASSERT_TRUE(User.WaitForWindow(VideoRole, FullScreen));
    EXPECT_TRUE(BarOnTop(skin)) << "full screen buried the bar";
    User.Shot("fullscreen");
    // Where OpenGL would only be emulated the picture is drawn in software,
    // and the emulator (libLLVM, tens of megabytes) never comes in.
    if (!GraphicsHardwarePresent()) {
        EXPECT_TRUE(User.Changing(Picture()));
        EXPECT_FALSE(User.Maps("libLLVM")) << "the player loaded OpenGL's software rasteriser";
    }

    ClickBar(Bar::Next);
    ASSERT_TRUE(Showing("Водопад, часть 2")) << "Next on the bar did not reach it";
    EXPECT_TRUE(BarOnTop(skin)) << "Next buried the bar";
    User.Shot("fullscreen-next");
    ClickBar(Bar::Next);
    ASSERT_TRUE(Showing("Водопад, часть 3"));
    ClickBar(Bar::Next);
    ASSERT_TRUE(Showing("Горы"));
    // "Горы" lasts four seconds; the order then goes on by itself.
    ASSERT_TRUE(User.WaitForWindow(
        CaptionRole, [](const TWindowState& s) { return s.Name == "Street at night"; }, 15000));
    EXPECT_TRUE(User.WaitForWindow(VideoRole, FullScreen)) << "the next entry left full screen";
    EXPECT_TRUE(BarOnTop(skin)) << "the entry's end buried the bar";
    User.Shot("fullscreen-order");

    ClickBar(Bar::OriginalSize);
    const QSize clip = ClipSize(SampleDisc().Folder + "/Video/CLIP02.AVI");
    ASSERT_TRUE(clip.isValid());
    EXPECT_TRUE(User.WaitForWindow(VideoRole, [&clip](const TWindowState& s) {
        return s.Client.size() == clip &&
               s.Frame.topLeft() == QPoint((kScreenWidth - s.Frame.width()) / 2,
                                           (kScreenHeight - s.Frame.height()) / 2);
    })) << "not the clip's own size, centred";
    EXPECT_TRUE(User.WaitForWindow(MainRole, [&](const TWindowState& s) {
        return s.Frame == barBefore;
    })) << "the bar did not go back where it was";
    Exit();
}

class DesktopCatalog : public Playing {
protected:
    DesktopCatalog() : Playing("catalog") {}

    // Whether the catalog window's colour shows at a point of its tree.
    bool CatalogSeenAt(QPoint screen, bool seen = true) const {
        return TUserSession::WaitUntil(
            [&] { return Near(User.Pixel(screen), qRgb(254, 232, 206), 4) == seen; }, 5000);
    }
    bool WindowManagerIconifies() {
        return User.UnderWindowManager() && User.CanMinimize(CatalogRole);
    }
    // A window of another program over the given screen area.
    std::unique_ptr<QProcess> Cover(const QRect& area) {
        auto other = std::make_unique<QProcess>();
        other->setProcessEnvironment(User.Player().processEnvironment());
        other->start("xmessage", {"-geometry",
                                  QString("%1x%2+%3+%4")
                                      .arg(area.width())
                                      .arg(area.height())
                                      .arg(area.x())
                                      .arg(area.y()),
                                  "another program"});
        return other;
    }
};

// One press of Catalog brings the window back from wherever it went; a press
// hides it only where the user sees it.
TEST_F(DesktopCatalog, OnePressBringsItBackAndOneHidesIt) {
    ASSERT_NO_FATAL_FAILURE(StartPlaying());
    ASSERT_TRUE(Viewable(CatalogRole, true));
    ClickBar(Bar::Catalog);
    EXPECT_TRUE(Viewable(CatalogRole, false)) << "a press on the catalog in view";
    ClickBar(Bar::Catalog);
    ASSERT_TRUE(Viewable(CatalogRole, true));

    // Behind a window of another program. The margin beside the entry's
    // picture has the window's colour, whatever the tree shows.
    const QPoint inMargin = User.At(CatalogRole, {5, 50});
    ASSERT_TRUE(CatalogSeenAt(inMargin));
    const auto other = Cover(QRect(0, 0, 400, 500));
    // A window manager may put a new window that does not get the keyboard
    // below the active program's: the user clicks it to the front.
    const QPoint onOther(300, 450);
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return User.Pixel(onOther) != qRgb(0, 0, 0); }, 5000))
        << "the other window did not appear";
    User.Click(onOther);
    ASSERT_TRUE(CatalogSeenAt(inMargin, false)) << "the other window does not cover the catalog";
    ClickBar(Bar::Catalog);
    EXPECT_TRUE(CatalogSeenAt(inMargin)) << "the catalog stayed behind the other window";
    User.Shot("catalog-over-other");
    ClickBar(Bar::Catalog);
    EXPECT_TRUE(Viewable(CatalogRole, false)) << "the press did not hide the catalog in view";
    ClickBar(Bar::Catalog);
    EXPECT_TRUE(CatalogSeenAt(inMargin));
    other->kill();
    other->waitForFinished();

    // Iconified, it has no task-bar entry: Catalog brings it back. (mutter
    // offers no iconify for a tool window.)
    if (WindowManagerIconifies()) {
        for (int round = 0; round < 2; ++round) {
            User.MinimizeWindow(CatalogRole);
            ASSERT_TRUE(Viewable(CatalogRole, false));
            ClickBar(Bar::Catalog);
            EXPECT_TRUE(Viewable(CatalogRole, true)) << "the iconified catalog window stayed away";
            EXPECT_TRUE(CatalogSeenAt(inMargin));
        }
        User.Shot("catalog-back");
    }
    Exit();
}

class DesktopKeyboard : public Playing {
protected:
    DesktopKeyboard() : Playing("keyboard") {}
};

// A disc load shows the catalog, but the keyboard stays on the bar: Space
// pauses, and the favourites written at exit are as they were (every entry
// checked), not the playing entry's check mark flipped.
TEST_F(DesktopKeyboard, SpaceRightAfterADiscLoadPauses) {
    User.StartPlayer();
    ClickBar(Bar::BareSkin);
    ASSERT_TRUE(User.WaitForFocus(User.Window(MainRole))) << "the bar did not get the keyboard";
    User.InsertDisc();
    ASSERT_TRUE(Showing("Водопад, часть 1"));
    ASSERT_TRUE(Viewable(CatalogRole, true));
    ASSERT_TRUE(User.Changing(Picture()));
    ASSERT_TRUE(FirstClipSized());
    User.Key("space");
    EXPECT_TRUE(User.Still(Picture())) << "Space did not pause";
    Exit();
    QFile favourites(User.WorkDir() + "/Favorites.lst");
    ASSERT_TRUE(favourites.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = favourites.readAll().split('\n');
    int checked = 0;
    for (const QByteArray& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        EXPECT_TRUE(line.startsWith("1\xA4")) << "unchecked: " << line.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

class DesktopExit : public Playing {
protected:
    DesktopExit() : Playing("wmclose") {}
};

TEST_F(DesktopExit, TheWindowManagerClosesTheBar) {
    if (!User.UnderWindowManager())
        GTEST_SKIP() << "needs a window manager (QV_USERLEVEL_WM)";
    User.InsertDisc();
    User.StartPlayer();
    ASSERT_TRUE(User.WaitForWindow(CaptionRole,
                                   [](const TWindowState& s) { return s.Name != "Current Name"; }));
    ASSERT_TRUE(FirstClipSized());
    ClickBar(Bar::BareSkin);
    ASSERT_TRUE(User.WaitForFocus(User.Window(MainRole))) << "the bar did not get the keyboard";
    User.Key("alt+F4");
    EXPECT_TRUE(User.WaitForExit(3000));
    EXPECT_TRUE(QFile::exists(User.WorkDir() + "/Favorites.lst"));
}

} // namespace
