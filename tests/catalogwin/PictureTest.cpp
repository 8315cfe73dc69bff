#include "CatWinTestSupport.h"

#include "catalogwin/FitPicture.h"
#include "catalogwin/PictureLoader.h"
#include "platform/Exceptions.h"
#include "platform/JpegImage.h"
#include "shell/Pathes.h"
#include "support/FileBytes.h"
#include "video/CaptionUnit.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QScopeGuard>
#include <QSemaphore>
#include <QTest>
#include <QtEndian>

namespace {

TEST(FitPictureRect, FitsKeepingProportions) {
    // A 640 x 480 picture in the panel of 137 x 99.
    EXPECT_EQ(FitPictureRect({0, 2, 137, 97}, {0, 0, 640, 480}, true), QRect(5, 2, 127, 95));
    // Small pictures are enlarged until they touch the box.
    EXPECT_EQ(FitPictureRect({0, 2, 137, 97}, {0, 0, 20, 12}, true), QRect(0, 15, 137, 82));
    EXPECT_EQ(FitPictureRect({0, 2, 137, 97}, {0, 0, 20, 12}, false), QRect(0, 8, 137, 82));
    EXPECT_EQ(FitPictureRect({10, 10, 110, 60}, {0, 0, 50, 100}, false), QRect(47, 10, 25, 50));
    // Halves round to even: 5 / 2 = 2.5 gives 2, 7 / 2 = 3.5 gives 4.
    EXPECT_EQ(FitPictureRect({0, 0, 4, 100}, {0, 0, 8, 5}, false), QRect(0, 49, 4, 2));
    EXPECT_EQ(FitPictureRect({0, 0, 4, 100}, {0, 0, 8, 7}, false), QRect(0, 48, 4, 4));
    // Nothing to fit, or nowhere to fit it.
    EXPECT_EQ(FitPictureRect({3, 4, 3, 50}, {0, 0, 10, 10}, true), QRect(3, 4, 0, 0));
    EXPECT_EQ(FitPictureRect({0, 0, 50, 50}, {0, 0, 0, 10}, true), QRect(0, 0, 0, 0));
}

QByteArray JpegBytes(QSize size, QColor colour, const TJpegEncoding& encoding = {}) {
    QImage source(size, QImage::Format_RGB32);
    source.fill(colour);
    return EncodeJpeg(source, encoding);
}

// The same file claiming another size in its frame header.
QByteArray WithClaimedSize(QByteArray bytes, int width, int height) {
    qsizetype frame = bytes.indexOf("\xFF\xC0");
    if (frame < 0)
        frame = bytes.indexOf("\xFF\xC2");
    EXPECT_GE(frame, 0) << "no frame header";
    qToBigEndian<quint16>(quint16(height), bytes.data() + frame + 5);
    qToBigEndian<quint16>(quint16(width), bytes.data() + frame + 7);
    return bytes;
}

void ExpectColour(const QImage& image, QPoint at, QColor colour, int tolerance = 6) {
    const QRgb pixel = image.pixel(at);
    EXPECT_NEAR(qRed(pixel), colour.red(), tolerance) << colour.name().toStdString();
    EXPECT_NEAR(qGreen(pixel), colour.green(), tolerance) << colour.name().toStdString();
    EXPECT_NEAR(qBlue(pixel), colour.blue(), tolerance) << colour.name().toStdString();
}

TEST(JpegImage, DecodesPicturesAndRejectsBrokenOnes) {
    const QByteArray bytes = JpegBytes({64, 32}, QColor(200, 30, 40));
    const TJpegPicture picture = DecodeJpeg(bytes, "red.jpg");
    EXPECT_EQ(picture.Image.size(), QSize(64, 32));
    EXPECT_EQ(picture.Size, QSize(64, 32));
    ExpectColour(picture.Image, {10, 10}, QColor(200, 30, 40));
    const TJpegPicture progressive =
        DecodeJpeg(JpegBytes({64, 32}, QColor(20, 140, 120), {.Progressive = true}), "p.jpg");
    ExpectColour(progressive.Image, {10, 10}, QColor(20, 140, 120));
    EXPECT_THROW(DecodeJpeg(QByteArray("not a jpeg at all"), "bad.jpg"), Exception);
    EXPECT_THROW(DecodeJpeg(bytes.left(20), "cut.jpg"), Exception);
    EXPECT_THROW(LoadJpegFile("/nonexistent/pic.jpg"), Exception);
}

// Print and scanner tools write CMYK, mostly as Adobe's inverted YCCK.
TEST(JpegImage, CmykPicturesShowTheirColours) {
    const QColor colours[] = {QColor(200, 30, 40), QColor(20, 140, 120), QColor(90, 90, 200),
                              Qt::white, Qt::black};
    for (const bool progressive : {false, true}) {
        for (const QColor& colour : colours) {
            const TJpegPicture picture =
                DecodeJpeg(JpegBytes({16, 16}, colour, {.Progressive = progressive, .Cmyk = true}),
                           "cmyk.jpg", {2, 2});
            EXPECT_EQ(picture.Size, QSize(16, 16));
            EXPECT_EQ(picture.Image.size(), QSize(2, 2)) << "scaled as RGB pictures are";
            ExpectColour(picture.Image, {1, 1}, colour);
        }
    }
    // Without Adobe's marker the four planes count as plain ink (0 = none).
    // The planes of black written as YCCK are 255, 128, 128 and 0: as plain
    // CMYK that is full cyan and half magenta and yellow, no black.
    QByteArray plain = JpegBytes({16, 16}, Qt::black, {.Cmyk = true});
    const qsizetype adobe = plain.indexOf("\xFF\xEE");
    ASSERT_GT(adobe, 0);
    plain.remove(adobe, 2 + qFromBigEndian<quint16>(plain.constData() + adobe + 2));
    ExpectColour(DecodeJpeg(plain, "plain.jpg").Image, {8, 8}, QColor(0, 127, 127));
}

TEST(JpegImage, PicturesClaimingHugeSizesAreRefusedBeforeDecoding) {
    const QByteArray bytes = JpegBytes({16, 16}, Qt::blue);
    ASSERT_EQ(DecodeJpeg(WithClaimedSize(bytes, 40, 24), "small.jpg").Size, QSize(40, 24));
    const QByteArray progressive = JpegBytes({16, 16}, Qt::blue, {.Progressive = true});
    const QByteArray cmyk = JpegBytes({16, 16}, Qt::blue, {.Progressive = true, .Cmyk = true});
    const std::pair<QByteArray, QSize> refused[] = {
        {bytes, {30000, 30000}},
        {bytes, {16385, 16}},
        {bytes, {16, 16385}},
        {bytes, {16384, 4097}},
        // Every coefficient kept: 2 bytes a sample of each component.
        {progressive, {16384, 4096}},
        {cmyk, {4096, 2049}},
    };
    for (const auto& [file, claimed] : refused) {
        try {
            DecodeJpeg(WithClaimedSize(file, claimed.width(), claimed.height()), "huge.jpg");
            FAIL() << "decoded " << claimed.width() << " x " << claimed.height();
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find("huge.jpg"), std::string::npos);
        }
    }
    // At the bounds the truncated file still gives a picture, at the scale of the box.
    const TJpegPicture widest =
        DecodeJpeg(WithClaimedSize(bytes, 16384, 4096), "wide.jpg", {135, 95});
    EXPECT_EQ(widest.Size, QSize(16384, 4096));
    EXPECT_EQ(widest.Image.size(), QSize(2048, 512));
    EXPECT_EQ(DecodeJpeg(WithClaimedSize(progressive, 640, 480), "p.jpg").Size, QSize(640, 480));
}

TEST(JpegImage, DecodesAtTheSmallestScaleThatCoversTheBox) {
    const QByteArray bytes = JpegBytes({640, 480}, Qt::green);
    auto decodedSize = [&](QSize box) { return DecodeJpeg(bytes, "p.jpg", box).Image.size(); };
    // Fitted into 135 x 95 the picture is 127 x 95: a quarter covers it, an eighth does not.
    EXPECT_EQ(decodedSize({135, 95}), QSize(160, 120));
    EXPECT_EQ(decodedSize({80, 60}), QSize(80, 60));
    EXPECT_EQ(decodedSize({79, 59}), QSize(80, 60));
    EXPECT_EQ(decodedSize({81, 1000}), QSize(160, 120)) << "the narrow side decides";
    EXPECT_EQ(decodedSize({320, 240}), QSize(320, 240));
    EXPECT_EQ(decodedSize({321, 240}), QSize(320, 240));
    EXPECT_EQ(decodedSize({321, 241}), QSize(640, 480));
    EXPECT_EQ(decodedSize({1280, 960}), QSize(640, 480)) << "never enlarged by the decoder";
    EXPECT_EQ(decodedSize({}), QSize(640, 480));
    EXPECT_EQ(DecodeJpeg(bytes, "p.jpg", {135, 95}).Size, QSize(640, 480));
}

// Pictures are found beside the program, in Pic/.
class EntryPictureTest : public CatalogWindowTest {
protected:
    void SetUp() override {
        CatalogWindowTest::SetUp();
        ASSERT_TRUE(Temp.isValid());
        SetProgramFolderForTesting(Temp.path());
        LoadTestCatalog({{1, "A", "a0", "catwin_test_good"},
                         {1, "A", "a1", "catwin_test_bad"},
                         {1, "A", "a2", "catwin_test_none"},
                         {1, "A", "a3", "catwin_test_huge"},
                         {1, "A", "a4", "catwin_test_cmyk"}});
        Form->BuildCatalogTree();
        WritePicture("catwin_test_good", JpegBytes({640, 480}, Qt::green));
    }
    void TearDown() override {
        SetProgramFolderForTesting({});
        CatalogWindowTest::TearDown();
    }
    void WritePicture(const QString& media, const QByteArray& bytes) {
        WriteAll(Temp.filePath("Pic/" + media + ".jpg"), bytes);
    }
    // Shows the entry's picture once every decode asked for has come back.
    void Show(int entry) {
        Main->ShowEntryPicture(entry);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Form->PictureLoader->Busy(); }, 20000));
    }
    void ExpectDefaultPicture() {
        EXPECT_EQ(Form->Image1->pixmap().toImage(), Form->ImageList1.toImage());
        EXPECT_EQ(Form->Image1->geometry(), FitPictureRect({0, 2, 145, 97}, {0, 0, 121, 95}, true));
    }
    QTemporaryDir Temp;
};

TEST_F(EntryPictureTest, ShowsFitsAndRefitsThePicture) {
    Show(0);
    // Decoded at a quarter, and fitted by its own size.
    EXPECT_EQ(Form->Image1->pixmap().size(), QSize(160, 120));
    ASSERT_EQ(Form->FlatPanel1->size(), QSize(145, 99));
    EXPECT_EQ(Form->Image1->geometry(), QRect(9, 2, 127, 95));
    Form->show();
    Form->resize(300, 400);
    // The X server answers a resize of a shown window in its own time.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Form->FlatPanel1->width() == 300; }));
    ASSERT_EQ(Form->FlatPanel1->size(), QSize(300, 99));
    EXPECT_EQ(Form->Image1->geometry(), QRect(86, 2, 127, 95));
}

TEST_F(EntryPictureTest, APictureThatCannotBeShownGivesTheDefaultPictureAndNoError) {
    WritePicture("catwin_test_bad", "\xFF\xD8\xFF garbage");
    WritePicture(
        "catwin_test_huge",
        WithClaimedSize(JpegBytes({16, 16}, Qt::blue, {.Progressive = true}), 16384, 4096));
    WritePicture("catwin_test_cmyk", JpegBytes({640, 480}, QColor(200, 30, 40), {.Cmyk = true}));
    Show(4);
    ExpectColour(Form->Image1->pixmap().toImage(), {80, 60}, QColor(200, 30, 40));
    for (const int entry : {1, 3}) {
        Show(0);
        ASSERT_EQ(Form->Image1->pixmap().size(), QSize(160, 120));
        EXPECT_NO_THROW(Show(entry));
        ExpectDefaultPicture();
    }
}

TEST_F(EntryPictureTest, AMissingPictureShowsTheDefault) {
    Main->ShowEntryPicture(99); // no such entry: nothing changes
    EXPECT_TRUE(Form->Image1->pixmap().isNull());
    EXPECT_EQ(Form->ImageList1.size(), QSize(121, 95));
    Show(2);
    ExpectDefaultPicture();
}

// Decodes that the test lets finish one by one.
TEST(PictureLoader, AnswersOnlyTheLatestRequestAndNothingCancelled) {
    QSemaphore started, finish;
    TPictureLoader loader(nullptr, [&](const QString& path, QSize) {
        started.release();
        finish.acquire();
        if (path == "bad")
            throw Exception("cannot");
        return TJpegPicture{QImage(1, 1, QImage::Format_RGBX8888), QSize(path.size(), 1)};
    });
    const auto unblock = qScopeGuard([&] { finish.release(100); }); // should a check fail
    QStringList answers;
    loader.OnLoaded = [&](const std::optional<TJpegPicture>& picture) {
        answers << (picture ? QString::number(picture->Size.width()) : "none");
    };
    const auto settle = [&] { return QTest::qWaitFor([&] { return !loader.Busy(); }, 10000); };
    loader.Load("a", {});
    started.acquire(); // under way when the next one is asked for
    loader.Load("bb", {});
    loader.Load("ccc", {}); // "bb" is never begun
    finish.release(2);
    ASSERT_TRUE(settle());
    started.acquire(); // "ccc"
    EXPECT_EQ(answers, QStringList{"3"});
    loader.Load("bad", {});
    finish.release();
    ASSERT_TRUE(settle());
    started.acquire();
    EXPECT_EQ(answers, (QStringList{"3", "none"}));
    loader.Load("dddd", {});
    started.acquire();
    loader.Cancel();
    finish.release();
    ASSERT_TRUE(settle());
    EXPECT_EQ(answers, (QStringList{"3", "none"})) << "a cancelled picture came back";
}

// The entry change completes whatever its picture: current entry, caption
// and tree selection move on, and nothing is raised to the user.
class PictureEntryChangeTest : public FormsTest {};

TEST_F(PictureEntryChangeTest, AnEntryWhosePictureCannotBeShownStillStarts) {
    AddEntry(1, "Fine", "fine", 0.0, 0.0);
    AddEntry(1, "Broken picture", "broken", 0.0, 0.0);
    ShowCatalog();
    WriteAll(ProgramDir.filePath("Pic/fine.jpg"), JpegBytes({64, 48}, Qt::green));
    WriteAll(ProgramDir.filePath("Pic/broken.jpg"), "\xFF\xD8\xFF\xE0 cut short");
    PlayAndOpen(0);
    EXPECT_NO_THROW(MainForm->PlayEntry(1));
    EXPECT_EQ(CurrentIndex, 1);
    EXPECT_EQ(CaptionForm->CaptionText, QStringLiteral("Broken picture"));
    EXPECT_EQ(CatForm2->fcTreeView1->Selected(), CatForm2->NodeOfEntry(1));
    ASSERT_TRUE(QTest::qWaitFor([] { return !CatForm2->PictureLoader->Busy(); }, 20000));
    EXPECT_EQ(CatForm2->Image1->pixmap().toImage(), CatForm2->ImageList1.toImage());
}

} // namespace
