#include "skin/ImageSlider.h"
#include "skin/SkinColors.h"

#include "SkinTestUtil.h"

#include <QAccessibleValueInterface>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The main window's volume knob: left edge 292..415 at top 45, values 0..4.
struct VolumeSlider : ::testing::Test {
    std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
    TImageSlider* slider = new TImageSlider(parent.get());
    void SetUp() override {
        parent->resize(625, 92);
        slider->move(292, 45);
        slider->SetSliderMaxValue(4.0);
        slider->SetSliderMinValue(0);
        slider->SetSliderMaxVisibleRight(415);
        slider->SetSliderMaxVisibleLeft(292);
        slider->SetSliderMaxVisibleTop(45);
        slider->SetSliderMaxVisibleBottom(45);
    }
    long double LastValue(const QSignalSpy& spy) const {
        return spy.last().at(1).value<long double>();
    }
};

TEST_F(VolumeSlider, PositionAndValueMapBothWays) {
    EXPECT_EQ(slider->PositionToValue(292), 0.0L);
    EXPECT_EQ(slider->PositionToValue(415), 4.0L);
    EXPECT_EQ(slider->PositionToValue(353), 4.0L * 61 / 123);
    EXPECT_NEAR(double(slider->PositionToValue(353)), 1.98374, 1e-5);
    EXPECT_EQ(slider->PositionToValue(200), 0.0L);
    EXPECT_EQ(slider->PositionToValue(500), 4.0L);
    EXPECT_EQ(slider->ValueToPosition(2.0L), 354); // 61.5 rounds to even
    EXPECT_EQ(slider->ValueToPosition(-1.0L), 292);
    EXPECT_GT(slider->ValueToPosition(1e30L), 415); // beyond the travel, no overflow
    EXPECT_EQ(slider->ValueToPosition(-1e30L), 292);
}

TEST_F(VolumeSlider, SettingTheValueMovesTheKnobAndReportsTheAskedValue) {
    qRegisterMetaType<long double>();
    QSignalSpy changes(slider, &TImageSlider::OnSliderPosChange);
    slider->SetSliderPosValue(2.0L);
    EXPECT_EQ(slider->x(), 354);
    EXPECT_EQ(slider->y(), 45);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(LastValue(changes), 2.0L);
    slider->SetSliderPosValue(7);
    EXPECT_EQ(slider->SliderPosValue(), 4.0L);
    EXPECT_EQ(slider->x(), 415);
    EXPECT_EQ(LastValue(changes), 7.0L);
    slider->SetSliderPosValue(7); // nothing changes, still reported
    EXPECT_EQ(changes.count(), 3);
    slider->SetSliderPosValue(-2);
    EXPECT_EQ(slider->SliderPosValue(), 0.0L);
    EXPECT_EQ(slider->x(), 292);
}

TEST_F(VolumeSlider, DraggingKeepsTheKnobBetweenItsLimits) {
    QSignalSpy changes(slider, &TImageSlider::OnSliderPosChange);
    QSignalSpy finished(slider, &TImageSlider::OnSliderPosChanged);
    Press(slider, {5, 5});
    EXPECT_TRUE(slider->Dragging());
    Move(slider, {5 + 61, 9}); // grabbed offset kept, vertical motion ignored
    EXPECT_EQ(slider->pos(), QPoint(353, 45));
    EXPECT_EQ(LastValue(changes), 4.0L * 61 / 123);
    Move(slider, {400, 5});
    EXPECT_EQ(slider->x(), 415);
    EXPECT_EQ(LastValue(changes), 4.0L);
    Move(slider, {-400, 5});
    EXPECT_EQ(slider->x(), 292);
    EXPECT_EQ(LastValue(changes), 0.0L);
    EXPECT_EQ(finished.count(), 0);
    Release(slider, {-400, 5});
    EXPECT_FALSE(slider->Dragging());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(LastValue(finished), 0.0L);
}

TEST_F(VolumeSlider, RightButtonDoesNotDragButItsReleaseEndsADrag) {
    Press(slider, {5, 5}, Qt::RightButton);
    EXPECT_FALSE(slider->Dragging());
    Press(slider, {5, 5});
    Move(slider, {25, 5});
    Release(slider, {5, 5}, Qt::RightButton, Qt::LeftButton); // knob moved under the cursor
    EXPECT_FALSE(slider->Dragging());
    EXPECT_EQ(slider->x(), 312);
}

TEST_F(VolumeSlider, GlyphsFollowTheState) {
    parent->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
    const QImage normal = KeyedImage(slider->SliderGlyphNormal());
    const QImage enter = KeyedImage(slider->SliderGlyphEnter());
    ASSERT_NE(normal, enter);
    EXPECT_EQ(slider->Picture(), normal);
    EXPECT_EQ(slider->size(), QSize(24, 14));
    // Its key colour is the corner's, left out when drawn.
    EXPECT_EQ(slider->SliderGlyphNormal().pixelColor(0, 13), QColor(174, 165, 141));
    EXPECT_EQ(qAlpha(slider->Picture().pixel(0, 13)), 0);

    Press(slider, {5, 5});
    EXPECT_EQ(slider->Picture(), KeyedImage(slider->SliderGlyphDown()));
    Release(slider, {6, 5}); // over the knob
    EXPECT_EQ(slider->Picture(), enter);
    Press(slider, {5, 5});
    Release(slider, {5, 60}); // off the knob
    EXPECT_EQ(slider->Picture(), normal);

    slider->SetEnabled(false);
    EXPECT_EQ(slider->Picture(), KeyedImage(slider->SliderGlyphInactive()));
    Press(slider, {5, 5});
    EXPECT_FALSE(slider->Dragging());
    EXPECT_EQ(slider->cursor().shape(), Qt::ArrowCursor);
    slider->SetEnabled(true);
    EXPECT_EQ(slider->Picture(), normal);
    EXPECT_EQ(slider->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(VolumeSlider, LimitSettersClampAgainstTheOtherLimit) {
    TImageSlider s;
    s.SetSliderMaxVisibleLeft(300); // above the default right 175
    EXPECT_EQ(s.SliderMaxVisibleLeft(), 175);
    s.SetSliderMaxVisibleBottom(2); // below the default top 10
    EXPECT_EQ(s.SliderMaxVisibleBottom(), 10);
    s.SetSliderMinValue(500);
    EXPECT_EQ(s.SliderMinValue(), 100.0L);
    s.SetSliderMaxValue(50);
    EXPECT_EQ(s.SliderMaxValue(), 100.0L);
}

TEST_F(VolumeSlider, VerticalSliderMovesItsTop) {
    slider->SetSliderOrientation(TImageSliderOrientation::isoVertical);
    slider->SetSliderMaxVisibleBottom(80);
    slider->SetSliderMaxVisibleTop(20);
    slider->SetSliderPosValue(1.0L);
    EXPECT_EQ(slider->pos(), QPoint(292, 35));
    EXPECT_EQ(slider->PositionToValue(80), 4.0L);
}

// A slider whose value assistive technology reads and sets.
TEST_F(VolumeSlider, AssistiveTechnologyReadsAndSetsTheValue) {
    slider->setToolTip("Volume Control");
    slider->SetSliderPosValue(2.0L);
    QAccessibleInterface* knob = QAccessible::queryAccessibleInterface(slider);
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(knob->role(), QAccessible::Slider);
    EXPECT_EQ(knob->text(QAccessible::Name), "Volume Control");
    EXPECT_TRUE(knob->state().focusable);
    QAccessibleValueInterface* value = knob->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toDouble(), 2.0);
    EXPECT_EQ(value->minimumValue().toDouble(), 0.0);
    EXPECT_EQ(value->maximumValue().toDouble(), 4.0);
    value->setCurrentValue(3.0);
    EXPECT_EQ(slider->SliderPosValue(), 3.0L);
    EXPECT_EQ(knob->text(QAccessible::Value), "3");
}

} // namespace
