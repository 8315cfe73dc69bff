// Placement by the outer frame while a window manager takes the window over.
// The test plays the window manager on the X server: it moves the window,
// reparents it into a frame of its own and tells it where it is, as a
// manager does.
#include "platform/OuterFrame.h"

#include "support/SampleDisc.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <memory>

namespace {

class OuterFrame : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QV_REQUIRE(x11 ? QString() : QStringLiteral("an X11 display"));
        X = x11->connection();
        Root = xcb_setup_roots_iterator(xcb_get_setup(X)).data->root;
    }
    void TearDown() override {
        Window.reset();
        if (Frame)
            xcb_destroy_window(X, Frame);
        xcb_flush(X);
    }

    // The manager's frame: a window of the given size, the client at (left, top) in it.
    void Reparent(const QRect& frame, QPoint client) {
        Frame = xcb_generate_id(X);
        xcb_create_window(X, XCB_COPY_FROM_PARENT, Frame, Root, int16_t(frame.x()),
                          int16_t(frame.y()), uint16_t(frame.width()), uint16_t(frame.height()), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(X, Frame);
        xcb_reparent_window(X, Window->winId(), Frame, int16_t(client.x()), int16_t(client.y()));
        xcb_flush(X);
    }
    // Tells the client where it is on the screen, as a manager must once its
    // frame is placed.
    void Announce(const QRect& client) {
        xcb_configure_notify_event_t event{};
        event.response_type = XCB_CONFIGURE_NOTIFY;
        event.event = xcb_window_t(Window->winId());
        event.window = xcb_window_t(Window->winId());
        event.x = int16_t(client.x());
        event.y = int16_t(client.y());
        event.width = uint16_t(client.width());
        event.height = uint16_t(client.height());
        xcb_send_event(X, false, event.window, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(X);
    }

    void Show(const QRect& bounds) {
        Outer->SetBounds(bounds);
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    }
    // After showing, the placement looks at the window for a while.
    void WaitForTheLooks() {
        const auto* look = Outer->findChild<QTimer*>();
        ASSERT_NE(look, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([look] { return !look->isActive(); }, 10000));
    }

    xcb_connection_t* X = nullptr;
    xcb_window_t Root = 0;
    xcb_window_t Frame = 0;
    std::unique_ptr<QWidget> Window = std::make_unique<QWidget>();
    TOuterFrame* Outer = new TOuterFrame(Window.get());
};

const QRect kWanted(100, 100, 300, 200);

// The frame that the manager adds after the window is shown is taken off the
// window's size, so that the frame has the size asked for.
TEST_F(OuterFrame, AFrameThatArrivesAfterShowingIsTakenOffTheSize) {
    Show(kWanted);
    Reparent(QRect(200, 200, 308, 224), QPoint(4, 20));
    Announce(QRect(204, 220, 300, 200));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Outer->FrameSize() == QSize(8, 24); }));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Window->size() == QSize(292, 176); }))
        << Window->width() << " x " << Window->height();
}

// While the manager takes the window over, the frame can read smaller than
// the window; it counts as no frame, never as a negative one.
TEST_F(OuterFrame, AFrameThatReadsSmallerThanTheWindowCountsAsNone) {
    Show(kWanted);
    Reparent(QRect(0, 0, 10, 10), QPoint(4, 20));
    Announce(QRect(4, 20, 300, 200));
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return Window->frameGeometry().size() == QSize(10, 10); }));
    EXPECT_EQ(Outer->FrameSize(), QSize(0, 0));
    Outer->SetBounds(kWanted);
    WaitForTheLooks();
    EXPECT_EQ(Window->size(), kWanted.size());
}

// Reported elsewhere while it is taken over, the window is asked for again
// where it is wanted.
TEST_F(OuterFrame, AWindowReportedElsewhereIsAskedForAgain) {
    Show(kWanted);
    QSignalSpy reported(Window->windowHandle(), &QWindow::xChanged);
    const uint32_t origin[] = {0, 0};
    xcb_configure_window(X, xcb_window_t(Window->winId()),
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, origin);
    xcb_flush(X);
    ASSERT_TRUE(QTest::qWaitFor([&reported] { return !reported.isEmpty(); }));
    EXPECT_EQ(reported.first().first().toInt(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Window->pos() == kWanted.topLeft(); }))
        << Window->x() << ", " << Window->y();
}

// Where the program itself moves the window is where it is wanted.
TEST_F(OuterFrame, TheProgramsOwnMoveStays) {
    Show(kWanted);
    Window->move(500, 400);
    WaitForTheLooks();
    EXPECT_EQ(Window->pos(), QPoint(500, 400));
    EXPECT_EQ(Window->size(), kWanted.size());
}

} // namespace
