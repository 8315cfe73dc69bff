// The application's default error handling and the single-instance rule of
// the real program.
#include "shell/Application.h"
#include "shell/CommandLine.h"
#include "shell/Exceptions.h"
#include "support/SampleDisc.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

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

TEST(ApplicationTest, ASecondStartEndsAtOnceAndLeavesTheFirstAlone) {
    QTemporaryDir runtime, config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("XDG_CONFIG_HOME", config.path());
    QProcess first, second;
    first.setProcessEnvironment(env);
    second.setProcessEnvironment(env);
    first.start(QV_PLAYER, {});
    ASSERT_TRUE(first.waitForStarted());
    QTest::qWait(1500); // the first instance holds its lock and shows its windows

    second.start(QV_PLAYER, {});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill(); // a crashed instance must not block the next start
    first.waitForFinished();
    QProcess third;
    third.setProcessEnvironment(env);
    third.start(QV_PLAYER, {});
    ASSERT_TRUE(third.waitForStarted());
    EXPECT_FALSE(third.waitForFinished(1500)); // still running: it took the lock
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
