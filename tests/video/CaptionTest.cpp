// The caption strip: its width from the title, and dragging the video window.
#include "support/FormsFixture.h"

#include "video/CaptionUnit.h"
#include "video/VidOutUnit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

namespace {

class CaptionTest : public FormsTest {};

// Counts resizes and repaints of a widget.
class EventCounter : public QObject {
public:
    explicit EventCounter(QWidget* widget) { widget->installEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Paint)
            ++Count;
        return false;
    }
};

TEST_F(CaptionTest, TheStripIsAsWideAsTheTitle) {
    const QString title = QString::fromUtf8("Зимний вечер — Winter evening");
    CaptionForm->SetCaptionText(title);
    const int w = QFontMetrics(CaptionForm->Label1->font()).horizontalAdvance(title);
    EXPECT_EQ(CaptionForm->width(), w + 20);
    EXPECT_EQ(CaptionForm->Label1->geometry(), QRect(10, 2, w + 10, 13));
    EXPECT_EQ(CaptionForm->Label1->text(), title);
    EXPECT_EQ(CaptionForm->windowTitle(), title);

    EventCounter resizes(CaptionForm);
    EventCounter repaints(CaptionForm->Label1);
    CaptionForm->SetCaptionText(title);
    QApplication::processEvents();
    EXPECT_EQ(resizes.Count + repaints.Count, 0);

    CaptionForm->SetCaptionText(QString());
    EXPECT_EQ(CaptionForm->width(), 20);
    EXPECT_EQ(CaptionForm->Label1->width(), 10);
}

TEST_F(CaptionTest, DraggingTheStripCarriesTheVideoWindow) {
    VidOutForm->show();
    CaptionForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(CaptionForm));
    VidOutForm->move(300, 300);
    EXPECT_EQ(CaptionForm->pos(), QPoint(300, 300 - CaptionGap));

    QTest::mousePress(CaptionForm, Qt::LeftButton, {}, QPoint(5, 5));
    for (int step = 0; step < 3; ++step) {
        // 10 right and 4 down of the grab point, wherever the strip now is.
        QMouseEvent move(QEvent::MouseMove, QPointF(15, 9), CaptionForm->mapToGlobal(QPointF(15, 9)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(CaptionForm, &move);
        EXPECT_EQ(VidOutForm->pos(), CaptionForm->pos() + QPoint(0, CaptionGap));
    }
    QTest::mouseRelease(CaptionForm, Qt::LeftButton);
    EXPECT_EQ(VidOutForm->pos(), QPoint(330, 312));
}

} // namespace
