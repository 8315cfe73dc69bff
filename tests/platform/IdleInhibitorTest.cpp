// The screen kept awake through desktop services played by mocks on a bus of
// the test's own: what is asked for, what is let go, and when.
#include "platform/IdleInhibitor.h"

#include "support/PrivateBus.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString ScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString Portal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Asked = QStringLiteral(R"(Inhibit "Quorvix Player" "Playing a clip")");

class IdleInhibitorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(Bus.Address().isEmpty()) << "no dbus-daemon"; }
    void TearDown() override {
        Inhibitor.reset();
        QDBusConnection::disconnectFromBus("inhibitor");
    }

    std::unique_ptr<MockBusService> Mock(const QString& name, const QString& path,
                                         const QString& interface) {
        auto mock = std::make_unique<MockBusService>(Bus.Address(), name, path, interface);
        EXPECT_TRUE(mock->Running()) << "python3-dbusmock did not start";
        return mock;
    }
    // A screen saver service that hands out cookie 7.
    std::unique_ptr<MockBusService> ScreenSaverAt(const QString& path) {
        auto mock = Mock(ScreenSaver, path, ScreenSaver);
        EXPECT_TRUE(mock->AddMethod("Inhibit", "ss", "u", "ret = 7"));
        EXPECT_TRUE(mock->AddMethod("UnInhibit", "u", ""));
        return mock;
    }
    TIdleInhibitor& Start() {
        Inhibitor = std::make_unique<TIdleInhibitor>(
            QDBusConnection::connectToBus(Bus.Address(), "inhibitor"),
            QStringLiteral("Quorvix Player"), QStringLiteral("Playing a clip"));
        return *Inhibitor;
    }
    static bool Eventually(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, 10000);
    }

    PrivateSessionBus Bus;
    std::unique_ptr<TIdleInhibitor> Inhibitor;
};

// Asked once however often playing is reported, let go at once without
// waiting for the service; a pause that comes while the service has not
// answered yet lets go once it has; the end of the program lets go too, and
// waits until the service has heard it.
TEST_F(IdleInhibitorTest, ScreenSaverServiceInhibitsOnceAndLetsGo) {
    const auto service = ScreenSaverAt("/org/freedesktop/ScreenSaver");
    TIdleInhibitor& inhibitor = Start();
    inhibitor.SetInhibited(true);
    ASSERT_TRUE(Eventually([&] { return inhibitor.Held(); }));
    inhibitor.SetInhibited(true);
    inhibitor.SetInhibited(false);
    EXPECT_FALSE(inhibitor.Held());
    EXPECT_TRUE(Eventually([&] { return service->Calls().size() == 2; }));
    EXPECT_EQ(service->Calls(), QStringList({Asked, "UnInhibit 7"}));

    inhibitor.SetInhibited(true);
    inhibitor.SetInhibited(false); // before the answer
    EXPECT_TRUE(Eventually([&] { return service->CallsOf("UnInhibit").size() == 2; }));
    EXPECT_FALSE(inhibitor.Held());

    inhibitor.SetInhibited(true);
    ASSERT_TRUE(Eventually([&] { return inhibitor.Held(); }));
    Inhibitor.reset();
    EXPECT_EQ(service->CallsOf("UnInhibit").size(), 3) << "still inhibited at the end";
    EXPECT_EQ(service->CallsOf("Inhibit").size(), 3);
}

// The portal is preferred: idle only, and its request closed to let go.
TEST_F(IdleInhibitorTest, PortalComesFirst) {
    const auto saver = ScreenSaverAt("/org/freedesktop/ScreenSaver");
    const auto portal = Mock(Portal, PortalPath, "org.freedesktop.portal.Inhibit");
    ASSERT_TRUE(portal->AddMethod(
        "Inhibit", "sua{sv}", "o",
        "p = '/org/freedesktop/portal/desktop/request/1_1/t1'\n"
        "self.AddObject(p, 'org.freedesktop.portal.Request', {}, [('Close', '', '', '')])\n"
        "ret = p"));
    TIdleInhibitor& inhibitor = Start();
    inhibitor.SetInhibited(true);
    ASSERT_TRUE(Eventually([&] { return inhibitor.Held(); }));
    inhibitor.SetInhibited(false);
    EXPECT_TRUE(Eventually([&] { return portal->Calls().size() == 2; }));
    EXPECT_EQ(portal->Calls(),
              QStringList({R"(Inhibit "" 8 {"reason": "Playing a clip"})", "Close"}));
    EXPECT_TRUE(saver->Calls().isEmpty());
}

// A portal without the inhibit call, and a screen saver service at its older
// path: the inhibition still goes through.
TEST_F(IdleInhibitorTest, FallsBackToTheScreenSaverAtEitherPath) {
    const auto portal = Mock(Portal, PortalPath, "org.freedesktop.portal.Settings");
    const auto saver = ScreenSaverAt("/ScreenSaver");
    TIdleInhibitor& inhibitor = Start();
    inhibitor.SetInhibited(true);
    ASSERT_TRUE(Eventually([&] { return inhibitor.Held(); }));
    inhibitor.SetInhibited(false);
    EXPECT_TRUE(Eventually([&] { return saver->Calls().size() == 2; }));
    EXPECT_EQ(saver->Calls(), QStringList({Asked, "UnInhibit 7"}));
}

} // namespace
