#include "skin/TMyFlatSpeedButtonUnit.h"
#include "skin/fcImageForm.h"

#include "SkinTestUtil.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The host window with the skin, a button and a label over it, shown at a
// known place. Motion is sent to the host as the mouse grab delivers it.
struct SkinDrag : ::testing::Test {
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    TfcImageForm* form = nullptr;
    TMyFlatSpeedButton* button = nullptr;
    QLabel* label = nullptr;
    QPoint origin{200, 200};

    void SetUp() override {
        form = new TfcImageForm(host.get());
        form->SetOptions(TfcImageFormOption::ifUseWindowsDrag);
        form->SetAutoSize(true);
        form->SetPicture(QImage(":/art/skin.png"));
        button = new TMyFlatSpeedButton(host.get());
        button->setGeometry(526, 38, 35, 28);
        label = new QLabel("00:00:00", host.get());
        label->setGeometry(92, 44, 42, 13);
        host->move(origin);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        origin = host->geometry().topLeft();
    }
    void TearDown() override {
        if (QWidget::mouseGrabber())
            QWidget::mouseGrabber()->releaseMouse();
    }

    void MoveTo(QPoint global) { Move(host.get(), global - host->geometry().topLeft()); }
    void ReleaseAt(QPoint global) { Release(host.get(), global - host->geometry().topLeft()); }
};

TEST_F(SkinDrag, BareSkinDragsOnceTheCursorLeavesTheTolerance) {
    QSignalSpy moves(form, &TfcImageForm::OnPosChange);
    const QPoint grab(300, 80);
    Press(form, grab);
    EXPECT_EQ(QWidget::mouseGrabber(), host.get());
    const QPoint start = origin + grab;
    MoveTo(start + QPoint(5, 5)); // inclusive: still inside the square
    QTest::qWait(40);
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(host->geometry().topLeft(), origin);
    EXPECT_FALSE(form->Dragging());

    MoveTo(start + QPoint(6, 0));
    ASSERT_TRUE(QTest::qWaitFor([&moves] { return moves.count() == 1; }));
    EXPECT_EQ(moves.at(0).at(0).value<QObject*>(), form);
    EXPECT_EQ(host->geometry().topLeft(), origin + QPoint(6, 0)); // grab point under the cursor
    EXPECT_TRUE(form->Dragging());

    // A burst of motion moves the window once, to the latest position.
    MoveTo(start + QPoint(20, 3));
    MoveTo(start + QPoint(30, 7));
    MoveTo(start + QPoint(40, 9));
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return host->geometry().topLeft() == origin + QPoint(40, 9); }));
    EXPECT_EQ(moves.count(), 2);

    ReleaseAt(start + QPoint(40, 9));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(form->Dragging());
    MoveTo(start + QPoint(90, 9));
    QTest::qWait(30);
    EXPECT_EQ(moves.count(), 2);
}

TEST_F(SkinDrag, PressAndReleaseInsideToleranceMovesNothing) {
    QSignalSpy moves(form, &TfcImageForm::OnPosChange);
    Press(form, {300, 80});
    MoveTo(origin + QPoint(297, 85));
    ReleaseAt(origin + QPoint(297, 85));
    QTest::qWait(30);
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(host->geometry().topLeft(), origin);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(SkinDrag, PressesOnControlsOverTheSkinNeverDrag) {
    QSignalSpy moves(form, &TfcImageForm::OnPosChange);
    Press(button, {10, 10});
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    Release(button, {10, 10});
    Press(label, {5, 5}); // a label lets the press through to the window
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    MoveTo(origin + QPoint(150, 80));
    QTest::qWait(30);
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(host->geometry().topLeft(), origin);
    // Disabled controls still shield the skin.
    button->setEnabled(false);
    Press(button, {10, 10});
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(SkinDrag, OutlineModeMovesTheWindowOnRelease) {
    form->SetOptions({});
    QSignalSpy moves(form, &TfcImageForm::OnPosChange);
    const QPoint start = origin + QPoint(300, 80);
    Press(form, {300, 80});
    MoveTo(start + QPoint(10, 0));
    MoveTo(start + QPoint(25, 12));
    QTest::qWait(30);
    EXPECT_TRUE(form->Dragging());
    EXPECT_EQ(host->geometry().topLeft(), origin);
    ReleaseAt(start + QPoint(25, 12));
    EXPECT_EQ(host->geometry().topLeft(), origin + QPoint(25, 12));
    EXPECT_FALSE(form->Dragging());
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(SkinDrag, RightButtonDoesNotDrag) {
    Press(form, {300, 80}, Qt::RightButton);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(SkinDrag, CaptionBarLimitsWhereADragMayStart) {
    auto* bar = new QLabel(host.get());
    bar->setGeometry(0, 0, 100, 20);
    bar->show();
    form->SetCaptionBarControl(bar);
    Press(form, {300, 80});
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    Press(bar, {10, 10});
    EXPECT_EQ(QWidget::mouseGrabber(), host.get());
}

} // namespace
