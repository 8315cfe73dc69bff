#include "CatWinTestSupport.h"

#include "platform/JpegImage.h"
#include "shell/Exceptions.h"
#include "shell/FitPicture.h"
#include "shell/Pathes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
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

QByteArray JpegBytes(QSize size, QColor colour) {
    QImage source(size, QImage::Format_RGB32);
    source.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    source.save(&buffer, "JPG");
    return bytes;
}

// The same file claiming another size in its frame header.
QByteArray WithClaimedSize(QByteArray bytes, int width, int height) {
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    if (frame >= 0) {
        qToBigEndian<quint16>(quint16(height), bytes.data() + frame + 5);
        qToBigEndian<quint16>(quint16(width), bytes.data() + frame + 7);
    }
    return bytes;
}

TEST(JpegImage, DecodesPicturesAndRejectsBrokenOnes) {
    const QByteArray bytes = JpegBytes({64, 32}, QColor(200, 30, 40));
    if (bytes.isEmpty())
        GTEST_SKIP() << "no JPEG writer in this Qt";
    const TJpegPicture picture = DecodeJpeg(bytes, "red.jpg");
    EXPECT_EQ(picture.Image.size(), QSize(64, 32));
    EXPECT_EQ(picture.Size, QSize(64, 32));
    EXPECT_NEAR(qRed(picture.Image.pixel(10, 10)), 200, 8);
    EXPECT_THROW(DecodeJpeg(QByteArray("not a jpeg at all"), "bad.jpg"), Exception);
    EXPECT_THROW(DecodeJpeg(bytes.left(20), "cut.jpg"), Exception);
    EXPECT_THROW(LoadJpegFile("/nonexistent/pic.jpg"), Exception);
}

TEST(JpegImage, PicturesClaimingHugeSizesAreRefusedBeforeDecoding) {
    const QByteArray bytes = JpegBytes({16, 16}, Qt::blue);
    if (bytes.isEmpty())
        GTEST_SKIP() << "no JPEG writer in this Qt";
    ASSERT_EQ(DecodeJpeg(WithClaimedSize(bytes, 40, 24), "small.jpg").Size, QSize(40, 24));
    for (const QSize claimed :
         {QSize(30000, 30000), QSize(16385, 16), QSize(16, 16385), QSize(16384, 4097)}) {
        try {
            DecodeJpeg(WithClaimedSize(bytes, claimed.width(), claimed.height()), "huge.jpg");
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
}

TEST(JpegImage, DecodesAtTheSmallestScaleThatCoversTheBox) {
    const QByteArray bytes = JpegBytes({640, 480}, Qt::green);
    if (bytes.isEmpty())
        GTEST_SKIP() << "no JPEG writer in this Qt";
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
        PicFolder = Temp.filePath("Pic");
        QDir().mkpath(PicFolder);
        LoadTestCatalog({{1, "A", "a0", "catwin_test_good"},
                         {1, "A", "a1", "catwin_test_bad"},
                         {1, "A", "a2", "catwin_test_none"}});
        Form->BuildCatalogTree();
    }
    void TearDown() override {
        SetProgramFolderForTesting({});
        CatalogWindowTest::TearDown();
    }
    QTemporaryDir Temp;
    QString PicFolder;
};

TEST_F(EntryPictureTest, ShowsFitsAndRefitsThePicture) {
    QImage source(640, 480, QImage::Format_RGB32);
    source.fill(Qt::green);
    if (!source.save(PicFolder + "/catwin_test_good.jpg", "JPG"))
        GTEST_SKIP() << "no JPEG writer in this Qt";
    Main->ShowEntryPicture(0);
    // Decoded at a quarter, and fitted by its own size.
    EXPECT_EQ(Form->Image1->pixmap().size(), QSize(160, 120));
    ASSERT_EQ(Form->FlatPanel1->size(), QSize(145, 99));
    EXPECT_EQ(Form->Image1->geometry(), QRect(9, 2, 127, 95));
    Form->show();
    Form->resize(300, 400);
    QCoreApplication::processEvents();
    ASSERT_EQ(Form->FlatPanel1->size(), QSize(300, 99));
    EXPECT_EQ(Form->Image1->geometry(), QRect(86, 2, 127, 95));
}

TEST_F(EntryPictureTest, ABrokenPictureRaisesAnError) {
    QFile bad(PicFolder + "/catwin_test_bad.jpg");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\xFF\xD8\xFF garbage");
    bad.close();
    try {
        Main->ShowEntryPicture(1);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_NE(std::string(error.what()).find("catwin_test_bad.jpg"), std::string::npos);
    }
}

TEST_F(EntryPictureTest, AMissingPictureShowsTheDefault) {
    Main->ShowEntryPicture(99); // no such entry: nothing changes
    EXPECT_TRUE(Form->Image1->pixmap().isNull());
    if (Form->ImageList1.isNull())
        GTEST_SKIP() << "default picture not in the resources yet";
    EXPECT_EQ(Form->ImageList1.size(), QSize(121, 95));
    Main->ShowEntryPicture(2);
    EXPECT_EQ(Form->Image1->pixmap().size(), QSize(121, 95));
    EXPECT_EQ(Form->Image1->geometry(), FitPictureRect({0, 2, 145, 97}, {0, 0, 121, 95}, true));
}

} // namespace
