// The author's window on the real engine: frame steps land on the clip's
// frames at 25 and 30 frames a second, I marks the frame on screen, and the
// grabbed picture is that frame.
#include "author/AuthorForm.h"
#include "author/AuthorTestSupport.h"
#include "author/DiscProject.h"
#include "catalog/CatalogRecord.h"
#include "media/MediaPlayer_TLB.h"

#include <QAction>
#include <QTest>

#include <cmath>

namespace {

// A clip whose picture says which frame it is: each frame a grey level of
// its own, so the frame on screen can be told from its neighbours.
void MakeCountingClip(const QString& path, int fps) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    RunOrThrow("ffmpeg", {"-v", "error", "-nostdin", "-y", "-f", "lavfi", "-i",
                          QString("color=black:size=160x120:rate=%1:duration=3").arg(fps), "-vf",
                          "geq=lum='mod(N*8,256)':cb=128:cr=128", "-c:v", "mpeg4", "-q:v", "2",
                          "-vtag", "DIVX", path});
}

class AuthorFormEngineTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        MakeCountingClip(Dir.filePath("Clips/count.avi"), GetParam());
        Form = std::make_unique<TAuthorForm>();
        Form->ChooseFolder = [this](const QString&) { return Dir.filePath("Clips"); };
        Form->ActionNew->trigger();
        ASSERT_EQ(Form->Project->Count(), 1);
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return Form->Preview->OpenState() == nsOpen; }, 10000));
    }
    double Frame() const { return 1.0 / GetParam(); }
    // Steps and waits until the engine shows another frame.
    bool Step(QAction* action) {
        const double before = Form->Preview->ShownFrameTime();
        action->trigger();
        return QTest::qWaitFor([&] { return Form->Preview->ShownFrameTime() != before; }, 5000);
    }

    QTemporaryDir Dir;
    std::unique_ptr<TAuthorForm> Form;
};

TEST_P(AuthorFormEngineTest, StepsLandOnFramesAndIMarksTheFrameOnScreen) {
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(Step(Form->ActionStepForward)) << "frame " << i;
    EXPECT_NEAR(Form->Preview->ShownFrameTime(), 10 * Frame(), Frame() / 2);
    ASSERT_TRUE(Step(Form->ActionStepBack));
    const double shown = Form->Preview->ShownFrameTime();
    EXPECT_NEAR(shown, 9 * Frame(), Frame() / 2);
    Form->ActionMarkIn->trigger();
    EXPECT_EQ(double{Form->Project->Record(0).StartPos}, shown);
    // On a frame's own time stamp, not a rounded second.
    EXPECT_NEAR(std::remainder(shown, Frame()), 0.0, 1e-3);

    // The picture taken is the frame on screen: its grey level is frame 9's.
    Form->ActionGrabPicture->trigger();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return !Form->Project->PictureFile(MediaNameOf(Form->Project->Record(0))).isEmpty();
        },
        5000));
    const QImage picture(Form->Project->PictureFile(MediaNameOf(Form->Project->Record(0))));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 240);
    const int grey = qGray(picture.pixel(picture.width() / 2, picture.height() / 2));
    // Luma L in studio range shows as (L - 16) * 255 / 219: about 9 levels a frame.
    EXPECT_NEAR(grey, (9 * 8 - 16) * 255.0 / 219.0, 4.0);
}

INSTANTIATE_TEST_SUITE_P(FramesPerSecond, AuthorFormEngineTest, ::testing::Values(25, 30),
                         [](const auto& info) { return std::to_string(info.param) + "fps"; });

} // namespace
