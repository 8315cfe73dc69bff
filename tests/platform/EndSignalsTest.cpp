// The signals that end a session reach the program through its event loop.
#include "platform/EndSignals.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace {

void (*HandlerOf(int signal))(int) {
    struct sigaction action {};
    ::sigaction(signal, nullptr, &action);
    return action.sa_handler;
}

// Nothing happens inside the handler itself; the loop hears the signal once,
// and later ones while the program ends neither end it nor are heard again.
// Afterwards the signals are as they were.
TEST(EndSignals, EachEndSignalArrivesOnceThroughTheEventLoop) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const auto before = HandlerOf(signal);
        {
            TEndSignals ending;
            QList<int> received;
            QObject::connect(&ending, &TEndSignals::Received,
                             [&received](int got) { received << got; });
            ASSERT_EQ(::kill(::getpid(), signal), 0);
            EXPECT_TRUE(received.isEmpty());
            ASSERT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 5000))
                << "signal " << signal;
            EXPECT_EQ(received, QList<int>{signal});

            // Delivered to this thread before raise() returns; one pass of
            // the loop reads it.
            ASSERT_EQ(::raise(SIGTERM), 0);
            QCoreApplication::processEvents();
            EXPECT_EQ(received, QList<int>{signal});
        }
        EXPECT_EQ(HandlerOf(signal), before);
    }
}

} // namespace
