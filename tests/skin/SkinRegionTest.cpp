#include "skin/fcImageForm.h"

#include "platform/Exceptions.h"

#include <QFile>
#include <QLabel>
#include <QtEndian>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr uint32_t kSkinKey = 0x001F1F00; // red 0, green 31, blue 31

std::vector<QRect> Rects(const QRegion& r) {
    return {r.begin(), r.end()};
}

QByteArray StoredShape() {
    QFile file(":/art/skin.rgn");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(SkinRegion, SkinScanGivesTheStoredSixRectangles) {
    const QImage skin(":/art/skin.png");
    ASSERT_EQ(skin.size(), QSize(625, 92));
    EXPECT_FALSE(skin.hasAlphaChannel());
    EXPECT_EQ(skin.pixelColor(0, 91), QColor(0, 31, 31));
    const QRegion region = BuildSkinRegion(skin, kSkinKey);
    const std::vector<QRect> expected = {
        QRect(QPoint(2, 1), QPoint(264, 1)), QRect(QPoint(494, 1), QPoint(622, 1)),
        QRect(QPoint(1, 2), QPoint(274, 2)), QRect(QPoint(491, 2), QPoint(623, 2)),
        QRect(QPoint(1, 3), QPoint(623, 3)), QRect(QPoint(0, 4), QPoint(624, 90))};
    EXPECT_EQ(Rects(region), expected);

    const QByteArray stored = StoredShape();
    EXPECT_EQ(stored.size(), 132);
    EXPECT_EQ(WriteRegionData(region), stored);
}

TEST(SkinRegion, StoredBytesHaveTheRectangleListLayout) {
    const QByteArray stored = StoredShape();
    auto at = [&](int offset) { return qFromLittleEndian<int32_t>(stored.constData() + offset); };
    EXPECT_EQ(at(0), 128); // bytes that follow
    EXPECT_EQ(at(4), 32);  // header size
    EXPECT_EQ(at(8), 1);   // rectangles
    EXPECT_EQ(at(12), 6);  // count
    EXPECT_EQ(at(16), 96); // rectangle bytes
    EXPECT_EQ(at(20), 0);  // bound left, top, right, bottom
    EXPECT_EQ(at(24), 1);
    EXPECT_EQ(at(28), 625);
    EXPECT_EQ(at(32), 91);
    EXPECT_EQ(at(36), 2); // first rectangle, right and bottom exclusive
    EXPECT_EQ(at(40), 1);
    EXPECT_EQ(at(44), 265);
    EXPECT_EQ(at(48), 2);
    EXPECT_EQ(WriteRegionData(QRegion()), QByteArray(4, '\0'));
}

// An 8-bit and an alpha picture are scanned through their mask: exactly the
// pixels of the colour are cut out, as in the 24-bit scan.
TEST(SkinRegion, PicturesOfOtherDepthsCutExactlyTheColour) {
    QImage direct(10, 4, QImage::Format_RGB888);
    direct.fill(QColor(10, 20, 30));
    for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(5, 1), QPoint(9, 3), QPoint(3, 2)})
        direct.setPixelColor(p, QColor(255, 0, 128));
    direct.setPixelColor(7, 2, QColor(255, 0, 129)); // one step off: stays opaque
    const uint32_t colour = 0x008000FF;
    const QRegion expected = BuildSkinRegion(direct, colour);
    EXPECT_EQ(expected.rectCount(), 6);
    EXPECT_FALSE(expected.contains(QPoint(5, 1)));
    EXPECT_TRUE(expected.contains(QPoint(7, 2)));
    for (QImage::Format f :
         {QImage::Format_Indexed8, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
        const QImage other = direct.convertToFormat(f);
        EXPECT_EQ(BuildSkinRegion(other, colour), expected) << int(f);
    }
    // An image whose width is not a multiple of 8 keeps its last pixels.
    EXPECT_TRUE(expected.contains(QPoint(9, 0)));
    EXPECT_TRUE(BuildSkinRegion(QImage(), colour).isEmpty());
    QImage allKey(3, 3, QImage::Format_RGB32);
    allKey.fill(QColor(255, 0, 128));
    EXPECT_TRUE(BuildSkinRegion(allKey, colour).isEmpty());
}

TEST(SkinRegion, MalformedStoredShapesAreRejected) {
    QRegion r(QRect(0, 0, 5, 5));
    r += QRect(10, 10, 3, 3);
    const QByteArray good = WriteRegionData(r);
    EXPECT_EQ(ReadRegionBytes(good.mid(4)), r);
    QByteArray tooMany = good.mid(4);
    qToLittleEndian<int32_t>(1000, tooMany.data() + 8);
    EXPECT_FALSE(ReadRegionBytes(tooMany).has_value());
    qToLittleEndian<int32_t>(-1, tooMany.data() + 8);
    EXPECT_FALSE(ReadRegionBytes(tooMany).has_value());
    EXPECT_FALSE(ReadRegionBytes(good.mid(4, 20)).has_value());
}

// Shape bytes with one rectangle; the header's other fields are not read.
QByteArray OneRectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
    QByteArray bytes(48, '\0');
    for (auto [at, v] : {std::pair{0, 32}, {4, 1}, {8, 1}, {32, l}, {36, t}, {40, r}, {44, b}})
        qToLittleEndian<int32_t>(v, bytes.data() + at);
    return bytes;
}

TEST(SkinRegion, CoordinatesBeyondAnyWindowAreRefusedWithoutOverflow) {
    // The widths of these would overflow 32 bits.
    EXPECT_FALSE(ReadRegionBytes(OneRectangle(INT32_MIN, 0, INT32_MAX, 1)).has_value());
    EXPECT_FALSE(ReadRegionBytes(OneRectangle(0, INT32_MIN, 1, INT32_MAX)).has_value());
    EXPECT_FALSE(ReadRegionBytes(OneRectangle(INT32_MIN, INT32_MIN, -5, -5)).has_value());
    const int m = MaxShapeCoordinate;
    const auto widest = ReadRegionBytes(OneRectangle(-m, -m, m, m));
    ASSERT_TRUE(widest.has_value());
    EXPECT_EQ(widest->boundingRect(), QRect(QPoint(-m, -m), QPoint(m - 1, m - 1)));
    EXPECT_EQ(ReadRegionBytes(WriteRegionData(*widest).mid(4)), widest);
    EXPECT_THROW(WriteRegionData(QRegion(QRect(QPoint(0, 0), QPoint(m, 1)))), Exception);
}

struct SkinHost : ::testing::Test {
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    TfcImageForm* form = new TfcImageForm(host.get());
};

TEST_F(SkinHost, TransparentColourNoneUsesBottomLeftPixel) {
    QImage pic(20, 10, QImage::Format_RGB32);
    pic.fill(QColor(200, 100, 50));
    pic.setPixelColor(0, 9, QColor(1, 2, 3));
    pic.setPixelColor(19, 0, QColor(1, 2, 3));
    form->SetPicture(pic);
    EXPECT_EQ(host->size(), QSize(20, 10));
    EXPECT_EQ(form->TransparentColor(), clNone);
    EXPECT_EQ(form->EffectiveTransparentColor(), 0x00030201u);
    form->RebuildRegion();
    EXPECT_FALSE(form->Region().contains(QPoint(0, 9)));
    EXPECT_FALSE(form->Region().contains(QPoint(19, 0)));
    EXPECT_TRUE(form->Region().contains(QPoint(1, 9)));
    EXPECT_EQ(host->mask(), form->Region());
    // Changing the colour alone does not rebuild the shape.
    form->SetTransparentColor(0x00326496);
    EXPECT_TRUE(form->Region().contains(QPoint(5, 5)));
}

TEST_F(SkinHost, StoredShapeIsAppliedAndSizeZeroScans) {
    form->SetAutoSize(true);
    form->SetPicture(QImage(":/art/skin.png"));
    form->SetTransparentColor(kSkinKey);
    EXPECT_EQ(host->size(), QSize(625, 92));
    EXPECT_EQ(form->size(), QSize(625, 92));
    form->SetRegionData(StoredShape());
    EXPECT_EQ(form->Region().rectCount(), 6);
    EXPECT_EQ(host->mask(), form->Region());

    QImage pic(8, 8, QImage::Format_RGB32);
    pic.fill(Qt::white);
    pic.setPixelColor(0, 0, QColor(0, 31, 31));
    form->SetPicture(pic);
    form->SetRegionData(QByteArray(4, '\0'));
    EXPECT_EQ(form->Region(), QRegion(0, 0, 8, 8) - QRegion(0, 0, 1, 1));
    EXPECT_EQ(form->RegionData(), WriteRegionData(form->Region()));

    // A size beyond the data leaves the window rectangular.
    QByteArray bad = StoredShape();
    bad.chop(16);
    form->SetRegionData(bad);
    EXPECT_TRUE(form->Region().isEmpty());
}

} // namespace
