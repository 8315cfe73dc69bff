// The double is what the window tests stand on; these check the defaults
// they rely on.
#include "support/ScriptedMediaPlayer.h"

#include "platform/Exceptions.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(ScriptedMediaPlayer, FactoryHandsOutDoublesOnlyWhileInstalled) {
    QWidget parent;
    {
        ScriptedMediaPlayerFactory factory;
        TWinMediaPlayer* made = CreateMediaPlayer(&parent);
        EXPECT_EQ(made, factory.Last());
        EXPECT_EQ(made->parent(), &parent);
        EXPECT_EQ(factory.CreatedCount(), 1);
        delete made;
        EXPECT_EQ(factory.Last(), nullptr);
    }
    TWinMediaPlayer* real = CreateMediaPlayer(&parent);
    EXPECT_EQ(qobject_cast<TScriptedMediaPlayer*>(real), nullptr);
}

TEST(ScriptedMediaPlayer, BehavesLikeTheControlAndLogsCalls) {
    TScriptedMediaPlayer player;
    QSignalSpy open(&player, &TWinMediaPlayer::OpenStateChange);
    QSignalSpy ready(&player, &TWinMediaPlayer::ReadyStateChange);
    player.SetFileName("/d/Video/a.AVI");
    player.SetCurrentPosition(12.5);
    EXPECT_EQ(player.OpenState(), 0);
    EXPECT_EQ(open.count(), 0);
    player.FinishOpening();
    ASSERT_EQ(open.count(), 1);
    EXPECT_EQ(open[0][0].toInt(), 0);
    EXPECT_EQ(open[0][1].toInt(), nsOpen);
    ASSERT_EQ(ready.count(), 1);
    EXPECT_EQ(ready[0][0].toInt(), ReadyStateComplete);
    player.Play();
    EXPECT_EQ(player.PlayState(), mpPlaying);
    player.Pause();
    EXPECT_EQ(player.PlayState(), mpPaused);
    player.Stop();
    EXPECT_EQ(player.PlayState(), mpStopped);
    EXPECT_EQ(player.Calls, QStringList({"FileName=/d/Video/a.AVI", "CurrentPosition=12.5", "Play",
                                         "Pause", "Stop"}));
}

TEST(ScriptedMediaPlayer, EndAndScriptedFailure) {
    TScriptedMediaPlayer player;
    QSignalSpy end(&player, &TWinMediaPlayer::EndOfStream);
    player.SetFileName("/a.AVI");
    player.SetDuration(42.0);
    player.FinishOpening();
    player.Play();
    player.ReachEnd();
    EXPECT_EQ(end.count(), 1);
    EXPECT_EQ(player.PlayState(), mpStopped);
    EXPECT_DOUBLE_EQ(player.CurrentPosition(), 42.0);

    player.FailNextCall("Cannot play");
    EXPECT_THROW(player.Play(), Exception);
    EXPECT_EQ(player.PlayState(), mpStopped);
    EXPECT_NO_THROW(player.Play());
    EXPECT_EQ(player.PlayState(), mpPlaying);
}

// The orders the real control keeps: open, ready, then at once the end for a
// start at or past it; a failed open leaves nothing behind before Error.
TEST(ScriptedMediaPlayer, OpeningAtTheEndAndFailingToOpen) {
    TScriptedMediaPlayer player;
    QStringList order;
    QObject::connect(&player, &TWinMediaPlayer::OpenStateChange, [&] { order << "open"; });
    QObject::connect(&player, &TWinMediaPlayer::ReadyStateChange, [&] { order << "ready"; });
    QObject::connect(&player, &TWinMediaPlayer::EndOfStream, [&] { order << "end"; });
    QObject::connect(&player, &TWinMediaPlayer::Error, [&] {
        order << QString("error, name '%1', open %2, duration %3")
                     .arg(player.FileName())
                     .arg(player.OpenState())
                     .arg(player.Duration());
    });
    player.SetFileName("/a.AVI");
    player.SetDuration(20.0);
    player.SetCurrentPosition(20.0);
    player.FinishOpening();
    player.SetFileName("/b.AVI");
    player.FailOpening();
    EXPECT_EQ(order, QStringList({"open", "ready", "end", "error, name '', open 0, duration 0"}));
}
