#include "platform/SingleInstance.h"
#include "platform/InstanceRequests.h"
#include "support/ScopedEnvironment.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <future>
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
// it tries again until its deadline. Nothing listening is no answer.
TEST(SingleInstance, ALaterStartsRequestReachesTheInstance) {
    QTemporaryDir runtime;
    const ScopedEnvironment inRuntime("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString name = QStringLiteral("qv-requests");
    EXPECT_FALSE(SendToRunningInstance(name, "raise", 300));

    const QString image = QString::fromUtf8("/media/диски/Disc 1\tcopy.iso");
    auto sent =
        std::async(std::launch::async, [&] { return SendToRunningInstance(name, image, 20000); });
    TInstanceRequests requests(name, nullptr);
    QStringList received;
    QObject::connect(&requests, &TInstanceRequests::Requested,
                     [&received](const QString& request) { received << request; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 20000));
    EXPECT_TRUE(sent.get());
    EXPECT_EQ(received, QStringList{image});

    sent = std::async(std::launch::async, [&] { return SendToRunningInstance(name, "", 20000); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 20000));
    EXPECT_TRUE(sent.get());
    EXPECT_EQ(received.last(), "");
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
