// Long runs of the whole program with the real engine on the sample disc,
// mounted with fuseiso, with one of its media files broken: many entry
// changes and disc removals must leave memory, descriptors and threads where
// they were. Nothing here is timed.
#include "support/DiscProgram.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "catalogwin/fcTreeView.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/ProcessMemory.h"
#include "player/Unit1.h"
#include "video/VidOutUnit.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <random>
#include <stdexcept>

namespace {

// Clip06 has no file: the order passes over its entry.
constexpr int BrokenEntry = 7; // Clip05, replaced by bytes no engine can play

// The sample disc with the video file of one entry replaced by garbage.
const QString& DiscWithBrokenMedia() {
    static QTemporaryDir dir;
    static const QString iso = [] {
        const QString folder = dir.filePath(QStringLiteral("disc"));
        QProcess::execute("cp", {"-r", SampleDisc(1).Folder, folder});
        QFile broken(folder + QStringLiteral("/Video/CLIP05.AVI"));
        if (!broken.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot break the media file");
        std::mt19937 bytes(5);
        QByteArray garbage("RIFF");
        while (garbage.size() < 64 * 1024)
            garbage.append(static_cast<char>(bytes()));
        broken.write(garbage);
        broken.close();
        const QString image = dir.filePath(QStringLiteral("disc.iso"));
        if (QProcess::execute("genisoimage", {"-quiet", "-J", "-R", "-o", image, folder}) != 0)
            throw std::runtime_error("genisoimage failed");
        return image;
    }();
    return iso;
}

double Mb(long kb) {
    return kb / 1024.0;
}

class SoakTest : public DiscProgramTest {
protected:
    void SetUp() override {
        DiscProgramTest::SetUp();
        if (IsSkipped())
            return;
        Insert(DiscWithBrokenMedia());
        ASSERT_TRUE(QTest::qWaitFor([] { return CatalogLoaded; }, 10000));
    }

    static bool Playing() {
        return Control()->OpenState() == nsOpen && Control()->PlayState() == mpPlaying;
    }
    // The current entry plays, or is the broken one that the control gave up.
    static bool Settled() {
        if (CurrentIndex == BrokenEntry)
            return QTest::qWaitFor([] { return Control()->FileName().isEmpty(); }, 10000);
        return QTest::qWaitFor(Playing, 10000);
    }

    // Figures are compared at the same point: the first entry playing for a
    // moment, past the release of freed memory that follows its start.
    static TProcessFigures PlaySettled(int entry) {
        MainForm->PlayEntry(entry);
        EXPECT_TRUE(QTest::qWaitFor(Playing, 10000)) << State();
        QTest::qWait(FreedMemoryDelayMs + 500);
        return ReadProcessFigures();
    }

    // One entry change of a varied kind: Next, a random entry, or the end
    // mark reached by real playback.
    void ChangeEntry() {
        const int kind = static_cast<int>(Random() % 20);
        const int before = CurrentIndex;
        const double end = Catalog[static_cast<size_t>(before)].EndPos;
        if (kind == 0 && end > 0.0 && Playing()) {
            Control()->SetCurrentPosition(end - 0.7);
            ASSERT_TRUE(QTest::qWaitFor([before] { return CurrentIndex != before; }, 10000))
                << State();
        } else if (kind < 6) {
            MainForm->PlayEntry(MainForm->RandomPlayableEntry());
        } else {
            MainForm->NextBtnClick();
        }
        ASSERT_TRUE(Settled()) << State();
        ++Changes;
    }

    // The disc leaves while an entry plays and comes back: playback pauses
    // and resumes.
    void RemoveAndReturnDisc() {
        Eject();
        ASSERT_TRUE(QTest::qWaitFor([] { return !DiscPresent; }, 5000));
        Insert(DiscWithBrokenMedia());
        ASSERT_TRUE(QTest::qWaitFor([] { return DiscPresent; }, 5000));
        ASSERT_TRUE(Settled()) << State();
        ++Removals;
    }

    void Change(int count, int removeDiscEvery = 0) {
        for (int i = 1; i <= count && !HasFatalFailure(); ++i) {
            ChangeEntry();
            if (removeDiscEvery && i % removeDiscEvery == 0 && !HasFatalFailure())
                RemoveAndReturnDisc();
        }
    }

    static void Report(const char* when, const TProcessFigures& figures) {
        std::printf("%-28s RSS %7.1f MB  peak %7.1f MB  descriptors %3d  threads %3d\n", when,
                    Mb(figures.RssKb), Mb(figures.PeakRssKb), figures.Descriptors, figures.Threads);
        std::fflush(stdout);
    }

    std::mt19937 Random{20261208};
    int Changes = 0;
    int Removals = 0;
};

TEST_F(SoakTest, MemoryComesBackAfterAHundredEntryChanges) {
    const TProcessFigures first = PlaySettled(0);
    Change(100);
    const TProcessFigures after = PlaySettled(0);
    Report("first entry", first);
    Report("after 100 changes", after);
    EXPECT_LE(Mb(after.RssKb - first.RssKb), 20.0);
}

TEST_F(SoakTest, ThousandEntryChangesAndFiftyDiscRemovalsLeaveNothingBehind) {
    Change(100);
    const TProcessFigures early = PlaySettled(0);
    Change(1000, 20);
    const TProcessFigures end = PlaySettled(0);
    Report("after 100 changes", early);
    Report("after 1100 changes", end);
    std::printf("entry changes %d, disc removals %d\n", Changes, Removals);
    EXPECT_EQ(Changes, 1100);
    EXPECT_EQ(Removals, 50);
    EXPECT_LT(std::abs(Mb(end.RssKb - early.RssKb)), 10.0);
    EXPECT_EQ(end.Descriptors, early.Descriptors);
    EXPECT_EQ(end.Threads, early.Threads);

    // Still playing: the position moves on.
    const double position = Control()->CurrentPosition();
    EXPECT_TRUE(
        QTest::qWaitFor([position] { return Control()->CurrentPosition() > position + 0.5; }, 5000))
        << State();
}

} // namespace
