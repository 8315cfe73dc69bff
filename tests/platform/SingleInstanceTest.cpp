#include "platform/SingleInstance.h"
#include "platform/InstanceRequests.h"
#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <future>
#include <optional>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs AcquireSingleInstance in a child process; its exit status is the answer.
bool AcquiresInChild(const QString& name) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(AcquireSingleInstance(name) ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstDies) {
    const QString name = QStringLiteral("qv-test-%1").arg(::getpid());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const char answer = AcquireSingleInstance(name) ? 'y' : 'n';
        (void)!::write(ready[1], &answer, 1);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, 'y');
    EXPECT_FALSE(AcquiresInChild(name));
    EXPECT_FALSE(AcquireSingleInstance(name));

    // A crashed holder leaves its file behind, but not its lock.
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(QFile::exists(SingleInstanceLockPath(name)));
    EXPECT_TRUE(AcquiresInChild(name));
    EXPECT_TRUE(AcquireSingleInstance(name));
    EXPECT_FALSE(AcquiresInChild(name));

    ::close(ready[0]);
    ::close(ready[1]);
    QFile::remove(SingleInstanceLockPath(name));
}

// A later start may ask before the instance listens (it is still starting):
// it tries again until its deadline. The answer goes out before the instance
// acts on the request.
TEST(SingleInstance, ALaterStartsRequestReachesTheInstance) {
    QTemporaryDir runtime;
    const ScopedEnvironment inRuntime("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString name = QStringLiteral("qv-requests");
    const QString image = QString::fromUtf8("/media/диски/Disc 1\tcopy.iso");
    std::shared_future<bool> sent =
        std::async(std::launch::async, [&] { return SendToRunningInstance(name, image); });
    const TListening listening = ListenForLaterStarts(name);
    ASSERT_GE(listening.Descriptor, 0) << listening.Problem.toStdString();
    TInstanceRequests requests(listening.Descriptor, nullptr);
    QStringList received;
    QObject::connect(&requests, &TInstanceRequests::Requested, [&](const QString& request) {
        EXPECT_EQ(sent.wait_for(std::chrono::seconds(10)), std::future_status::ready)
            << "the later start is still waiting while the request is acted on";
        received << request;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 20000));
    EXPECT_TRUE(sent.get());
    EXPECT_EQ(received, QStringList{image});

    sent = std::async(std::launch::async, [&] { return SendToRunningInstance(name, ""); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 20000));
    EXPECT_TRUE(sent.get());
    EXPECT_EQ(received.last(), "");
}

// Runs SendToRunningInstance in the background; nullopt when it still waits
// well after its deadline.
std::optional<bool> SendWithin(const QString& name, int timeoutMs, int deadlineMs) {
    auto sent = std::async(std::launch::async,
                           [=] { return SendToRunningInstance(name, "/a.iso", timeoutMs); });
    if (sent.wait_for(std::chrono::milliseconds(deadlineMs)) != std::future_status::ready) {
        sent.wait();
        return std::nullopt;
    }
    return sent.get();
}

// An instance that is stopped, one that takes the request and never
// answers, one killed with its socket file left: a later start gives up
// well before the old 20 s, and says it was not heard.
TEST(SingleInstance, ALaterStartGivesUpSoonOnAnInstanceThatDoesNotAnswer) {
    QTemporaryDir runtime;
    const ScopedEnvironment inRuntime("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    ASSERT_LT(kInstanceAnswerMs, 10000);
    const QString name = QStringLiteral("qv-unanswered");
    const auto holder = [&name](bool accepting) {
        const TListening listening = ListenForLaterStarts(name);
        const pid_t child = ::fork();
        if (child == 0) {
            if (accepting)
                (void)::accept(listening.Descriptor, nullptr, nullptr);
            for (;;)
                ::pause();
        }
        ::close(listening.Descriptor);
        return child;
    };
    const auto end = [](pid_t child) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    };

    const pid_t stopped = holder(false);
    ::kill(stopped, SIGSTOP);
    EXPECT_EQ(SendWithin(name, kInstanceAnswerMs, kInstanceAnswerMs + 5000), false);
    end(stopped);
    // Killed: the socket file stays, nobody listens on it.
    ASSERT_TRUE(QFileInfo::exists(SingleInstanceSocketPath(name)));
    EXPECT_EQ(SendWithin(name, 1000, 6000), false);

    const pid_t busy = holder(true);
    EXPECT_EQ(SendWithin(name, 1000, 6000), false);
    end(busy);
}

// Where the socket file can't be had (a path too long for a socket, a folder
// in its place), the instance takes another name, where later starts find
// it; when that is taken too, the instance is told why.
TEST(SingleInstance, AnInstanceThatCannotListenBesideItsLockListensElsewhere) {
    QTemporaryDir runtime;
    const QString deep = runtime.path() + "/" + QString(60, 'd') + "/" + QString(60, 'e');
    ASSERT_TRUE(QDir().mkpath(deep));
    for (const QString& folder : {deep, runtime.path()}) {
        const ScopedEnvironment inRuntime("XDG_RUNTIME_DIR", folder.toLocal8Bit());
        const QString name = QStringLiteral("qv-elsewhere");
        if (folder == runtime.path()) {
            ASSERT_TRUE(QDir().mkpath(SingleInstanceSocketPath(name)));
        }
        const TListening listening = ListenForLaterStarts(name);
        ASSERT_GE(listening.Descriptor, 0) << listening.Problem.toStdString();
        TInstanceRequests requests(listening.Descriptor, nullptr);
        QStringList received;
        QObject::connect(&requests, &TInstanceRequests::Requested,
                         [&received](const QString& request) { received << request; });
        auto sent =
            std::async(std::launch::async, [&] { return SendToRunningInstance(name, "x"); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 10000))
            << folder.toStdString();
        EXPECT_TRUE(sent.get());

        if (folder == runtime.path()) {
            const TListening refused = ListenForLaterStarts(name);
            EXPECT_EQ(refused.Descriptor, -1);
            EXPECT_TRUE(refused.Problem.contains(SingleInstanceSocketPath(name)))
                << refused.Problem.toStdString();
        }
    }
}

TEST(SingleInstance, LockLivesInTheRuntimeFolderElseInTmpPerUser) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "/nonexistent-runtime");
    EXPECT_EQ(SingleInstanceLockPath("qv"), QStringLiteral("/tmp/qv-%1.lock").arg(::getuid()));
    qputenv("XDG_RUNTIME_DIR", "/tmp");
    EXPECT_EQ(SingleInstanceLockPath("qv"), "/tmp/qv.lock");
    if (saved.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
