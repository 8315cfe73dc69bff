#include "skin/MyGauges.h"
#include "skin/SkinErrors.h"

#include "SkinTestUtil.h"

#include <QAccessibleValueInterface>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor kRed(198, 0, 0);
const QColor kCream(254, 232, 206);

// The main window's position bar.
std::unique_ptr<TMyGauge> PositionBar() {
    auto g = std::make_unique<TMyGauge>();
    g->resize(260, 3);
    g->SetShowText(false);
    g->SetBorderStyle(TBorderStyle::bsNone);
    g->SetForeColor(198);
    g->SetBackColor(13560062);
    return g;
}

// Columns painted in the colour on every row.
int ColumnsOf(const QImage& img, const QColor& colour) {
    int columns = 0;
    for (int x = 0; x < img.width(); ++x) {
        bool all = true;
        for (int y = 0; y < img.height(); ++y)
            all = all && img.pixelColor(x, y) == colour;
        columns += all;
    }
    return columns;
}

TEST(Gauge, PositionBarFillsTruncatedShareOfWidthPlusOne) {
    auto g = PositionBar();
    g->SetProgress(50);
    const QImage half = g->grab().toImage();
    ASSERT_EQ(half.size(), QSize(260, 3));
    EXPECT_EQ(half.pixelColor(129, 0), kRed);
    EXPECT_EQ(half.pixelColor(129, 2), kRed);
    EXPECT_EQ(half.pixelColor(130, 1), kCream);
    EXPECT_EQ(ColumnsOf(half, kRed), 130);
    EXPECT_EQ(ColumnsOf(half, kCream), 130);
    g->SetProgress(100);
    EXPECT_EQ(ColumnsOf(g->PaintImage(), kRed), 260);
    g->SetProgress(0);
    EXPECT_EQ(ColumnsOf(g->PaintImage(), kCream), 260);
    // 261 x 0.33 = 86.13
    g->SetProgress(33);
    EXPECT_EQ(ColumnsOf(g->PaintImage(), kRed), 86);
}

TEST(Gauge, SingleBorderLeavesABlackFrame) {
    auto g = PositionBar();
    g->resize(20, 6);
    g->SetBorderStyle(TBorderStyle::bsSingle);
    g->SetProgress(100);
    const QImage img = g->PaintImage();
    EXPECT_EQ(img.pixelColor(0, 3), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(10, 0), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(1, 1), kRed);
    EXPECT_EQ(img.pixelColor(18, 4), kRed);
}

TEST(Gauge, ProgressIsClampedAndPercentIsTruncated) {
    TMyGauge g;
    g.SetMaxValue(1000);
    g.SetProgress(5000);
    EXPECT_EQ(g.Progress(), 1000);
    g.SetProgress(-3);
    EXPECT_EQ(g.Progress(), 0);
    g.SetProgress(19);
    EXPECT_EQ(g.PercentDone(), 1);
    g.SetMinValue(-1000);
    g.SetProgress(-1);
    EXPECT_EQ(g.PercentDone(), 49);
    g.SetMinValue(1000);
    EXPECT_EQ(g.Progress(), 1000); // raised with the minimum
    EXPECT_EQ(g.PercentDone(), 0); // no range
}

TEST(Gauge, CrossingBoundsIsRefusedWithTheRange) {
    TMyGauge g;
    g.SetProgress(40);
    try {
        g.SetMaxValue(-5);
        FAIL() << "no error";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Value must be between 1 and 2147483647");
    }
    EXPECT_EQ(g.MaxValue(), 100);
    try {
        g.SetMinValue(200);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Value must be between -2147483647 and 99");
    }
    EXPECT_EQ(g.MinValue(), 0);
    EXPECT_EQ(g.Progress(), 40);
    // A stored layout may set the bounds in any order.
    g.SetLoading(true);
    g.SetMinValue(200);
    g.SetMaxValue(300);
    g.SetLoading(false);
    EXPECT_EQ(g.MinValue(), 200);
    EXPECT_EQ(g.MaxValue(), 300);
}

// Counts the paints of a widget.
struct PaintCounter : QObject {
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        Paints += e->type() == QEvent::Paint;
        return false;
    }
};

TEST(Gauge, RepaintsOnlyWhenTheWholePercentChanges) {
    auto g = PositionBar();
    g->SetMaxValue(1000);
    g->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.get()));
    PaintCounter counter;
    g->installEventFilter(&counter);
    auto settle = [] {
        QCoreApplication::processEvents();
        QTest::qWait(5);
    };
    settle();
    counter.Paints = 0;
    for (int v : {5, 9}) {
        g->SetProgress(v);
        settle();
    }
    EXPECT_EQ(counter.Paints, 0);
    g->SetProgress(10);
    settle();
    EXPECT_EQ(counter.Paints, 1);
    // A new maximum always repaints.
    g->SetMaxValue(1001);
    settle();
    EXPECT_EQ(counter.Paints, 2);
}

TEST(Gauge, PercentTextIsInvertedAgainstTheBackground) {
    auto g = PositionBar();
    g->resize(60, 20);
    g->SetShowText(true);
    const QImage img = g->PaintImage();
    const QColor inverse(255 - 254, 255 - 232, 255 - 206);
    int inverted = 0, other = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            inverted += c == inverse;
            other += c != inverse && c != kCream;
        }
    EXPECT_GT(inverted, 10);
    EXPECT_EQ(other, 0);
}

TEST(Gauge, MouseEventsReportClientCoordinatesWhileEnabled) {
    TMyGauge g;
    QSignalSpy downs(&g, &TMyGauge::OnMouseDown);
    QTest::mousePress(&g, Qt::LeftButton, Qt::NoModifier, QPoint(30, 2));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(2).toInt(), 30);
    EXPECT_EQ(downs.at(0).at(3).toInt(), 2);
    QTest::mouseRelease(&g, Qt::LeftButton, Qt::NoModifier, QPoint(30, 2));
    g.setEnabled(false);
    QTest::mousePress(&g, Qt::LeftButton, Qt::NoModifier, QPoint(30, 2));
    EXPECT_EQ(downs.count(), 1);
}

TEST(Gauge, OtherKindsDrawWithinTheControl) {
    auto g = PositionBar();
    g->resize(40, 40);
    g->SetColor(0x00FF0000); // blue
    g->SetProgress(60);
    auto count = [](const QImage& img, const QColor& c) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += img.pixelColor(x, y) == c;
        return n;
    };
    g->SetKind(TGaugeKind::gkText);
    EXPECT_EQ(count(g->PaintImage(), kCream), 40 * 40);
    // Pie and needle lie on the control colour and show the share in red.
    for (TGaugeKind kind : {TGaugeKind::gkPie, TGaugeKind::gkNeedle}) {
        g->SetKind(kind);
        const QImage img = g->PaintImage();
        EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::blue)) << int(kind);
        EXPECT_GT(count(img, kRed), 0) << int(kind);
    }
    g->SetKind(TGaugeKind::gkPie);
    const int sixty = count(g->PaintImage(), kRed);
    g->SetProgress(20);
    EXPECT_LT(count(g->PaintImage(), kRed), sixty);
    g->SetProgress(60);
    // Vertical bar: 41 x 0.6 = 24 rows from the bottom.
    g->SetKind(TGaugeKind::gkVerticalBar);
    const QImage bar = g->PaintImage();
    EXPECT_EQ(bar.pixelColor(5, 39), kRed);
    EXPECT_EQ(bar.pixelColor(5, 17), kRed);
    EXPECT_EQ(bar.pixelColor(5, 16), kCream);
}

// A progress bar whose value is the progress; it cannot be set from outside.
TEST(Gauge, AssistiveTechnologyReadsTheProgress) {
    auto gauge = PositionBar();
    gauge->setAccessibleName("Position");
    gauge->SetMaxValue(90);
    gauge->SetProgress(42);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(gauge.get());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    EXPECT_EQ(bar->text(QAccessible::Name), "Position");
    EXPECT_EQ(bar->text(QAccessible::Value), "42");
    QAccessibleValueInterface* value = bar->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->maximumValue().toInt(), 90);
    value->setCurrentValue(10);
    EXPECT_EQ(gauge->Progress(), 42);
    gauge->SetProgress(43); // within the same percent: not repainted, still read
    EXPECT_EQ(value->currentValue().toInt(), 43);
}

} // namespace
