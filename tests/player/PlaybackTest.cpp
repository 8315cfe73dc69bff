// Opening entries, the transport, the end of an entry and the play order,
// driven through the scripted playback control.
#include "platform/RandomNumbers.h"
#include "support/FormsFixture.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "player/Unit1.h"
#include "skin/MyGauges.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/CaptionUnit.h"
#include "video/VidOutUnit.h"

#include <QLabel>
#include <QTimer>

#include <set>
#include <vector>

namespace {

class PlaybackTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        AddEntry(1, "First", "clip1", 0.0, 30.0);
        AddEntry(1, "Second", "clip1", 30.0, 90.0);
        AddEntry(2, "Third", "clip2", 0.0, 0.0);
        AddEntry(2, "Gone", "missing", 0.0, 0.0, false);
        ShowCatalog();
    }
    // The position the control reports, and one poll of the main window's timer.
    void PollAt(double seconds) {
        Player()->SetPosition(seconds);
        MainForm->Timer1Timer();
    }
};

TEST_F(PlaybackTest, PlayEntryOpensTheFileAtItsStartAndDescribesIt) {
    MainForm->PlayEntry(1);
    EXPECT_EQ(Player()->Calls,
              QStringList({"FileName=" + VideoPath("clip1"), "CurrentPosition=30"}));
    EXPECT_EQ(CurrentIndex, 1);
    EXPECT_EQ(MainForm->Label5->text(), QStringLiteral("clip1.AVI"));
    EXPECT_EQ(CaptionForm->CaptionText, QStringLiteral("Second"));
    EXPECT_FALSE(MainForm->AllBtn->isHidden()); // the entry has an end mark
    EXPECT_TRUE(StopAtSegmentEnd);

    Player()->FinishOpening(); // ready: the control starts playing
    EXPECT_EQ(Player()->PlayState(), mpPlaying);
    EXPECT_TRUE(MainForm->Timer1->isActive());
    EXPECT_FALSE(MainForm->OrgBtn->isHidden());

    MainForm->PlayEntry(2);
    EXPECT_TRUE(MainForm->AllBtn->isHidden()); // runs to the end of its file
}

// A clip still opening counts as playing: Space, Pause and Stop pressed
// meanwhile hold once it is open, and the bar says so at once.
TEST_F(PlaybackTest, TheTransportActsOnAnEntryStillOpening) {
    MainForm->PlayEntry(0);
    VidOutForm->ShowPlayState();
    EXPECT_EQ(MainForm->Label1->text(), QStringLiteral("Playing"));
    MainForm->PlayPause(); // Space
    Player()->FinishOpening();
    EXPECT_EQ(Player()->PlayState(), mpPaused);
    MainForm->PlayPause();
    EXPECT_EQ(Player()->PlayState(), mpPlaying);

    MainForm->PlayEntry(2);
    MainForm->StopBtnClick();
    Player()->FinishOpening();
    EXPECT_EQ(Player()->PlayState(), mpStopped);

    MainForm->PlayEntry(0);
    MainForm->PauseBtnClick();
    MainForm->PlayBtnClick();
    Player()->FinishOpening();
    EXPECT_EQ(Player()->PlayState(), mpPlaying);
}

TEST_F(PlaybackTest, NothingHappensForNoEntryNoCatalogOrAMissingFile) {
    MainForm->PlayEntry(-1);
    EXPECT_TRUE(Player()->Calls.isEmpty());

    PlayAndOpen(0);
    Player()->Calls.clear();
    StopAtSegmentEnd = false; // as after a seek: the entry plays past its end mark
    MainForm->PlayEntry(3);   // its video file is missing
    EXPECT_TRUE(Player()->Calls.isEmpty());
    EXPECT_FALSE(StopAtSegmentEnd) << "the current entry no longer plays as it did";
    EXPECT_EQ(CurrentIndex, 0);
    EXPECT_EQ(CaptionForm->CaptionText, QStringLiteral("First"));
    EXPECT_EQ(Player()->PlayState(), mpPlaying);

    CatalogLoaded = false;
    MainForm->PlayEntry(1);
    EXPECT_TRUE(Player()->Calls.isEmpty());
}

// A file that fails to open leaves the logo and an empty bar, never the
// previous file's picture and times; Play does nothing, and the same entry,
// Next and Previous still open files.
TEST_F(PlaybackTest, AFileThatFailsToOpenLeavesTheBarHonest) {
    Player()->SetDuration(125.0);
    PlayAndOpen(2);
    PollAt(61.0);
    ASSERT_EQ(MainForm->Label4->text(), QStringLiteral("00:02:05"));
    ASSERT_EQ(MainForm->Label1->text(), QStringLiteral("Playing"));

    MainForm->PlayEntry(0);
    Player()->FailOpening();
    auto expectEmptyBar = [] {
        EXPECT_EQ(MainForm->Label1->text(), QStringLiteral("Stopped"));
        EXPECT_EQ(MainForm->Label2->text(), QStringLiteral("00:00:00"));
        EXPECT_EQ(MainForm->Label4->text(), QStringLiteral("00:00:00"));
        EXPECT_EQ(MainForm->Gauge1->Progress(), 0);
        EXPECT_EQ(MainForm->Gauge1->MaxValue(), 0);
        EXPECT_FALSE(MainForm->Gauge1->isEnabled());
        EXPECT_TRUE(VidOutForm->ActiveMovie1->isHidden());
        EXPECT_FALSE(VidOutForm->Image1->isHidden());
    };
    expectEmptyBar();
    Player()->Calls.clear();
    MainForm->PlayBtnClick();
    MainForm->Timer1Timer();
    EXPECT_TRUE(Player()->Calls.isEmpty());
    expectEmptyBar();

    MainForm->PlayEntry(0); // tried again
    EXPECT_EQ(Player()->Calls,
              QStringList({"FileName=" + VideoPath("clip1"), "CurrentPosition=0"}));
    EXPECT_FALSE(VidOutForm->ActiveMovie1->isHidden());
    Player()->FailOpening();
    MainForm->NextBtnClick();
    EXPECT_EQ(CurrentIndex, 1);
    EXPECT_EQ(Player()->FileName(), VideoPath("clip1"));
    Player()->FailOpening();
    MainForm->PrevBtnClick();
    EXPECT_EQ(CurrentIndex, 0);
    Player()->SetDuration(90.0);
    Player()->FinishOpening();
    EXPECT_EQ(MainForm->Label4->text(), QStringLiteral("00:01:30"));
    EXPECT_TRUE(MainForm->Gauge1->isEnabled());
    EXPECT_EQ(MainForm->Gauge1->MaxValue(), 90);
}

// The control ends a file opened at or past its end as soon as it is open,
// so the play order goes on.
TEST_F(PlaybackTest, AStartAtOrPastTheEndOfTheFileEndsTheEntryAtOnce) {
    Player()->SetDuration(20.0);
    PlayAndOpen(1); // starts at 30
    EXPECT_EQ(CurrentIndex, 2);
    EXPECT_EQ(Player()->FileName(), VideoPath("clip2"));
}

TEST_F(PlaybackTest, ReopeningTheSameFileSeeksOnlyBeyondFiveSeconds) {
    PlayAndOpen(0);
    Player()->Calls.clear();
    Player()->SetPosition(5.0);
    MainForm->PlayEntry(0); // exactly 5.0 away: nothing at all
    EXPECT_TRUE(Player()->Calls.isEmpty());

    Player()->SetPosition(5.5);
    Player()->SetPlayState(mpPaused);
    MainForm->PlayEntry(0);
    EXPECT_EQ(Player()->Calls, QStringList({"CurrentPosition=0", "Play"}));
}

TEST_F(PlaybackTest, OperationsFollowThePlayState) {
    PlayAndOpen(1);
    TVidOutForm* video = VidOutForm;

    auto callsIn = [&](int state, auto operation) {
        Player()->SetPlayState(state);
        Player()->Calls.clear();
        (video->*operation)();
        return Player()->Calls;
    };
    EXPECT_EQ(callsIn(mpStopped, &TVidOutForm::PlayMedia), QStringList({"Play"}));
    EXPECT_EQ(callsIn(mpPaused, &TVidOutForm::PlayMedia), QStringList({"Play"}));
    EXPECT_TRUE(callsIn(mpPlaying, &TVidOutForm::PlayMedia).isEmpty());
    EXPECT_TRUE(callsIn(mpWaiting, &TVidOutForm::PlayMedia).isEmpty());
    EXPECT_TRUE(callsIn(mpStopped, &TVidOutForm::PauseMedia).isEmpty());
    EXPECT_EQ(callsIn(mpPaused, &TVidOutForm::PauseMedia), QStringList({"Play"}));
    EXPECT_EQ(callsIn(mpPlaying, &TVidOutForm::PauseMedia), QStringList({"Pause"}));
    EXPECT_TRUE(callsIn(mpPaused, &TVidOutForm::PauseIfPlaying).isEmpty());
    EXPECT_EQ(callsIn(mpPlaying, &TVidOutForm::PauseIfPlaying), QStringList({"Pause"}));
    EXPECT_TRUE(callsIn(mpPaused, &TVidOutForm::StopMedia).isEmpty());
    StopAtSegmentEnd = false;
    EXPECT_EQ(callsIn(mpPlaying, &TVidOutForm::StopMedia),
              QStringList({"Stop", "CurrentPosition=30"}));
    EXPECT_TRUE(StopAtSegmentEnd);
    EXPECT_EQ(callsIn(mpStopped, &TVidOutForm::CloseMedia), QStringList({"FileName="}));
    EXPECT_TRUE(Player()->isHidden());

    // With no entry current the stop still stops, but nothing is rewound.
    CurrentIndex = -1;
    EXPECT_EQ(callsIn(mpPlaying, &TVidOutForm::StopMedia), QStringList({"Stop"}));
}

TEST_F(PlaybackTest, TheEndMarkIsReachedByRoundingAndStartsTheNextEntry) {
    PlayAndOpen(1); // 30 .. 90
    PollAt(89.4);
    EXPECT_EQ(CurrentIndex, 1);
    EXPECT_EQ(MainForm->Label2->text(), QStringLiteral("00:01:29"));
    EXPECT_EQ(MainForm->Label1->text(), QStringLiteral("Playing"));
    PollAt(89.6); // rounds to 90
    EXPECT_EQ(CurrentIndex, 2);
    EXPECT_EQ(Player()->FileName(), VideoPath("clip2"));
    EXPECT_EQ(MainForm->Label2->text(), QStringLiteral("00:01:29")); // that tick shows nothing
}

TEST_F(PlaybackTest, ASeekOnTheBarSwitchesTheEndMarkOff) {
    Player()->SetDuration(100);
    PlayAndOpen(1);
    MainForm->Gauge1MouseDown(Qt::LeftButton, {}, 130, 1);
    EXPECT_FALSE(MainForm->Timer1->isActive());
    MainForm->Gauge1MouseMove(Qt::LeftButton, {}, 130, 1);
    EXPECT_EQ(MainForm->Label2->text(), QStringLiteral("00:00:50"));
    Player()->Calls.clear();
    MainForm->Gauge1MouseUp(Qt::LeftButton, {}, 130, 1);
    EXPECT_EQ(Player()->Calls, QStringList({"Pause", "CurrentPosition=50", "Play"}));
    EXPECT_TRUE(MainForm->Timer1->isActive());
    PollAt(95.0); // past the end mark: plays on
    EXPECT_EQ(CurrentIndex, 1);
    MainForm->PlayEntry(2); // a new entry honours its mark again
    EXPECT_TRUE(StopAtSegmentEnd);
}

TEST_F(PlaybackTest, TheBarMapsPixelsToSecondsAndClampsAtBothEnds) {
    Player()->SetDuration(100);
    PlayAndOpen(0);
    auto releaseAt = [&](int x) {
        Player()->Calls.clear();
        MainForm->Gauge1MouseUp(Qt::LeftButton, {}, x, 1);
        return Player()->Calls.filter(QStringLiteral("CurrentPosition")).value(0);
    };
    EXPECT_EQ(releaseAt(-40), QStringLiteral("CurrentPosition=0"));
    EXPECT_EQ(releaseAt(259), QStringLiteral("CurrentPosition=99"));
    EXPECT_EQ(releaseAt(260), QStringLiteral("CurrentPosition=100"));
    EXPECT_EQ(releaseAt(900), QStringLiteral("CurrentPosition=100"));
}

TEST_F(PlaybackTest, TimeTexts) {
    MainForm->ShowTime(62, 5);
    EXPECT_EQ(MainForm->Label2->text(), QStringLiteral("01:02:05"));
    MainForm->ShowTime(6000, 0);
    EXPECT_EQ(MainForm->Label2->text(), QStringLiteral("100:00:00"));

    MainForm->PlayEntry(2);
    Player()->SetDuration(3724.6);
    Player()->FinishOpening();
    EXPECT_EQ(MainForm->Label4->text(), QStringLiteral("01:02:05"));
    EXPECT_EQ(MainForm->Gauge1->MaxValue(), 3725);
    Player()->SetOpenState(0);
    Player()->SetDuration(360000.0);
    Player()->FinishOpening();
    EXPECT_EQ(MainForm->Label4->text(), QStringLiteral("100:00:00"));
}

// Entry 3's file is missing: the order, Next and Previous pass over it.
TEST_F(PlaybackTest, InOrderSuccessionWrapsAroundTheCheckedEntriesWithAFile) {
    SetChecked(1, false);
    PlayAndOpen(0);
    Player()->ReachEnd();
    EXPECT_EQ(CurrentIndex, 2); // entry 1 is unchecked
    Player()->FinishOpening();
    Player()->ReachEnd();
    EXPECT_EQ(CurrentIndex, 0) << "over the missing entry and round";
    MainForm->PrevBtnClick();
    EXPECT_EQ(CurrentIndex, 2);
    MainForm->NextBtnClick();
    EXPECT_EQ(CurrentIndex, 0);
}

// Only the missing entry is left checked: the entry at its end mark stops,
// and Next and Previous find nothing, without going round for ever.
TEST_F(PlaybackTest, WithNoPlayableEntryLeftTheOrderStops) {
    PlayAndOpen(1); // 30 .. 90
    for (int entry = 0; entry < 3; ++entry)
        SetChecked(entry, false);
    Player()->Calls.clear();
    PollAt(90.0);
    EXPECT_EQ(Player()->Calls, QStringList({"Stop", "CurrentPosition=30"}));
    Player()->SetPosition(30.0);
    MainForm->Timer1Timer();
    EXPECT_EQ(MainForm->Label1->text(), QStringLiteral("Stopped"));
    Player()->Calls.clear();
    MainForm->NextBtnClick();
    MainForm->PrevBtnClick();
    EXPECT_TRUE(Player()->Calls.isEmpty());
    EXPECT_EQ(CurrentIndex, 1);
    EXPECT_EQ(MainForm->RandomPlayableEntry(), -1);
}

// Random draws among the checked entries whose files are there, with the
// same draws as the catalog window's own choice when every file is there.
TEST_F(PlaybackTest, RandomPassesOverAMissingFile) {
    std::set<int> chosen;
    for (int i = 0; i < 40; ++i)
        chosen.insert(MainForm->RandomPlayableEntry());
    EXPECT_EQ(chosen, std::set<int>({0, 1, 2}));

    SetChecked(3, false);
    std::vector<int> plain;
    std::vector<int> playable;
    RandSeed = 7;
    for (int i = 0; i < 10; ++i)
        plain.push_back(CatForm2->RandomCheckedEntry());
    RandSeed = 7;
    for (int i = 0; i < 10; ++i)
        playable.push_back(MainForm->RandomPlayableEntry());
    EXPECT_EQ(playable, plain);
}

TEST_F(PlaybackTest, RepeatAndRandomModes) {
    MainForm->RepeatBtn->SetDown(true);
    MainForm->RepeatBtnClick();
    EXPECT_EQ(MainForm->PlayMode, 2);
    PlayAndOpen(1);
    Player()->SetPosition(89.7);
    Player()->Calls.clear();
    MainForm->Timer1Timer(); // end mark: the same entry again, from its start
    EXPECT_EQ(CurrentIndex, 1);
    EXPECT_EQ(Player()->Calls, QStringList({"CurrentPosition=30"})); // still playing

    MainForm->RndBtn->SetDown(true); // releases Repeat
    MainForm->RndBtnClick();
    EXPECT_EQ(MainForm->PlayMode, 3);
    EXPECT_FALSE(MainForm->RepeatBtn->Down());
    SetChecked(3, false);
    std::set<int> chosen;
    for (int i = 0; i < 12; ++i) {
        Player()->ReachEnd();
        chosen.insert(CurrentIndex);
    }
    EXPECT_EQ(chosen, std::set<int>({0, 1, 2})); // every checked entry, the last included

    MainForm->NextBtnClick(); // Next keeps to the tree order in every mode
    const int after = CurrentIndex;
    MainForm->PrevBtnClick();
    MainForm->NextBtnClick();
    EXPECT_EQ(CurrentIndex, after);
}

TEST_F(PlaybackTest, WithNoCheckedEntryPlaybackEndsWithTheCurrentOne) {
    PlayAndOpen(0);
    for (int entry = 0; entry < 4; ++entry)
        SetChecked(entry, false);
    Player()->Calls.clear();
    Player()->ReachEnd();
    MainForm->NextBtnClick();
    MainForm->PrevBtnClick();
    EXPECT_EQ(CurrentIndex, 0);
    EXPECT_TRUE(Player()->Calls.isEmpty());
}

TEST_F(PlaybackTest, PlayAllFileIgnoresTheMarkForTheCurrentEntryOnly) {
    PlayAndOpen(0);
    MainForm->AllBtn->SetDown(true);
    MainForm->AllBtnClick();
    PollAt(31.0);
    EXPECT_EQ(CurrentIndex, 0);
    Player()->ReachEnd(); // the end of the file: play order applies
    EXPECT_EQ(CurrentIndex, 1);
    EXPECT_TRUE(StopAtSegmentEnd);
    EXPECT_TRUE(MainForm->AllBtn->Down()); // still shown pressed
}

} // namespace
