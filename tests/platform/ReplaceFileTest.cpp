#include "platform/ReplaceFile.h"
#include "platform/Exceptions.h"
#include "support/FileBytes.h"
#include "support/SampleDisc.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <random>

namespace {

class ReplaceFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetUnnamedTemporaryFilesForTesting(true); }
    QStringList Entries() const {
        return QDir(Dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QTemporaryDir Dir;
    QString Target = Dir.filePath("Favorites.lst");
};

// A child saves two contents in turn until it is killed at a random moment.
struct KillFigures {
    int Kills = 0;
    int MidWrite = 0;      // kills that found a temporary file open for writing
    int LeftAfterKill = 0; // kills after which a temporary file was still there
};

// Whether the stopped process holds a file of the folder open (the temporary
// being written: unnamed ones show as "#inode (deleted)").
bool WritingInFolder(pid_t process, const QString& folder) {
    const QString prefix = QFileInfo(folder).canonicalFilePath() + '/';
    const QDir descriptors(QString("/proc/%1/fd").arg(process));
    for (const QString& fd :
         descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        if (QFile::symLinkTarget(descriptors.filePath(fd)).startsWith(prefix))
            return true;
    return false;
}

KillFigures KillDuringSaves(const QString& target, const QString& folder, int kills) {
    const QByteArray contents[2] = {QByteArray(1 << 20, 'a'), QByteArray(1 << 20, 'b')};
    ReplaceFileAtomically(target, contents[0]);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 4; ++i)
        ReplaceFileAtomically(target, contents[i % 2]);
    const qint64 saveMicros = std::max<qint64>(clock.nsecsElapsed() / 4000, 200);
    std::mt19937 random(12345);
    std::uniform_int_distribution<qint64> delay(0, 3 * saveMicros);
    KillFigures figures;
    for (; figures.Kills < kills; ++figures.Kills) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int i = 0;; ++i)
                ReplaceFileAtomically(target, contents[i % 2]);
        }
        EXPECT_GT(child, 0);
        ::usleep(static_cast<useconds_t>(delay(random)));
        // Stopped first, to see where the kill lands.
        ::kill(child, SIGSTOP);
        siginfo_t stopped{};
        ::waitid(P_PID, static_cast<id_t>(child), &stopped, WSTOPPED);
        figures.MidWrite += WritingInFolder(child, folder);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const QByteArray now = ReadAll(target);
        EXPECT_TRUE(now == contents[0] || now == contents[1])
            << "kill " << figures.Kills << ": " << now.size() << " bytes";
        const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        EXPECT_LE(entries.size(), 2)
            << "temporary files pile up: " << entries.join(' ').toStdString();
        figures.LeftAfterKill += entries.size() > 1;
    }
    ReplaceFileAtomically(target, contents[0]);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(target).fileName()})
        << "the next save removes what a killed one left";
    return figures;
}

TEST_F(ReplaceFileTest, AKillAtAnyMomentLeavesOldOrNewContentAndNoTemporary) {
    const KillFigures unnamed = KillDuringSaves(Target, Dir.path(), 100);
    // Only a kill between naming the complete file and renaming it leaves one.
    EXPECT_LE(unnamed.LeftAfterKill, unnamed.Kills / 4);
    SetUnnamedTemporaryFilesForTesting(false);
    const KillFigures named = KillDuringSaves(Target, Dir.path(), 40);
    std::printf("kills %d, %d while writing, a temporary left after %d (unnamed files); kills "
                "%d, %d while writing, left after %d (named files)\n",
                unnamed.Kills, unnamed.MidWrite, unnamed.LeftAfterKill, named.Kills, named.MidWrite,
                named.LeftAfterKill);
    // Writing and syncing the temporary file is much of a save (about 40 %
    // of the kills land there): the kills did interrupt saves.
    EXPECT_GE(unnamed.MidWrite, unnamed.Kills / 10);
    EXPECT_GE(named.MidWrite, named.Kills / 10);
}

TEST_F(ReplaceFileTest, LeftoversOfAnEarlierSaveAreRemovedAndOtherFilesKept) {
    for (bool unnamed : {true, false}) {
        SetUnnamedTemporaryFilesForTesting(unnamed);
        WriteAll(Dir.filePath(".Favorites.lst.new-Ab3xYz"), "half");
        WriteAll(Dir.filePath(".Favorites.lst.new-notes"), "mine");
        WriteAll(Dir.filePath(".Other.lst.new-Ab3xYz"), "other");
        ReplaceFileAtomically(Target, "new");
        EXPECT_EQ(ReadAll(Target), "new");
        EXPECT_EQ(Entries(), (QStringList{".Favorites.lst.new-notes", ".Other.lst.new-Ab3xYz",
                                          "Favorites.lst"}));
    }
}

TEST_F(ReplaceFileTest, ASymbolicLinkStaysALinkAndItsTargetIsReplaced) {
    QDir().mkpath(Dir.filePath("dotfiles/sub"));
    const QString real = Dir.filePath("dotfiles/sub/Favorites.lst");
    WriteAll(real, "old");
    QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner);
    // A relative link to a link to the file.
    ASSERT_TRUE(QFile::link("sub/Favorites.lst", Dir.filePath("dotfiles/middle.lst")));
    ASSERT_EQ(::symlink("dotfiles/middle.lst", Target.toLocal8Bit().constData()), 0);
    ReplaceFileAtomically(Target, "new");
    EXPECT_TRUE(QFileInfo(Target).isSymLink());
    EXPECT_TRUE(QFileInfo(Dir.filePath("dotfiles/middle.lst")).isSymLink());
    EXPECT_EQ(ReadAll(real), "new");
    struct stat info {};
    ASSERT_EQ(::stat(real.toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(QDir(Dir.filePath("dotfiles/sub")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Favorites.lst"});

    // A link whose target does not exist yet creates it.
    const QString dangling = Dir.filePath("dangling.lst");
    ASSERT_TRUE(QFile::link(Dir.filePath("dotfiles/created.lst"), dangling));
    ReplaceFileAtomically(dangling, "made");
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(ReadAll(Dir.filePath("dotfiles/created.lst")), "made");

    // A loop of links is an error, not a hang.
    ASSERT_TRUE(QFile::link(Dir.filePath("loop2"), Dir.filePath("loop1")));
    ASSERT_TRUE(QFile::link(Dir.filePath("loop1"), Dir.filePath("loop2")));
    EXPECT_THROW(ReplaceFileAtomically(Dir.filePath("loop1"), "x"), EInOutError);
}

// New files get what the kernel gives any new file; a replaced one keeps its mode.
TEST_F(ReplaceFileTest, NewFilesFollowTheUmask) {
    const mode_t previous = ::umask(077);
    for (bool unnamed : {true, false}) {
        SetUnnamedTemporaryFilesForTesting(unnamed);
        for (const mode_t mask : {mode_t(077), mode_t(022), mode_t(002)}) {
            SCOPED_TRACE(testing::Message()
                         << "umask " << std::oct << mask << " unnamed " << unnamed);
            ::umask(mask);
            QFile::remove(Target);
            ReplaceFileAtomically(Target, "new");
            struct stat info {};
            ASSERT_EQ(::stat(Target.toLocal8Bit().constData(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, 0666u & ~mask);
            ::chmod(Target.toLocal8Bit().constData(), 0640);
            ReplaceFileAtomically(Target, "again");
            ASSERT_EQ(::stat(Target.toLocal8Bit().constData(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, 0640u);
        }
    }
    ::umask(previous);
}

// In a sticky folder that everyone may write, a link another user made is
// not followed (as the kernel's fs.protected_symlinks rule has it), unless
// that user owns the folder; the user's own links are.
TEST_F(ReplaceFileTest, AnotherUsersLinkInASharedFolderIsNotFollowed) {
    QV_REQUIRE(::geteuid() == 0 ? QString() : QString("links owned by another user need root"));
    const uid_t other = 65534;
    const QString shared = Dir.filePath("shared");
    const QString victim = Dir.filePath("victim.lst");
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(shared.toLocal8Bit().constData(), 01777), 0);
    WriteAll(victim, "mine");
    const QString planted = shared + "/Favorites.lst";
    ASSERT_TRUE(QFile::link(victim, planted));
    ASSERT_EQ(::lchown(planted.toLocal8Bit().constData(), other, other), 0);
    try {
        ReplaceFileAtomically(planted, "theirs");
        ADD_FAILURE() << "the link was followed";
    } catch (const EInOutError& error) {
        EXPECT_NE(std::string(error.what()).find(planted.toStdString()), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(ReadAll(victim), "mine");
    EXPECT_TRUE(QFileInfo(planted).isSymLink());

    // The user's own link, a link in a folder that is not shared, and the
    // folder owner's link are followed.
    ASSERT_EQ(::lchown(planted.toLocal8Bit().constData(), ::geteuid(), ::getegid()), 0);
    ReplaceFileAtomically(planted, "own");
    EXPECT_EQ(ReadAll(victim), "own");
    ASSERT_EQ(::lchown(planted.toLocal8Bit().constData(), other, other), 0);
    ASSERT_EQ(::chmod(shared.toLocal8Bit().constData(), 0777), 0);
    ReplaceFileAtomically(planted, "not shared");
    EXPECT_EQ(ReadAll(victim), "not shared");
    ASSERT_EQ(::chmod(shared.toLocal8Bit().constData(), 01777), 0);
    ASSERT_EQ(::chown(shared.toLocal8Bit().constData(), other, other), 0);
    ReplaceFileAtomically(planted, "owner's");
    EXPECT_EQ(ReadAll(victim), "owner's");
}

} // namespace
