// The application's default error handling, the single-instance rule of the
// real program and the answers of its command line.
#include "platform/Exceptions.h"
#include "shell/CommandLine.h"
#include "support/SampleDisc.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

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

struct TAnswer {
    int Status = -1;
    QString Output; // standard output and error
};

// The program run to its end outside any X server.
TAnswer Answer(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QV_PLAYER, arguments);
    if (!program.waitForFinished(20000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAll())};
}

// Questions are answered without a display and without starting the player;
// wrong arguments are refused with the usage; no display is said, not a crash.
TEST(ApplicationTest, TheCommandLineAnswers) {
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    for (const char* chooser : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(chooser);
    environment.insert("LANG", "C.UTF-8");

    const TAnswer help = Answer({"--help"}, environment);
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(help.Output.startsWith("Usage: quorvix-player [IMAGE]"))
        << help.Output.toStdString();
    EXPECT_TRUE(help.Output.contains("disc image")) << help.Output.toStdString();
    const TAnswer version = Answer({"--version"}, environment);
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Output, "quorvix-player 1.0\n");
    EXPECT_TRUE(QDir(runtime.path()).isEmpty()) << "a question took the single-instance lock";

    const QString notAnImage = runtime.path() + "/notes.iso";
    QFile notes(notAnImage);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(64 * 1024, 'x'));
    notes.close();
    for (const QStringList& wrong :
         {QStringList{"--fullscreen"}, QStringList{"-x"}, QStringList{notAnImage},
          QStringList{runtime.path() + "/none.iso"},
          QStringList{SampleDisc().Iso, SampleDisc().Iso}}) {
        const TAnswer refused = Answer(wrong, environment);
        EXPECT_EQ(refused.Status, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(refused.Output.contains("Usage: quorvix-player"))
            << refused.Output.toStdString();
    }

    const TAnswer noDisplay = Answer({}, environment);
    EXPECT_EQ(noDisplay.Status, 1);
    EXPECT_TRUE(noDisplay.Output.contains("display")) << noDisplay.Output.toStdString();
    environment.insert("DISPLAY", ":4095"); // no server there
    const TAnswer closed = Answer({SampleDisc().Iso}, environment);
    EXPECT_EQ(closed.Status, 1);
    EXPECT_TRUE(closed.Output.contains("cannot open display :4095")) << closed.Output.toStdString();
}

// The help and the refusals follow the desktop's language, as the windows do;
// English where the first language asked for is English or not shipped.
TEST(ApplicationTest, TheCommandLineAnswersInTheDesktopsLanguage) {
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    for (const char* chooser : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(chooser);
    const QString english = UsageText();
    QTranslator russian;
    ASSERT_TRUE(russian.load(":/i18n/quorvix_ru.qm"));
    const QString expected = russian.translate("CommandLine", english.toUtf8().constData());
    ASSERT_FALSE(expected.isEmpty());
    ASSERT_NE(expected, english);

    environment.insert("LANG", "ru_RU.UTF-8");
    EXPECT_EQ(Answer({"--help"}, environment).Output, expected);
    const TAnswer refused = Answer({"-x"}, environment);
    EXPECT_EQ(refused.Status, 2);
    EXPECT_TRUE(
        refused.Output.contains(russian.translate("CommandLine", "unknown option %1").arg("-x")))
        << refused.Output.toStdString();
    // LANGUAGE names the languages in order, as the desktop keeps them.
    environment.insert("LANGUAGE", "en:ru");
    EXPECT_EQ(Answer({"--help"}, environment).Output, english);
    environment.insert("LANGUAGE", "pt_BR:ru");
    EXPECT_EQ(Answer({"--help"}, environment).Output, expected);
    environment.remove("LANGUAGE");
    environment.insert("LC_ALL", "C.UTF-8");
    EXPECT_EQ(Answer({"--help"}, environment).Output, english);
}

} // namespace
