// Keys, window commands, loudness and the disc tools of the main window.
#include "support/FormsFixture.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/SettingsFiles.h"
#include "player/Unit1.h"
#include "shell/Pathes.h"
#include "skin/ImageSlider.h"
#include "skin/SkinTestUtil.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "skin/fcImageForm.h"
#include "video/CaptionUnit.h"
#include "video/VidOutUnit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

namespace {

class CommandsTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        AddEntry(1, "First", "clip1", 0.0, 30.0);
        AddEntry(1, "Second", "clip2", 30.0, 90.0);
        ShowCatalog();
    }
    static bool Shown(QWidget* w) { return !w->isHidden(); }
};

TEST_F(CommandsTest, CtrlEWorksOnlyWhileTheFileTestButtonIsShown) {
    MainForm->FormKeyDown(Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(Shown(MainForm->SavePosButton));
    MainForm->FormKeyDown(Qt::Key_D, Qt::NoModifier); // without Ctrl: nothing
    EXPECT_FALSE(Shown(MainForm->TestBtn));
    MainForm->FormKeyDown(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Shown(MainForm->TestBtn));
    EXPECT_TRUE(Shown(MainForm->CustLoadBtn));
    MainForm->FormKeyDown(Qt::Key_E, Qt::ControlModifier);
    for (QToolButton* b : {MainForm->SavePosButton, MainForm->StartPosButton,
                           MainForm->EndPosButton, MainForm->EndToStartBtn})
        EXPECT_TRUE(Shown(b));
    MainForm->FormKeyDown(Qt::Key_D, Qt::ControlModifier); // hides the two, not the four
    EXPECT_FALSE(Shown(MainForm->TestBtn));
    EXPECT_TRUE(Shown(MainForm->SavePosButton));
    MainForm->FormKeyDown(Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(Shown(MainForm->SavePosButton));
}

TEST_F(CommandsTest, FullScreenDragAndOriginalSizeCycle) {
    MainForm->show();
    VidOutForm->show();
    MainForm->FullBtnClick(); // nothing open yet: nothing happens
    EXPECT_EQ(FullScreenMode, 0);

    MainForm->PlayEntry(0);
    Player()->SetImageSize(320, 240);
    Player()->SetOpenState(nsOpen);
    const QPoint home(MainForm->HomeLeft, MainForm->HomeTop);
    const QRect screen = MainForm->screen()->geometry();
    MainForm->FullBtnClick();
    EXPECT_EQ(FullScreenMode, 1);
    EXPECT_EQ(QPoint(MainForm->HomeLeft, MainForm->HomeTop), home);
    EXPECT_EQ(MainForm->pos(), QPoint((screen.width() - 625) / 2, screen.height() - 92));
    EXPECT_TRUE(VidOutForm->geometry().contains(screen));

    MainForm->move(100, 200); // the user drags the bar
    MainForm->fcImageForm1PosChange();
    MainForm->OrgBtnClick();
    EXPECT_EQ(FullScreenMode, 0);
    EXPECT_EQ(MainForm->pos(), QPoint(100, 200));
    EXPECT_EQ(VidOutForm->size(), QSize(320, 240));
    const QRect outer = VidOutForm->frameGeometry();
    EXPECT_EQ(outer.left(), (screen.width() - outer.width()) / 2);
    EXPECT_EQ(outer.top(), (screen.height() - outer.height()) / 2);
}

// The real bar, with the level wedge painted over all of it: bare skin drags,
// a button does not, and a drag whose grab is lost ends so that the next
// press starts a new one.
TEST_F(CommandsTest, TheBarDragsByItsBareSkin) {
    MainForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainForm));
    const QPoint bare(440, 30);
    auto dragBy = [](QPoint offset) {
        const QPoint from = MainForm->pos();
        const QPoint grab(440, 30);
        Press(MainForm->fcImageForm1, grab);
        Move(MainForm, grab + offset);
        return QTest::qWaitFor([&] { return MainForm->pos() == from + offset; }, 1000);
    };
    Press(MainForm->PlayBtn, {10, 10});
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    Release(MainForm->PlayBtn, {10, 10});

    EXPECT_TRUE(dragBy({40, 0}));
    EXPECT_EQ(QPoint(MainForm->HomeLeft, MainForm->HomeTop), MainForm->pos());
    Release(MainForm, bare);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    Press(MainForm->fcImageForm1, bare);
    QWidget other;
    other.show();
    other.grabMouse(); // another window takes the mouse in the middle of a drag
    other.releaseMouse();
    EXPECT_TRUE(dragBy({0, -20}));
    Release(MainForm, bare);

    Press(MainForm->fcImageForm1, bare);
    MainForm->hide();
    MainForm->show();
    EXPECT_TRUE(dragBy({-30, 10}));
    Release(MainForm, bare);
}

TEST_F(CommandsTest, HideAndTheCatalogButton) {
    MainForm->show();
    CatForm2->show();
    MainForm->MinBtnClick();
    EXPECT_FALSE(MainForm->isVisible());
    EXPECT_FALSE(CatForm2->isVisible());
    Player()->PressMouse(Qt::RightButton);
    EXPECT_FALSE(MainForm->isVisible());
    Player()->PressMouse(Qt::LeftButton); // a click on the video brings the bar back
    EXPECT_TRUE(MainForm->isVisible());
    EXPECT_FALSE(CatForm2->isVisible());
    EXPECT_TRUE(MainForm->CatBtn->Down());
    MainForm->CatBtnClick();
    EXPECT_TRUE(CatForm2->isVisible());
    EXPECT_TRUE(MainForm->CatBtn->Down());
    MainForm->CatBtn->SetDown(false);
    MainForm->CatBtnClick();
    EXPECT_FALSE(CatForm2->isVisible());
    EXPECT_FALSE(MainForm->CatBtn->Down());

    // Iconified, it counts as hidden: Catalog brings it back, shown normally.
    CatForm2->showMinimized();
    MainForm->CatBtnClick();
    EXPECT_TRUE(CatForm2->isVisible());
    EXPECT_FALSE(CatForm2->isMinimized());
    EXPECT_TRUE(MainForm->CatBtn->Down());
}

TEST_F(CommandsTest, KnobAndButtonsSetTheControlsLoudness) {
    MainForm->VolSlider->SetSliderPosValue(2.0L);
    EXPECT_EQ(Player()->Volume(), -100);
    MainForm->VolSlider->SetSliderPosValue(4.0L);
    EXPECT_EQ(Player()->Volume(), -1);
    MainForm->VolSlider->SetSliderPosValue(0.0L);
    EXPECT_EQ(Player()->Volume(), -10000);

    MainForm->VolSlider->SetSliderPosValue(3.9L);
    MainForm->StepVolume(+1);
    EXPECT_EQ(MainForm->VolSlider->SliderPosValue(), 4.0L);
    EXPECT_EQ(Player()->Volume(), -1);
    MainForm->StepVolume(+1);
    EXPECT_EQ(MainForm->VolSlider->SliderPosValue(), 4.0L);
    MainForm->VolSlider->SetSliderPosValue(0.1L);
    MainForm->StepVolume(-1);
    EXPECT_EQ(MainForm->VolSlider->SliderPosValue(), 0.0L);
    EXPECT_EQ(Player()->Volume(), -10000);

    // Opening media reads the loudness back into the knob.
    MainForm->PlayEntry(0);
    Player()->SetVolumeValue(-100);
    Player()->FinishOpening();
    EXPECT_EQ(MainForm->VolSlider->SliderPosValue(), 2.0L);
    Player()->SetOpenState(0);
    Player()->SetVolumeValue(0);
    Player()->FinishOpening();
    EXPECT_EQ(MainForm->VolSlider->SliderPosValue(), 4.0L);
}

TEST_F(CommandsTest, MuteAndTheShortPress) {
    MainForm->VolSlider->SetSliderPosValue(2.0L);
    MainForm->VolNoBtn->SetDown(true);
    MainForm->VolNoBtnClick();
    EXPECT_TRUE(Player()->Mute());
    EXPECT_TRUE(MainForm->VolNoBtn->Down());

    MainForm->VolSlider->SetSliderPosValue(2.5L); // moving the knob unmutes
    EXPECT_FALSE(Player()->Mute());
    EXPECT_FALSE(MainForm->VolNoBtn->Down());

    Player()->SetMute(true);
    MainForm->VolUpBtnMouseDown(); // a short press unmutes, the level stays
    MainForm->VolUpBtnMouseUp();
    QApplication::processEvents();
    EXPECT_FALSE(Player()->Mute());
    EXPECT_EQ(MainForm->VolSlider->SliderPosValue(), 2.5L);
    EXPECT_FALSE(MainForm->Timer3->isActive());

    MainForm->VolDownBtnMouseDown(); // held: a step every tick
    EXPECT_TRUE(MainForm->Timer3->isActive());
    QMetaObject::invokeMethod(MainForm->Timer3, "timeout");
    EXPECT_NEAR(static_cast<double>(MainForm->VolSlider->SliderPosValue()), 2.3, 1e-9);
    MainForm->VolUpBtnMouseUp();
}

// The knob and Mute of the last run come back; a kept mute holds through
// the opening of the first clip, and later openings unmute as they always do.
TEST_F(CommandsTest, TheLoudnessIsKeptBetweenRuns) {
    const QString settings =
        HomeDir.filePath(QStringLiteral(".config/quorvix-player/quorvix-player.ini"));
    MainForm->RestoreLoudness(); // nothing kept: nothing changes, nothing is written
    EXPECT_EQ(MainForm->VolSlider->SliderPosValue(), 0.0L);
    EXPECT_TRUE(Player()->Calls.isEmpty());
    MainForm->SaveLoudness();
    EXPECT_FALSE(QFile::exists(settings));

    MainForm->VolSlider->SetSliderPosValue(2.6L);
    MainForm->VolNoBtnClick();
    MainForm->SaveLoudness();
    EXPECT_EQ(TIniFile(settings).ReadString("Player", "Volume", ""), "0.65");
    EXPECT_EQ(TIniFile(settings).ReadString("Player", "Mute", ""), "1");

    MainForm->VolSlider->SetSliderPosValue(0.0L); // as a new run starts
    Player()->SetMute(false);
    MainForm->VolNoBtn->SetDown(false);
    MainForm->RestoreLoudness();
    EXPECT_NEAR(static_cast<double>(MainForm->VolSlider->SliderPosValue()), 2.6, 1e-9);
    EXPECT_EQ(Player()->Volume(), -25);
    EXPECT_TRUE(Player()->Mute());
    EXPECT_TRUE(MainForm->VolNoBtn->Down());

    MainForm->PlayEntry(0);
    Player()->SetVolumeValue(-25);
    Player()->FinishOpening();
    EXPECT_TRUE(Player()->Mute()) << "the first clip unmuted the kept mute";
    EXPECT_TRUE(MainForm->VolNoBtn->Down());
    MainForm->PlayEntry(1);
    Player()->FinishOpening();
    EXPECT_FALSE(Player()->Mute());
    MainForm->SaveLoudness();
    EXPECT_EQ(TIniFile(settings).ReadString("Player", "Mute", ""), "0");

    // Unmuted and muted again by hand before any clip opened: the knob then
    // unmutes as it always does.
    TIniFile(settings).WriteString("Player", "Mute", "1");
    MainForm->RestoreLoudness();
    MainForm->VolNoBtnClick();
    MainForm->VolNoBtnClick();
    EXPECT_TRUE(Player()->Mute());
    MainForm->VolSlider->SetSliderPosValue(3.0L);
    EXPECT_FALSE(Player()->Mute());
}

// A folder where the program's settings file should be: the player starts on
// the defaults, the failure is shown once, and nothing is written over it.
TEST_F(CommandsTest, AnUnreadableProgramSettingsFileGivesTheDefaultsAndOneMessage) {
    const QString settings =
        HomeDir.filePath(QStringLiteral(".config/quorvix-player/quorvix-player.ini"));
    ASSERT_TRUE(QDir().mkpath(settings));
    QStringList shown;
    SetExceptionReporter([&shown](const QString& text) { shown << text; });
    EXPECT_NO_THROW(MainForm->RestoreLoudness());
    EXPECT_EQ(ReadPlayerSettings().Video, "auto");
    EXPECT_EQ(MainForm->VolSlider->SliderPosValue(), 0.0L);
    MainForm->VolSlider->SetSliderPosValue(2.6L);
    EXPECT_NO_THROW(MainForm->SaveLoudness());
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return !shown.isEmpty(); }, 2000));
    QCoreApplication::processEvents();
    SetExceptionReporter([](const QString& text) {
        ADD_FAILURE() << "error shown to the user: " << text.toStdString();
    });
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith("Cannot read " + settings)) << shown[0].toStdString();
    EXPECT_TRUE(QFileInfo(settings).isDir());
}

QImage IndicatorAt(long double level) {
    MainForm->VolumeLevel = level;
    QImage image(625, 92, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter canvas(&image);
    MainForm->DrawVolumeIndicator(canvas);
    return image;
}

TEST_F(CommandsTest, TheLevelWedge) {
    const QColor unlit(0, 50, 50);
    QImage silent = IndicatorAt(0);
    EXPECT_EQ(silent.pixelColor(218, 62), QColor(70, 90, 90)); // the lowest stroke is lit
    EXPECT_EQ(silent.pixelColor(218, 60), unlit);
    EXPECT_EQ(silent.pixelColor(218, 14), unlit);
    EXPECT_EQ(silent.pixelColor(220, 60), QColor(70, 90, 90));
    EXPECT_EQ(silent.pixelColor(229, 62), Qt::white); // the end point is left out

    QImage half = IndicatorAt(2);
    EXPECT_EQ(half.pixelColor(218, 62 - 2 * 12), QColor(70, 110, 110)); // 90 + trunc(40*12/24)
    EXPECT_EQ(half.pixelColor(218, 62 - 2 * 13), unlit);

    QImage full = IndicatorAt(4);
    EXPECT_EQ(full.pixelColor(218, 14), QColor(70, 170, 170)); // i = 24: 90 + 80
    EXPECT_EQ(full.pixelColor(270, 14), QColor(70, 170, 170)); // 228 + 43, end left out
    EXPECT_EQ(full.pixelColor(271, 14), Qt::white);
    EXPECT_EQ(full.pixelColor(219, 14), Qt::white);
}

TEST_F(CommandsTest, SavePosStoresTheUnroundedPositionAndRewritesTheCatalog) {
    QDir(ProgramDir.path()).mkpath(QStringLiteral("Data"));
    PlayAndOpen(0);
    Player()->SetPosition(12.4);
    MainForm->SavePosButtonClick();
    EXPECT_EQ(double(Catalog[0].StartPos), 12.4);

    MainForm->EndPosButton->click();
    MainForm->EndToStartBtn->click();
    EXPECT_FALSE(MainForm->StartPosButton->isChecked());
    Player()->SetPosition(27.25);
    MainForm->SavePosButtonClick();
    EXPECT_EQ(double(Catalog[0].EndPos), 27.25);
    EXPECT_EQ(double(Catalog[1].StartPos), 27.25);

    PlayAndOpen(1); // the last entry: only its own end mark changes
    Player()->SetPosition(80.5);
    MainForm->SavePosButtonClick();
    EXPECT_EQ(double(Catalog[1].EndPos), 80.5);
    EXPECT_EQ(double(Catalog[1].StartPos), 27.25);

    const std::vector<CatalogRecord> stored = ReadCatalogFile(ProgramCatalogPath());
    ASSERT_EQ(stored.size(), Catalog.size());
    EXPECT_EQ(std::memcmp(stored.data(), Catalog.data(), Catalog.size() * sizeof(CatalogRecord)),
              0);
}

TEST_F(CommandsTest, SavePosDoesNothingWithoutACurrentEntry) {
    CurrentIndex = -1;
    Player()->SetPosition(5.0);
    MainForm->SavePosButtonClick();
    EXPECT_FALSE(QFile::exists(ProgramCatalogPath()));
}

TEST_F(CommandsTest, TheFileTestListsMissingAudioFiles) {
    const QString report = QDir::homePath() + QStringLiteral("/Player_Error.txt");
    QDir(ProgramDir.path()).mkpath(QStringLiteral("mp3"));
    QFile(ProgramDir.filePath(QStringLiteral("mp3/clip1.mp3"))).open(QIODevice::WriteOnly);

    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->accept();
    });
    MainForm->TestBtnClick();
    EXPECT_EQ(shown, QStringLiteral("clip2.mp3"));
    QFile written(report);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("clip2.mp3\r\n"));
    written.close();

    // All present: an existing list is left as it was, and nothing is shown.
    QFile(ProgramDir.filePath(QStringLiteral("mp3/clip2.mp3"))).open(QIODevice::WriteOnly);
    MainForm->TestBtnClick();
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("clip2.mp3\r\n"));
}

void PressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
              bool autoRepeat = false) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(window, &press);
}

void TurnWheel(QWidget* window, QPoint at, int angleDelta) {
    QWheelEvent wheel(at, window->mapToGlobal(at), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window, &wheel);
}

// The bar, the video window and the caption strip share one set of keys.
TEST_F(CommandsTest, PlayerKeysInEveryWindowAroundThePicture) {
    MainForm->show();
    VidOutForm->show();
    CatForm2->show();
    // Made active, the bar keeps the keyboard itself, not its first control.
    MainForm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
    EXPECT_EQ(QApplication::focusWidget(), MainForm);
    PressKey(MainForm, Qt::Key_Space); // nothing open: Play has nothing to start
    EXPECT_EQ(Player()->PlayState(), mpStopped);
    PlayAndOpen(0);
    ASSERT_EQ(Player()->PlayState(), mpPlaying);
    PressKey(MainForm, Qt::Key_Space);
    EXPECT_EQ(Player()->PlayState(), mpPaused);
    PressKey(VidOutForm, Qt::Key_Space, Qt::NoModifier, true); // held: no flicker
    EXPECT_EQ(Player()->PlayState(), mpPaused);
    PressKey(VidOutForm, Qt::Key_Space);
    EXPECT_EQ(Player()->PlayState(), mpPlaying);
    MainForm->StopBtnClick();
    PressKey(CaptionForm, Qt::Key_Space); // from Stopped, as Play
    EXPECT_EQ(Player()->PlayState(), mpPlaying);

    // Seeking stays within the entry: 0 s to 30 s of its file.
    Player()->SetPosition(3.0);
    Player()->Calls.clear();
    PressKey(VidOutForm, Qt::Key_Left);
    PressKey(MainForm, Qt::Key_Right, Qt::KeypadModifier);
    EXPECT_EQ(Player()->Calls, QStringList({"CurrentPosition=0", "CurrentPosition=5"}));
    Player()->SetPosition(26.0);
    PressKey(MainForm, Qt::Key_Right); // past the end mark: the next entry
    EXPECT_EQ(CurrentIndex, 1);
    PressKey(CaptionForm, Qt::Key_P);
    EXPECT_EQ(CurrentIndex, 0);
    PressKey(VidOutForm, Qt::Key_N);
    EXPECT_EQ(CurrentIndex, 1);
    PressKey(VidOutForm, Qt::Key_N, Qt::AltModifier); // other modifiers: nothing
    PressKey(VidOutForm, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(CurrentIndex, 1);

    MainForm->VolSlider->SetSliderPosValue(2.0L);
    PressKey(MainForm, Qt::Key_Up);
    PressKey(MainForm, Qt::Key_Up);
    PressKey(VidOutForm, Qt::Key_Down);
    EXPECT_NEAR(static_cast<double>(MainForm->VolSlider->SliderPosValue()), 2.2, 1e-9);
    PressKey(VidOutForm, Qt::Key_M);
    EXPECT_TRUE(Player()->Mute());
    EXPECT_TRUE(MainForm->VolNoBtn->Down());
    PressKey(MainForm, Qt::Key_M);
    EXPECT_FALSE(Player()->Mute());

    Player()->FinishOpening();
    PressKey(VidOutForm, Qt::Key_Escape); // not in full screen: nothing
    EXPECT_EQ(FullScreenMode, 0);
    PressKey(VidOutForm, Qt::Key_F);
    EXPECT_EQ(FullScreenMode, 1);
    PressKey(MainForm, Qt::Key_Escape);
    EXPECT_EQ(FullScreenMode, 0);
    PressKey(CaptionForm, Qt::Key_F11);
    EXPECT_EQ(FullScreenMode, 1);
    PressKey(VidOutForm, Qt::Key_F);
    EXPECT_EQ(FullScreenMode, 0);

    PressKey(VidOutForm, Qt::Key_C);
    EXPECT_FALSE(CatForm2->isVisible());
    EXPECT_FALSE(MainForm->CatBtn->Down());
    QSignalSpy closed(MainForm, &TMainForm::Closed);
    PressKey(VidOutForm, Qt::Key_Q);
    EXPECT_EQ(closed.count(), 0);
    PressKey(VidOutForm, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closed.count(), 1);
}

// At the end of its file an entry without an end mark ends as at the end of
// the file; so does one with Play All File.
TEST_F(CommandsTest, SeekingOnPastTheEndOfTheFile) {
    AddEntry(1, "Whole", "clip3", 10.0, 0.0);
    ShowCatalog();
    PlayAndOpen(2);
    Player()->SetDuration(40.0);
    Player()->SetPosition(34.0);
    Player()->Calls.clear();
    MainForm->SeekBy(5.0);
    EXPECT_EQ(Player()->Calls, QStringList({"CurrentPosition=39"}));
    MainForm->SeekBy(5.0);
    EXPECT_EQ(CurrentIndex, 0) << "the order goes round to the first entry";

    Player()->FinishOpening();
    Player()->SetPosition(28.0);
    MainForm->AllBtn->SetDown(true);
    MainForm->AllBtnClick();
    Player()->Calls.clear();
    MainForm->SeekBy(5.0);
    EXPECT_EQ(Player()->Calls, QStringList({"CurrentPosition=33"})) << "past the end mark";
}

// One step per notch; a fine wheel adds up to notches. Over the bar only the
// knob's travel takes the wheel.
TEST_F(CommandsTest, TheWheelOverThePictureOrTheKnob) {
    MainForm->show();
    VidOutForm->show();
    MainForm->VolSlider->SetSliderPosValue(2.0L);
    const auto level = [] { return static_cast<double>(MainForm->VolSlider->SliderPosValue()); };
    TurnWheel(VidOutForm, QPoint(10, 10), 120);
    EXPECT_NEAR(level(), 2.2, 1e-9);
    TurnWheel(VidOutForm, QPoint(10, 10), 60);
    EXPECT_NEAR(level(), 2.2, 1e-9);
    TurnWheel(VidOutForm, QPoint(10, 10), 60);
    EXPECT_NEAR(level(), 2.4, 1e-9);
    TurnWheel(MainForm, QPoint(420, 50), -240); // right of the knob, on its travel
    EXPECT_NEAR(level(), 2.0, 1e-9);
    TurnWheel(MainForm, QPoint(100, 30), -120); // elsewhere on the bar
    EXPECT_NEAR(level(), 2.0, 1e-9);
}

// A double click on the picture switches full screen; its two presses leave
// the bar as it was, and a single click still brings back a hidden bar.
TEST_F(CommandsTest, DoubleClickOnThePicture) {
    MainForm->show();
    VidOutForm->show();
    PlayAndOpen(0);
    Player()->PressMouse(Qt::LeftButton);
    Player()->PressMouse(Qt::LeftButton);
    emit Player()->DblClick(Qt::LeftButton, Qt::NoModifier, 0, 0);
    EXPECT_EQ(FullScreenMode, 1);
    EXPECT_TRUE(MainForm->isVisible());
    emit Player()->DblClick(Qt::RightButton, Qt::NoModifier, 0, 0);
    EXPECT_EQ(FullScreenMode, 1);
    MainForm->MinBtnClick();
    Player()->PressMouse(Qt::LeftButton);
    EXPECT_TRUE(MainForm->isVisible());
    Player()->PressMouse(Qt::LeftButton);
    Player()->PressMouse(Qt::LeftButton);
    emit Player()->DblClick(Qt::LeftButton, Qt::NoModifier, 0, 0);
    EXPECT_EQ(FullScreenMode, 0);
    EXPECT_TRUE(MainForm->isVisible());
}

} // namespace
