// The application's default error handling and the single-instance rule of
// the real program.
#include "shell/Application.h"
#include "platform/Exceptions.h"
#include "shell/CommandLine.h"
#include "support/SampleDisc.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// Fails inside an ordinary event, as a handler of the program would.
class TFailingHandler : public QObject {
protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw EInOutError(ENOSPC);
        return QObject::event(event);
    }
};

TEST(ApplicationTest, AnErrorInAnEventIsShownAndTheProgramGoesOn) {
    QStringList shown;
    SetExceptionReporter([&shown](const QString& text) { shown << text; });
    TFailingHandler handler;
    QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
    bool later = false;
    QTimer::singleShot(0, [&later] { later = true; });
    EXPECT_TRUE(QTest::qWaitFor([&later] { return later; }, 2000));
    EXPECT_EQ(shown, QStringList({"Disk full", "Disk full"}));
    SetExceptionReporter([](const QString& text) {
        ADD_FAILURE() << "error shown to the user: " << text.toStdString();
    });
}

// The process holds a lock on the file, as the kernel lists its locks:
// "1: FLOCK  ADVISORY  WRITE <pid> <major>:<minor>:<inode> 0 EOF".
bool HoldsLock(const QProcess& process, const QString& path) {
    struct stat file;
    QFile locks("/proc/locks");
    if (::stat(QFile::encodeName(path).constData(), &file) != 0 || !locks.open(QIODevice::ReadOnly))
        return false;
    const QByteArray pid = QByteArray::number(process.processId());
    const QByteArray node = QStringLiteral("%1:%2:%3")
                                .arg(major(file.st_dev), 2, 16, QChar('0'))
                                .arg(minor(file.st_dev), 2, 16, QChar('0'))
                                .arg(file.st_ino)
                                .toLatin1();
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 5 && fields[4] == pid && fields[5] == node)
            return true;
    }
    return false;
}

TEST(ApplicationTest, ASecondStartEndsAtOnceAndLeavesTheFirstAlone) {
    QTemporaryDir runtime, config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("XDG_CONFIG_HOME", config.path());
    QProcess first, second;
    first.setProcessEnvironment(env);
    second.setProcessEnvironment(env);
    const QString lock = runtime.path() + "/quorvix-player.lock";
    first.start(QV_PLAYER, {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return HoldsLock(first, lock); }, 20000));

    second.start(QV_PLAYER, {});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    // A stopped instance can't answer: the image was not opened, and the
    // later start says so well before the 20 s it once waited.
    ::kill(pid_t(first.processId()), SIGSTOP);
    QProcess unanswered;
    unanswered.setProcessEnvironment(env);
    unanswered.start(QV_PLAYER, {SampleDisc().Iso});
    ASSERT_TRUE(unanswered.waitForFinished(15000));
    EXPECT_EQ(unanswered.exitCode(), 1);
    EXPECT_TRUE(unanswered.readAllStandardError().contains("does not answer"));
    ::kill(pid_t(first.processId()), SIGCONT);

    first.kill(); // a crashed instance must not block the next start
    first.waitForFinished();
    QProcess third;
    third.setProcessEnvironment(env);
    third.start(QV_PLAYER, {});
    ASSERT_TRUE(third.waitForStarted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return HoldsLock(third, lock); }, 20000));
    third.kill();
    third.waitForFinished();
}

// The image goes to an instance started elsewhere: its path must not depend
// on this start's folder. "--" lets a name look like an option.
TEST(ApplicationTest, AnImageArgumentIsAnAbsolutePath) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link(SampleDisc().Iso, dir.filePath("-disc.iso")));
    const QString kept = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const TCommandLine dashed = ParseCommandLine({"--", "-disc.iso"});
    const TCommandLine option = ParseCommandLine({"-disc.iso"});
    const TCommandLine both = ParseCommandLine({"--", "-disc.iso", "-disc.iso"});
    QDir::setCurrent(kept);
    EXPECT_EQ(dashed.Action, TCommandLine::Run);
    EXPECT_EQ(dashed.Image, dir.filePath("-disc.iso"));
    EXPECT_EQ(option.Action, TCommandLine::Invalid);
    EXPECT_EQ(both.Action, TCommandLine::Invalid);
    EXPECT_EQ(ParseCommandLine({}).Image, "");
}

} // namespace
