// A user plays the sample disc: transport buttons, the catalog tree, the
// window commands and the disc tools, each by a click or a key.
#include "userlevel/UserDriver.h"

#include <gtest/gtest.h>

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

// Rows of the catalog tree (client coordinates of the catalog window): the
// first group is open, its entries below it.
constexpr int kFirstRowY = 127;
constexpr int kRowHeight = 14;
QPoint RowTitle(int row) {
    return {95, kFirstRowY + row * kRowHeight};
}
QPoint RowCheckBox(int row) {
    return {42, kFirstRowY + row * kRowHeight};
}

class Playing : public ::testing::Test {
protected:
    TUserSession User{"playing"};

    QRect Picture() const { return User.State(VideoRole).Client.adjusted(4, 4, -4, -4); }
    QRect StateWord() const {
        return Bar::StateWord.translated(User.State(MainRole).Client.topLeft());
    }
    void ClickBar(QPoint local) { User.Click(User.At(MainRole, local)); }
    bool Showing(const QString& title) const {
        return User.WaitForWindow(CaptionRole,
                                  [&](const TWindowState& s) { return s.Name == title; });
    }
    bool Viewable(const QString& role, bool viewable) const {
        return User.WaitForWindow(role,
                                  [&](const TWindowState& s) { return s.Viewable == viewable; });
    }
};

TEST_F(Playing, TransportCatalogAndWindowCommands) {
    User.StartPlayer();
    const QImage stoppedWord = User.Area(StateWord());
    User.InsertDisc();
    ASSERT_TRUE(Viewable(CatalogRole, true));
    ASSERT_TRUE(User.WaitForWindow(CaptionRole,
                                   [](const TWindowState& s) { return s.Name != "Current Name"; }));

    // An entry of the tree by a double click; the transport buttons.
    User.Click(User.At(CatalogRole, RowTitle(2)), 1, 2);
    ASSERT_TRUE(Showing("Водопад, часть 2"));
    EXPECT_TRUE(User.Changing(Picture())) << "nothing plays";
    ClickBar(Bar::Pause);
    EXPECT_TRUE(User.Still(Picture())) << "Pause did not stop the picture";
    EXPECT_NE(User.Area(StateWord()), stoppedWord);
    ClickBar(Bar::Pause);
    EXPECT_TRUE(User.Changing(Picture())) << "a second Pause did not resume";
    ClickBar(Bar::Stop);
    EXPECT_TRUE(User.Still(Picture()));
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return User.Area(StateWord()) == stoppedWord; }, 3000));
    ClickBar(Bar::Play);
    EXPECT_TRUE(User.Changing(Picture())) << "Play after Stop";
    ClickBar(Bar::Next);
    EXPECT_TRUE(Showing("Водопад, часть 3"));
    ClickBar(Bar::Previous);
    EXPECT_TRUE(Showing("Водопад, часть 2"));

    // An unchecked entry is skipped by Next and can't be started; nor can a
    // group. Repeat plays the entry again at its end.
    ClickBar(Bar::Repeat);
    User.Click(User.At(CatalogRole, RowCheckBox(3)));
    ClickBar(Bar::Next);
    EXPECT_TRUE(Showing("Горы"));
    const QRect elapsed = Bar::Elapsed.translated(User.State(MainRole).Client.topLeft());
    const QImage earlier = User.Area(elapsed);
    QImage during;
    EXPECT_TRUE(
        TUserSession::WaitUntil([&] { return (during = User.Area(elapsed)) != earlier; }, 3000));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(elapsed) != during; }, 3000));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(elapsed) == during; }, 8000))
        << "the time never came back";
    EXPECT_EQ(User.State(CaptionRole).Name.toStdString(), "Горы");
    User.Click(User.At(CatalogRole, RowTitle(3)), 1, 2);
    User.Click(User.At(CatalogRole, {60, kFirstRowY}), 1, 2);
    EXPECT_FALSE(User.WaitForWindow(
        CaptionRole, [](const TWindowState& s) { return s.Name != "Горы"; }, 1500));
    User.Shot("catalog");
    ClickBar(Bar::Repeat);

    // A click on an entry shows its picture.
    const QRect pictureBox(User.At(CatalogRole, {10, 4}), QSize(118, 86));
    const QImage mountains = User.Area(pictureBox);
    User.Click(User.At(CatalogRole, RowTitle(1)));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(pictureBox) != mountains; }, 3000));
    User.Focus(CatalogRole);
    User.Click(User.At(CatalogRole, RowTitle(1)));
    User.Key("Return"); // and Enter plays it
    EXPECT_TRUE(Showing("Водопад, часть 1"));
    EXPECT_TRUE(User.Changing(Picture())); // open: the window commands apply

    // Full screen and back to the picture's own size.
    ClickBar(Bar::FullScreen);
    EXPECT_TRUE(User.WaitForWindow(VideoRole, [](const TWindowState& s) {
        return s.Frame.contains(QRect(0, 0, kScreenWidth, kScreenHeight));
    }));
    User.Shot("fullscreen");
    ClickBar(Bar::OriginalSize);
    EXPECT_TRUE(User.WaitForWindow(VideoRole, [](const TWindowState& s) {
        return s.Frame.width() < kScreenWidth &&
               s.Frame.topLeft() == QPoint((kScreenWidth - s.Frame.width()) / 2,
                                           (kScreenHeight - s.Frame.height()) / 2);
    }));

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
    QString box;
    EXPECT_TRUE(TUserSession::WaitUntil(
        [&] {
            ClickBar(Bar::TestPlayerFile);
            return !(box = User.MessageBox()).isEmpty();
        },
        5000));
    User.Shot("missing-files");
    User.Key("Return");
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.MessageBox().isEmpty(); }, 3000));

    ClickBar(Bar::Exit);
    EXPECT_TRUE(User.WaitForExit(3000));
}

} // namespace
