#pragma once
// A user at the player: the looks and clicks the playing scenarios share.

#include "support/SampleDisc.h"
#include "userlevel/UserDriver.h"

#include <QProcess>

#include <gtest/gtest.h>

inline constexpr int kScreenWidth = 1280;
inline constexpr int kScreenHeight = 1024;

// The width and height of a clip's picture, as the engine reads them.
inline QSize ClipSize(const QString& clip) {
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries",
                            "stream=width,height", "-of", "csv=p=0:s=x", clip});
    if (!probe.waitForFinished(20000))
        return {};
    const QStringList size =
        QString::fromLatin1(probe.readAllStandardOutput()).trimmed().split('x');
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}

class Playing : public ::testing::Test {
protected:
    explicit Playing(const QString& name = "playing", SampleDiscKind kind = SampleDiscKind::Sample)
        : User(name, kind) {}

    TUserSession User;

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
    // The sample disc in the drive, its first entry playing.
    void StartPlaying() {
        User.StartPlayer();
        User.InsertDisc();
        ASSERT_TRUE(Showing("Водопад, часть 1"));
        ASSERT_TRUE(User.Changing(Picture())) << "nothing plays";
        ASSERT_TRUE(FirstClipSized()) << "the first entry's clip did not open";
    }
    // The first clip has given the video window its size: the program is
    // done moving and raising its windows, which a window manager may answer
    // by taking a click or the keyboard.
    bool FirstClipSized() const {
        const QSize clip = ClipSize(SampleDisc().Folder + "/Video/CLIP01.AVI");
        return User.WaitForWindow(VideoRole,
                                  [&](const TWindowState& s) { return s.Client.size() == clip; });
    }
    void Exit() {
        ClickBar(Bar::Exit);
        EXPECT_TRUE(User.WaitForExit(3000)) << "Exit did not end the program";
    }
};
