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

TEST(JpegImage, DecodesPicturesAndRejectsBrokenOnes) {
    QImage source(64, 32, QImage::Format_RGB32);
    source.fill(QColor(200, 30, 40));
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!source.save(&buffer, "JPG"))
            GTEST_SKIP() << "no JPEG writer in this Qt";
    }
    const QImage image = DecodeJpeg(bytes, "red.jpg");
    EXPECT_EQ(image.size(), QSize(64, 32));
    EXPECT_NEAR(qRed(image.pixel(10, 10)), 200, 8);
    EXPECT_THROW(DecodeJpeg(QByteArray("not a jpeg at all"), "bad.jpg"), Exception);
    EXPECT_THROW(DecodeJpeg(bytes.left(20), "cut.jpg"), Exception);
    EXPECT_THROW(LoadJpegFile("/nonexistent/pic.jpg"), Exception);
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
    EXPECT_EQ(Form->Image1->pixmap().size(), QSize(640, 480));
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
