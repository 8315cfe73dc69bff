// Media keys on the desktop: playerctl, a client that is not ours, drives the
// running player over a session bus of the test's own, and Quit ends it.
#include "support/PrivateBus.h"
#include "userlevel/UserDriver.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <gtest/gtest.h>

namespace {

TEST(MediaKeys, PlayerctlDrivesTheRunningPlayerAndQuitEndsIt) {
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.Address().isEmpty()) << "no dbus-daemon";
    const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().toUtf8());
    TUserSession user("mediakeys");
    user.InsertDisc();
    user.StartPlayer();
    qputenv("DBUS_SESSION_BUS_ADDRESS", savedAddress);

    const auto status = [&] { return bus.Playerctl({"status"}, true); };
    const auto title = [&] { return bus.Playerctl({"metadata", "title"}); };
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return status() == "Playing"; }, 15000));
    const QString first = title();
    EXPECT_FALSE(first.isEmpty());
    bus.Playerctl({"next"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return title() != first; }, 5000));
    bus.Playerctl({"play-pause"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return status() == "Paused"; }, 5000));

    QDBusConnection client = QDBusConnection::connectToBus(bus.Address(), "mediakeys");
    client.call(QDBusMessage::createMethodCall("org.mpris.MediaPlayer2.quorvix_player",
                                               "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2",
                                               "Quit"));
    EXPECT_TRUE(user.WaitForExit(10000)) << "Quit is the Exit button";
    EXPECT_EQ(user.Player().exitCode(), 0);
    QDBusConnection::disconnectFromBus("mediakeys");
}

} // namespace
