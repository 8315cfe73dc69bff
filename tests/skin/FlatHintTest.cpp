#include "skin/TFlatHintUnit.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QRect kScreen(0, 0, 1280, 1024);

// The main window's hint settings.
struct FlatHint : ::testing::Test {
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
    TFlatHint* hint = new TFlatHint(owner.get());
    void SetUp() override {
        hint->SetColorBackground(13560062);
        hint->SetColorBorder(0x00808080);
        hint->SetColorArrowBackground(9354465);
        hint->SetColorArrow(0x00000080);
        QFont font("Liberation Sans");
        font.setPixelSize(11);
        hint->SetFont(font);
        hint->SetFontColor(4210816);
    }
    TFlatHintWindow* Window() { return hint->HintWindow(); }
};

TEST_F(FlatHint, PlacementFollowsTheCursorsQuarter) {
    const QSize size = Window()->HintSize("Play");
    Window()->ActivateHint("Play", {100, 100}, kScreen);
    EXPECT_EQ(Window()->ArrowCorner(), 1);
    EXPECT_EQ(Window()->geometry(), QRect(QPoint(112, 112), size));
    Window()->ActivateHint("Play", {1000, 100}, kScreen);
    EXPECT_EQ(Window()->ArrowCorner(), 0);
    EXPECT_EQ(Window()->geometry(), QRect(QPoint(1000 - size.width() - 5, 105), size));
    Window()->ActivateHint("Play", {100, 900}, kScreen);
    EXPECT_EQ(Window()->ArrowCorner(), 3);
    EXPECT_EQ(Window()->geometry(), QRect(QPoint(105, 900 - size.height() - 5), size));
    Window()->ActivateHint("Play", {1000, 900}, kScreen);
    EXPECT_EQ(Window()->ArrowCorner(), 2);
    EXPECT_EQ(Window()->geometry().bottomRight(), QPoint(994, 894)); // right, bottom at 995, 895
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->Text(), "Play");
}

TEST_F(FlatHint, LongHintsWrapWithinTheMaximumWidth) {
    const QSize one = Window()->HintSize("Play");
    const QFontMetrics fm(hint->Font());
    EXPECT_NEAR(one.width(), fm.horizontalAdvance("Play") + 22, 1);
    EXPECT_EQ(one.height(), fm.height() + 6);
    const QString text = "Plays every checked entry of the catalog one after another, in order";
    const QSize wrapped = Window()->HintSize(text);
    EXPECT_LE(wrapped.width(), 200);
    EXPECT_GT(wrapped.width(), 150);
    EXPECT_GE(wrapped.height(), 2 * fm.height() + 6);
    hint->SetMaxHintWidth(400);
    EXPECT_LT(Window()->HintSize(text).height(), wrapped.height());
}

TEST_F(FlatHint, StripAndArrowFaceTheCursor) {
    const QColor strip(225, 188, 142), background(254, 232, 206), arrow(128, 0, 0);
    Window()->ActivateHint("Volume Control", {100, 100}, kScreen);
    QImage img = Window()->grab().toImage();
    const int w = img.width(), h = img.height();
    EXPECT_EQ(img.pixelColor(0, h / 2), QColor(128, 128, 128));
    EXPECT_EQ(img.pixelColor(5, h - 3), strip);
    EXPECT_EQ(img.pixelColor(w - 3, h - 3), background);
    EXPECT_EQ(img.pixelColor(3, 3), arrow); // head at the top-left of the strip
    Window()->ActivateHint("Volume Control", {1000, 900}, kScreen);
    img = Window()->grab().toImage();
    EXPECT_EQ(img.pixelColor(w - 6, 3), strip);
    EXPECT_EQ(img.pixelColor(3, h - 3), background);
    EXPECT_EQ(img.pixelColor(w - 4, h - 4), arrow); // head at the bottom-right
}

TEST_F(FlatHint, ReplacesTheToolkitTooltipsOfItsWindow) {
    owner->resize(200, 100);
    auto* button = new QPushButton("x", owner.get());
    button->setGeometry(10, 10, 40, 20);
    button->setToolTip("Exit");
    owner->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(owner.get()));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &help);
    EXPECT_FALSE(QToolTip::isVisible());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(button->mapToGlobal(QPoint(5, 5))));
    QElapsedTimer waited;
    waited.start();
    QApplication::sendEvent(button, &enter);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Window()->isVisible(); }, 2000));
    // The first hint waits its pause; a coarse timer may end 5 % early.
    EXPECT_GE(waited.elapsed(), hint->HintPause() * 95 / 100);
    EXPECT_EQ(Window()->Text(), "Exit");
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_FALSE(Window()->isVisible());
    QTest::mouseRelease(button, Qt::LeftButton);
}

TEST_F(FlatHint, ShowHintListenerMayRewriteOrRefuse) {
    owner->resize(200, 100);
    auto* a = new QPushButton("a", owner.get());
    a->setGeometry(10, 10, 40, 20);
    a->setToolTip("Play");
    auto* b = new QPushButton("b", owner.get());
    b->setGeometry(60, 10, 40, 20);
    b->setToolTip("Stop");
    auto* c = new QPushButton("c", owner.get());
    c->setGeometry(110, 10, 40, 20);
    c->setToolTip("Next");
    owner->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(owner.get()));
    QObject::connect(hint, &TFlatHint::OnShowHint, [](QString& text, bool& canShow) {
        canShow = text != "Stop";
        text += "!";
    });
    auto enter = [](QWidget* w) {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))));
        QApplication::sendEvent(w, &e);
    };
    enter(a);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Window()->isVisible(); }, 2000));
    EXPECT_EQ(Window()->Text(), "Play!");
    // From a shown hint to the next control takes only the short pause.
    QElapsedTimer waited;
    waited.start();
    enter(c);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return Window()->isVisible() && Window()->Text() == "Next!"; }, 2000));
    EXPECT_LT(waited.elapsed(), hint->HintPause() * 95 / 100);
    enter(b);
    QTest::qWait(700);
    EXPECT_FALSE(Window()->isVisible());
}

} // namespace
