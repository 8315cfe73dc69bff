#include "skin/TMyFlatSpeedButtonUnit.h"

#include "SkinTestUtil.h"

#include <QAccessibleActionInterface>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Strip of three solid images (red, green, blue) on a given key corner.
QImage ThreeImageStrip(int w, int h) {
    QImage strip(w * 3, h, QImage::Format_RGB32);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                strip.setPixelColor(i * w + x, y, colours[i]);
    strip.setPixelColor(0, h - 1, QColor(255, 0, 255));
    return strip;
}

QColor Shown(const TMyFlatSpeedButton& b) {
    return b.CurrentImage().pixelColor(b.width() / 2, 1);
}

struct GlyphButton : ::testing::Test {
    std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
    TMyFlatSpeedButton* Make(int group = 0, bool allowAllUp = false) {
        auto* b = new TMyFlatSpeedButton(parent.get());
        b->setGeometry(0, 0, 29, 21);
        b->SetGlyph(ThreeImageStrip(29, 21));
        b->SetNumGlyphs(3); // 87 x 21 is no multiple of the height
        b->SetGroupIndex(group);
        b->SetAllowAllUp(allowAllUp);
        return b;
    }
    void Click(TMyFlatSpeedButton* b) {
        Press(b, {5, 5});
        Release(b, {5, 5});
    }
};

TEST_F(GlyphButton, NumGlyphsComesFromSquareMultipleStrips) {
    TMyFlatSpeedButton b(parent.get());
    b.SetGlyph(QImage(48, 16, QImage::Format_RGB32));
    EXPECT_EQ(b.NumGlyphs(), 3);
    // 105 x 28 is no multiple of the height: the count given stays.
    b.SetNumGlyphs(2);
    b.SetGlyph(QImage(105, 28, QImage::Format_RGB32));
    EXPECT_EQ(b.NumGlyphs(), 2);
    // More than four images counts as one.
    b.SetGlyph(QImage(80, 16, QImage::Format_RGB32));
    EXPECT_EQ(b.NumGlyphs(), 1);
}

TEST_F(GlyphButton, ImagesFollowStateAndKeyColourIsTransparent) {
    TMyFlatSpeedButton* b = Make(1, true);
    EXPECT_EQ(Shown(*b), QColor(Qt::red));
    EXPECT_EQ(b->CurrentImage().size(), QSize(29, 21));
    EXPECT_EQ(qAlpha(b->CurrentImage().pixel(0, 20)), 0);
    EXPECT_EQ(qAlpha(b->CurrentImage().pixel(1, 20)), 255);
    b->SetDown(true);
    EXPECT_EQ(b->State(), GlyphButtonState::exclusive);
    EXPECT_EQ(Shown(*b), QColor(Qt::blue));
    b->SetEnabled(false);
    EXPECT_EQ(Shown(*b), QColor(Qt::green));
    b->SetEnabled(true);
    EXPECT_EQ(Shown(*b), QColor(Qt::blue));
}

TEST_F(GlyphButton, PushButtonClicksOnlyOnReleaseInside) {
    TMyFlatSpeedButton* b = Make();
    QSignalSpy clicks(b, &TMyFlatSpeedButton::OnClick);
    QSignalSpy downs(b, &TMyFlatSpeedButton::OnMouseDown);
    QSignalSpy ups(b, &TMyFlatSpeedButton::OnMouseUp);
    Press(b, {5, 5});
    EXPECT_EQ(b->State(), GlyphButtonState::down);
    Move(b, {40, 5});
    EXPECT_EQ(b->State(), GlyphButtonState::up);
    Move(b, {5, 21}); // the bottom edge still counts as inside
    EXPECT_EQ(b->State(), GlyphButtonState::down);
    Move(b, {40, 5});
    Release(b, {40, 5});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(ups.count(), 1);
    EXPECT_EQ(b->State(), GlyphButtonState::up);
    Click(b);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(b->Down());
}

TEST_F(GlyphButton, ReleaseOutsideWithoutMoveRestoresRestImage) {
    TMyFlatSpeedButton* b = Make(3, true);
    QSignalSpy clicks(b, &TMyFlatSpeedButton::OnClick);
    Press(b, {5, 5});
    Release(b, {60, 60});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(b->State(), GlyphButtonState::up);
}

TEST_F(GlyphButton, GroupWithAllowAllUpIsExclusiveAndReleasable) {
    TMyFlatSpeedButton* repeat = Make(4, true);
    TMyFlatSpeedButton* random = Make(4, true);
    QSignalSpy clicks(random, &TMyFlatSpeedButton::OnClick);
    Click(repeat);
    EXPECT_TRUE(repeat->Down());
    Click(random);
    EXPECT_TRUE(random->Down());
    EXPECT_FALSE(repeat->Down());
    EXPECT_EQ(repeat->State(), GlyphButtonState::up);
    // Down already changed when the click arrives.
    bool downAtClick = true;
    QObject::connect(random, &TMyFlatSpeedButton::OnClick, [&] { downAtClick = random->Down(); });
    Click(random);
    EXPECT_FALSE(downAtClick);
    EXPECT_FALSE(random->Down());
    EXPECT_FALSE(repeat->Down());
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(GlyphButton, LatchedButtonWithoutAllowAllUpStaysDownButClicks) {
    TMyFlatSpeedButton* a = Make(5);
    TMyFlatSpeedButton* b = Make(5);
    QSignalSpy clicks(a, &TMyFlatSpeedButton::OnClick);
    Click(a);
    Click(a);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), GlyphButtonState::exclusive);
    EXPECT_EQ(clicks.count(), 2);
    a->SetDown(false);
    EXPECT_TRUE(a->Down());
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
}

TEST_F(GlyphButton, DownFromCodeRaisesNoClickAndNeedsAGroup) {
    TMyFlatSpeedButton* plain = Make(0);
    TMyFlatSpeedButton* cat = Make(8, true);
    QSignalSpy plainClicks(plain, &TMyFlatSpeedButton::OnClick);
    QSignalSpy catClicks(cat, &TMyFlatSpeedButton::OnClick);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
    cat->SetDown(true);
    EXPECT_TRUE(cat->Down());
    EXPECT_EQ(Shown(*cat), QColor(Qt::blue));
    cat->SetDown(false);
    EXPECT_FALSE(cat->Down());
    EXPECT_EQ(plainClicks.count() + catClicks.count(), 0);
}

TEST_F(GlyphButton, GroupMembersShareAllowAllUpOfTheLastAnnounced) {
    TMyFlatSpeedButton* a = Make(9, false);
    TMyFlatSpeedButton* b = Make(9, true);
    EXPECT_TRUE(a->AllowAllUp());
    b->SetAllowAllUp(false);
    EXPECT_FALSE(a->AllowAllUp());
}

TEST_F(GlyphButton, RightButtonRaisesEventsButDoesNotPress) {
    TMyFlatSpeedButton* b = Make();
    QSignalSpy clicks(b, &TMyFlatSpeedButton::OnClick);
    QSignalSpy downs(b, &TMyFlatSpeedButton::OnMouseDown);
    Press(b, {5, 5}, Qt::RightButton);
    EXPECT_EQ(b->State(), GlyphButtonState::up);
    EXPECT_FALSE(b->Pressing());
    Release(b, {5, 5}, Qt::RightButton);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
}

bool SendKey(QWidget* target, QEvent::Type type, int key, bool autoRepeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

// Space holds the button as the left mouse button does and Enter clicks it;
// other keys go on to the window.
TEST_F(GlyphButton, KeysPressTheButtonTabReached) {
    TMyFlatSpeedButton* push = Make();
    TMyFlatSpeedButton* toggle = Make(4, true);
    EXPECT_EQ(push->focusPolicy(), Qt::TabFocus);
    QSignalSpy clicks(push, &TMyFlatSpeedButton::OnClick);
    QSignalSpy downs(push, &TMyFlatSpeedButton::OnMouseDown);
    QSignalSpy ups(push, &TMyFlatSpeedButton::OnMouseUp);
    SendKey(push, QEvent::KeyPress, Qt::Key_Space);
    SendKey(push, QEvent::KeyRelease, Qt::Key_Space, true); // the key repeats while held
    SendKey(push, QEvent::KeyPress, Qt::Key_Space, true);
    EXPECT_EQ(push->State(), GlyphButtonState::down);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(ups.count(), 0);
    SendKey(push, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(push->State(), GlyphButtonState::up);
    EXPECT_EQ(ups.count(), 1);
    EXPECT_EQ(clicks.count(), 1);

    // Losing the keyboard with Space held lets go without a click.
    SendKey(push, QEvent::KeyPress, Qt::Key_Space);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(push, &out);
    EXPECT_EQ(push->State(), GlyphButtonState::up);
    EXPECT_EQ(ups.count(), 2);
    EXPECT_EQ(clicks.count(), 1);

    SendKey(push, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(push->State(), GlyphButtonState::down) << "the press shows";
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 2; }, 5000));
    EXPECT_EQ(push->State(), GlyphButtonState::up);

    SendKey(toggle, QEvent::KeyPress, Qt::Key_Space);
    SendKey(toggle, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_TRUE(toggle->Down());
    EXPECT_FALSE(SendKey(push, QEvent::KeyPress, Qt::Key_N));
    EXPECT_FALSE(SendKey(push, QEvent::KeyRelease, Qt::Key_Return));
}

// Named by its hint, a push or a check button, pressed or checked, pressed by
// its action.
TEST_F(GlyphButton, AssistiveTechnologyReadsAndPressesIt) {
    TMyFlatSpeedButton* play = Make();
    play->setToolTip("Play");
    TMyFlatSpeedButton* repeat = Make(4, true);
    repeat->setToolTip("Repeat Current");
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(play);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), "Play");
    EXPECT_TRUE(button->state().focusable);
    EXPECT_FALSE(button->state().checkable);
    QAccessibleActionInterface* actions = button->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_FALSE(actions->actionNames().isEmpty());
    EXPECT_EQ(actions->actionNames().first(), QAccessibleActionInterface::pressAction());
    QSignalSpy clicks(play, &TMyFlatSpeedButton::OnClick);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(button->state().pressed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 1; }, 5000));
    EXPECT_FALSE(button->state().pressed);

    QAccessibleInterface* toggle = QAccessible::queryAccessibleInterface(repeat);
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->role(), QAccessible::CheckBox);
    EXPECT_TRUE(toggle->state().checkable);
    EXPECT_FALSE(toggle->state().checked);
    repeat->SetDown(true);
    EXPECT_TRUE(toggle->state().checked);
    repeat->setAccessibleName("Repeat");
    EXPECT_EQ(toggle->text(QAccessible::Name), "Repeat") << "a name given wins over the hint";
}

} // namespace
